#include "sheet/sprite_sheet.h"

#include <QBuffer>

#include "project/eap_writer.h"
#include "sheet/picture_import.h"
#include "sheet/screen_picture.h"

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
    return {(1 + kSheetSpritePitch * k + i % kRowWidth) * scale, (1 + i / kRowWidth) * scale};
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

storage::Outcome WriteSpriteSheet(const QString& path, const SpriteProject& project, int scale, const storage::MadeFrom& from)
{
    QImage image = RenderSpriteSheet(project, scale);
    if (image.isNull())
        return {false, QStringLiteral("cannot draw the sheet at scale %1").arg(scale), 0};
    // With LF alone between its lines the text goes in a zTXt chunk, which
    // paint programs and ImageMagick keep when they save the picture again; a
    // CR would make it an iTXt chunk, which they drop. The reader takes
    // either line end.
    image.setText(QString::fromLatin1(kProjectTextKey), QString::fromLatin1(ProjectFileBytes(project)).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // Encoded in memory first, then written as the project files are, so that
    // a full disk or a file size limit is caught with its reason.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {false, QStringLiteral("cannot write PNG data"), 0};
    return storage::WriteFileAtomically(path, png, from);
}

const PictureCode& LinkedPictureCode()
{
    static const PictureCode code{&WriteSpriteSheet, &ImportPictureFile, &WriteScreenPicture};
    return code;
}

} // namespace tw::sheet
