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
// And the side file, when the project needs one: the heights, the TV, every
// later frame and the times, which neither the project file nor the pixels of
// a sheet without frames hold.
inline constexpr char kSideFileTextKey[] = "Tilewright side file";

// Size of the sheet at a scale: 37 * scale by 10 * scale pixels.
QSize SheetSize(int scale);

// Top left pixel of block i of sprite k: sprite k starts (1 + 9 * k) blocks
// from the left and one block from the top.
QPoint BlockOrigin(int k, int i, int scale);

// Draws the four sprites' blocks as the editor shows them, on the screen
// colour. A scale outside kMinScale..kMaxScale gives a null image.
QImage RenderSpriteSheet(const SpriteProject& project, int scale);

// The frames sheet of a project whose sprites have at most `frames` frames:
// (9 * frames + 1) * scale by 37 * scale pixels.
QSize FrameSheetSize(int frames, int scale);
// The most frames any sprite of the project has: the frames sheet's columns.
int FrameSheetColumns(const SpriteProject& project);
// Top left pixel of block i of frame f of sprite k on a frames sheet.
QPoint FrameBlockOrigin(int k, int f, int i, int scale);
// Every frame of every sprite, a row of frames a sprite; the cells past a
// sprite's last frame stay screen colour. Null as RenderSpriteSheet is.
QImage RenderFrameSheet(const SpriteProject& project, int scale);

// Renders and writes the sheet, or the frames sheet, as PNG, with the project
// in its text; `path` is replaced only once the whole image is written, and
// never when it is the file the sheet is made from.
storage::Outcome WriteSheet(const QString& path, const SpriteProject& project, const SheetOptions& options, const storage::MadeFrom& from);

// The picture code as this library has it linked: WriteSheet,
// ImportPictureFile, WriteScreenPicture, WriteScreenAnimation and
// WriteShapesPicture.
const PictureCode& LinkedPictureCode();

} // namespace tw::sheet
