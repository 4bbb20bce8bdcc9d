#include "CategoryColours.h"

#include <array>

Rgb categoryColour(int category)
{
    static constexpr std::array<Rgb, 11> colours = {{{255, 255, 255},
                                                     {0, 255, 0},
                                                     {220, 255, 0},
                                                     {0, 250, 255},
                                                     {0, 200, 255},
                                                     {255, 130, 255},
                                                     {180, 150, 255},
                                                     {255, 200, 200},
                                                     {255, 185, 0},
                                                     {200, 200, 200},
                                                     {200, 155, 100}}};
    if (category < 0 || category >= static_cast<int>(colours.size()))
        return colours[0];
    return colours[static_cast<std::size_t>(category)];
}

bool needsWhiteText(Rgb background)
{
    return (299 * background.red + 587 * background.green + 114 * background.blue) / 1000 < 128;
}
