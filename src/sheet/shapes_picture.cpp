#include "sheet/shapes_picture.h"

#include <QBuffer>

#include <algorithm>

#include "model/shapes.h"
#include "sheet/sheet_layout.h"

namespace tw::sheet {

QImage ShapesImage(std::span<const std::uint8_t> bytes, int count, int scale)
{
    if (count < 0 || scale < 1 || ShapesSheetPixels(count, scale) > kMaxShapesSheetPixels)
        return {};
    QImage image(kShapesSheetBlocksWide * scale, ShapesSheetBlocksHigh(count) * scale, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(kShapeGap);
    // A line of pixels at a time: a block row of a shape is one run per pixel,
    // and the scale's other lines are copies of its first.
    for (int i = 0; i < count; ++i) {
        const std::size_t offset = std::size_t(i) * kShapeBytes;
        const RowBytes rows = ShapeAt(bytes, offset);
        const int left = (1 + i % kShapesPerRow * kSheetSpritePitch) * scale;
        for (int r = 0; r < ShapeRowsHeld(bytes, offset); ++r) {
            const int top = (1 + i / kShapesPerRow * kSheetSpritePitch + r) * scale;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(top));
            for (int c = 0; c < kRowWidth; ++c)
                std::fill_n(line + left + c * scale, scale, rows[std::size_t(r)] & ColumnBit(c) ? kShapeSet : kShapeClear);
            for (int copy = 1; copy < scale; ++copy)
                std::copy_n(line + left, kRowWidth * scale, reinterpret_cast<QRgb*>(image.scanLine(top + copy)) + left);
        }
    }
    return image;
}

storage::Outcome WriteShapesPicture(const QString& path, const ShapesSheet& sheet, const storage::MadeFrom& from)
{
    const QImage image = ShapesImage(sheet.Bytes, sheet.Count, sheet.Scale);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {false, QStringLiteral("cannot draw %1 shapes at scale %2").arg(sheet.Count).arg(sheet.Scale)};
    return storage::WriteFileAtomically(path, png, from);
}

} // namespace tw::sheet
