#pragma once

#include <QString>

// Messages that more than one window shows.
namespace Messages {

inline QString unstorableText()
{
    return QStringLiteral("Ne eblas registri « ; » aŭ linirompon en teksto.");
}

// "%d vorto" below 2, "%d vortoj" from 2 on.
inline QString entryCount(int count)
{
    return count < 2 ? QStringLiteral("%1 vorto").arg(count) : QStringLiteral("%1 vortoj").arg(count);
}

} // namespace Messages
