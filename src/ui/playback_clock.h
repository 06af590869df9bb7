#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <optional>

class QTimer;

namespace tw::ui {

// The clock of playback, apart from every widget: it says which console
// frame is due, from the time played, not from counted ticks, so that a late
// tick shows the frame that is due and never an old one.
class PlaybackClock final : public QObject {
    Q_OBJECT

public:
    explicit PlaybackClock(QObject* parent);

    // From console frame 0, at `framesPerSecond` (which the TV gives).
    void Play(int framesPerSecond);
    void Stop();
    // The TV changed while playing: the time played counts at the new rate.
    void SetFrameRate(int framesPerSecond) { rate_ = framesPerSecond; }
    bool Playing() const { return due_.has_value(); }
    // The console frame shown while playing.
    std::optional<long long> Now() const { return due_; }

Q_SIGNALS:
    // Console frame `t` is due: at Play (0), then as each next one is.
    void FrameDue(long long t);
    void Stopped();

private:
    void Tick();

    QElapsedTimer played_;
    QTimer* ticker_;
    int rate_ = 60;
    std::optional<long long> due_;
};

} // namespace tw::ui
