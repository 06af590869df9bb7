#pragma once

#include <QImage>
#include <QString>

#include "storage/storage.h"

namespace tw::sheet {

// Pictures larger than this on either side are refused before decoding, and
// files larger than this are not read.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr qint64 kMaxPictureFileBytes = qint64(128) << 20;

// Reads the four sprites from a picture: a sheet that WriteSpriteSheet wrote,
// at any scale, or the four sprites side by side (32 x 8 blocks) or stacked
// (8 x 32), each block a solid square of N x N pixels. Colours are matched to
// the nearest console colour as the editor shows it; the screen colour is a
// sheet's border and gaps, or in the other layouts the colour of most blocks,
// each sprite's colour its one other colour (White,
// or what the sheet's text says, when it has none), and the names come from
// the sheet's text, else Sprite1 to Sprite4. A sheet whose pixels are exactly
// those its text draws gives back that project as it was saved.
storage::ReadOutcome ImportPicture(const QImage& picture);

// The same for a picture file, read as ImportPictureBytes reads its bytes.
storage::ReadOutcome ImportPictureFile(const QString& path);

// The same for a picture's bytes. Before any decoder sees them, a PNG's chunks
// are checked against the bytes the file has (libpng would set aside what a
// chunk claims), and the picture's size from its header against the layouts
// ImportPicture takes and kMaxPictureSide. Every refusal gives its reason
// alone: Qt and libpng say nothing while the picture is decoded.
storage::ReadOutcome ImportPictureBytes(const QByteArray& bytes);

} // namespace tw::sheet
