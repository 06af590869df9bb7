#pragma once

#include <QImage>
#include <QString>

#include "model/sprite_project.h"
#include "sheet/picture_code.h"
#include "sheet/sheet_layout.h"
#include "storage/storage.h"

namespace tw::sheet {

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
// file the sheet is made from.
storage::Outcome WriteSpriteSheet(const QString& path, const SpriteProject& project, int scale, const storage::MadeFrom& from);

// The picture code as this library has it linked: WriteSpriteSheet and
// ImportPictureFile.
const PictureCode& LinkedPictureCode();

} // namespace tw::sheet
