// bench_shapes RUNS: a 64 KiB binary opened in the Import Shapes window, offscreen.
//
// The binary is random bytes in a file of its own. RUNS times each: a new window over the editor's document,
// the binary read and its first 256 shapes drawn (ShapesWindow::Open), the window shown and its first frame
// painted (the events up to the grid's first paint handled); then the offset moved by a byte, as Right does,
// and the grid repainted (QWidget::repaint, which paints and flushes at once). Before timing it checks that
// the grid shows the binary's first shape. Prints the medians open_ns, shown_ns (the two together) and
// move_ns, and the binary's size as bytes=N.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "document/project_document.h"
#include "sheet/shapes_picture.h"
#include "ui/shapes_window.h"

namespace {

void Require(bool holds, const char* otherwise)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_shapes: %s\n", otherwise);
    std::exit(1);
}

long long Median(std::vector<long long> times)
{
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// Sets `painted` once the watched widget has had a paint event.
class PaintWatch final : public QObject {
public:
    bool Painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        Painted = Painted || event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc == 2 ? std::atoi(argv[1]) : 0;
    Require(runs > 0, "usage: bench_shapes RUNS");
    QTemporaryDir dir;
    QByteArray bytes(64 * 1024, 0);
    std::mt19937 random(2001);
    for (char& byte : bytes)
        byte = char(random());
    const QString path = dir.filePath(QStringLiteral("dump.bin"));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write the binary");
    file.close();

    tw::document::ProjectDocument document;
    std::vector<long long> opened, shown, moved;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        PaintWatch watch;
        timer.start();
        tw::ui::ShapesWindow window(document, nullptr);
        window.Grid()->installEventFilter(&watch);
        Require(window.Open(path).Ok, "cannot open the binary");
        opened.push_back(timer.nsecsElapsed());
        window.show();
        while (!watch.Painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        shown.push_back(timer.nsecsElapsed());
        if (run == 0) {
            const QImage grid = window.Grid()->grab().toImage();
            const int z = tw::ui::ShapesWindow::kZoom;
            for (int c = 0; c < 8; ++c)
                Require((grid.pixel(z * (1 + c) + 1, z + 1) == tw::sheet::kShapeSet) == bool(std::uint8_t(bytes[0]) & (0x80 >> c)),
                        "the grid does not show the first shape");
        }
        timer.start();
        window.SetOffset(window.Offset() + 1);
        window.Grid()->repaint();
        moved.push_back(timer.nsecsElapsed());
    }
    std::printf("bytes=%lld\nopen_ns=%lld\nshown_ns=%lld\nmove_ns=%lld\n", static_cast<long long>(bytes.size()), Median(opened),
                Median(shown), Median(moved));
    return 0;
}
