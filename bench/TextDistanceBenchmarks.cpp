// The similarity distance on the texts the morphological orders compare.
#include "DataSetGenerator.h"
#include "TextDistance.h"

#include <benchmark/benchmark.h>

namespace {

void TextDistanceWordPairs(benchmark::State& state)
{
    DataSetGenerator generator(11);
    const auto words = generator.words(4096, 4, 12);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextDistance(words[i % 4096], words[(i * 7 + 1) % 4096]));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

void TextDistancePhrasePairs(benchmark::State& state)
{
    DataSetGenerator generator(12);
    std::vector<std::u16string> phrases;
    for (int i = 0; i < 1024; ++i) {
        std::u16string phrase;
        for (int w = 0; w < 5; ++w)
            phrase += generator.word(2, 9, true) + u" ";
        phrases.push_back(phrase + u"(esprimo)");
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextDistance(phrases[i % 1024], phrases[(i * 7 + 1) % 1024]));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

void TextDistanceOneWordAgainstMany(benchmark::State& state)
{
    DataSetGenerator generator(13);
    const auto words = generator.words(static_cast<int>(state.range(0)), 4, 12);
    const std::u16string reference = u"manĝaĵo";
    for (auto _ : state) {
        int nearest = 1 << 30;
        for (const auto& word : words)
            nearest = std::min(nearest, TextDistance(word, reference));
        benchmark::DoNotOptimize(nearest);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void TextDistanceLongTexts(benchmark::State& state)
{
    DataSetGenerator generator(14);
    std::u16string a;
    while (a.size() < 100000)
        a += generator.word(2, 9, true) + u" ";
    std::u16string b = a;
    b.insert(b.size() / 2, u"enmeto");
    b[3] = u'Q';
    for (auto _ : state)
        benchmark::DoNotOptimize(TextDistance(a, b));
}

} // namespace

BENCHMARK(TextDistanceWordPairs);
BENCHMARK(TextDistancePhrasePairs);
BENCHMARK(TextDistanceOneWordAgainstMany)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(TextDistanceLongTexts)->Unit(benchmark::kMillisecond);
