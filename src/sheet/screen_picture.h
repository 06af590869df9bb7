#pragma once

#include <QImage>
#include <QString>

#include "console/renderer.h"
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

} // namespace tw::sheet
