#pragma once

#include <QString>

// Messages that more than one window shows.
namespace Messages {

inline QString unstorableText()
{
    return QStringLiteral("Ne eblas registri « ; » aŭ linirompon en teksto.");
}

} // namespace Messages
