#include "ui/playback_clock.h"

#include <QTimer>

namespace tw::ui {

PlaybackClock::PlaybackClock(QObject* parent) : QObject(parent), ticker_(new QTimer(this))
{
    // Ticks far more often than frames fall due, so that a frame shows
    // within about a millisecond of its time.
    ticker_->setTimerType(Qt::PreciseTimer);
    ticker_->setInterval(2);
    connect(ticker_, &QTimer::timeout, this, &PlaybackClock::Tick);
}

void PlaybackClock::Play(int framesPerSecond)
{
    rate_ = framesPerSecond;
    due_ = 0;
    played_.start();
    ticker_->start();
    Q_EMIT FrameDue(0);
}

void PlaybackClock::Stop()
{
    if (!due_)
        return;
    ticker_->stop();
    due_.reset();
    Q_EMIT Stopped();
}

void PlaybackClock::Tick()
{
    const long long t = played_.nsecsElapsed() * rate_ / 1'000'000'000;
    if (t == due_)
        return;
    due_ = t;
    Q_EMIT FrameDue(t);
}

} // namespace tw::ui
