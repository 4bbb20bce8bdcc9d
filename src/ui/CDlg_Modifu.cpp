#include "CDlg_Modifu.h"

#include "CGridCtrl.h"
#include "CWordStore.h"
#include "CZenvaloView.h"
#include "CategoryColours.h"
#include "DialogUnits.h"
#include "Messages.h"
#include "Prompts.h"
#include "QtText.h"
#include "StorableText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace {

constexpr int columnCount = ModifySession::columnCount;
const QColor white(255, 255, 255);

QColor toQColor(const Rgb& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

CDlg_Modifu::CDlg_Modifu(CWordStore& store, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompts(prompts), m_count(std::max(store.count(), 0)),
      m_grid(new CGridCtrl(this)), m_searchEdit(new QLineEdit(this)), m_matchCountLabel(new QLabel(this)),
      m_categoryCombo(new QComboBox(this)), m_session(store)
{
    setObjectName(QStringLiteral("modifuDialog"));
    setWindowTitle(QStringLiteral("Modifo"));
    const DialogUnits units(font());
    setFixedSize(units.size(351, 266));

    auto* searchFrame = new QGroupBox(this);
    searchFrame->setObjectName(QStringLiteral("searchGroupBox"));
    units.place(searchFrame, 8, 211, 171, 41);
    auto* categoryFrame = new QGroupBox(this);
    categoryFrame->setObjectName(QStringLiteral("categoryGroupBox"));
    units.place(categoryFrame, 185, 212, 159, 29);
    // The frames are drawn behind the controls they surround, which must take their clicks.
    searchFrame->lower();
    categoryFrame->lower();

    m_searchEdit->setObjectName(QStringLiteral("searchLineEdit"));
    units.place(m_searchEdit, 17, 231, 101, 12);
    auto* findNextButton = new QPushButton(QStringLiteral(">"), this);
    findNextButton->setObjectName(QStringLiteral("findNextButton"));
    units.place(findNextButton, 121, 230, 17, 14);
    findNextButton->setDefault(true);
    auto* exchangeButton = new QPushButton(QStringLiteral("<----->"), this);
    exchangeButton->setObjectName(QStringLiteral("exchangeButton"));
    units.place(exchangeButton, 36, 194, 50, 14);
    auto* deleteButton = new QPushButton(QStringLiteral("Forigu"), this);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    units.place(deleteButton, 111, 194, 50, 14);
    auto* confirmButton = new QPushButton(QStringLiteral("Konfirmu"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    units.place(confirmButton, 294, 245, 50, 14);
    auto* cancelButton = new QPushButton(QStringLiteral("Nuligu"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    units.place(cancelButton, 239, 245, 50, 14);
    auto* counterLabel = new QLabel(CZenvaloView::sizeText(m_count), this);
    counterLabel->setObjectName(QStringLiteral("counterLabel"));
    units.place(counterLabel, 271, 195, 62, 8);
    auto* searchLabel = new QLabel(QStringLiteral("Serĉu :"), this);
    searchLabel->setObjectName(QStringLiteral("searchLabel"));
    searchLabel->setBuddy(m_searchEdit);
    units.place(searchLabel, 17, 219, 28, 8);
    m_grid->setObjectName(QStringLiteral("entriesGrid"));
    m_grid->tableView()->setAccessibleName(QStringLiteral("Vortoj"));
    units.place(m_grid, 15, 16, 322, 168);
    m_matchCountLabel->setObjectName(QStringLiteral("matchCountLabel"));
    units.place(m_matchCountLabel, 141, 233, 30, 9);
    m_categoryCombo->setObjectName(QStringLiteral("categoryComboBox"));
    const QRect comboPlace = units.rect(242, 225, 94, 12);
    m_categoryCombo->setGeometry(comboPlace.x(), comboPlace.y(), comboPlace.width(),
                                 std::max(comboPlace.height(), m_categoryCombo->sizeHint().height()));
    auto* applyButton = new QPushButton(QStringLiteral("Apliku"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    units.place(applyButton, 190, 223, 50, 14);

    setTabOrder(m_searchEdit, findNextButton);
    setTabOrder(findNextButton, exchangeButton);
    setTabOrder(exchangeButton, deleteButton);
    setTabOrder(deleteButton, confirmButton);
    setTabOrder(confirmButton, cancelButton);
    setTabOrder(cancelButton, m_grid->tableView());
    setTabOrder(m_grid->tableView(), m_categoryCombo);
    setTabOrder(m_categoryCombo, applyButton);
    setTabOrder(applyButton, m_searchEdit);
    DialogUnits::fitTexts(this);

    fillGrid();
    fillCategoryList();
    showSearchColour(white);

    connect(m_searchEdit, &QLineEdit::textChanged, this, &CDlg_Modifu::searchTextChanged);
    connect(findNextButton, &QPushButton::clicked, this, &CDlg_Modifu::findNext);
    connect(exchangeButton, &QPushButton::clicked, this, &CDlg_Modifu::exchangeLists);
    connect(deleteButton, &QPushButton::clicked, this, &CDlg_Modifu::deleteRows);
    connect(applyButton, &QPushButton::clicked, this, &CDlg_Modifu::applyCategory);
    connect(confirmButton, &QPushButton::clicked, this, &CDlg_Modifu::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_grid->setEndEditHandler([this](int row, int column) { return acceptEditedCell(row, column); });

    m_searchEdit->setFocus();
}

void CDlg_Modifu::fillGrid()
{
    m_grid->setDragAndDropEnabled(false);
    m_grid->setEditable(true);
    m_grid->setEditLocked(false);
    m_grid->setSingleRowSelection(false);
    m_grid->setFixedRowCount(1);
    m_grid->setFixedColumnCount(0);
    m_grid->setRowCount(m_count + 1);
    m_grid->setColumnCount(columnCount);

    const int quarter = m_grid->clientWidth() / 4;
    m_grid->setColumnWidth(0, static_cast<int>(quarter * 1.5));
    m_grid->setColumnWidth(1, static_cast<int>(quarter * 0.5));
    m_grid->setColumnWidth(2, static_cast<int>(quarter * 1.5));
    m_grid->setColumnWidth(3, static_cast<int>(quarter * 0.5));

    m_grid->setCellText(0, 0, toQString(m_store.listName1()));
    m_grid->setCellText(0, 1, QStringLiteral("Skatolo"));
    m_grid->setCellText(0, 2, toQString(m_store.listName2()));
    m_grid->setCellText(0, 3, QStringLiteral("Skatolo"));
    for (int e = 0; e < m_count; ++e) {
        showRow(e);
        const WordEntry& entry = m_store.entry(static_cast<std::size_t>(e));
        const int row = e + 1;
        if (entry.category >= 0 && entry.category <= CWordStore::categoryCount) {
            const QColor colour = toQColor(categoryColour(entry.category));
            for (int column = 0; column < columnCount; ++column)
                m_grid->setCellBackground(row, column, colour);
        }
    }
}

void CDlg_Modifu::fillCategoryList()
{
    m_categoryCombo->addItem(QStringLiteral("_________"));
    m_categoryChoices.push_back(0);
    for (int category = 1; category <= CWordStore::categoryCount; ++category) {
        const std::u16string& name = m_store.categoryName(category);
        if (name.empty())
            continue;
        m_categoryCombo->addItem(toQString(name));
        m_categoryChoices.push_back(category);
    }
    m_categoryCombo->setCurrentIndex(0);
}

void CDlg_Modifu::showRow(int entry)
{
    const ModifiedRow cells = m_session.row(entry);
    int column = 0;
    for (const std::u16string* text : {&cells.text1, &cells.box1, &cells.text2, &cells.box2})
        m_grid->setCellText(entry + 1, column++, toQString(*text));
}

bool CDlg_Modifu::acceptEditedCell(int row, int column)
{
    std::u16string text = toText(m_grid->cellText(row, column));
    if (!isStorableText(text)) {
        m_prompts.showWarning(Messages::unstorableText());
        return false;
    }
    if (row >= 1)
        m_session.setCellText(row - 1, column, std::move(text));
    return true;
}

void CDlg_Modifu::showSearchColour(const QColor& colour)
{
    QPalette palette = m_searchEdit->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    m_searchEdit->setPalette(palette);
}

void CDlg_Modifu::searchTextChanged()
{
    const ModifySession::SearchLook look = m_session.setSearchText(toText(m_searchEdit->text()));
    showSearchColour(toQColor(look.colour));
    m_matchCountLabel->setText(toQString(look.countText));
}

void CDlg_Modifu::findNext()
{
    m_grid->setSelectedRange(1, 0, m_count, columnCount - 1, false);
    const std::optional<int> found = m_session.findNext();
    if (!found)
        return;
    m_grid->setSelectedRange(*found + 1, 0, *found + 1, columnCount - 1, true);
    m_grid->ensureVisible(*found + 1, 0);
    m_searchEdit->setFocus();
}

std::vector<int> CDlg_Modifu::selectedRows() const
{
    const CellRange range = m_grid->selectedRange();
    if (!range.isValid())
        return {};
    return ModifySession::selectedRows(range.minRow, range.maxRow, [this](int row) {
        for (int column = 0; column < columnCount; ++column) {
            if (m_grid->isCellSelected(row, column))
                return true;
        }
        return false;
    });
}

void CDlg_Modifu::exchangeLists()
{
    // The grid's cells change places as the session's do, without converting the texts again.
    for (const int row : selectedRows()) {
        m_session.exchangeLists(row - 1);
        for (const int column : {0, 1}) {
            const QString left = m_grid->cellText(row, column);
            m_grid->setCellText(row, column, m_grid->cellText(row, column + 2));
            m_grid->setCellText(row, column + 2, left);
        }
    }
    m_grid->refresh();
}

void CDlg_Modifu::deleteRows()
{
    const CellRange range = m_grid->selectedRange();
    if (!range.isValid())
        return;
    DeleteQuestions questions(selectedRows(), range.maxRow - std::max(1, range.minRow) + 1);
    while (const std::optional<DeleteQuestions::Next> next = questions.next()) {
        const bool oneRow = next->question == DeleteQuestions::Question::OneRow;
        if (oneRow)
            m_grid->ensureVisible(next->row, 0);
        const bool yes = m_prompts.askYesNoDefaultNo(
            oneRow ? QStringLiteral("Ĉu vi ja deziras forviŝi tiun vorton ?")
                   : QStringLiteral("Ĉu vi ja deziras forviŝi la tutan selektitan grupon ?"));
        for (const int row : questions.answer(yes)) {
            m_session.emptyRow(row - 1);
            showRow(row - 1);
        }
        if (oneRow) {
            if (yes)
                m_grid->refresh();
            m_grid->setSelectedRange(next->row, 0, next->row, columnCount - 1, false);
        }
    }
    // The rows emptied as a group are deselected together.
    m_grid->setSelectedRange(range.minRow, 0, range.maxRow, columnCount - 1, false);
    m_grid->refresh();
}

void CDlg_Modifu::applyCategory()
{
    const CellRange range = m_grid->selectedRange();
    const int index = m_categoryCombo->currentIndex();
    if (!range.isValid() || index < 0)
        return;
    const int category = m_categoryChoices[static_cast<std::size_t>(index)];
    const QColor colour = toQColor(categoryColour(category));
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount; ++column)
            m_grid->setCellBackground(row, column, colour);
        m_session.setPendingCategory(row - 1, category);
    }
    m_grid->setSelectedRange(range.minRow, 0, range.maxRow, columnCount - 1, false);
    m_grid->refresh();
}

void CDlg_Modifu::confirm()
{
    if (!m_prompts.askYesNo(QStringLiteral("Ĉu vi ja deziras konservi la modifojn ?"))) {
        reject();
        return;
    }
    m_session.writeBack(m_store);
    accept();
}
