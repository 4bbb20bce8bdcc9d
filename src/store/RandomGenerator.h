#pragma once

#include "RandomSource.h"

#include <cstdint>

// The program's pseudo-random numbers: a linear congruential generator over 32 bits whose draws are
// bits 16 to 30 of the state. The same seed always gives the same sequence.
class RandomGenerator final : public RandomSource
{
public:
    // seed: the current time in seconds, its low 32 bits, where the program wants a new sequence.
    explicit RandomGenerator(std::uint32_t seed) : m_state(seed) {}

    int draw() override;

private:
    std::uint32_t m_state;
};
