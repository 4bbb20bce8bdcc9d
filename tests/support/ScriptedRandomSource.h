#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

// Replays a fixed sequence of draws, so that a shuffle or a random choice can be checked exactly.
// Once the sequence is used up it goes on with 0, 1, 2, ... and counts those extra draws: a caller
// that loops until it sees a different number still ends, and the test can tell it drew too often.
class ScriptedRandomSource final : public RandomSource
{
public:
    ScriptedRandomSource(std::initializer_list<int> draws) : m_draws(draws) {}
    explicit ScriptedRandomSource(std::vector<int> draws) : m_draws(std::move(draws)) {}

    int draw() override;

    std::size_t remaining() const { return m_draws.size() - m_next; }
    int overdrawn() const { return m_overdrawn; }
    // Whether exactly the scripted draws were taken, no more and no fewer.
    bool isUsedUp() const { return remaining() == 0 && m_overdrawn == 0; }

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
    int m_overdrawn = 0;
};
