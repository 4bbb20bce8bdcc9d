// Reading and writing whole data sets, beside `cat` of the same file for scale; merging another data
// set and the add dialog's lookup on a large one.
#include "CWordStore.h"
#include "DataSetFile.h"
#include "DataSetGenerator.h"
#include "IncomingEntries.h"
#include "IncomingMerge.h"
#include "PosixFileSystem.h"
#include "VocabularyIndex.h"
#include "VocabularyLookup.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

PosixFileSystem fileSystem;

struct Prepared
{
    std::string folder;
    std::string path;
    std::unique_ptr<CWordStore> store;
};

std::u16string toText(const std::string& path)
{
    return std::u16string(path.begin(), path.end());
}

// One data set per size, generated and written once for every benchmark that needs it.
Prepared& prepared(int entries)
{
    static std::map<int, Prepared> cache;
    auto found = cache.find(entries);
    if (found != cache.end())
        return found->second;
    Prepared data;
    std::string pattern = (std::filesystem::temp_directory_path() / "zenvalo-bench-XXXXXX").string();
    data.folder = ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
    data.path = data.folder + "/lernado-" + std::to_string(entries) + ".zenv";
    data.store = std::make_unique<CWordStore>(DataSetGenerator(7).store(entries, toText(data.path)));
    saveDataSet(fileSystem, *data.store);
    std::atexit([] {
        for (auto& [size, entry] : cache) {
            std::error_code ignored;
            std::filesystem::remove_all(entry.folder, ignored);
        }
    });
    return cache.emplace(entries, std::move(data)).first->second;
}

void reportFile(benchmark::State& state, const std::string& path)
{
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void ReadDataSet(benchmark::State& state)
{
    Prepared& data = prepared(static_cast<int>(state.range(0)));
    CWordStore store({9, 12, 2026}, u"");
    for (auto _ : state) {
        const FileResult result = readDataSet(fileSystem, store, toText(data.path));
        if (!result || store.count() != data.store->count())
            state.SkipWithError("the data set did not read back whole");
        benchmark::DoNotOptimize(store.entries().data());
    }
    reportFile(state, data.path);
}

void WriteDataSetSynced(benchmark::State& state)
{
    Prepared& data = prepared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!saveDataSet(fileSystem, *data.store))
            state.SkipWithError("the save failed");
    }
    reportFile(state, data.path);
}

// `cat` itself on the same file, started as a process, for the cost of merely reading the bytes.
void CatSameFile(benchmark::State& state)
{
    Prepared& data = prepared(static_cast<int>(state.range(0)));
    const std::string command = "cat '" + data.path + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cat failed");
    }
    reportFile(state, data.path);
}

// "Konfirmu" in "Selekto" with every incoming entry selected, to the saved file: the duplicate test
// of each against the store, the appends and the synced save. One incoming entry in ten is a pair the
// store already holds, with a comment added.
void MergeEverySelected(benchmark::State& state)
{
    const auto entries = static_cast<int>(state.range(0));
    Prepared& data = prepared(entries);
    std::vector<IncomingEntry> incoming;
    DataSetGenerator other(8);
    for (int i = 0; i < entries; ++i) {
        const WordEntry entry = i % 10 == 0 ? data.store->entry(static_cast<std::size_t>(i)) : other.entry();
        incoming.push_back({entry.text1.str() + (i % 10 == 0 ? u" (jam)" : u""), entry.text2.str()});
    }
    const std::vector<bool> selected(incoming.size(), true);
    const std::u16string mergedPath = toText(data.folder + "/kunmetita.zenv");
    for (auto _ : state) {
        state.PauseTiming();
        CWordStore store = *data.store;
        store.setDataPath(mergedPath);
        state.ResumeTiming();
        const int appended = mergeSelectedEntries(store, incoming, selected);
        if (appended != entries - entries / 10 || !saveDataSet(fileSystem, store))
            state.SkipWithError("the merge did not append the new entries or the save failed");
    }
}

// Leaving the list-1 field of the add dialog: the first entry whose list-1 text matches.
void AddDialogLookup(benchmark::State& state)
{
    Prepared& data = prepared(static_cast<int>(state.range(0)));
    VocabularyIndex index(*data.store);
    const std::size_t count = data.store->entries().size();
    std::size_t i = 0;
    for (auto _ : state) {
        const WordEntry& entry = data.store->entry((i * 7919) % count);
        benchmark::DoNotOptimize(index.firstWithText1(entry.text1));
        benchmark::DoNotOptimize(index.holdsPair(entry.text1, u"nova", count));
        ++i;
    }
}

// Opening the add dialog: indexing the store once.
void AddDialogIndex(benchmark::State& state)
{
    Prepared& data = prepared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VocabularyIndex index(*data.store);
        benchmark::DoNotOptimize(index.firstWithText1(u"kato"));
    }
}

} // namespace

BENCHMARK(CatSameFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadDataSet)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteDataSetSynced)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MergeEverySelected)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AddDialogLookup)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(AddDialogIndex)->Arg(100000)->Unit(benchmark::kMillisecond);
