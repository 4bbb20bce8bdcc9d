// How long the user waits in the modify dialog on a large data set: opening it (building the grid and
// painting it for the first time), typing into the search field, ">" finding the next match,
// selecting a whole column or scrolling a page with the repaint that follows, and exchanging the lists
// of a whole column. Target on the reference machine: opening on 100,000 entries under 1 s.

#include "CDlg_Modifu.h"
#include "CGridCtrl.h"
#include "CWordStore.h"
#include "DataSetGenerator.h"
#include "Prompts.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Answers every question with No and records nothing: the benchmarks ask none.
class SilentPrompts final : public Prompts
{
public:
    bool askYesNo(const QString&) override { return false; }
    bool askYesNoDefaultNo(const QString&) override { return false; }
    void showError(const QString&) override {}
    void showWarning(const QString&) override {}
    void showInformation(const QString&) override {}
};

CWordStore& storeOf(int entries)
{
    static std::map<int, std::unique_ptr<CWordStore>> stores;
    auto& store = stores[entries];
    if (!store)
        store = std::make_unique<CWordStore>(DataSetGenerator(7).store(entries, u""));
    return *store;
}

// Opens the dialog as the main window does and waits for its first paint.
std::unique_ptr<CDlg_Modifu> openDialog(CWordStore& store, Prompts& prompts)
{
    auto dialog = std::make_unique<CDlg_Modifu>(store, prompts);
    dialog->show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog->grab());
    return dialog;
}

void BM_ModifyDialogOpen(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    for (auto _ : state) {
        auto dialog = openDialog(store, prompts);
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModifyDialogOpen)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ModifyDialogClose(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = openDialog(store, prompts);
        state.ResumeTiming();
        dialog.reset();
    }
}
BENCHMARK(BM_ModifyDialogClose)->Arg(100000)->Unit(benchmark::kMillisecond);

// One keystroke in the search field: every entry is searched and the field recoloured.
void BM_ModifyDialogSearchKeystroke(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    auto dialog = openDialog(store, prompts);
    auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("searchLineEdit"));
    bool longer = false;
    for (auto _ : state) {
        search->setText(longer ? QStringLiteral("ka") : QStringLiteral("k"));
        longer = !longer;
    }
}
BENCHMARK(BM_ModifyDialogSearchKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);

// ">" pressed again and again: the next match is selected and scrolled into view.
void BM_ModifyDialogFindNext(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    auto dialog = openDialog(store, prompts);
    dialog->findChild<QLineEdit*>(QStringLiteral("searchLineEdit"))->setText(QStringLiteral("kat"));
    auto* grid = dialog->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"));
    for (auto _ : state) {
        dialog->findNext();
        benchmark::DoNotOptimize(grid->tableView()->viewport()->grab());
    }
}
BENCHMARK(BM_ModifyDialogFindNext)->Arg(100000)->Unit(benchmark::kMillisecond);

// A click on a column header selects the whole column; measured with the repaint that shows it.
void BM_ModifyDialogSelectColumn(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    auto dialog = openDialog(store, prompts);
    auto* grid = dialog->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"));
    int column = 0;
    for (auto _ : state) {
        grid->tableView()->selectColumn(column);
        column = (column + 1) % 4;
        benchmark::DoNotOptimize(grid->grab());
    }
}
BENCHMARK(BM_ModifyDialogSelectColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

// "<----->" on a whole column: every row's lists exchanged.
void BM_ModifyDialogExchangeColumn(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    auto dialog = openDialog(store, prompts);
    dialog->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"))->tableView()->selectColumn(0);
    for (auto _ : state) {
        dialog->exchangeLists();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ModifyDialogExchangeColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

// Scrolling by a page, with the repaint of the rows that come into view.
void BM_ModifyDialogScrollPage(benchmark::State& state)
{
    CWordStore& store = storeOf(static_cast<int>(state.range(0)));
    SilentPrompts prompts;
    auto dialog = openDialog(store, prompts);
    QScrollBar* bar =
        dialog->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"))->tableView()->verticalScrollBar();
    QWidget* cells = dialog->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"))->tableView()->viewport();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        benchmark::DoNotOptimize(cells->grab());
    }
}
BENCHMARK(BM_ModifyDialogScrollPage)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // The dialogs are measured without a display, as the tests run them.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
