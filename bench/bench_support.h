#pragma once

// Shared by the start-up programs: the clock, peak memory, and the moment the
// first frame of the watched window is complete.

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <utility>

namespace tw::bench {

// CLOCK_MONOTONIC is one clock for the whole machine, so the launcher can take
// its reading before it starts a process and compare it with the child's.
inline long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

inline long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Processor time (user and system) used since the process started: unlike
// the wall clock it does not count the time spent waiting for a busy machine.
inline long long CpuMicros()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

// The window and everything in it.
inline int CountWidgets(const QWidget* window) { return int(window->findChildren<QWidget*>().size()) + 1; }

// The first frame is complete when the watched window's first expose event has
// been handled with the window exposed: Qt widgets paint the whole window
// (children included) into the backing store and flush it while they handle
// that event, so the end of QApplication::notify for it is the end of the
// frame. QGuiApplication::sync() then waits until the window system has taken
// the flushed pixels (a round trip under X11, nothing offscreen).
//
// With BENCH_GRAB=FILE in the environment the screen's copy of the window is
// saved at that moment, to check by eye that the frame really is complete.
class FirstFrameApplication final : public QApplication {
public:
    FirstFrameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // `onFrame` runs once, right after the first frame; it gets the time.
    // The window must not have been exposed yet.
    void Watch(QWidget* window, std::function<void(long long frameNs)> onFrame)
    {
        if (window->windowHandle() && window->windowHandle()->isExposed()) {
            std::fprintf(stderr, "the window was exposed before it was watched; no first frame to time\n");
            std::exit(4);
        }
        watched_ = window;
        onFrame_ = std::move(onFrame);
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (onFrame_ && event->type() == QEvent::Expose && watched_ && receiver == watched_->windowHandle() &&
            watched_->windowHandle()->isExposed()) {
            // Taken first: sync() handles the window system's events, and so
            // may come back here.
            const auto onFrame = std::exchange(onFrame_, nullptr);
            QGuiApplication::sync();
            const long long frameNs = MonotonicNs();
            Grab();
            onFrame(frameNs);
        }
        return handled;
    }

private:
    void Grab() const
    {
        const QString path = qEnvironmentVariable("BENCH_GRAB");
        if (path.isEmpty())
            return;
        const QPoint corner = watched_->geometry().topLeft();
        watched_->screen()
            ->grabWindow(0, corner.x(), corner.y(), watched_->width(), watched_->height())
            .save(path);
    }

    QWidget* watched_ = nullptr;
    std::function<void(long long)> onFrame_;
};

// What the launcher reads from a start-up program's standard output.
inline void ReportFrame(long long frameNs, int widgets)
{
    std::printf("frame_ns=%lld cpu_us=%lld rss_kb=%ld widgets=%d\n", frameNs, CpuMicros(), PeakRssKb(), widgets);
    std::fflush(stdout);
}

} // namespace tw::bench
