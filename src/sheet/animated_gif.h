#pragma once

#include <QImage>
#include <QString>

#include <vector>

#include "storage/storage.h"

namespace tw::sheet {

// One picture of an animation and how long the console shows it.
struct GifPicture {
    QImage Image;
    int ConsoleFrames = 1;
};

// GIF's delays, in hundredths of a second, for pictures shown for these many
// console frames at `framesPerSecond` (at least 1; the counts at least 0).
// Each picture ends at its exact end time rounded to the nearest hundredth,
// so the rounding never adds up: 1/60 s pictures run 2, 1, 2, 2, 1, 2 ...
// and every running total is within half a hundredth of the exact time.
std::vector<qint64> GifDelays(const std::vector<qint64>& consoleFrames, int framesPerSecond);

// Writes the pictures, all of one size, as a GIF that loops for ever, with
// the rules every written file has. Pictures in a row that are the same are
// one frame shown for their times together; every later frame holds only the
// rectangle that changed. One colour table serves every frame, so the
// pictures may use at most 256 colours between them.
storage::Outcome WriteAnimatedGif(const QString& path, const std::vector<GifPicture>& pictures, int framesPerSecond,
                                  const storage::MadeFrom& from);

} // namespace tw::sheet
