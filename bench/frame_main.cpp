// bench_floor and bench_probe, this file built twice (BENCH_PROBE picks the window). Right after the
// window's first frame each prints the CLOCK_MONOTONIC time, its processor time, peak memory and widget
// count for bench_launch, and quits.
//   bench_floor: the least a Qt Widgets window of the editor's size costs, a QMainWindow with a two-entry
//                menu bar and one label fixed to the editor's client size;
//   bench_probe: the editor started through StartEditor as app/main.cpp starts it, the welcome box
//                answered by ScriptedDialogs.
#include <QApplication>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>

#ifdef BENCH_PROBE
#include "scripted_dialogs.h"
#include "ui/editor_startup.h"
#else
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include "ui/frm_tilewright.h"
#endif

namespace {

// The first frame is complete once the window's first expose event, with the window exposed, has been
// handled: Qt Widgets paint the whole window, children included, into the backing store and flush it
// while they handle it. sync() then waits until the window system has taken the pixels.
class FirstFrameApplication final : public QApplication {
public:
    using QApplication::QApplication;
    QWidget* Watched = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (Watched && event->type() == QEvent::Expose && receiver == Watched->windowHandle() &&
            Watched->windowHandle()->isExposed()) {
            QWidget* window = std::exchange(Watched, nullptr); // sync() may come back here
            QGuiApplication::sync();
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("frame_ns=%lld cpu_us=%lld rss_kb=%ld widgets=%lld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec,
                        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL + usage.ru_utime.tv_usec +
                            usage.ru_stime.tv_usec,
                        usage.ru_maxrss, window->findChildren<QWidget*>().size() + 1LL);
            std::fflush(stdout);
            quit();
        }
        return handled;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    FirstFrameApplication app(argc, argv);
#ifdef BENCH_PROBE
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));
    tw::bench::ScriptedDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
#else
    const auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Floor"));
    window->menuBar()->addMenu(QStringLiteral("File"));
    window->menuBar()->addAction(QStringLiteral("Help"));
    auto* label = new QLabel(QStringLiteral("Floor"), window.get());
    label->setFixedSize(tw::ui::frmTilewright::kClientSize);
    window->setCentralWidget(label);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->show();
#endif
    // Shown, but the platform exposes the window only once the event loop runs.
    if (window->windowHandle()->isExposed())
        return 4;
    app.Watched = window.get();
    const int status = QApplication::exec();
#ifdef BENCH_PROBE
    if (dialogs.Messages != 1) // the welcome box, answered
        return 3;
#endif
    return status;
}
