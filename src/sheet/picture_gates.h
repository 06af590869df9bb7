#pragma once

// What import learns of a picture file from its bytes alone, before any Qt
// reader sees them: which format it is, and whether a decoder would spend
// far more than the picture's pixels need on it. Each check gives the reason
// it refuses the bytes, or none.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <variant>

namespace tw::sheet {

// What a PNG's text, colour profile and other kept chunks may hold in all,
// inflated. The project text of a sheet is a few hundred bytes.
inline constexpr qint64 kMaxPngMetadataBytes = qint64(1) << 20;

// The Qt reader of the format the bytes are in ("png", "gif", "bmp", "pbm",
// "pgm" or "ppm"), told by their first bytes; empty for any other.
QByteArray QtFormat(const QByteArray& bytes);

// What the bytes are when they are a kind import does not take, as "a JPEG
// picture", where their first bytes tell; empty where they do not.
QString RefusedKind(const QByteArray& bytes);

// A PNG's header chunk: what it says the image data must inflate to.
struct PngHeader {
    quint32 Width = 0, Height = 0;
    int Depth = 0, ColourType = 0, Interlace = 0;
};

// The PNG's header, once every chunk has been seen to fit in the file and
// the header to come first and be one a PNG can have.
std::variant<QString, PngHeader> ReadPngHeader(const QByteArray& bytes);

// Whether the PNG's image data inflates to more than its header's pixels
// need, or its metadata to more than kMaxPngMetadataBytes.
std::optional<QString> CheckPngData(const QByteArray& bytes, const PngHeader& header);

// Whether a GIF's first frame lies off its screen of `screen` pixels, or its
// LZW data is not valid or stands for more pixels than the frame has.
std::optional<QString> CheckGifFrame(const QByteArray& bytes, QSize screen);

// Whether a BMP's RLE data is longer than its `size` pixels can need.
std::optional<QString> CheckBmpData(const QByteArray& bytes, QSize size);

// Standard error and Qt's messages are kept quiet while one of these lives.
class QuietDecoding {
public:
    QuietDecoding();
    QuietDecoding(const QuietDecoding&) = delete;
    QuietDecoding& operator=(const QuietDecoding&) = delete;
    ~QuietDecoding();

private:
    QtMessageHandler handler_;
    int stderr_;
};

} // namespace tw::sheet
