#include "RandomGenerator.h"

int RandomGenerator::draw()
{
    // Unsigned arithmetic wraps, which is the modulo 2^32 the sequence is defined with.
    m_state = m_state * 214013U + 2531011U;
    return static_cast<int>((m_state >> 16) & 32767U);
}
