#pragma once

#include <QImage>
#include <QString>

#include "model/row_encoding.h"
#include "model/sprite_project.h"
#include "storage/storage.h"

namespace tw::sheet {

// Pixels per block side.
inline constexpr int kDefaultScale = 8;
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 64;

// The sheet in blocks: four 8 x 8 sprites in a row, one block of screen
// colour around them and between them. A sprite's left edge is a pitch from
// the one before; column 0 and every pitch after it are gap.
inline constexpr int kSheetSpritePitch = kRowWidth + 1;                // 9
inline constexpr int kSheetBlocksWide = kSprites * kSheetSpritePitch + 1; // 37
inline constexpr int kSheetBlocksHigh = kRows + 2;                     // 10

// The PNG text that carries the project file a sheet was drawn from, so that
// import can give back the names, the colours of empty sprites and, for an
// untouched sheet, the project exactly as it was saved.
inline constexpr char kProjectTextKey[] = "Tilewright project";

// Size of the sheet at a scale: 37 * scale by 10 * scale pixels.
QSize SheetSize(int scale);

// Top left pixel of block i of sprite k: sprite k starts (1 + 9 * k) blocks
// from the left and one block from the top.
QPoint BlockOrigin(int k, int i, int scale);

// Draws the four sprites' blocks as the editor shows them, on the screen
// colour. A scale outside kMinScale..kMaxScale gives a null image.
QImage RenderSpriteSheet(const SpriteProject& project, int scale);

// Renders and writes the sheet as PNG, with the project in its text; `path` is
// replaced only once the whole image is written, and never when it is the
// project's own file.
storage::Outcome WriteSpriteSheet(const QString& path, const SpriteProject& project, int scale);

} // namespace tw::sheet
