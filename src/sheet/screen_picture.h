#pragma once

#include <QImage>
#include <QString>

#include "console/renderer.h"
#include "sheet/picture_code.h"
#include "storage/storage.h"

namespace tw::sheet {

// The console's screen as a picture, every console pixel a solid block of
// the scale's size (no smoothing).
QImage ScreenImage(const ConsoleScreen& screen, const ScreenScale& scale);
// The same, drawn into `image`, whose memory is kept when it has the size.
void DrawScreenImage(const ConsoleScreen& screen, const ScreenScale& scale, QImage& image);

// The same, written as PNG to `path`, with the rules every written file has.
storage::Outcome WriteScreenPicture(const QString& path, const ConsoleScreen& screen, const ScreenScale& scale,
                                    const storage::MadeFrom& from);

// The animation as an animated GIF, with the same rules: the screens drawn as
// ScreenImage draws them, each shown for its console frames, in a colour
// table of the colour model's eight colours.
storage::Outcome WriteScreenAnimation(const QString& path, const ScreenAnimation& animation, const ScreenScale& scale,
                                      const storage::MadeFrom& from);

} // namespace tw::sheet
