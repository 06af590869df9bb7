// Picture files as import takes them: the size their header gives checked
// before any decoder sees the bytes, and the decoding held to what the
// largest picture import takes needs.
#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <utility>
#include <variant>

#include "sheet/picture_gates.h"
#include "sheet/picture_import.h"
#include "sheet/picture_layout.h"
#include "sheet/sprite_sheet.h"

namespace tw::sheet {

namespace {

storage::ReadOutcome Failure(const QString& reason) { return {{false, reason}}; }

// The picture's size as its header gives it, from the header alone, so that
// a picture import cannot take is never decoded, nor a PNG's chunks handed to
// libpng before they are checked; or why import does not take it. A GIF's
// frames are drawn on its screen, and the decoded image is the screen's
// size; Qt's reader gives the first frame's.
std::variant<QString, QSize> HeaderSize(const QByteArray& bytes, const QByteArray& format, const std::optional<PngHeader>& png,
                                         QImageReader& reader)
{
    qint64 width = -1, height = -1;
    if (png)
        width = png->Width, height = png->Height;
    else if (format == "gif" && bytes.size() >= 10)
        width = qFromLittleEndian<quint16>(bytes.constData() + 6), height = qFromLittleEndian<quint16>(bytes.constData() + 8);
    else if (const QSize header = reader.size(); header.isValid())
        width = header.width(), height = header.height();
    if (width < 0 || height < 0)
        return QStringLiteral("not a picture that can be read");
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return QStringLiteral("the picture is %1 x %2 pixels, larger than the %3 x %3 that import takes")
            .arg(width)
            .arg(height)
            .arg(kMaxPictureSide);
    const QSize size{int(width), int(height)};
    if (!FindLayout(size))
        return NoLayoutFor(size);
    if (width * height > kMaxPicturePixels)
        return QStringLiteral("the picture is %1 x %2 pixels, more than the %3 pixels in all that import takes (%4 x %5)")
            .arg(width)
            .arg(height)
            .arg(kMaxPicturePixels)
            .arg(SheetSize(kMaxPictureSide / kSheetBlocksWide).width())
            .arg(SheetSize(kMaxPictureSide / kSheetBlocksWide).height());
    return size;
}

// Should a decoder still make a larger image than its header said, it may
// not set aside more than the largest picture import takes: 4070 x
// 1100 pixels at 8 bytes a pixel (16-bit RGBA), 36 MB. The limit is Qt's,
// for every reader, so it is put back.
QImage ReadWithinLimit(QImageReader& reader)
{
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(40);
    QImage picture = reader.read();
    QImageReader::setAllocationLimit(limit);
    return picture;
}

// The file's bytes are let go of once decoded, where no one else holds them:
// the largest picture import takes is 33 MB decoded and another 17 MB
// converted, and a file of up to kMaxPictureFileBytes need not add to that.
storage::ReadOutcome ImportOwnedBytes(QByteArray bytes)
{
    const QByteArray format = QtFormat(bytes);
    if (format.isEmpty()) {
        const QString kind = RefusedKind(bytes);
        return Failure(kind.isEmpty() ? QStringLiteral("not a picture that can be read; %1").arg(QLatin1String(kTakes))
                                      : QStringLiteral("the file is %1; %2").arg(kind, QLatin1String(kTakes)));
    }
    std::optional<PngHeader> png;
    if (format == "png") {
        const std::variant<QString, PngHeader> header = ReadPngHeader(bytes);
        if (const QString* refused = std::get_if<QString>(&header))
            return Failure(*refused);
        png = std::get<PngHeader>(header);
    }
    const QuietDecoding quiet;
    QBuffer buffer;
    buffer.setData(bytes);
    // Only the reader of the format the bytes are in.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead())
        return Failure(QStringLiteral("not a picture that can be read"));
    const std::variant<QString, QSize> size = HeaderSize(bytes, format, png, reader);
    if (const QString* refused = std::get_if<QString>(&size))
        return Failure(*refused);
    if (const std::optional<QString> refused = png ? CheckPngData(bytes, *png)
                                               : format == "gif" ? CheckGifFrame(bytes, std::get<QSize>(size))
                                               : format == "bmp" ? CheckBmpData(bytes, std::get<QSize>(size))
                                                                 : std::nullopt)
        return Failure(*refused);
    QImage picture = ReadWithinLimit(reader);
    buffer.close();
    buffer.setData(QByteArray());
    bytes = QByteArray();
    if (picture.isNull())
        return Failure(QStringLiteral("the picture's data cannot be decoded"));
    // As ImportPicture reads it, with its text; the decoded image (16-bit
    // RGBA: 36 MB at the largest) goes before the sheet is drawn to compare.
    picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
    return ImportPicture(picture);
}

} // namespace

storage::ReadOutcome ImportPictureFile(const QString& path)
{
    storage::BytesOutcome file = storage::ReadRegularFile(path, kMaxPictureFileBytes);
    if (!file.Ok)
        return Failure(file.Reason);
    if (file.Truncated)
        return Failure(QStringLiteral("the file is larger than the %1 MiB that import reads").arg(kMaxPictureFileBytes >> 20));
    return ImportOwnedBytes(std::move(file.Bytes));
}

storage::ReadOutcome ImportPictureBytes(const QByteArray& bytes) { return ImportOwnedBytes(bytes); }

} // namespace tw::sheet
