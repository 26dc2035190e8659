#pragma once

#include "platform/TColor.h"

#include <array>
#include <cstddef>

// Twenty colours that a window's counter takes one after another, curve after curve.
using ColorPalette = std::array<TColor, 20>;

// The counters are not bounded: the twenty-first curve takes the first colour again.
inline TColor PaletteColor(const ColorPalette &palette, int counter)
{
    const int size = int(palette.size());
    return palette[std::size_t(((counter % size) + size) % size)];
}
