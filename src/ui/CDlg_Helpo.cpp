#include "CDlg_Helpo.h"

#include <algorithm>
#include <string_view>

#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>

#include "DialogUnits.h"
#include "ProgramFolders.h"
#include "QtText.h"

namespace {

struct HelpLine
{
    std::u16string_view esperanto;
    std::u16string_view french;

    // The line in one language, naming the program's real folder where the guide writes "C:/Zenvalo".
    QString in(CDlg_Helpo::Language language) const
    {
        QString text = toQString(language == CDlg_Helpo::Language::French ? french : esperanto);
        return text.replace(QStringLiteral("C:/Zenvalo"),
                            QDir::toNativeSeparators(ProgramFolders::programFolder()), Qt::CaseInsensitive);
    }
};

// The guide in both languages: the two lines of the frame, then the 29 rows of the list. Leading
// blanks are part of the text; rows 27 and 28 line up the example by blanks.
constexpr HelpLine helpLines[] = {
    {u"Por pli detala helpo, bonvolu konsulti la datumaron :",
     u"Pour une aide plus détaillée, consultez le fichier :"},
    {u"c:/Zenvalo/Lisez-moi_Legu min.pdf", u"c:/Zenvalo/Lisez-moi_Legu min.pdf"},
    {u"Lokado de la programo : en C:/Zenvalo", u"Implantation du programme : dans C:/Zenvalo"},
    {u"", u""},
    {u"Lokado de la datumoj : en C:/Zenvalo/Zenvalaro",
     u"Implantation des données : dans C:/Zenvalo/Zenvalaro"},
    {u"      (sed aliloke se vi deziras)", u"      (ou ailleurs si vous préférez)"},
    {u"Datumoj baze disponeblaj (Franca <--> Esperanto) :",
     u"Données de base fournies (Français <--> Espéranto) :"},
    {u"      Zenvalo.txt kaj Zenvalo(esprimoj).txt", u"      Zenvalo.txt et Zenvalo(esprimoj).txt"},
    {u"      (sed faru mem la vian)", u"      (mais vous pouvez faire les vôtres)"},
    {u"", u""},
    {u"Lingvoj uzataj : iu ajn lingvoparo kun Unikodo", u"Langues utilisées : toutes langues avec Unicode"},
    {u"", u""},
    {u"La unuan fojon : Nova kaj poste Aldonu", u"La première fois : Nova / Nouveau puis Aldonu / Ajouter"},
    {u"La sekvantajn fojojn : Freŝdataj datumoj (Ctrl I)", u"Les fois suivantes : Fichiers récents (Ctrl I)"},
    {u"", u""},
    {u"Aldonu ... por entajpi novajn vortojn", u"Aldonu / Ajouter ... pour ajouter de nouveaux mots"},
    {u"Modifu ... por forviŝi, modifi vortojn, inversi la lingvojn",
     u"Modifu / Modifier ... pour effacer, modifier des mots, inverser les langues"},
    {u"Kompletigu ... por enstoki la datumojn de amiko",
     u"Kompletigu / Compléter ... pour importer les données d'un autre utilisateur"},
    {u"Trejniĝu ... por trejniĝi al la memorado",
     u"Trejniĝu / S'entraîner ... pour s'entraîner à la mémorisation"},
    {u"      Testo ambaŭflanka : Lingvo1-->Lingvo2 aŭ inverse",
     u"      Test dans les deux sens : Lingvo1-->Lingvo2 ou inversement"},
    {u"      Ordo de prezento : Kronologie, Alfabete, Aleatore, Morfologie",
     u"      Ordre de présentation : Chronologique, Alphabétique, Aléatoire, Morphologique"},
    {u"      Retro-ordo de prezento : Kronologie, Alfabete",
     u"      Ordre de présentation inverse : Chronologique, Alphabétique"},
    {u"      Skatoloj esplorataj : 1, 2, 3, 4, 5 kun aŭtomata enkalkulo de la dato aŭ ne",
     u"      Boîtes explorées : 1, 2, 3, 4, 5 avec prise en compte automatique ou non de la date"},
    {u"      Post diveno : Montru (sekvence kiam estas pluraj artikloj)",
     u"      Après avoir deviné : Montru / Montrer (en séquence quand il y a plusieurs articles)"},
    {u"      Se bone : la vorto iras al la sekvanta skatolo",
     u"      Si le résultat est bon : le mot va dans la boîte suivante"},
    {u"      Se malbone : la vorto reiras al la skatolo 1",
     u"      Si le résultat est mauvais : le mot retourne dans la boîte 1"},
    {u"Kiu kies ? ... por trejniĝi al ĝusta ligo inter ambaŭ listoj",
     u"Kiu kies ? ... / Qui est à qui ? ... pour s'entraîner à lier correctement les deux listes"},
    {u"", u""},
    {u"Komentoj estu inter krampoj. Ekzemple :",
     u"Les commentaires sont mis entre parenthèses. Par exemple :"},
    {u"      Vase (le)                 Florpoto", u"      Vase (le)                 Florpoto"},
    {u"      Lentille (optique)     Lenso", u"      Lentille (optique)        Lenso"},
};

constexpr int invitationLine = 0;
constexpr int pathLine = 1;
constexpr int firstRowLine = 2;
static_assert(std::size(helpLines) == firstRowLine + CDlg_Helpo::rowCount);

constexpr CDlg_Helpo::Language languages[] = {CDlg_Helpo::Language::Esperanto, CDlg_Helpo::Language::French};

} // namespace

CDlg_Helpo::CDlg_Helpo(QWidget* parent)
    : QDialog(parent), m_esperantoRadio(new QRadioButton(QStringLiteral("Espéranto"), this)),
      m_frenchRadio(new QRadioButton(QStringLiteral("Français"), this)), m_invitationLabel(new QLabel(this)),
      m_pathLabel(new QLabel(this)), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("helpDialog"));
    setWindowTitle(QStringLiteral("Helpo / Aide"));

    auto* frame = new QGroupBox(this);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    m_esperantoRadio->setObjectName(QStringLiteral("esperantoRadioButton"));
    m_frenchRadio->setObjectName(QStringLiteral("frenchRadioButton"));
    frame->setObjectName(QStringLiteral("guideGroupBox"));
    m_invitationLabel->setObjectName(QStringLiteral("invitationLabel"));
    m_invitationLabel->setBuddy(m_list);
    m_pathLabel->setObjectName(QStringLiteral("guidePathLabel"));
    m_list->setObjectName(QStringLiteral("helpTreeWidget"));
    m_list->setAccessibleName(QStringLiteral("Temoj"));
    okButton->setObjectName(QStringLiteral("okButton"));

    const DialogUnits units(font());
    setFixedSize(units.size(345, 353));
    units.place(m_esperantoRadio, 19, 15, 47, 10);
    units.place(m_frenchRadio, 74, 15, 41, 10);
    units.place(frame, 124, 7, 201, 37);
    units.place(m_invitationLabel, 130, 16, 189, 8);
    units.place(m_pathLabel, 130, 29, 191, 8);
    units.place(m_list, 17, 44, 308, 281);
    units.place(okButton, 289, 332, 50, 14);
    frame->lower(); // under the two lines it surrounds

    m_list->setColumnCount(1);
    m_list->setHeaderLabels({QStringLiteral("Helpo / Aide")});
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The selection stays as visible as with the focus when the user moves to the buttons.
    QPalette palette = m_list->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_list->setPalette(palette);
    for (int row = 0; row < rowCount; ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    }

    fitToFont();

    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_esperantoRadio, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            showLanguage(Language::Esperanto);
    });
    connect(m_frenchRadio, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            showLanguage(Language::French);
    });

    setTabOrder(m_esperantoRadio, m_frenchRadio);
    setTabOrder(m_frenchRadio, m_list);
    setTabOrder(m_list, okButton);
    m_esperantoRadio->setChecked(true);
    showLanguage(Language::Esperanto);
    m_esperantoRadio->setFocus();
}

// The places are in dialog units, but a desktop font may be wider for its size than the units allow.
// Whatever would be cut off in either language is widened, and what stands to its right or ends where
// it ends follows, so that the radio buttons, the frame and the list keep their relative places and
// the list shows every row whole.
void CDlg_Helpo::fitToFont()
{
    const QFontMetrics labelMetrics = m_invitationLabel->fontMetrics();
    int widestLine = 0;
    for (const int line : {invitationLine, pathLine}) {
        for (const Language language : languages)
            widestLine = std::max(widestLine, labelMetrics.horizontalAdvance(helpLines[line].in(language)));
    }

    const QFontMetrics rowMetrics = m_list->fontMetrics();
    int widestRow = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (const Language language : languages)
            widestRow =
                std::max(widestRow, rowMetrics.horizontalAdvance(helpLines[firstRowLine + row].in(language)));
    }
    const QStyle* style = m_list->style();
    const int textMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1);
    // One character to spare covers the rounding of the view's own measure.
    int listWidth = widestRow + textMargins + rowMetrics.averageCharWidth() + 2 * m_list->frameWidth();
    const int rowsHeight = rowCount * m_list->visualItemRect(m_list->topLevelItem(0)).height() +
                           m_list->header()->sizeHint().height() + 2 * m_list->frameWidth();
    if (rowsHeight > m_list->height())
        listWidth += style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);

    // The frame and the list end at the same place, and the button below the list ends beyond it.
    DialogUnits::fitTexts(
        this,
        [&](const QWidget* widget) {
            if (widget == m_invitationLabel || widget == m_pathLabel)
                return widestLine;
            if (widget == m_list)
                return listWidth;
            return DialogUnits::textWidth(widget);
        },
        DialogUnits::Overlaps::FollowRightEdge);
}

void CDlg_Helpo::showLanguage(Language language)
{
    m_language = language;
    m_invitationLabel->setText(helpLines[invitationLine].in(language));
    m_pathLabel->setText(helpLines[pathLine].in(language));
    for (int row = 0; row < rowCount; ++row)
        m_list->topLevelItem(row)->setText(0, helpLines[firstRowLine + row].in(language));
    fitColumn();
}

void CDlg_Helpo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitColumn();
}

// The one column spans the list's whole width, and grows beyond it (with a scroll bar) only where a
// row would otherwise be cut off.
void CDlg_Helpo::fitColumn()
{
    m_list->resizeColumnToContents(0);
    m_list->setColumnWidth(0, std::max(m_list->viewport()->width(), m_list->columnWidth(0)));
}
