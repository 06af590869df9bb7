#pragma once

// The chip's collision registers as MAME 0.251 works them out once a frame:
// 0x19FC (a sprite against the field's character pixels) and 0x19FD (the
// sprites against each other), both active low, and the pixels behind them.

#include <cstdint>
#include <vector>

#include "console/moment.h"

namespace tw {

inline constexpr std::uint16_t kCharacterCollisionRegister = 0x19FC;
inline constexpr std::uint16_t kPairCollisionRegister = 0x19FD;

// The six pairs in the order of 0x19FD's bits 0 to 5, sprites counted from 0.
inline constexpr int kSpritePairs = 6;
inline constexpr std::array<std::array<int, 2>, kSpritePairs> kPairSprites{{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};

// A pixel where something collides. In `What`, bit k says that sprite k's
// pixel there is on a character pixel (a 16-line sprite on the first line of
// each doubled row: the chip tests no other); bit 4 + p that pair p's
// pixels meet there, counted as if both sprites were 8 lines tall, since
// the chip compares them so (the line is where the first sprite's row would
// be at that height).
struct CollisionPixel {
    int X = 0, Line = 0;
    std::uint16_t What = 0;
    friend bool operator==(const CollisionPixel&, const CollisionPixel&) = default;
};

struct Collisions {
    // As a program reads them: a clear bit for each sprite that touches a
    // character (0x19FC bits 0 to 3) and each pair that touches (0x19FD bits
    // 0 to 5); the bits above read 0.
    std::uint8_t Characters = 0x0F;
    std::uint8_t Pairs = 0x3F;
    std::vector<CollisionPixel> Pixels; // on the screen only, line by line from the top left

    bool TouchesCharacters(int k) const { return !(Characters & (1u << k)); }
    bool PairTouches(int p) const { return !(Pairs & (1u << p)); }
};

// What the chip finds at a moment: sprites against the field it shows (the
// cells of the sprites' codes with `shows.CellShapes`) where they are drawn,
// never over the border; pairs wherever the sprites stand, drawn or not.
Collisions CollisionsOf(const ConsoleShows& shows);

} // namespace tw
