#pragma once

// Where the chip puts things on the 192 x 262 pixels MAME's arcadia driver
// shows: the sprites from their position bytes and the character field from
// 0x18FC, as measured in MAME 0.251.

#include "console/chip_state.h"

namespace tw {

inline constexpr int kScreenWidth = 192;
inline constexpr int kScreenLines = 262;

// The field's cells are 8 pixels wide, 16 of them from x = 32; its row 0
// starts at line 255 less 0x18FC, and rows that pass the last line are cut.
inline constexpr int kFieldLeft = 32;
inline constexpr int kCellWidth = 8;
inline constexpr int kFieldTopFrom = 255;

constexpr int FieldTopLine(const ChipState& chip) { return kFieldTopFrom - chip.FieldTop; }
constexpr int CellLines(const ChipState& chip) { return (chip.Screen & kShortCellsBit) ? kShortLines : kTallLines; }

// Sprite k stands with its left edge at its horizontal byte less 11 and its
// top at 256 less its vertical byte, and is drawn only for horizontal bytes
// 12 to 194 and vertical ones from 3.
struct SpritePlace {
    int Left = 0, Top = 0;
    int Lines = kTallLines; // 16: each row drawn twice
    bool Drawn = false;
};

constexpr SpritePlace PlaceOf(const ChipState& chip, int k)
{
    const int vertical = chip.Positions[std::size_t(2 * k)], horizontal = chip.Positions[std::size_t(2 * k + 1)];
    return {horizontal - 11, 256 - vertical, SpriteLinesOf(chip.Pairs[std::size_t(k / 2)], k % 2),
            horizontal >= 12 && horizontal <= 194 && vertical >= 3};
}

} // namespace tw
