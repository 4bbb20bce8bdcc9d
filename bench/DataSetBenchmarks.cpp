// Reading and writing whole data sets, beside `cat` of the same file for scale.
#include "CWordStore.h"
#include "DataSetFile.h"
#include "DataSetGenerator.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

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
    saveDataSet(*data.store);
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
        const FileResult result = readDataSet(store, toText(data.path));
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
        if (!saveDataSet(*data.store))
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

} // namespace

BENCHMARK(CatSameFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadDataSet)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteDataSetSynced)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
