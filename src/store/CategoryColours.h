#pragma once

#include <cstdint>

struct Rgb
{
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;

    bool operator==(const Rgb&) const = default;
};

// The background colour of a category wherever an entry or a category is painted. Category 0 and
// values outside 1..10 (only a hand-edited file holds those) are white.
Rgb categoryColour(int category);

// Whether text on background must be white rather than black to stay readable: the colour is dark
// by its perceived brightness, whatever the palette of the desktop.
bool needsWhiteText(Rgb background);
