#include "ScriptedRandomSource.h"

int ScriptedRandomSource::draw()
{
    if (m_next < m_draws.size())
        return m_draws[m_next++];
    return m_overdrawn++ % (largestDraw + 1);
}
