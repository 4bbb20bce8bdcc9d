#include "CDlg_Kiu_kies.h"

#include "CGridCtrl.h"
#include "CWordStore.h"
#include "DialogUnits.h"
#include "Prompts.h"
#include "QtText.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>

const QColor CDlg_Kiu_kies::rightColour(0, 255, 0);
const QColor CDlg_Kiu_kies::justRightColour(170, 255, 130);

namespace {

constexpr int playedRows = CMatchingExercise::mostPlayableRows;
// Work done between two turns of the event loop while the morphological order is computed.
constexpr std::chrono::milliseconds orderingSlice{30};

} // namespace

CDlg_Kiu_kies::CDlg_Kiu_kies(const CWordStore& store, Prompts& prompts, RandomSource& random, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompts(prompts), m_random(random)
{
    setObjectName(QStringLiteral("kiuKiesDialog"));
    setWindowTitle(QStringLiteral("Kiu kies ?"));
    buildControls();

    const auto& entries = store.entries();
    const bool oneCategory = std::all_of(entries.begin(), entries.end(), [&](const WordEntry& entry) {
        return entry.category == entries.front().category;
    });
    m_orderGroup->button(static_cast<int>(RowOrder::ByCategory))->setVisible(!oneCategory);

    m_exercise.setRowOrder(RowOrder::Alphabetical);
    m_exercise.fillRows(m_store);
    orderRowsAlive();
    showRows();
}

void CDlg_Kiu_kies::buildControls()
{
    const DialogUnits units(font());
    setFixedSize(units.size(401, 399));

    m_orderGroup = new QButtonGroup(this);
    const struct
    {
        const char16_t* text;
        const char* name;
        int x;
        int width;
    } orders[] = {{u"Alfabete", "alphabeticalRadioButton", 16, 38},
                  {u"Morfologie", "morphologicalRadioButton", 63, 49},
                  {u"Laŭkategorie", "byCategoryRadioButton", 119, 52}};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf16(orders[i].text), this);
        radio->setObjectName(QString::fromLatin1(orders[i].name));
        units.place(radio, orders[i].x, 13, orders[i].width, 10);
        m_orderGroup->addButton(radio, i);
    }
    m_orderGroup->button(0)->setChecked(true);

    m_orderingBar = new QProgressBar(this);
    m_orderingBar->setObjectName(QStringLiteral("orderingProgressBar"));
    units.place(m_orderingBar, 62, 29, 43, 6);
    m_orderingBar->setRange(0, 100);
    m_orderingBar->setTextVisible(false);
    m_orderingBar->hide();
    m_stopOrderingButton = new QPushButton(QStringLiteral("Nuligu"), this);
    m_stopOrderingButton->setObjectName(QStringLiteral("stopOrderingButton"));
    m_stopOrderingButton->setAutoDefault(false);
    units.place(m_stopOrderingButton, 109, 25, 40, 13);
    m_stopOrderingButton->hide();
    connect(m_stopOrderingButton, &QPushButton::clicked, this, [this] { m_stopRequested = true; });

    const auto button = [&](const QString& text, const QString& name, int x, int y) {
        auto* widget = new QPushButton(text, this);
        widget->setObjectName(name);
        widget->setAutoDefault(false);
        units.place(widget, x, y, 50, 14);
        return widget;
    };
    QPushButton* reloadButton = button(QStringLiteral("Enŝutu"), QStringLiteral("reloadButton"), 14, 47);
    QPushButton* selectButton = button(QStringLiteral("Selektu"), QStringLiteral("selectButton"), 115, 47);
    auto* reminder = new QLabel(QStringLiteral("(ne pli ol 20)"), this);
    reminder->setObjectName(QStringLiteral("reminderLabel"));
    units.place(reminder, 122, 63, 40, 8);
    m_scrambleButton = button(QStringLiteral("Malordigu"), QStringLiteral("scrambleButton"), 209, 47);
    m_scrambleButton->setEnabled(false);
    m_markCheck = new QCheckBox(QStringLiteral("Marku la ĝustajn"), this);
    m_markCheck->setObjectName(QStringLiteral("markRightCheckBox"));
    units.place(m_markCheck, 315, 62, 69, 10);
    m_markCheck->setEnabled(false);

    const int rows = gridRows();
    m_leftGrid = new CGridCtrl(this);
    m_leftGrid->setObjectName(QStringLiteral("leftGrid"));
    units.place(m_leftGrid, 7, 79, 163, 289);
    m_rightGrid = new CGridCtrl(this);
    m_rightGrid->setObjectName(QStringLiteral("rightGrid"));
    units.place(m_rightGrid, 186, 79, 163, 291);
    for (CGridCtrl* grid : {m_leftGrid, m_rightGrid}) {
        grid->setRowCount(rows);
        grid->setColumnCount(1);
        grid->setFixedRowCount(1);
        grid->setFixedColumnCount(0);
    }
    // Only the first twenty rows of the right grid are ever played.
    m_rightGrid->tableView()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitColumns();
    m_leftGrid->setCellText(0, 0, toQString(m_store.listName1()));
    m_rightGrid->setCellText(0, 0, toQString(m_store.listName2()));
    m_leftGrid->tableView()->setAccessibleName(toQString(m_store.listName1()));
    m_rightGrid->tableView()->setAccessibleName(toQString(m_store.listName2()));

    m_leftGrid->setEditable(false);
    m_leftGrid->setDragAndDropEnabled(false);
    m_leftGrid->setSingleRowSelection(false);
    m_rightGrid->setEditable(true);
    m_rightGrid->setEditLocked(true);
    m_rightGrid->setSingleRowSelection(true);
    m_rightGrid->setDragAndDropEnabled(true);
    m_rightGrid->setRowDragMode(false);

    m_scoreBar = new QProgressBar(this);
    m_scoreBar->setObjectName(QStringLiteral("scoreProgressBar"));
    units.place(m_scoreBar, 358, 79, 19, 290);
    m_scoreBar->setOrientation(Qt::Vertical);
    m_scoreBar->setRange(0, 100);
    m_scoreBar->setValue(0);
    m_scoreBar->setTextVisible(false);
    // At the foot of the score bar, beside "Eliru", while every row is right.
    auto* allRightLabel = new QLabel(QStringLiteral("Ĉio ĝusta !"), this);
    allRightLabel->setObjectName(QStringLiteral("allRightLabel"));
    allRightLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont allRightFont = allRightLabel->font();
    allRightFont.setBold(true);
    allRightLabel->setFont(allRightFont);
    units.place(allRightLabel, 260, 380, 80, 10);
    allRightLabel->hide();
    connect(m_scoreBar, &QProgressBar::valueChanged, allRightLabel,
            [allRightLabel](int percent) { allRightLabel->setVisible(percent == 100); });

    auto* exitButton = new QPushButton(QStringLiteral("Eliru"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    units.place(exitButton, 344, 378, 50, 14);
    exitButton->setDefault(true);
    DialogUnits::fitTexts(this);
    fitScreen();

    connect(m_orderGroup, &QButtonGroup::idClicked, this, &CDlg_Kiu_kies::chooseOrder);
    connect(reloadButton, &QPushButton::clicked, this, &CDlg_Kiu_kies::reload);
    connect(selectButton, &QPushButton::clicked, this, &CDlg_Kiu_kies::selectRows);
    connect(m_scrambleButton, &QPushButton::clicked, this, &CDlg_Kiu_kies::scramble);
    connect(m_markCheck, &QCheckBox::clicked, this, &CDlg_Kiu_kies::markRightRows);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);
    m_rightGrid->setEndEditHandler([this](int, int) { return answerDropped(); });
    connect(m_rightGrid, &CGridCtrl::selectionChanging, this, &CDlg_Kiu_kies::keepOneAnswerSelected);
}

// At a large font the dialog would stand taller than the screen: the grids and the score bar give up
// the height it lacks, down to what still shows the heading and the twenty rows played, and what
// stands below them moves up by as much.
void CDlg_Kiu_kies::fitScreen()
{
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const int frameAllowance = 2 * fontMetrics().height();
    const int excess = height() + frameAllowance - screen->availableGeometry().height();
    const QTableView* rows = m_rightGrid->tableView();
    const int rowsPlayed = 21 * rows->verticalHeader()->defaultSectionSize() + 2 * rows->frameWidth();
    const int room = std::min(excess, m_rightGrid->height() - rowsPlayed);
    if (room <= 0)
        return;
    const int gridsBottom = m_leftGrid->geometry().bottom();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == m_leftGrid || child == m_rightGrid || child == m_scoreBar)
            child->resize(child->width(), child->height() - room);
        else if (child->y() > gridsBottom)
            child->move(child->x(), child->y() - room);
    }
    setFixedSize(width(), height() - room);
}

void CDlg_Kiu_kies::fitColumns()
{
    for (CGridCtrl* grid : {m_leftGrid, m_rightGrid})
        grid->setColumnWidth(0, grid->clientWidth());
}

void CDlg_Kiu_kies::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitColumns(); // the rows' real heights are known now, and with them the need for a scroll bar
}

int CDlg_Kiu_kies::gridRows() const
{
    return std::max(22, m_store.count() + 1);
}

CMatchingExercise::ConfirmCallback CDlg_Kiu_kies::confirmation()
{
    return [this] {
        if (m_prompts.askYesNo(QStringLiteral("Eble la ordigo estos iom daŭra. Ĉu vi konfirmas ?")))
            return true;
        m_orderGroup->button(static_cast<int>(RowOrder::Alphabetical))->setChecked(true);
        return false;
    };
}

void CDlg_Kiu_kies::orderRowsAlive()
{
    std::optional<MorphologicalChain> chain = m_exercise.startOrdering(confirmation());
    if (!chain)
        return;
    const auto slice = [&chain] {
        return chain->advanceUntil(std::chrono::steady_clock::now() + orderingSlice);
    };
    m_stopRequested = false;
    if (!slice()) {
        m_ordering = true;
        std::vector<QWidget*> paused;
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control != m_stopOrderingButton && control != m_orderingBar && control->isEnabled()) {
                control->setEnabled(false);
                paused.push_back(control);
            }
        }
        m_orderingBar->show();
        m_stopOrderingButton->show();
        m_orderingBar->setValue(chain->progressPercent());
        m_stopOrderingButton->setFocus();

        QEventLoop loop;
        QTimer slices;
        connect(&slices, &QTimer::timeout, &loop, [&] {
            if (!m_stopRequested && !slice()) {
                m_orderingBar->setValue(chain->progressPercent());
                return;
            }
            loop.quit();
        });
        slices.start(0);
        loop.exec();
        slices.stop();

        m_orderingBar->hide();
        m_stopOrderingButton->hide();
        for (QWidget* control : paused)
            control->setEnabled(true);
        m_ordering = false;
    }
    if (chain->isFinished() && !m_stopRequested) {
        m_exercise.finishOrdering(*chain);
    } else {
        m_exercise.cancelOrdering();
        m_orderGroup->button(static_cast<int>(RowOrder::Alphabetical))->setChecked(true);
    }
}

void CDlg_Kiu_kies::reject()
{
    if (m_ordering) {
        m_stopRequested = true;
        return;
    }
    QDialog::reject();
}

void CDlg_Kiu_kies::showRows()
{
    const int capacity = m_exercise.capacity();
    for (int row = 0; row < capacity; ++row) {
        const bool kept = row < m_exercise.rowCount();
        m_leftGrid->setCellText(row + 1, 0, kept ? toQString(m_exercise.row(row).leftText) : QString());
        m_rightGrid->setCellText(row + 1, 0, kept ? toQString(m_exercise.row(row).shownText) : QString());
    }
    if (m_markCheck->isChecked())
        colourRows();
    for (CGridCtrl* grid : {m_leftGrid, m_rightGrid}) {
        grid->setSelectedRange(-1, -1, -1, -1, true);
        grid->ensureVisible(1, 0);
        grid->refresh();
    }
}

void CDlg_Kiu_kies::colourRows(int exchanged, int partner)
{
    for (int row = 0; row < m_exercise.rowCount(); ++row) {
        QColor colour = Qt::white;
        if (m_markCheck->isChecked() && m_exercise.row(row).isCorrect())
            colour = (row == exchanged || row == partner) ? justRightColour : rightColour;
        m_rightGrid->setCellBackground(row + 1, 0, colour);
        m_rightGrid->redrawCell(row + 1, 0);
    }
}

void CDlg_Kiu_kies::whitenAndUntick()
{
    if (m_markCheck->isChecked()) {
        for (int row = 1; row <= std::min(playedRows, m_rightGrid->rowCount() - 1); ++row)
            m_rightGrid->setCellBackground(row, 0, Qt::white);
    }
    m_markCheck->setChecked(false);
}

void CDlg_Kiu_kies::chooseOrder(int order)
{
    m_exercise.setRowOrder(static_cast<RowOrder>(order));
    orderRowsAlive();
    showRows();
}

void CDlg_Kiu_kies::reload()
{
    m_exercise.fillRows(m_store);
    orderRowsAlive();
    showRows();
    m_scrambleButton->setEnabled(false);
    m_markCheck->setEnabled(false);
    whitenAndUntick();
    m_scoreBar->setValue(0);
}

void CDlg_Kiu_kies::selectRows()
{
    const CellRange range = m_leftGrid->selectedRange();
    const bool restricted =
        range.isValid() && m_exercise.restrictToRows(range.minRow, range.maxRow, [this](int gridRow) {
            return m_leftGrid->isCellSelected(gridRow, 0);
        });
    if (!restricted) {
        m_prompts.showWarning(QStringLiteral("Bonvolu selekti almenaŭ tri liniojn"));
        return;
    }
    for (CGridCtrl* grid : {m_leftGrid, m_rightGrid})
        grid->setSelectedRange(-1, -1, -1, -1, true);
    for (int row = 0; row < m_exercise.capacity(); ++row) {
        const bool kept = row < m_exercise.rowCount();
        m_leftGrid->setCellText(row + 1, 0, kept ? toQString(m_exercise.row(row).leftText) : QString());
        m_rightGrid->setCellText(row + 1, 0, QString());
    }
    const bool playable = m_exercise.rowCount() <= playedRows;
    m_scrambleButton->setEnabled(playable);
    m_markCheck->setEnabled(playable);
    whitenAndUntick();
    m_scoreBar->setValue(0);
    for (CGridCtrl* grid : {m_leftGrid, m_rightGrid}) {
        grid->ensureVisible(1, 0);
        grid->refresh();
    }
}

void CDlg_Kiu_kies::scramble()
{
    m_exercise.shuffleAnswers(m_random, m_store.todayDay());
    for (int row = 0; row < m_exercise.rowCount(); ++row)
        m_rightGrid->setCellText(row + 1, 0, toQString(m_exercise.row(row).shownText));
    m_rightGrid->setSelectedRange(-1, -1, -1, -1, true);
    m_markCheck->setChecked(false);
    colourRows();
    m_scoreBar->setValue(m_exercise.scorePercent());
    m_rightGrid->refresh();
}

void CDlg_Kiu_kies::markRightRows()
{
    if (m_exercise.rowCount() > playedRows)
        return;
    colourRows();
    m_rightGrid->refresh();
}

bool CDlg_Kiu_kies::answerDropped()
{
    // Outside play the right column holds nothing to exchange: any change is undone.
    if (m_exercise.rowCount() > playedRows)
        return false;
    int exchanged = -1;
    std::optional<int> partner;
    for (int row = 0; row < m_exercise.rowCount(); ++row) {
        const QString text = m_rightGrid->cellText(row + 1, 0);
        if (text != toQString(m_exercise.row(row).shownText)) {
            exchanged = row;
            partner = m_exercise.applyDrop(row, toText(text));
            break;
        }
    }
    // Every row shows its answer again: whatever the exchange did not accept is undone.
    for (int row = 0; row < m_exercise.capacity(); ++row) {
        const bool kept = row < m_exercise.rowCount();
        m_rightGrid->setCellText(row + 1, 0, kept ? toQString(m_exercise.row(row).shownText) : QString());
    }
    colourRows(exchanged, partner.value_or(-1));
    m_scoreBar->setValue(m_exercise.scorePercent());
    return true;
}

void CDlg_Kiu_kies::keepOneAnswerSelected()
{
    int selected = 0;
    for (int row = 1; row < m_rightGrid->rowCount() && selected < 2; ++row)
        selected += m_rightGrid->isCellSelected(row, 0) ? 1 : 0;
    if (selected < 2)
        return;
    for (int row = 0; row < m_exercise.rowCount(); ++row) {
        m_rightGrid->ensureVisible(row, 0);
        m_rightGrid->setSelectedRange(row, 0, row, 0, false);
    }
    m_rightGrid->refresh();
}
