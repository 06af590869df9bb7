#pragma once

// The characters of the field: the chip's own 56 (codes 0x00 to 0x37) as
// MAME 0.251 draws them, then four whose rows are the sprites' shapes (0x38
// to 0x3B) and four the program defines (0x3C to 0x3F). A character is 8
// rows, top row first, bit 7 the leftmost pixel.

#include <array>
#include <cstdint>

#include "console/chip_state.h"

namespace tw {

using GlyphRows = std::array<std::uint8_t, 8>;

inline constexpr int kChipCharacters = 0x38;
inline constexpr std::uint8_t kFirstSpriteCharacter = 0x38;
inline constexpr std::uint8_t kCharacterCodeBits = 0x3F;

// Read off MAME's snapshots of every code (console-glyphs.txt in the notes):
// MAME's own table was read off a screen, so a console may differ.
extern const std::array<GlyphRows, kChipCharacters> kChipGlyphs;

// The sprites' shapes as the field's characters 0x38 to 0x3B show them.
using SpriteShapes = std::array<std::uint8_t, 32>;

// Row r of the character `code` (its low six bits): the chip's own, sprite
// k's shape from `cellShapes`, or the chip state's user-defined character.
std::uint8_t GlyphRow(std::uint8_t code, int r, const ChipState& chip, const SpriteShapes& cellShapes);

// Row r of a cell in block graphics: bits 0, 1 and 2 light the right 2,
// middle 3 and left 3 pixels of its top four rows, bits 3, 4 and 5 those
// of its bottom four.
constexpr std::uint8_t BlockRow(std::uint8_t code, int r)
{
    const unsigned bits = r < 4 ? code & 7u : (code >> 3) & 7u;
    return std::uint8_t((bits & 1 ? 0x03 : 0) | (bits & 2 ? 0x1C : 0) | (bits & 4 ? 0xE0 : 0));
}

} // namespace tw
