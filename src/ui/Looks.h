#pragma once

// The visual looks, kept by their stored numbers 205 to 219. 209 is the default; 215 to 218 are
// blue, black, silver and aqua; 207 and 219 use the platform's own style; every other number a light
// Fusion look.
namespace Looks {

constexpr int defaultLook = 209;

// Applies the look to the whole application.
void apply(int look);

} // namespace Looks
