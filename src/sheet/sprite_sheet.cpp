#include "sheet/sprite_sheet.h"

#include <QBuffer>

#include "project/eap_writer.h"
#include "project/side_file.h"
#include "sheet/picture_import.h"
#include "sheet/screen_picture.h"
#include "sheet/shapes_picture.h"

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

QSize FrameSheetSize(int frames, int scale) { return QSize(FrameSheetBlocksWide(frames), kFrameSheetBlocksHigh) * scale; }

int FrameSheetColumns(const SpriteProject& project)
{
    int most = 1;
    for (const SpriteState& sprite : project.Sprites)
        most = std::max(most, sprite.Frames());
    return most;
}

QPoint FrameBlockOrigin(int k, int f, int i, int scale)
{
    return QPoint(1 + kSheetSpritePitch * f + i % kRowWidth, 1 + kSheetSpritePitch * k + i / kRowWidth) * scale;
}

namespace {

// A sheet of `size` in the screen colour with the frames that `origin` places
// drawn on it: the blocks, not the row texts, since they are what the editor
// shows, and a load draws them from the row texts anyway.
template <typename Origin>
QImage RenderFrames(const SpriteProject& project, QSize size, int scale, int frames, Origin origin)
{
    if (scale < kMinScale || scale > kMaxScale)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(ToQRgb(project.ScreenValue()));
    for (int k = 0; k < kSprites; ++k)
        for (int f = 0; f < std::min(frames, project.Sprites[k].Frames()); ++f)
            for (int i = 0; i < kBlocks; ++i)
                FillBlock(image, origin(k, f, i), scale, ToQRgb(project.Sprites[k].Frame(f).Blocks[i]));
    return image;
}

// With LF alone between its lines a text goes in a zTXt chunk, which paint
// programs and ImageMagick keep when they save the picture again; a CR would
// make it an iTXt chunk, which they drop. The readers take either line end.
QString PngText(const std::string& latin1) { return QString::fromLatin1(latin1).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

storage::Outcome WriteImage(const QString& path, QImage image, const SpriteProject& project, int scale, const storage::MadeFrom& from)
{
    if (image.isNull())
        return {false, QStringLiteral("cannot draw the sheet at scale %1").arg(scale), 0};
    image.setText(QString::fromLatin1(kProjectTextKey), PngText(ProjectFileBytes(project)));
    if (NeedsSideFile(project))
        image.setText(QString::fromLatin1(kSideFileTextKey), PngText(SideFileBytes(project)));
    // Encoded in memory first, then written as the project files are, so that
    // a full disk or a file size limit is caught with its reason.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {false, QStringLiteral("cannot write PNG data"), 0};
    return storage::WriteFileAtomically(path, png, from);
}

} // namespace

QImage RenderSpriteSheet(const SpriteProject& project, int scale)
{
    return RenderFrames(project, SheetSize(scale), scale, 1, [&](int k, int, int i) { return BlockOrigin(k, i, scale); });
}

QImage RenderFrameSheet(const SpriteProject& project, int scale)
{
    const int frames = FrameSheetColumns(project);
    return RenderFrames(project, FrameSheetSize(frames, scale), scale, frames,
                        [&](int k, int f, int i) { return FrameBlockOrigin(k, f, i, scale); });
}

namespace {

storage::Outcome WriteFrameSheet(const QString& path, const SpriteProject& project, int scale, const storage::MadeFrom& from)
{
    // Every sheet written is one import reads back: a long animation at a
    // large scale would be beyond the bounds import keeps to.
    const int frames = FrameSheetColumns(project);
    const auto importable = [&](int s) {
        const QSize size = FrameSheetSize(frames, s);
        return size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide &&
               qint64(size.width()) * size.height() <= kMaxPicturePixels;
    };
    if (scale >= kMinScale && scale <= kMaxScale && !importable(scale)) {
        int fits = scale;
        while (fits > kMinScale && !importable(fits))
            --fits;
        const QSize size = FrameSheetSize(frames, scale);
        return {false,
                QStringLiteral("a sheet of %1 frames at scale %2 is %3 x %4 pixels, more than import reads back; scale %5 fits")
                    .arg(frames)
                    .arg(scale)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(fits),
                0};
    }
    return WriteImage(path, RenderFrameSheet(project, scale), project, scale, from);
}

} // namespace

storage::Outcome WriteSheet(const QString& path, const SpriteProject& project, const SheetOptions& options, const storage::MadeFrom& from)
{
    return options.Frames ? WriteFrameSheet(path, project, options.Scale, from)
                          : WriteImage(path, RenderSpriteSheet(project, options.Scale), project, options.Scale, from);
}

const PictureCode& LinkedPictureCode()
{
    static const PictureCode code{&WriteSheet, &ImportPictureFile, &WriteScreenPicture, &WriteScreenAnimation, &WriteShapesPicture};
    return code;
}

} // namespace tw::sheet
