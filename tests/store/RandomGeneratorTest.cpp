#include "RandomGenerator.h"

#include <gtest/gtest.h>
#include <vector>

TEST(RandomGenerator, ReproducesTheSequenceOfItsSeed)
{
    struct Row
    {
        std::uint32_t seed;
        std::vector<int> draws;
    };
    const Row rows[] = {
        {1, {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}},
        {0, {38, 7719, 21238, 2437, 8855}},
        {1700000000, {28462, 1027, 22663, 25444, 9533}}, // a time in seconds
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seed);
        RandomGenerator generator(row.seed);
        std::vector<int> draws;
        for (std::size_t i = 0; i < row.draws.size(); ++i)
            draws.push_back(generator.draw());
        EXPECT_EQ(row.draws, draws);
    }
}
