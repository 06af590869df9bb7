#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

#include "storage/storage.h"

namespace tw::sheet {

// GIF's delays, in hundredths of a second, for pictures shown one after the
// other for console frames at `framesPerSecond` (at least 1). Each picture
// ends at its exact end time rounded to the nearest hundredth, so the
// rounding never adds up: 1/60 s pictures run 2, 1, 2, 2, 1, 2 ... and every
// running total is within half a hundredth of the exact time.
class GifClock {
public:
    explicit GifClock(int framesPerSecond) : rate_(framesPerSecond) {}
    // The delay of the next picture, shown for `consoleFrames` (at least 0).
    qint64 Delay(qint64 consoleFrames);

private:
    qint64 rate_;
    qint64 frames_ = 0, shown_ = 0; // console frames, and hundredths, so far
};

// Writes pictures of one size as a GIF that loops for ever, one at a time as
// they come, holding no more than the last picture and the frame that waits
// for its time: an animation of thousands of console frames costs the memory
// of two pictures and of the encoded bytes. Pictures in a row that are the
// same are one frame shown for their times together; every later frame holds
// only the rectangle that changed. One colour table, given first, serves
// every frame.
class AnimatedGifWriter {
public:
    // Pictures of `size` pixels in `colours` (1 to 256 of them).
    AnimatedGifWriter(QSize size, const std::vector<QRgb>& colours, int framesPerSecond);
    AnimatedGifWriter(const AnimatedGifWriter&) = delete;
    AnimatedGifWriter& operator=(const AnimatedGifWriter&) = delete;
    ~AnimatedGifWriter();

    // Adds a picture shown for `consoleFrames` (at least 1), and gives back
    // a picture it no longer needs (or a null one): drawing the next into its
    // memory spares a fresh allocation, whose page faults cost more than the
    // drawing at a large scale. Once a picture is refused, or the encoder
    // fails, the writer takes no more and Status says why.
    QImage Add(QImage picture, qint64 consoleFrames);
    const storage::Outcome& Status() const;
    // Ends the GIF and writes it to `path` with the rules every written file
    // has: nothing is written when a picture was refused. The writer takes
    // no picture after it.
    storage::Outcome Finish(const QString& path, const storage::MadeFrom& from);

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder_;
};

} // namespace tw::sheet
