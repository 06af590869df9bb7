#include "sheet/picture_gates.h"

#include <QByteArrayList>
#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <utility>
#include <zlib.h>
#include <fcntl.h>
#include <unistd.h>

namespace tw::sheet {

// The formats import decodes, told by their first bytes and handed to the
// one Qt reader that is theirs: no other reader (ICO hands an entry that is a
// PNG to libpng without the checks below) ever sees the bytes. These are what
// paint programs save pixel art as; nothing else is needed for sprites.
QByteArray QtFormat(const QByteArray& bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.size() >= 2 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6')
        return bytes[1] == '1' || bytes[1] == '4' ? "pbm" : bytes[1] == '2' || bytes[1] == '5' ? "pgm" : "ppm";
    return {};
}

// What a file import does not take is, where its first bytes tell, so that
// the refusal can say more than "not a picture".
QString RefusedKind(const QByteArray& bytes)
{
    const QByteArray text = bytes.left(512).trimmed();
    const struct {
        bool Is;
        const char* Name;
    } kKinds[] = {
        {bytes.startsWith(QByteArray("\0\0\1\0", 4)), "an ICO icon"},
        {bytes.startsWith(QByteArray("\0\0\2\0", 4)), "a CUR cursor"},
        {bytes.startsWith("\xff\xd8\xff"), "a JPEG picture"},
        {bytes.startsWith("II*") || bytes.startsWith(QByteArray("MM\0*", 4)), "a TIFF picture"},
        {bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP", "a WebP picture"},
        {bytes.mid(4, 8) == "ftypavif" || bytes.mid(4, 8) == "ftypheic", "an AVIF or HEIF picture"},
        {bytes.startsWith(QByteArray("\0\0\0\x0cjP  ", 8)) || bytes.startsWith("\xff\x4f\xff\x51"), "a JPEG 2000 picture"},
        {bytes.startsWith("P7"), "a PAM picture"},
        {bytes.startsWith("8BPS"), "a Photoshop file"},
        {bytes.startsWith("icns"), "an ICNS icon"},
        {bytes.startsWith("qoif"), "a QOI picture"},
        {text.startsWith("/* XPM */"), "an XPM picture"},
        {text.startsWith("#define"), "an XBM picture"},
        {text.startsWith('<') && text.contains("<svg"), "an SVG drawing"},
    };
    for (const auto& kind : kKinds)
        if (kind.Is)
            return QString::fromLatin1(kind.Name);
    return {};
}

namespace {

// The bytes the inflated image data of such a PNG has, no more and no less:
// a filter byte and the packed pixels of every row, of every Adam7 pass when
// interlaced. Its sides are at most kMaxPictureSide when this is asked.
qint64 ImageDataBytes(const PngHeader& header)
{
    static constexpr int kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    const qint64 bits = qint64(kChannels[header.ColourType]) * header.Depth;
    const auto rows = [&](qint64 width, qint64 height) { return width > 0 && height > 0 ? height * (1 + (width * bits + 7) / 8) : 0; };
    if (header.Interlace == 0)
        return rows(header.Width, header.Height);
    // Pass by pass: the first column and row it takes, and the step to the next.
    static constexpr int kPasses[7][4] = {{0, 8, 0, 8}, {4, 8, 0, 8}, {0, 4, 4, 8}, {2, 4, 0, 4},
                                          {0, 2, 2, 4}, {1, 2, 0, 2}, {0, 1, 1, 2}};
    qint64 total = 0;
    for (const auto& [x, dx, y, dy] : kPasses)
        total += rows((qint64(header.Width) - x + dx - 1) / dx, (qint64(header.Height) - y + dy - 1) / dy);
    return total;
}

// Calls visit(type, data, offset) for each chunk up to IEND, once each has
// been seen to fit in what the file has left: libpng sets aside what a
// chunk's length claims before it reads the chunk, and a 96-byte file whose
// text chunk claims 2 GiB would cost 2 GiB before it failed.
template <typename Visit>
std::optional<QString> WalkPngChunks(const QByteArray& bytes, Visit visit)
{
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
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
        if (std::optional<QString> refused = visit(type, QByteArrayView(bytes.constData() + at + 8, length), at))
            return refused;
        if (type == "IEND")
            break;
        at += 12 + qsizetype(length);
    }
    return std::nullopt;
}

} // namespace

// The chunks' bounds, and the header, which must come first and be one that
// a PNG can have.
std::variant<QString, PngHeader> ReadPngHeader(const QByteArray& bytes)
{
    PngHeader header;
    bool first = true;
    const std::optional<QString> refused = WalkPngChunks(bytes, [&](const QByteArray& type, QByteArrayView data, qsizetype) -> std::optional<QString> {
        if (!std::exchange(first, false))
            return std::nullopt;
        if (type != "IHDR" || data.size() != 13)
            return QStringLiteral("the PNG does not start with its 13-byte IHDR header chunk");
        const uchar* h = reinterpret_cast<const uchar*>(data.data());
        header = {qFromBigEndian<quint32>(h), qFromBigEndian<quint32>(h + 4), h[8], h[9], h[12]};
        // The bit depths each colour type allows: bit n for a depth of 2^n.
        static constexpr unsigned kDepths[] = {0b11111, 0, 0b11000, 0b01111, 0b11000, 0, 0b11000};
        const bool powerOfTwo = header.Depth > 0 && header.Depth <= 16 && std::has_single_bit(unsigned(header.Depth));
        if (header.ColourType > 6 || !powerOfTwo || !(kDepths[header.ColourType] >> std::countr_zero(unsigned(header.Depth)) & 1) ||
            h[10] != 0 || h[11] != 0 || header.Interlace > 1)
            return QStringLiteral("the PNG header's bit depth %1, colour type %2, compression %3, filter %4 and interlace "
                                  "%5 are not those of a PNG")
                .arg(h[8])
                .arg(h[9])
                .arg(h[10])
                .arg(h[11])
                .arg(h[12]);
        return std::nullopt;
    });
    if (refused)
        return *refused;
    if (first)
        return QStringLiteral("the PNG ends before its header chunk");
    return header;
}

namespace {

// A zlib stream inflated a piece at a time into a fixed buffer, counting
// what it gives and keeping none of it.
class InflateCount {
public:
    InflateCount() : made_(inflateInit(&stream_) == Z_OK), ready_(made_) {}
    InflateCount(const InflateCount&) = delete;
    InflateCount& operator=(const InflateCount&) = delete;
    ~InflateCount()
    {
        if (made_)
            inflateEnd(&stream_);
    }

    // Goes on with `data`, and stops at the first byte past `limit` or at
    // the stream's end: the bytes inflated so far. A stream that zlib cannot
    // inflate is left at what it gave, which is all that libpng gets out of
    // it before refusing it too.
    qint64 Feed(QByteArrayView data, qint64 limit)
    {
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        stream_.avail_in = uInt(data.size());
        while (ready_ && total_ <= limit) {
            stream_.next_out = buffer_.data();
            stream_.avail_out = uInt(std::min<qint64>(buffer_.size(), limit + 1 - total_));
            const uInt room = stream_.avail_out;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            total_ += room - stream_.avail_out;
            if (status != Z_OK && status != Z_BUF_ERROR)
                ready_ = false;
            else if (stream_.avail_out > 0)
                break; // it wants more
        }
        return total_;
    }

private:
    z_stream stream_{};
    const bool made_;
    bool ready_; // until its end or damage
    qint64 total_ = 0;
    std::array<Bytef, 1 << 16> buffer_;
};

// Where the compressed part of a chunk that holds one starts: zTXt and iCCP
// after their name, iTXt after its name, language and translated keyword
// when its flag says compressed. None for the others, or one too short to say.
std::optional<qsizetype> CompressedPart(const QByteArray& type, QByteArrayView data)
{
    const qsizetype name = data.indexOf('\0');
    if (name < 0)
        return std::nullopt;
    if (type == "zTXt" || type == "iCCP")
        return name + 2;
    if (type != "iTXt" || name + 2 >= data.size() || data[name + 1] != 1)
        return std::nullopt;
    const qsizetype language = data.indexOf('\0', name + 3);
    const qsizetype keyword = language < 0 ? -1 : data.indexOf('\0', language + 1);
    return keyword < 0 ? std::nullopt : std::optional(keyword + 1);
}

} // namespace

// Past its header, a PNG's image data must inflate to what the header's
// pixels need and not a byte more: libpng inflates all of it to find the
// stream's end, at 2 s of processor time per MB of zeros. The chunks that
// libpng keeps for Qt (text, the colour profile, suggested palettes, Exif)
// hold at most kMaxPngMetadataBytes in all, inflated: a project's text is a
// few hundred bytes, and libpng would inflate 8 MB for each of a thousand.
std::optional<QString> CheckPngData(const QByteArray& bytes, const PngHeader& header)
{
    const qint64 needed = ImageDataBytes(header);
    InflateCount image;
    qint64 metadata = 0;
    return WalkPngChunks(bytes, [&](const QByteArray& type, QByteArrayView data, qsizetype at) -> std::optional<QString> {
        if (type == "IDAT") {
            if (image.Feed(data, needed) <= needed)
                return std::nullopt;
            return QStringLiteral("the PNG's image data inflates to more than the %1 bytes its %2 x %3 pixels need (in the "
                                  "IDAT chunk at byte %4)")
                .arg(needed)
                .arg(header.Width)
                .arg(header.Height)
                .arg(at);
        }
        static const QByteArrayList kKept = {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "eXIf"};
        if (!kKept.contains(type))
            return std::nullopt;
        metadata += data.size();
        if (const std::optional<qsizetype> part = CompressedPart(type, data); part && *part <= data.size() && metadata <= kMaxPngMetadataBytes)
            metadata += InflateCount().Feed(data.sliced(*part), kMaxPngMetadataBytes - metadata);
        if (metadata <= kMaxPngMetadataBytes)
            return std::nullopt;
        return QStringLiteral("the PNG's text, colour profile and other metadata come to more than the %1 MiB that import "
                              "reads (at the %2 chunk at byte %3)")
            .arg(kMaxPngMetadataBytes >> 20)
            .arg(QString::fromLatin1(type))
            .arg(at);
    });
}

namespace {

// A GIF's bytes as its decoder reads them: -1 past the end.
struct GifBytes {
    const QByteArray& Bytes;
    int Byte(qsizetype at) const { return at < Bytes.size() ? int(uchar(Bytes[at])) : -1; }
    int Word(qsizetype at) const { return Byte(at) + 256 * Byte(at + 1); }
};

// The bytes of the colour table that a descriptor's flags announce.
int ColourTableBytes(int flags) { return flags & 0x80 ? 3 * (2 << (flags & 7)) : 0; }

// The LZW data of a frame of `frame` pixels, from its byte of root bits at
// `at`: whether it is not valid, stands for more pixels than the frame has,
// or goes on long past its end code.
std::optional<QString> CheckLzw(GifBytes gif, qsizetype at, QSize frame)
{
    const int rootBits = gif.Byte(at++);
    if (rootBits < 0 || rootBits > 11)
        return rootBits < 0 ? std::nullopt : std::optional(QStringLiteral("the GIF's first frame has LZW codes of %1 bits").arg(rootBits + 1));
    const int clear = 1 << rootBits, end = clear + 1;
    const qint64 pixels = qint64(frame.width()) * frame.height();
    std::array<qint64, 4096> length; // the pixels each code stands for
    length.fill(1);
    int codeBits = rootBits + 1, next = clear + 2, previous = -1;
    qint64 given = 0, bits = 0, held = 0, pastEnd = -1;
    const auto invalid = [&](int code) { return QStringLiteral("the GIF's first frame is not valid LZW data: code %1 at byte %2").arg(code).arg(at); };
    for (; gif.Byte(at) > 0; ++at)
        for (const qsizetype blockEnd = at + gif.Byte(at); at < blockEnd;) {
            if (gif.Byte(++at) < 0)
                return std::nullopt;
            if (pastEnd >= 0) {
                if (++pastEnd >= 4096)
                    return QStringLiteral("the GIF's first frame goes on for 4 KiB past its end code");
                continue;
            }
            held |= qint64(gif.Byte(at)) << bits, bits += 8;
            while (pastEnd < 0 && bits >= codeBits) {
                const int code = int(held & ((1 << codeBits) - 1));
                held >>= codeBits, bits -= codeBits;
                if (code == clear) {
                    if (previous >= 0)
                        codeBits = rootBits + 1, next = clear + 2;
                    previous = -1;
                    continue;
                }
                if (code == end) {
                    pastEnd = 0;
                    continue;
                }
                if (previous < 0 ? code >= clear : code > next)
                    return invalid(code);
                given += code == next ? length[previous] + 1 : length[code];
                if (previous >= 0 && next < 4096) {
                    length[next] = length[previous] + 1;
                    if (++next >= 1 << codeBits && codeBits < 12)
                        ++codeBits;
                }
                previous = code;
                if (given > pixels)
                    return QStringLiteral("the GIF's first frame's data stands for more than the %1 pixels of its %2 x %3 frame")
                        .arg(pixels)
                        .arg(frame.width())
                        .arg(frame.height());
            }
        }
    return std::nullopt;
}

} // namespace

// Qt's GIF reader follows every LZW code of the first frame to the pixels
// it stands for, also past the frame's end: 30 MB of codes that stand for
// 4,000 pixels each keep it busy for minutes. So the first frame must lie on
// the screen, and its codes stand for no more pixels than it has, counted as
// the reader reads them: a code's length is its prefix's and one more. A
// valid LZW stream names no entry that is not there yet, and a frame's data
// ends soon after its end code (the reader goes on reading codes 4 KiB later).
std::optional<QString> CheckGifFrame(const QByteArray& bytes, QSize screen)
{
    const GifBytes gif{bytes};
    qsizetype at = 13 + ColourTableBytes(gif.Byte(10));
    for (; gif.Byte(at) == '!'; ++at) // extensions, each a label and blocks
        for (at += 2; gif.Byte(at) > 0; at += 1 + gif.Byte(at)) {}
    if (gif.Byte(at) != ',' || gif.Byte(at + 10) < 0)
        return std::nullopt; // no frame: the reader decodes none either
    const QRect frame(gif.Word(at + 1), gif.Word(at + 3), gif.Word(at + 5), gif.Word(at + 7));
    if (!QRect(QPoint(), screen).contains(frame) && !frame.isEmpty())
        return QStringLiteral("the GIF's first frame (%1 x %2 pixels at %3,%4) does not lie on its %5 x %6 screen")
            .arg(frame.width())
            .arg(frame.height())
            .arg(frame.x())
            .arg(frame.y())
            .arg(screen.width())
            .arg(screen.height());
    return CheckLzw(gif, at + 10 + ColourTableBytes(gif.Byte(at + 9)), frame.size());
}

// Qt's BMP reader reads an RLE picture a byte at a time to its end, however
// little of it lands on the picture: 26 MiB of runs or moves cost it a
// second. Written as runs and stretches of pixels, an RLE picture needs at
// most two bytes a pixel (a run of one), and two for the end of each row
// and of the picture. Moves that skip pixels one at a time could need more;
// no encoder writes them, and they are refused with the rest.
std::optional<QString> CheckBmpData(const QByteArray& bytes, QSize size)
{
    if (bytes.size() < 34 || qFromLittleEndian<quint32>(bytes.constData() + 14) < 40)
        return std::nullopt; // a header without compression
    const quint32 compression = qFromLittleEndian<quint32>(bytes.constData() + 30);
    const qint64 data = bytes.size() - qint64(qFromLittleEndian<quint32>(bytes.constData() + 10));
    const qint64 most = 2 * (qint64(size.width()) * size.height() + size.height() + 1);
    if ((compression != 1 && compression != 2) || data <= most)
        return std::nullopt;
    return QStringLiteral("the BMP's RLE data is %1 bytes, more than the %2 that its %3 x %4 pixels can need")
        .arg(data)
        .arg(most)
        .arg(size.width())
        .arg(size.height());
}

// libpng reports a damaged picture on standard error by itself (Qt leaves its
// default error handler in place) and Qt adds lines of its own; the reason
// import gives is the whole story, so both are kept quiet while it decodes.
QuietDecoding::QuietDecoding()
    : handler_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})),
      stderr_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
{
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0 && stderr_ >= 0)
        ::dup2(null, STDERR_FILENO);
    if (null >= 0)
        ::close(null);
}

QuietDecoding::~QuietDecoding()
{
    if (stderr_ >= 0)
        ::dup2(stderr_, STDERR_FILENO), ::close(stderr_);
    qInstallMessageHandler(handler_);
}

} // namespace tw::sheet
