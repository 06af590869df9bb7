#pragma once

// The character field as the chip draws it, one scan line at a time: the
// renderer paints it, the collisions test the sprites against it.

#include <array>
#include <cstdint>

#include "console/glyphs.h"
#include "console/screen_geometry.h"

namespace tw {

struct FieldLine {
    std::array<std::uint8_t, kFieldColumns> Pixels{};  // cell c's set pixels, bit 7 the leftmost
    std::array<std::uint8_t, kFieldColumns> Colours{}; // the chip colour code of cell c's set pixels
};

// Screen line `line` of the field into `out`; false where the field does
// not show: above and below its rows, and on the last line where that
// would be the first line of a 16-line cell's doubled glyph row (MAME 0.251
// shows the last line of the field as the second line of a doubled row, or
// in 8-line cells, and never as a first). A cell's set
// pixels take chip colour ((cell >> 5) & 6) | the colour set bit. A cell
// 0xC0 switches the rest of its row to block graphics and 0x40 back, both
// drawn blank.
bool FieldLineAt(const ChipState& chip, const SpriteShapes& cellShapes, int line, FieldLine& out);

// The eight field pixels from x on `line` (bit 7 at x), clear outside the
// field.
std::uint8_t FieldPixelsAt(const FieldLine& field, int x);

} // namespace tw
