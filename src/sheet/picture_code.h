#pragma once

// What the picture kind of file needs of QtGui, as a few functions: the editor
// links them (sheet::LinkedPictureCode), tilewright-cli loads them from a
// module of its own only for the commands that read or write pictures.

#include <QString>

#include "console/renderer.h"
#include "model/sprite_project.h"
#include "sheet/sheet_layout.h"
#include "storage/storage.h"

namespace tw::sheet {

// How a sheet is drawn: its scale, and whether it shows every frame of every
// sprite (png --frames) or the first.
struct SheetOptions {
    int Scale = kDefaultScale;
    bool Frames = false;
};

struct PictureCode {
    // Renders the sheet and writes it as PNG to `path`, never over the file
    // it is made from.
    storage::Outcome (*WriteSheet)(const QString& path, const SpriteProject& project, const SheetOptions& options,
                                   const storage::MadeFrom& from);
    // Reads the four sprites from a picture file.
    storage::ReadOutcome (*Read)(const QString& path);
    // Writes the console's screen as PNG to `path`.
    storage::Outcome (*WriteScreen)(const QString& path, const ConsoleScreen& screen, const ScreenScale& scale,
                                    const storage::MadeFrom& from);
};

} // namespace tw::sheet
