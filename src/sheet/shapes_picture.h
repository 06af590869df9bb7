#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

#include "sheet/picture_code.h"
#include "storage/storage.h"

namespace tw::sheet {

// The colours of a shapes sheet: a set pixel, a clear one, and the gaps,
// where also a shape's rows past the end of its binary stand.
inline constexpr QRgb kShapeSet = 0xFFFFFFFF, kShapeClear = 0xFF000000, kShapeGap = 0xFF606060;

// The shapes from the first byte of `bytes` on, `count` of them, 16 a row,
// each pixel a block of scale x scale pixels, a block of gap around and
// between them. Null when the picture would be larger than
// kMaxShapesSheetPixels.
QImage ShapesImage(std::span<const std::uint8_t> bytes, int count, int scale);

// The same, written as PNG to `path`, with the rules every written file has.
storage::Outcome WriteShapesPicture(const QString& path, const ShapesSheet& sheet, const storage::MadeFrom& from);

} // namespace tw::sheet
