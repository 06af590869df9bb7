#include "sheet/screen_picture.h"

#include <QBuffer>

#include <algorithm>

#include "sheet/animated_gif.h"

namespace tw::sheet {

QImage ScreenImage(const ConsoleScreen& screen, const ScreenScale& scale)
{
    QImage image;
    DrawScreenImage(screen, scale, image);
    return image;
}

void DrawScreenImage(const ConsoleScreen& screen, const ScreenScale& scale, QImage& image)
{
    // Fresh memory for a picture of megabytes can cost milliseconds of page
    // faults, each time: a view redrawn at every console frame keeps its own.
    if (image.size() != QSize(scale.Width(), scale.Height()) || image.format() != QImage::Format_RGB32)
        image = QImage(scale.Width(), scale.Height(), QImage::Format_RGB32);
    if (image.isNull())
        return;
    for (int line = 0; line < kScreenLines; ++line) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(line * scale.Scale));
        for (int x = 0; x < kScreenWidth; ++x) {
            const Rgb rgb = screen.At(x, line);
            std::fill(row + scale.ColumnStart(x), row + scale.ColumnStart(x + 1), qRgb(rgb.red, rgb.green, rgb.blue));
        }
        // The line's other rows are copies of its first.
        for (int copy = 1; copy < scale.Scale; ++copy)
            std::copy(row, row + image.width(), reinterpret_cast<QRgb*>(image.scanLine(line * scale.Scale + copy)));
    }
}

storage::Outcome WriteScreenPicture(const QString& path, const ConsoleScreen& screen, const ScreenScale& scale,
                                    const storage::MadeFrom& from)
{
    const QImage image = ScreenImage(screen, scale);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {false, QStringLiteral("cannot draw the screen at scale %1").arg(scale.Scale)};
    return storage::WriteFileAtomically(path, png, from);
}

storage::Outcome WriteScreenAnimation(const QString& path, const ScreenAnimation& animation, const ScreenScale& scale,
                                      const storage::MadeFrom& from)
{
    if (animation.ConsoleFrames < 1 || !animation.ScreenAt)
        return {false, QStringLiteral("an animation of %1 console frames is no animation").arg(animation.ConsoleFrames)};
    // A screen has the colours of its model's eight codes; an onion skin's
    // faint colours belong to the editor at rest, never to an animation.
    std::vector<QRgb> colours;
    for (std::uint8_t code = 0; code < kColorCodes; ++code) {
        const Rgb rgb = ConsoleRgb(code, animation.Colours);
        colours.push_back(qRgb(rgb.red, rgb.green, rgb.blue));
    }
    AnimatedGifWriter gif(QSize(scale.Width(), scale.Height()), colours, animation.FramesPerSecond);
    // Most console frames show the screen the one before did: compared as
    // screens, they are never drawn as pictures, only counted.
    ConsoleScreen shown = animation.ScreenAt(0);
    qint64 repeats = 1;
    QImage image;
    const auto add = [&] {
        DrawScreenImage(shown, scale, image);
        image = gif.Add(std::move(image), repeats);
    };
    for (long long frame = 1; frame < animation.ConsoleFrames && gif.Status().Ok; ++frame) {
        ConsoleScreen screen = animation.ScreenAt(frame);
        if (screen == shown) {
            ++repeats;
            continue;
        }
        add();
        shown = std::move(screen);
        repeats = 1;
    }
    add();
    return gif.Finish(path, from);
}

} // namespace tw::sheet
