#pragma once

#include <QtGlobal>

// A colour as the lists store it: red + 256 * green + 65536 * blue.
using Colour = quint32;

namespace Colours {

struct Components
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Components &, const Components &) = default;
};

// Bits 24..31 are ignored.
constexpr Components split(Colour colour)
{
    return {int(colour & 255u), int((colour >> 8) & 255u), int((colour >> 16) & 255u)};
}

constexpr Colour compose(int red, int green, int blue)
{
    return Colour(red) + 256u * Colour(green) + 65536u * Colour(blue);
}

constexpr Colour green = 65280;
constexpr Colour red = 255;

} // namespace Colours
