#pragma once

// What the picture kind of file needs of QtGui, as a few functions: the editor
// links them (sheet::LinkedPictureCode), tilewright-cli loads them from a
// module of its own only for the commands that read or write pictures.

#include <QString>

#include "console/renderer.h"
#include "model/sprite_project.h"
#include "storage/storage.h"

namespace tw::sheet {

struct PictureCode {
    // Renders the sheet at `scale` and writes it as PNG to `path`, never over
    // the file it is made from.
    storage::Outcome (*Write)(const QString& path, const SpriteProject& project, int scale, const storage::MadeFrom& from);
    // Reads the four sprites from a picture file.
    storage::ReadOutcome (*Read)(const QString& path);
    // Writes the console's screen as PNG to `path`.
    storage::Outcome (*WriteScreen)(const QString& path, const ConsoleScreen& screen, const ScreenScale& scale,
                                    const storage::MadeFrom& from);
    // As Write, the sheet with every frame of every sprite (png --frames).
    storage::Outcome (*WriteFrames)(const QString& path, const SpriteProject& project, int scale, const storage::MadeFrom& from);
};

} // namespace tw::sheet
