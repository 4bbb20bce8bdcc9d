#pragma once

#include "CWordStore.h"

#include <cstdint>
#include <string>
#include <vector>

// Realistic data sets for the benchmarks: word-like texts in both lists (some of two words, some with
// a comment in parentheses, Esperanto letters in list 2), boxes 0 to 5, valid dates, categories 0 to
// 10. The same seed always gives the same data set.
class DataSetGenerator final
{
public:
    explicit DataSetGenerator(std::uint32_t seed = 1) : m_state(seed) {}

    std::u16string word(int minimumLength, int maximumLength, bool esperanto);
    std::u16string text(bool esperanto);
    WordEntry entry();
    CWordStore store(int entries, const std::u16string& path);
    // Word-like question texts of a given count, e.g. for distance benchmarks.
    std::vector<std::u16string> words(int count, int minimumLength, int maximumLength);

private:
    std::uint32_t next();
    int between(int low, int high);

    std::uint32_t m_state;
};
