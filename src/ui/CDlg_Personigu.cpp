#include "CDlg_Personigu.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "CWordStore.h"
#include "CategoryColours.h"
#include "DialogUnits.h"
#include "Messages.h"
#include "Prompts.h"
#include "QtText.h"

namespace {

// Where the category fields stand, in dialog units: categories 1 to 5 down the left column, 6 to 10
// down the right one.
constexpr int categoryColumnX[] = {24, 127};
constexpr int categoryRowY[] = {90, 111, 131, 152, 172};

QColor toQColor(const Rgb& colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Only the background takes the category's colour; the text keeps the default one, except where a
// dark look makes it light: on the light category colours it would not be legible.
QPalette categoryPalette(QPalette palette, int category)
{
    palette.setColor(QPalette::Base, toQColor(categoryColour(category)));
    palette.setColor(QPalette::Text, needsWhiteText(categoryColour(category)) ? Qt::white : Qt::black);
    return palette;
}

QString languageName(const QString& tag)
{
    const QString name = QLocale(tag).nativeLanguageName();
    return name.isEmpty() ? tag : QStringLiteral("%1 (%2)").arg(name, tag);
}

} // namespace

CDlg_Personigu::CDlg_Personigu(CWordStore& store, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompts(prompts),
      m_confirmButton(new QPushButton(QStringLiteral("Konfirmu"), this))
{
    setObjectName(QStringLiteral("customiseDialog"));
    setWindowTitle(QStringLiteral("Personigo"));

    auto* cancelButton = new QPushButton(QStringLiteral("Nuligu"), this);
    m_confirmButton->setObjectName(QStringLiteral("confirmButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (int list = 1; list <= 2; ++list) {
        QLineEdit* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("listName%1LineEdit").arg(list));
        m_fields[DataSetNames::listIndex(list)] = field;
    }
    for (int category = 1; category <= CWordStore::categoryCount; ++category) {
        QLineEdit* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("category%1LineEdit").arg(category));
        field->setAccessibleName(QStringLiteral("Kategorio %1").arg(category));
        field->setPalette(categoryPalette(field->palette(), category));
        m_fields[DataSetNames::categoryIndex(category)] = field;
    }
    auto* categoriesLabel = new QLabel(QStringLiteral("Kategorioj :"), this);
    auto* listName1Label = new QLabel(QStringLiteral("Nomo de la unua listo"), this);
    auto* listName2Label = new QLabel(QStringLiteral("Nomo de la dua listo"), this);
    categoriesLabel->setObjectName(QStringLiteral("categoriesLabel"));
    listName1Label->setObjectName(QStringLiteral("listName1Label"));
    listName2Label->setObjectName(QStringLiteral("listName2Label"));
    listName1Label->setBuddy(m_fields[DataSetNames::listIndex(1)]);
    listName2Label->setBuddy(m_fields[DataSetNames::listIndex(2)]);
    categoriesLabel->setBuddy(m_fields[DataSetNames::categoryIndex(1)]);

    auto* languagesLabel = new QLabel(QStringLiteral("Laŭtlegata lingvo"), this);
    languagesLabel->setObjectName(QStringLiteral("languagesLabel"));
    for (int list = 1; list <= 2; ++list) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("language%1ComboBox").arg(list));
        m_languageBoxes[static_cast<std::size_t>(list - 1)] = box;
    }
    offerSpeechLanguages({}, {});

    const DialogUnits units(font());
    // Wider than the names alone need: the language boxes stand beside the list names.
    setFixedSize(units.size(310, 221));
    units.place(languagesLabel, 218, 10, 84, 8);
    units.place(m_languageBoxes[0], 218, 22, 84, 14);
    units.place(m_languageBoxes[1], 218, 45, 84, 14);
    units.place(m_confirmButton, 242, 200, 50, 14);
    units.place(cancelButton, 192, 200, 50, 14);
    units.place(m_fields[DataSetNames::listIndex(1)], 24, 22, 107, 14);
    units.place(m_fields[DataSetNames::listIndex(2)], 24, 45, 107, 14);
    for (int category = 1; category <= CWordStore::categoryCount; ++category) {
        const int column = (category - 1) / 5;
        const int row = (category - 1) % 5;
        units.place(m_fields[DataSetNames::categoryIndex(category)], categoryColumnX[column],
                    categoryRowY[row], 84, 14);
    }
    units.place(categoriesLabel, 25, 76, 38, 8);
    units.place(listName1Label, 144, 26, 69, 8);
    units.place(listName2Label, 144, 50, 65, 8);
    DialogUnits::fitTexts(this);

    const DataSetNames names = DataSetNames::fromStore(store);
    for (int index = 0; index < DataSetNames::count; ++index) {
        m_fields[index]->setText(toQString(names.name(index)));
        m_fields[index]->setCursorPosition(0); // a long name shows its beginning
    }

    m_confirmButton->setDefault(true);
    connect(m_confirmButton, &QPushButton::clicked, this, &CDlg_Personigu::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_confirmButton, cancelButton);
    setTabOrder(cancelButton, m_fields.front());
    for (int index = 1; index < DataSetNames::count; ++index)
        setTabOrder(m_fields[index - 1], m_fields[index]);
    // Each language box right after its list name.
    setTabOrder(m_fields[DataSetNames::listIndex(1)], m_languageBoxes[0]);
    setTabOrder(m_languageBoxes[0], m_fields[DataSetNames::listIndex(2)]);
    setTabOrder(m_fields[DataSetNames::listIndex(2)], m_languageBoxes[1]);
    setTabOrder(m_languageBoxes[1], m_fields[DataSetNames::categoryIndex(1)]);
    m_confirmButton->setFocus();
}

void CDlg_Personigu::confirm()
{
    DataSetNames names;
    for (int index = 0; index < DataSetNames::count; ++index)
        names.setName(index, toText(m_fields[index]->text()));
    // A name the file cannot hold stays in its field for the user to correct; nothing is stored.
    if (const auto unstorable = names.firstUnstorable()) {
        m_prompts.showWarning(Messages::unstorableText());
        m_fields[*unstorable]->setFocus();
        return;
    }
    names.applyTo(m_store);
    m_speechLanguages = shownSpeechLanguages();
    accept();
}

ListLanguages CDlg_Personigu::shownSpeechLanguages() const
{
    ListLanguages shown;
    for (std::size_t list = 0; list < m_languageBoxes.size(); ++list)
        shown[list] = m_languageBoxes[list]->currentData().toString();
    return shown;
}

void CDlg_Personigu::offerSpeechLanguages(const QStringList& available, const ListLanguages& chosen)
{
    m_speechLanguages = chosen;
    for (std::size_t list = 0; list < m_languageBoxes.size(); ++list) {
        QComboBox* box = m_languageBoxes[list];
        box->clear();
        box->addItem(QStringLiteral("neniu"), QString());
        QStringList tags = available;
        if (!chosen[list].isEmpty() && !tags.contains(chosen[list]))
            tags.append(chosen[list]);
        for (const QString& tag : tags)
            box->addItem(languageName(tag), tag);
        box->setCurrentIndex(std::max(0, box->findData(chosen[list])));
    }
}
