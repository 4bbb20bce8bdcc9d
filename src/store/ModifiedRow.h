#pragma once

#include <string>

// The four cells of one entry row of the modify dialog, as the user left them.
struct ModifiedRow
{
    std::u16string text1;
    std::u16string box1;
    std::u16string text2;
    std::u16string box2;

    bool operator==(const ModifiedRow&) const = default;
};
