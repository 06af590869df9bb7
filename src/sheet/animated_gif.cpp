#include "sheet/animated_gif.h"

#include <QColor>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace tw::sheet {

namespace {

// A GIF's sizes and delays are 16-bit numbers.
constexpr int kMaxGifNumber = 0xFFFF;
constexpr int kMaxGifColours = 256;

bool SamePixel(QRgb a, QRgb b) { return ((a ^ b) & RGB_MASK) == 0; }

// The smallest rectangle outside which `before` and `after` (of one size,
// Format_RGB32) are the same; empty when they are the same everywhere.
QRect ChangedRect(const QImage& before, const QImage& after)
{
    const int width = after.width();
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        // Most lines of a picture are those of the one before, byte for byte.
        if (std::memcmp(a, b, std::size_t(width) * sizeof(QRgb)) == 0)
            continue;
        int first = 0;
        while (first < width && SamePixel(a[first], b[first]))
            ++first;
        if (first == width)
            continue;
        int last = width - 1;
        while (SamePixel(a[last], b[last]))
            --last;
        top = top < 0 ? y : top;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int AppendToBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

storage::Outcome GifFailure(int error)
{
    const char* words = GifErrorString(error);
    QString reason = words ? QString::fromLatin1(words) : QStringLiteral("error %1").arg(error);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return {false, QStringLiteral("cannot encode the GIF: %1").arg(reason)};
}

// The application extension that browsers and viewers read as "loop", with
// a count of 0: for ever.
bool PutLoopForEver(GifFileType* gif)
{
    static const char kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, int(sizeof kNetscape - 1), kNetscape) == GIF_OK &&
           EGifPutExtensionBlock(gif, int(sizeof kLoopForEver), kLoopForEver) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

} // namespace

qint64 GifClock::Delay(qint64 consoleFrames)
{
    frames_ += consoleFrames;
    // The exact end, frames * 100 / rate, to the nearest hundredth.
    const qint64 end = (frames_ * 200 + rate_) / (2 * rate_);
    return end - std::exchange(shown_, end);
}

struct AnimatedGifWriter::Encoder {
    Encoder(QSize size, int framesPerSecond) : Size(size), Clock(std::max(1, framesPerSecond)) {}
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder()
    {
        if (Gif)
            EGifCloseFile(Gif, nullptr);
    }

    storage::Outcome Start(const std::vector<QRgb>& colours, int framesPerSecond);
    storage::Outcome Take(QImage& picture, qint64 consoleFrames, int number);
    storage::Outcome PutWaiting();
    storage::Outcome PutFrame(QRect rect, int delay);

    const QSize Size;
    GifClock Clock;
    GifFileType* Gif = nullptr;
    QByteArray Bytes; // the GIF so far
    std::unordered_map<QRgb, GifPixelType> Index; // of each colour in the table
    std::vector<GifPixelType> Line;
    storage::Outcome Status;
    int Added = 0; // pictures

    // The frame that waits for its time, which ends only where a picture
    // that differs from it comes: the last picture, what of it changed, and
    // how long it shows.
    struct Waiting {
        QImage Picture;
        QRect Rect;
        qint64 ConsoleFrames = 0;
        int Number = 0; // of its picture, from 1; 0 when none waits
    } Waits;
};

storage::Outcome AnimatedGifWriter::Encoder::Start(const std::vector<QRgb>& colours, int framesPerSecond)
{
    if (framesPerSecond <= 0)
        return {false, QStringLiteral("the frame rate %1 is not a positive number").arg(framesPerSecond)};
    if (Size.isEmpty() || Size.width() > kMaxGifNumber || Size.height() > kMaxGifNumber)
        return {false, QStringLiteral("a GIF cannot be %1 x %2 pixels").arg(Size.width()).arg(Size.height())};
    for (const QRgb rgb : colours)
        Index.try_emplace(rgb & RGB_MASK, GifPixelType(Index.size()));
    if (Index.empty() || Index.size() > kMaxGifColours)
        return {false, QStringLiteral("a GIF has 1 to %1 colours, not %2").arg(kMaxGifColours).arg(Index.size())};
    int error = 0;
    Gif = EGifOpen(&Bytes, AppendToBytes, &error);
    if (!Gif)
        return GifFailure(error);
    // A colour table's size is a power of two, at least 2; the colours past
    // those given are black.
    ColorMapObject* map = GifMakeMapObject(1 << GifBitSize(std::max(2, int(Index.size()))), nullptr);
    if (!map)
        return GifFailure(E_GIF_ERR_NOT_ENOUGH_MEM);
    for (const auto& [rgb, index] : Index)
        map->Colors[index] = {GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))};
    EGifSetGifVersion(Gif, true); // for the delays and the loop
    const bool ok = EGifPutScreenDesc(Gif, Size.width(), Size.height(), 8, 0, map) == GIF_OK && PutLoopForEver(Gif);
    GifFreeMapObject(map);
    return ok ? storage::Outcome() : GifFailure(Gif->Error);
}

storage::Outcome AnimatedGifWriter::Encoder::Take(QImage& picture, qint64 consoleFrames, int number)
{
    if (consoleFrames <= 0)
        return {false, QStringLiteral("picture %1 is shown for no console frame").arg(number)};
    if (picture.size() != Size)
        return {false, QStringLiteral("picture %1 is %2 x %3 pixels, not the GIF's %4 x %5")
                           .arg(number)
                           .arg(picture.width())
                           .arg(picture.height())
                           .arg(Size.width())
                           .arg(Size.height())};
    picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return {false, QStringLiteral("not enough memory for picture %1").arg(number)};
    const QRect rect = Waits.Number == 0 ? picture.rect() : ChangedRect(Waits.Picture, picture);
    if (rect.isEmpty()) {
        Waits.ConsoleFrames += consoleFrames;
        return {};
    }
    if (Waits.Number != 0) {
        if (storage::Outcome put = PutWaiting(); !put.Ok)
            return put;
    }
    std::swap(Waits.Picture, picture);
    Waits.Rect = rect, Waits.ConsoleFrames = consoleFrames, Waits.Number = number;
    return {};
}

// A time longer than a GIF's longest delay goes on in frames that draw one
// pixel again.
storage::Outcome AnimatedGifWriter::Encoder::PutWaiting()
{
    qint64 delay = Clock.Delay(Waits.ConsoleFrames);
    QRect rect = Waits.Rect;
    do {
        const int part = int(std::min<qint64>(delay, kMaxGifNumber));
        if (storage::Outcome put = PutFrame(rect, part); !put.Ok)
            return put;
        delay -= part;
        rect = QRect(0, 0, 1, 1);
    } while (delay > 0);
    return {};
}

// Encodes the rectangle of the waiting picture as a frame of its own.
storage::Outcome AnimatedGifWriter::Encoder::PutFrame(QRect rect, int delay)
{
    // Each frame stays under the next, which draws only what changed.
    const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const int length = int(EGifGCBToExtension(&control, extension));
    if (EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, length, extension) != GIF_OK ||
        EGifPutImageDesc(Gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr) != GIF_OK)
        return GifFailure(Gif->Error);
    Line.resize(std::size_t(rect.width()));
    // Screens are runs of one colour: the table is asked once a run.
    QRgb last = ~Waits.Picture.pixel(rect.topLeft());
    auto index = Index.end();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(Waits.Picture.constScanLine(y)) + rect.x();
        for (int x = 0; x < rect.width(); ++x) {
            if (!SamePixel(row[x], last) && (index = Index.find((last = row[x]) & RGB_MASK)) == Index.end())
                return {false, QStringLiteral("picture %1 has the colour %2, which is not one of the GIF's %3")
                                   .arg(Waits.Number)
                                   .arg(QColor(last).name())
                                   .arg(Index.size())};
            Line[std::size_t(x)] = index->second;
        }
        // EGifPutLine masks the line in place: it is ours to lose.
        if (EGifPutLine(Gif, Line.data(), rect.width()) != GIF_OK)
            return GifFailure(Gif->Error);
    }
    return {};
}

AnimatedGifWriter::AnimatedGifWriter(QSize size, const std::vector<QRgb>& colours, int framesPerSecond)
    : encoder_(std::make_unique<Encoder>(size, framesPerSecond))
{
    encoder_->Status = encoder_->Start(colours, framesPerSecond);
}

AnimatedGifWriter::~AnimatedGifWriter() = default;

QImage AnimatedGifWriter::Add(QImage picture, qint64 consoleFrames)
{
    Encoder& e = *encoder_;
    const int number = ++e.Added;
    if (e.Status.Ok)
        e.Status = e.Take(picture, consoleFrames, number);
    return picture;
}

const storage::Outcome& AnimatedGifWriter::Status() const { return encoder_->Status; }

storage::Outcome AnimatedGifWriter::Finish(const QString& path, const storage::MadeFrom& from)
{
    Encoder& e = *encoder_;
    if (e.Status.Ok && !e.Gif)
        e.Status = {false, QStringLiteral("the GIF is finished already")};
    if (e.Status.Ok && e.Waits.Number == 0)
        e.Status = {false, QStringLiteral("there is no picture to write")};
    if (e.Status.Ok)
        e.Status = e.PutWaiting();
    e.Waits = {};
    // Closing writes the trailer, and frees the encoder whatever happened.
    int error = 0;
    if (e.Gif && EGifCloseFile(std::exchange(e.Gif, nullptr), &error) != GIF_OK && e.Status.Ok)
        e.Status = GifFailure(error);
    if (!e.Status.Ok)
        return e.Status;
    const storage::Outcome written = storage::WriteFileAtomically(path, e.Bytes, from);
    e.Bytes = QByteArray();
    e.Status = {false, QStringLiteral("the GIF is finished already")};
    return written;
}

} // namespace tw::sheet
