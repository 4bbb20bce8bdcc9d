#include "CDlg_Importu.h"

#include "CWordStore.h"
#include "QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString shownSeparator(char16_t separator)
{
    return separator == u'\t' ? QStringLiteral("tabo") : QStringLiteral("« %1 »").arg(QChar(separator));
}

QString fateText(RowFate fate)
{
    switch (fate) {
    case RowFate::Taken:
        return QStringLiteral("venos");
    case RowFate::TakenWithSubstitutes:
        return QStringLiteral("venos, anstataŭigite");
    case RowFate::AlreadyStored:
        return QStringLiteral("jam registrita");
    case RowFate::EmptyText:
        return QStringLiteral("malplena teksto");
    case RowFate::Unstorable:
        return QStringLiteral("preterlasita: « ; » aŭ linirompo");
    }
    return {};
}

QString wordCount(int count)
{
    return (count < 2 ? QStringLiteral("%1 vorto") : QStringLiteral("%1 vortoj")).arg(count);
}

} // namespace

QString formatName(ExchangeFormat format, char16_t separator)
{
    switch (format) {
    case ExchangeFormat::Csv:
        return QStringLiteral("CSV, apartigilo %1").arg(shownSeparator(separator));
    case ExchangeFormat::Tsv:
        return QStringLiteral("TSV, apartigilo tabo");
    case ExchangeFormat::Kvtml:
        return QStringLiteral("KDE-vortlisto (kvtml 2.0)");
    case ExchangeFormat::CardText:
        return QStringLiteral("teksta eksporto de kartoprogramo, apartigilo %1")
            .arg(shownSeparator(separator));
    }
    return {};
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithMark:
        return QStringLiteral("UTF-8 kun BOM");
    case TextEncoding::Utf16LittleEndian:
        return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BigEndian:
        return QStringLiteral("UTF-16 BE");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

CDlg_Importu::CDlg_Importu(const ImportedTable& table, const CWordStore& store, QWidget* parent)
    : QDialog(parent), m_table(table), m_store(store), m_choices(defaultImportChoices(table, store)),
      m_skipStored(new QCheckBox(QStringLiteral("Preterlasu la parojn jam registritajn"), this)),
      m_replace(new QRadioButton(QStringLiteral("anstataŭigu « ; » per « %1 » kaj linirompon per « %2 »")
                                     .arg(toQString(separatorSubstitute), toQString(lineBreakSubstitute)),
                                 this)),
      m_skipUnstorable(new QRadioButton(QStringLiteral("preterlasu tiujn liniojn"), this)),
      m_unstorableCount(new QLabel(this)), m_rows(new QTableWidget(this)), m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("importuDialog"));
    setWindowTitle(QStringLiteral("Importo"));
    auto* layout = new QVBoxLayout(this);

    auto* detected =
        new QLabel(QStringLiteral("Formato: %1    Kodoprezento: %2")
                       .arg(formatName(table.format, table.separator), encodingName(table.encoding)),
                   this);
    detected->setObjectName(QStringLiteral("detectedLabel"));
    layout->addWidget(detected);

    const auto columnCount = static_cast<int>(table.columnCount());
    if (columnCount > 2) {
        auto* columns = new QFormLayout;
        m_column1 = new QComboBox(this);
        m_column2 = new QComboBox(this);
        m_column1->setObjectName(QStringLiteral("column1ComboBox"));
        m_column2->setObjectName(QStringLiteral("column2ComboBox"));
        for (int column = 0; column < columnCount; ++column) {
            m_column1->addItem(QString());
            m_column2->addItem(QString());
        }
        m_column1->setCurrentIndex(static_cast<int>(m_choices.column1));
        m_column2->setCurrentIndex(static_cast<int>(m_choices.column2));
        columns->addRow(QStringLiteral("%1 :").arg(toQString(store.listName1())), m_column1);
        columns->addRow(QStringLiteral("%1 :").arg(toQString(store.listName2())), m_column2);
        layout->addLayout(columns);
        connect(m_column1, &QComboBox::currentIndexChanged, this, &CDlg_Importu::readChoices);
        connect(m_column2, &QComboBox::currentIndexChanged, this, &CDlg_Importu::readChoices);
    }
    if (table.columnNames.empty()) {
        m_header =
            new QCheckBox(QStringLiteral("La unua linio estas kaplinio (la nomoj de la kolumnoj)"), this);
        m_header->setObjectName(QStringLiteral("headerCheckBox"));
        m_header->setChecked(m_choices.firstRowIsHeader);
        layout->addWidget(m_header);
        connect(m_header, &QCheckBox::toggled, this, &CDlg_Importu::readChoices);
    }

    m_skipStored->setObjectName(QStringLiteral("skipStoredCheckBox"));
    m_skipStored->setChecked(m_choices.skipStoredPairs);
    layout->addWidget(m_skipStored);
    connect(m_skipStored, &QCheckBox::toggled, this, &CDlg_Importu::readChoices);

    auto* unstorable = new QGroupBox(QStringLiteral("Tekstoj kun « ; » aŭ linirompo"), this);
    unstorable->setObjectName(QStringLiteral("unstorableGroupBox"));
    auto* unstorableLayout = new QVBoxLayout(unstorable);
    m_unstorableCount->setObjectName(QStringLiteral("unstorableCountLabel"));
    m_replace->setObjectName(QStringLiteral("replaceRadioButton"));
    m_skipUnstorable->setObjectName(QStringLiteral("skipUnstorableRadioButton"));
    m_replace->setChecked(m_choices.unstorable == ImportChoices::Unstorable::Replace);
    m_skipUnstorable->setChecked(!m_replace->isChecked());
    unstorableLayout->addWidget(m_unstorableCount);
    unstorableLayout->addWidget(m_replace);
    unstorableLayout->addWidget(m_skipUnstorable);
    layout->addWidget(unstorable);
    connect(m_replace, &QRadioButton::toggled, this, &CDlg_Importu::readChoices);

    m_rows->setObjectName(QStringLiteral("previewTableWidget"));
    m_rows->setAccessibleName(QStringLiteral("Legitaj linioj"));
    m_rows->setColumnCount(4);
    m_rows->setHorizontalHeaderLabels({toQString(store.listName1()), toQString(store.listName2()),
                                       QStringLiteral("Kategorio"), QStringLiteral("Kio okazos")});
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    m_rows->verticalHeader()->setVisible(false);
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rows->setMinimumSize(560, 220);
    layout->addWidget(m_rows, 1);

    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(this);
    auto* importButton = buttons->addButton(QStringLiteral("Importu"), QDialogButtonBox::AcceptRole);
    auto* cancelButton = buttons->addButton(QStringLiteral("Nuligu"), QDialogButtonBox::RejectRole);
    importButton->setObjectName(QStringLiteral("importButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    importButton->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_preview = previewImport(m_table, m_store, m_choices);
    showPreview();
}

void CDlg_Importu::readChoices()
{
    if (m_column1) {
        m_choices.column1 = static_cast<std::size_t>(m_column1->currentIndex());
        m_choices.column2 = static_cast<std::size_t>(m_column2->currentIndex());
    }
    if (m_header)
        m_choices.firstRowIsHeader = m_header->isChecked();
    m_choices.skipStoredPairs = m_skipStored->isChecked();
    m_choices.unstorable =
        m_replace->isChecked() ? ImportChoices::Unstorable::Replace : ImportChoices::Unstorable::Skip;
    m_preview = previewImport(m_table, m_store, m_choices);
    showPreview();
}

void CDlg_Importu::showPreview()
{
    // The columns are shown by number and by the name the format or the header row gives them.
    for (int column = 0; m_column1 && column < m_column1->count(); ++column) {
        const auto index = static_cast<std::size_t>(column);
        std::u16string name =
            index < m_table.columnNames.size() ? m_table.columnNames[index] : std::u16string();
        if (name.empty() && m_choices.firstRowIsHeader && !m_table.rows.empty() &&
            index < m_table.rows.front().fields.size())
            name = m_table.rows.front().fields[index];
        QString shown = QStringLiteral("Kolumno %1").arg(column + 1);
        if (!name.empty())
            shown += QStringLiteral(" (%1)").arg(toQString(name));
        m_column1->setItemText(column, shown);
        m_column2->setItemText(column, shown);
    }

    const int shown = std::min(static_cast<int>(m_preview.rows.size()), shownRows);
    m_rows->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const PreviewRow& preview = m_preview.rows[static_cast<std::size_t>(row)];
        const bool taken = preview.fate == RowFate::Taken || preview.fate == RowFate::TakenWithSubstitutes;
        const QString category =
            preview.category > 0
                ? toQString(m_preview.categoryNames[static_cast<std::size_t>(preview.category - 1)])
                : QString();
        const QStringList cells = {toQString(preview.text1), toQString(preview.text2), category,
                                   fateText(preview.fate)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (!taken)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            else if (preview.fate == RowFate::TakenWithSubstitutes)
                item->setBackground(QColor(255, 240, 170));
            m_rows->setItem(row, column, item);
        }
    }

    const int unstorable = m_choices.unstorable == ImportChoices::Unstorable::Replace
                               ? m_preview.count(RowFate::TakenWithSubstitutes)
                               : m_preview.count(RowFate::Unstorable);
    m_unstorableCount->setText(
        QStringLiteral("La datumaro ne povas registri ilin. Linioj kun tia teksto: %1").arg(unstorable));

    QString summary = QStringLiteral("Venos %1").arg(wordCount(m_preview.takenCount()));
    const int left = static_cast<int>(m_preview.rows.size()) - m_preview.takenCount();
    if (left > 0)
        summary += QStringLiteral(", preterlasitaj linioj: %1").arg(left);
    if (static_cast<int>(m_preview.rows.size()) > shown)
        summary += QStringLiteral(" (montritaj: la unuaj %1 el %2)").arg(shown).arg(m_preview.rows.size());
    if (m_preview.lessonsWithoutCategory > 0)
        summary += QStringLiteral(".\nLecionoj sen libera kategorio: %1 (iliaj vortoj venos sen kategorio)")
                       .arg(m_preview.lessonsWithoutCategory);
    if (m_preview.namesChange)
        summary += QStringLiteral(".\nLa listoj nomiĝos « %1 » kaj « %2 »")
                       .arg(toQString(m_preview.listName1), toQString(m_preview.listName2));
    m_summary->setText(summary + QLatin1Char('.'));
}
