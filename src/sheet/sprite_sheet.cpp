#include "sheet/sprite_sheet.h"

#include <QSaveFile>

#include <algorithm>

namespace tw::sheet {
namespace {

QRgb ToQRgb(ColorNumber color)
{
    const Rgb rgb = DisplayRgb(color);
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

void FillBlock(QImage& image, QPoint origin, int scale, QRgb color)
{
    for (int y = origin.y(); y < origin.y() + scale; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + origin.x(), line + origin.x() + scale, color);
    }
}

} // namespace

QSize SheetSize(int scale) { return {kSheetBlocksWide * scale, kSheetBlocksHigh * scale}; }

QPoint BlockOrigin(int k, int i, int scale)
{
    return {(1 + 9 * k + i % 8) * scale, (1 + i / 8) * scale};
}

QImage RenderSpriteSheet(const SpriteProject& project, int scale)
{
    if (scale < kMinScale || scale > kMaxScale)
        return {};
    QImage image(SheetSize(scale), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(ToQRgb(project.ScreenValue()));
    // The blocks, not the row texts: they are what the editor shows, and a
    // load draws them from the row texts anyway.
    for (int k = 0; k < kSprites; ++k)
        for (int i = 0; i < kBlocks; ++i)
            FillBlock(image, BlockOrigin(k, i, scale), scale, ToQRgb(project.Sprites[k].Blocks[i]));
    return image;
}

storage::Outcome WriteSpriteSheet(const QString& path, const SpriteProject& project, int scale)
{
    const QImage image = RenderSpriteSheet(project, scale);
    if (image.isNull())
        return {false, QStringLiteral("cannot draw the sheet at scale %1").arg(scale), 0};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString(), 0};
    if (!image.save(&file, "PNG")) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("cannot write PNG data");
        file.cancelWriting();
        return {false, reason, 0};
    }
    if (!file.commit())
        return {false, file.errorString(), 0};
    return {};
}

} // namespace tw::sheet
