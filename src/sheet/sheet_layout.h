#pragma once

// The shapes of the pictures that png draws and import reads, as numbers
// alone: tilewright-cli names them in its help without loading the picture
// code (and with it QtGui).

#include "model/row_encoding.h"
#include "model/shapes.h"
#include "model/sprite_project.h"

namespace tw::sheet {

// Pixels per block side of a sheet png draws.
inline constexpr int kDefaultScale = 8;
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 64;

// The sheet in blocks: four 8 x 8 sprites in a row, one block of screen
// colour around them and between them. A sprite's left edge is a pitch from
// the one before; column 0 and every pitch after it are gap.
inline constexpr int kSheetSpritePitch = kRowWidth + 1;                   // 9
inline constexpr int kSheetBlocksWide = kSprites * kSheetSpritePitch + 1; // 37
inline constexpr int kSheetBlocksHigh = kRows + 2;                       // 10

// The frames sheet (png --frames) in blocks: a row of frames a sprite, frame
// f of sprite k at block (1 + 9f, 1 + 9k), with the sheet's gaps between
// them. Its width follows from the most frames any sprite has.
inline constexpr int kFrameSheetBlocksHigh = kSprites * kSheetSpritePitch + 1; // 37
constexpr int FrameSheetBlocksWide(int frames) { return frames * kSheetSpritePitch + 1; }

// The plain layouts import also takes, in blocks: the four sprites side by
// side, or stacked.
inline constexpr int kSideBySideWide = kSprites * kRowWidth, kSideBySideHigh = kRows; // 32 x 8
inline constexpr int kStackedWide = kRowWidth, kStackedHigh = kSprites * kRows;     // 8 x 32

// The shapes sheet (tilewright-cli shapes) in blocks: the shapes of a
// binary 16 a row, shape i at block (1 + 9 (i % 16), 1 + 9 (i / 16)), with the
// sheet's gaps around and between them, so that row r of the sheet starts at
// the first shape's offset plus 128 r.
inline constexpr int kShapesSheetBlocksWide = kShapesPerRow * kSheetSpritePitch + 1; // 145
constexpr int ShapesSheetBlocksHigh(int shapes) { return (shapes + kShapesPerRow - 1) / kShapesPerRow * kSheetSpritePitch + 1; }
inline constexpr int kDefaultShapesScale = 4;
// A sheet shows up to 64 KiB of a binary, and holds up to 16 Mi pixels (64
// MiB as it is drawn): 8192 shapes fit up to scale 5.
inline constexpr int kMaxSheetShapes = 8192;
inline constexpr long long kMaxShapesSheetPixels = 1LL << 24;
constexpr long long ShapesSheetPixels(int shapes, int scale)
{
    return 1LL * kShapesSheetBlocksWide * scale * ShapesSheetBlocksHigh(shapes) * scale;
}

} // namespace tw::sheet
