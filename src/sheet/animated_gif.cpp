#include "sheet/animated_gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <unordered_map>

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

// A frame of the file: the part of a picture drawn over the frames before it.
struct GifFrame {
    const QImage* Picture;
    QRect Rect;
    int Delay;
};

int AppendToBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

QString GifReason(int error)
{
    const char* words = GifErrorString(error);
    QString reason = words ? QString::fromLatin1(words) : QStringLiteral("error %1").arg(error);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return QStringLiteral("cannot encode the GIF: %1").arg(reason);
}

// Encodes the frames with one colour table, `colours` the index of each.
storage::Outcome EncodeGif(QByteArray& bytes, QSize size, const std::vector<GifFrame>& frames,
                           const std::unordered_map<QRgb, int>& colours)
{
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToBytes, &error);
    if (!gif)
        return {false, GifReason(error)};
    // A colour table's size is a power of two, at least 2.
    ColorMapObject* map = GifMakeMapObject(1 << GifBitSize(std::max(2, int(colours.size()))), nullptr);
    bool ok = map != nullptr;
    if (!ok)
        gif->Error = E_GIF_ERR_NOT_ENOUGH_MEM;
    else
        for (const auto& [rgb, index] : colours)
            map->Colors[index] = {GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))};
    EGifSetGifVersion(gif, true); // for the delays and the loop
    ok = ok && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
    // The application extension that browsers and viewers read as "loop", with
    // a count of 0: for ever.
    static const char kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, int(sizeof kNetscape - 1), kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, int(sizeof kLoopForEver), kLoopForEver) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifPixelType> line;
    for (const GifFrame& frame : frames) {
        if (!ok)
            break;
        // Each frame stays under the next, which draws only what changed.
        const GraphicsControlBlock control{DISPOSE_DO_NOT, false, frame.Delay, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        const int length = int(EGifGCBToExtension(&control, extension));
        const QRect r = frame.Rect;
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_OK &&
             EGifPutImageDesc(gif, r.x(), r.y(), r.width(), r.height(), false, nullptr) == GIF_OK;
        line.resize(std::size_t(r.width()));
        QRgb last = frame.Picture->pixel(r.topLeft());
        int lastIndex = colours.at(last & RGB_MASK);
        for (int y = r.top(); ok && y <= r.bottom(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.Picture->constScanLine(y)) + r.x();
            for (int x = 0; x < r.width(); ++x) {
                if (!SamePixel(row[x], last))
                    last = row[x], lastIndex = colours.at(last & RGB_MASK);
                line[std::size_t(x)] = GifPixelType(lastIndex);
            }
            // EGifPutLine masks the line in place: it is ours to lose.
            ok = EGifPutLine(gif, line.data(), r.width()) == GIF_OK;
        }
    }
    if (!ok)
        error = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    // Closing writes the trailer, and frees the encoder whatever happened.
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok)
        ok = false, error = closeError;
    return ok ? storage::Outcome() : storage::Outcome(false, GifReason(error));
}

} // namespace

std::vector<qint64> GifDelays(const std::vector<qint64>& consoleFrames, int framesPerSecond)
{
    std::vector<qint64> delays;
    qint64 frames = 0, shown = 0; // console frames, and hundredths, so far
    for (const qint64 n : consoleFrames) {
        frames += n;
        // The exact end, frames * 100 / framesPerSecond, to the nearest hundredth.
        const qint64 end = (frames * 200 + framesPerSecond) / (2 * qint64(framesPerSecond));
        delays.push_back(end - shown);
        shown = end;
    }
    return delays;
}

storage::Outcome WriteAnimatedGif(const QString& path, const std::vector<GifPicture>& pictures, int framesPerSecond,
                                  const storage::MadeFrom& from)
{
    if (pictures.empty())
        return {false, QStringLiteral("there is no picture to write")};
    if (framesPerSecond <= 0)
        return {false, QStringLiteral("the frame rate %1 is not a positive number").arg(framesPerSecond)};
    const QSize size = pictures.front().Image.size();
    if (size.isEmpty() || size.width() > kMaxGifNumber || size.height() > kMaxGifNumber)
        return {false, QStringLiteral("a GIF cannot be %1 x %2 pixels").arg(size.width()).arg(size.height())};

    // Runs of the same picture become one, shown for the run's time.
    std::vector<QImage> shown;
    std::vector<qint64> consoleFrames;
    std::vector<QRect> changed;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (pictures[i].Image.size() != size)
            return {false, QStringLiteral("picture %1 is not %2 x %3 pixels as the first is").arg(i + 1).arg(size.width()).arg(size.height())};
        if (pictures[i].ConsoleFrames <= 0)
            return {false, QStringLiteral("picture %1 is shown for no console frame").arg(i + 1)};
        QImage image = pictures[i].Image.convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            return {false, QStringLiteral("not enough memory for picture %1").arg(i + 1)};
        const QRect rect = shown.empty() ? image.rect() : ChangedRect(shown.back(), image);
        if (rect.isEmpty()) {
            consoleFrames.back() += pictures[i].ConsoleFrames;
            continue;
        }
        shown.push_back(std::move(image));
        consoleFrames.push_back(pictures[i].ConsoleFrames);
        changed.push_back(rect);
    }

    // A time longer than a GIF's longest delay goes on in frames that draw
    // one pixel again.
    const std::vector<qint64> delays = GifDelays(consoleFrames, framesPerSecond);
    std::vector<GifFrame> frames;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        qint64 delay = delays[i];
        QRect rect = changed[i];
        do {
            const int part = int(std::min<qint64>(delay, kMaxGifNumber));
            frames.push_back({&shown[i], rect, part});
            delay -= part;
            rect = QRect(0, 0, 1, 1);
        } while (delay > 0);
    }

    // Only the colours drawn count: those of the first picture and of what
    // changed after it.
    std::unordered_map<QRgb, int> colours;
    for (const GifFrame& frame : frames)
        for (int y = frame.Rect.top(); y <= frame.Rect.bottom(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.Picture->constScanLine(y));
            for (int x = frame.Rect.left(); x <= frame.Rect.right(); ++x) {
                // Screens are runs of one colour: the table is asked once a run.
                if (x > frame.Rect.left() && SamePixel(row[x], row[x - 1]))
                    continue;
                if (colours.try_emplace(row[x] & RGB_MASK, int(colours.size())).second && colours.size() > kMaxGifColours)
                    return {false, QStringLiteral("the pictures have more than the %1 colours a GIF can show").arg(kMaxGifColours)};
            }
        }

    QByteArray bytes;
    const storage::Outcome encoded = EncodeGif(bytes, size, frames, colours);
    if (!encoded.Ok)
        return encoded;
    return storage::WriteFileAtomically(path, bytes, from);
}

} // namespace tw::sheet
