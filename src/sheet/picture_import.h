#pragma once

#include <QImage>
#include <QString>

#include "sheet/sheet_layout.h"
#include "storage/storage.h"

namespace tw::sheet {

// Pictures larger than this on either side are refused before decoding, and
// files larger than this are not read: room for the largest picture import
// takes (a sheet of 4070 x 1100 pixels) uncompressed at 6 bytes a pixel, as a
// 16-bit PPM holds it, 25.6 MiB. Read whole and decoded to the largest image,
// a file of this size costs about 60 MB more than a small picture.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr qint64 kMaxPictureFileBytes = qint64(27) << 20;
// Nor more pixels than that largest sheet: the bounds above and the decoder's
// were set for it, and a frames sheet of four frames within kMaxPictureSide
// could have four times as many.
inline constexpr qint64 kMaxPicturePixels =
    qint64(kSheetBlocksWide) * kSheetBlocksHigh * (kMaxPictureSide / kSheetBlocksWide) * (kMaxPictureSide / kSheetBlocksWide);

// Reads the four sprites from a picture: a sheet or frames sheet that
// WriteSheet wrote, at any scale, or the four sprites side by side (32 x
// 8 blocks) or stacked (8 x 32), each block a solid square of N x N pixels. Colours are matched to
// the nearest console colour as the editor shows it; the screen colour is a
// sheet's border and gaps, or in the other layouts the colour of most blocks,
// each sprite's colour its one other colour (White,
// or what the sheet's text says, when it has none), and the names come from
// the sheet's text, else Sprite1 to Sprite4. The settings, the times and the
// frames after the first come from the side file text where there is one,
// and a frames sheet's frames from its pixels: each sprite's up to its last
// cell that is not all screen colour, or as many as the text gives. A sheet
// whose pixels are exactly those its texts draw, whatever colour space the
// picture is tagged with, gives back that project, and its side file, as
// they were saved.
storage::ReadOutcome ImportPicture(const QImage& picture);

// The same for a picture file, read as ImportPictureBytes reads its bytes.
storage::ReadOutcome ImportPictureFile(const QString& path);

// The same for a picture's bytes. Only PNG, BMP, GIF and PBM/PGM/PPM are
// taken, known by their first bytes and decoded by their own Qt reader alone;
// anything else is refused, naming what it is where that can be told. Before
// any decoder sees them, a PNG's chunks are checked against the bytes the file
// has (libpng would set aside what a chunk claims), the picture's size from
// its header against the layouts ImportPicture takes and kMaxPictureSide, and
// a PNG's image data against the size its header needs (inflated as far as
// one byte past it) and its metadata against kMaxPngMetadataBytes (picture_gates.h). Every
// refusal gives its reason alone: Qt and libpng say nothing while the picture
// is decoded.
storage::ReadOutcome ImportPictureBytes(const QByteArray& bytes);

} // namespace tw::sheet
