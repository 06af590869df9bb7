#include "sheet/picture_import.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

#include "model/row_encoding.h"
#include "project/eap_reader.h"
#include "sheet/sprite_sheet.h"

namespace tw::sheet {
namespace {

// Where the blocks are: a sheet's, or 32 x 8 / 8 x 32 blocks without gaps.
struct Layout {
    enum Kind { Sheet, SideBySide, Stacked } Arrangement;
    int Scale;

    QPoint Origin(int k, int i) const
    {
        const int row = i / kRowWidth, column = i % kRowWidth;
        switch (Arrangement) {
        case Sheet: return BlockOrigin(k, i, Scale);
        case SideBySide: return QPoint(kRowWidth * k + column, row) * Scale;
        case Stacked: break;
        }
        return QPoint(column, kRows * k + row) * Scale;
    }
};

std::optional<Layout> FindLayout(QSize size)
{
    const struct {
        Layout::Kind Kind;
        int Wide, High;
    } kLayouts[] = {{Layout::Sheet, kSheetBlocksWide, kSheetBlocksHigh},
                    {Layout::SideBySide, kSideBySideWide, kSideBySideHigh},
                    {Layout::Stacked, kStackedWide, kStackedHigh}};
    for (const auto& layout : kLayouts) {
        const int scale = size.width() / layout.Wide;
        if (scale > 0 && size == QSize(layout.Wide, layout.High) * scale)
            return Layout{layout.Kind, scale};
    }
    return std::nullopt;
}

// The console colour a pixel shows, as the editor paints the eight: the
// nearest in RGB, the lower code on a tie.
int NearestCode(QRgb pixel)
{
    int best = 0, bestDistance = 0;
    for (int code = 0; code < kColorCodes; ++code) {
        const Rgb rgb = DisplayRgb(ToColorNumber(Palette()[code].ColorValue));
        const int dr = qRed(pixel) - rgb.red, dg = qGreen(pixel) - rgb.green, db = qBlue(pixel) - rgb.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (code == 0 || distance < bestDistance)
            best = code, bestDistance = distance;
    }
    return best;
}

QString NoLayoutFor(QSize size)
{
    return QStringLiteral("the picture is %1 x %2 pixels; import takes the four sprites side by side (%3 x %4 pixels) "
                          "or stacked (%5 x %6), or a whole multiple of either, or a sheet that png wrote (%7 x %8 "
                          "pixels times its scale)")
        .arg(size.width())
        .arg(size.height())
        .arg(kSideBySideWide)
        .arg(kSideBySideHigh)
        .arg(kStackedWide)
        .arg(kStackedHigh)
        .arg(kSheetBlocksWide)
        .arg(kSheetBlocksHigh);
}

// The screen colour of a sheet: the colour of most pixels of its border and
// of the gaps between the sprites, which a sheet draws in the screen colour
// whatever its sprites hold; the lower code on a tie.
int SheetScreenCode(const QImage& picture, int scale)
{
    std::array<int, kColorCodes> count{};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const int row = y / scale, column = x / scale; row == 0 || row == kSheetBlocksHigh - 1 || column % kSheetSpritePitch == 0)
                ++count[NearestCode(picture.pixel(x, y))];
    return int(std::max_element(count.begin(), count.end()) - count.begin());
}

QString Block(int i) { return QStringLiteral("row %1, column %2").arg(i / kRowWidth + 1).arg(i % kRowWidth + 1); }

storage::ReadOutcome Failure(const QString& reason)
{
    storage::ReadOutcome outcome;
    outcome.Ok = false;
    outcome.Reason = reason;
    return outcome;
}

// What the sheet's text says the project was, if anything.
std::optional<ProjectRecord> SavedProject(const QImage& picture)
{
    const QByteArray text = picture.text(QString::fromLatin1(kProjectTextKey)).toLatin1();
    const ReadResult read = ReadProjectFile(std::string_view(text.constData(), std::size_t(text.size())));
    return text.isEmpty() ? std::nullopt : read.Record;
}

SpriteProject Drawn(const ProjectRecord& record)
{
    SpriteProject project;
    ApplyProjectRecord(project, record, {});
    return project;
}

// libpng sets aside what a chunk's length claims before it reads the chunk:
// a 96-byte file whose text chunk claims 2 GiB would cost 2 GiB before it
// failed. So every chunk up to IEND must fit in what the file has left.
std::optional<QString> CheckPngChunks(const QByteArray& bytes)
{
    const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature))
        return std::nullopt;
    for (qsizetype at = signature.size(); at + 8 <= bytes.size();) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        const bool named = std::all_of(type.begin(), type.end(), [](char c) { return std::isalpha(uchar(c)) != 0; });
        const qint64 left = std::max<qint64>(0, bytes.size() - at - 12); // past its length, type and CRC
        if (length > left)
            return QStringLiteral("the PNG chunk %1at byte %2 claims %3 bytes, more than the %4 the file has left")
                .arg(named ? QString::fromLatin1(type + ' ') : QString())
                .arg(at)
                .arg(length)
                .arg(left);
        if (type == "IEND")
            break;
        at += 12 + qsizetype(length);
    }
    return std::nullopt;
}

// libpng reports a damaged picture on standard error by itself (Qt leaves its
// default error handler in place) and Qt adds lines of its own; the reason
// import gives is the whole story, so both are kept quiet while it decodes.
class QuietDecoding {
public:
    QuietDecoding() : handler_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0 && stderr_ >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    QuietDecoding(const QuietDecoding&) = delete;
    QuietDecoding& operator=(const QuietDecoding&) = delete;
    ~QuietDecoding()
    {
        if (stderr_ >= 0)
            ::dup2(stderr_, STDERR_FILENO), ::close(stderr_);
        qInstallMessageHandler(handler_);
    }

private:
    QtMessageHandler handler_;
    int stderr_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
};

} // namespace

storage::ReadOutcome ImportPicture(const QImage& source)
{
    const std::optional<Layout> layout = FindLayout(source.size());
    if (!layout)
        return Failure(NoLayoutFor(source.size()));
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const std::optional<ProjectRecord> saved = SavedProject(source);
    storage::ReadOutcome outcome;
    if (saved && layout->Arrangement == Layout::Sheet &&
        RenderSpriteSheet(Drawn(*saved), layout->Scale) == picture) {
        outcome.Record = *saved; // untouched since png wrote it
        return outcome;
    }

    std::array<std::array<int, kBlocks>, kSprites> codes{};
    std::array<int, kColorCodes> count{};
    for (int k = 0; k < kSprites; ++k)
        for (int i = 0; i < kBlocks; ++i) {
            const QPoint origin = layout->Origin(k, i);
            const int code = NearestCode(picture.pixel(origin));
            for (int y = 0; y < layout->Scale; ++y)
                for (int x = 0; x < layout->Scale; ++x)
                    if (NearestCode(picture.pixel(origin + QPoint(x, y))) != code)
                        return Failure(QStringLiteral("the block at %1 of sprite %6 (pixels %2,%3 to %4,%5) is not one solid colour")
                                           .arg(Block(i))
                                           .arg(origin.x())
                                           .arg(origin.y())
                                           .arg(origin.x() + layout->Scale - 1)
                                           .arg(origin.y() + layout->Scale - 1)
                                           .arg(k + 1));
            codes[k][i] = code;
            ++count[code];
        }

    ProjectRecord& record = outcome.Record;
    // A sheet's screen colour is in its border and gaps, even when its
    // sprites are mostly set; pictures without them have only the blocks.
    if (layout->Arrangement == Layout::Sheet)
        record.ScreenBGndColor = std::uint8_t(SheetScreenCode(picture, layout->Scale));
    else
        for (int code = 0; code < kColorCodes; ++code)
            if (count[code] > count[record.ScreenBGndColor])
                record.ScreenBGndColor = std::uint8_t(code);
    const auto name = [](int code) { return QString::fromStdString(Palette()[code].ColorName); };
    for (int k = 0; k < kSprites; ++k) {
        SpriteRecord& sprite = record.Sprites[k];
        sprite.Name = saved ? saved->Sprites[k].Name : SpriteProject::DefaultName(k);
        std::optional<int> foreground;
        for (int i = 0; i < kBlocks; ++i) {
            const int code = codes[k][i];
            if (code == record.ScreenBGndColor)
                continue;
            if (foreground && *foreground != code)
                return Failure(QStringLiteral("sprite %1 has blocks in %2 and in %3 besides the screen colour %4; a "
                                              "sprite has one colour (the first %3 block is at %5)")
                                   .arg(k + 1)
                                   .arg(name(*foreground), name(code), name(record.ScreenBGndColor), Block(i)));
            foreground = code;
        }
        sprite.FGndColor = std::uint8_t(foreground.value_or(saved ? saved->Sprites[k].FGndColor : kWhiteCode));
        for (int r = 0; r < kRows; ++r) {
            std::uint8_t bits = 0;
            for (int c = 0; c < kRowWidth; ++c)
                if (codes[k][r * kRowWidth + c] != record.ScreenBGndColor)
                    bits |= ColumnBit(c);
            sprite.HexRows[r] = RowText(bits);
        }
    }
    return outcome;
}

storage::ReadOutcome ImportPictureFile(const QString& path)
{
    const storage::BytesOutcome file = storage::ReadRegularFile(path, kMaxPictureFileBytes);
    if (!file.Ok)
        return Failure(file.Reason);
    if (file.Truncated)
        return Failure(QStringLiteral("the file is larger than the %1 MiB that import reads").arg(kMaxPictureFileBytes >> 20));
    return ImportPictureBytes(file.Bytes);
}

storage::ReadOutcome ImportPictureBytes(const QByteArray& bytes)
{
    if (const std::optional<QString> lie = CheckPngChunks(bytes))
        return Failure(*lie);
    const QuietDecoding quiet;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return Failure(QStringLiteral("not a picture that can be read"));
    // From the header alone, so that a picture import cannot take is never
    // decoded. A GIF's frames are drawn on its screen, and the decoded image
    // is the screen's size; Qt's reader gives the first frame's.
    const QSize size = bytes.startsWith("GIF8") && bytes.size() >= 10
                           ? QSize(qFromLittleEndian<quint16>(bytes.constData() + 6), qFromLittleEndian<quint16>(bytes.constData() + 8))
                           : reader.size();
    if (!size.isValid())
        return Failure(QStringLiteral("not a picture that can be read"));
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return Failure(QStringLiteral("the picture is %1 x %2 pixels, larger than the %3 x %3 that import takes")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(kMaxPictureSide));
    if (!FindLayout(size))
        return Failure(NoLayoutFor(size));
    // Should a decoder still make a larger image than its header said, it may
    // not set aside more than the largest picture import takes: 4070 x
    // 1100 pixels at 8 bytes a pixel (16-bit RGBA), 36 MB. The limit is Qt's,
    // for every reader, so it is put back.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(40);
    const QImage picture = reader.read();
    QImageReader::setAllocationLimit(limit);
    if (picture.isNull())
        return Failure(QStringLiteral("the picture's data cannot be decoded"));
    return ImportPicture(picture);
}

} // namespace tw::sheet
