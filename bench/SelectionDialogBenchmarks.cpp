// How long the user waits for "Selekto" on another user's large data set, and how alive "Kiu kies ?"
// stays while it orders a large table by "Morfologie". Targets on the reference machine: "Selekto"
// shown within 0.5 s with 100,000 entries; during the ordering a repaint at least every 100 ms and
// "Nuligu" taking effect within 200 ms.

#include "CDlg_Kiu_kies.h"
#include "CDlg_kunmeti.h"
#include "CWordStore.h"
#include "DataSetGenerator.h"
#include "Prompts.h"
#include "RandomGenerator.h"

#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>

namespace {

// Confirms the long ordering; asks nothing else.
class ConfirmingPrompts final : public Prompts
{
public:
    bool askYesNo(const QString&) override { return true; }
    bool askYesNoDefaultNo(const QString&) override { return true; }
    void showError(const QString&) override {}
    void showWarning(const QString&) override {}
    void showInformation(const QString&) override {}
};

// Times a dialog from its construction until it is shown and painted once; closing it is not timed.
template <typename MakeDialog> void measureOpening(benchmark::State& state, MakeDialog makeDialog)
{
    for (auto _ : state) {
        const auto dialog = makeDialog();
        dialog->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog->grab());
        state.PauseTiming();
        dialog->hide();
        state.ResumeTiming();
    }
}

void BM_SelectionDialogOpen(benchmark::State& state)
{
    const CWordStore store = DataSetGenerator(7).store(10, u"");
    const CWordStore other = DataSetGenerator(8).store(static_cast<int>(state.range(0)), u"");
    std::vector<IncomingEntry> incoming;
    for (const WordEntry& entry : other.entries())
        incoming.push_back({entry.text1.str(), entry.text2.str()});
    measureOpening(state, [&] { return std::make_unique<CDlg_kunmeti>(store, incoming); });
}
BENCHMARK(BM_SelectionDialogOpen)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening "Kiu kies ?": the rows loaded, merged and ordered alphabetically, both grids filled and
// painted once.
void BM_MatchingDialogOpen(benchmark::State& state)
{
    const CWordStore store = DataSetGenerator(7).store(static_cast<int>(state.range(0)), u"");
    ConfirmingPrompts prompts;
    RandomGenerator random(1);
    measureOpening(state, [&] { return std::make_unique<CDlg_Kiu_kies>(store, prompts, random); });
}
BENCHMARK(BM_MatchingDialogOpen)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Morfologie" chosen on 100,000 rows, "Nuligu" pressed after two seconds. Reported: the longest
// time the event loop went without a turn (a timer of 5 ms notes each turn; a repaint can happen at
// each), and the time from the press to the rows shown in "Alfabete" order.
void BM_MatchingOrderStopped(benchmark::State& state)
{
    const CWordStore store = DataSetGenerator(7).store(static_cast<int>(state.range(0)), u"");
    ConfirmingPrompts prompts;
    RandomGenerator random(1);
    CDlg_Kiu_kies dialog(store, prompts, random);
    dialog.show();
    QApplication::processEvents();
    auto* stop = dialog.findChild<QPushButton*>(QStringLiteral("stopOrderingButton"));
    auto* morphological = dialog.findChild<QRadioButton*>(QStringLiteral("morphologicalRadioButton"));
    double longestStall = 0;
    double stopTook = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTurn;
        QElapsedTimer running;
        QElapsedTimer sinceStop;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, static_cast<double>(sinceTurn.restart()));
            if (running.elapsed() > 2000 && !sinceStop.isValid()) {
                sinceStop.start();
                QTest::mouseClick(stop, Qt::LeftButton);
            }
        });
        // The first turn comes once the ordering has started.
        QTimer::singleShot(0, [&] {
            sinceTurn.start();
            turns.start(5);
        });
        running.start();
        QTest::mouseClick(morphological, Qt::LeftButton);
        stopTook = std::max(stopTook, static_cast<double>(sinceStop.elapsed()));
    }
    state.counters["longestStallMs"] = longestStall;
    state.counters["stopTookMs"] = stopTook;
}
BENCHMARK(BM_MatchingOrderStopped)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
