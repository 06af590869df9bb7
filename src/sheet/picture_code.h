#pragma once

// What the picture kind of file needs of QtGui, as a few functions: the editor
// links them (sheet::LinkedPictureCode), tilewright-cli loads them from a
// module of its own only for the commands that read or write pictures.

#include <QString>

#include <cstdint>
#include <functional>
#include <span>

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

// The longest animation written as a GIF: a file to show, not to watch for
// hours. Longer rounds are cut (screen's --for).
inline constexpr long long kMaxAnimationSeconds = 10 * 60;

// An animation of the console's screen as the picture code takes it: the
// caller, who knows the project's frames, gives the screens one console
// frame at a time.
struct ScreenAnimation {
    long long ConsoleFrames = 1; // how many
    int FramesPerSecond = 60;    // the TV's
    // What the screens are drawn in: its eight colours are the GIF's.
    ColourModel Colours = ColourModel::Mame;
    std::function<ConsoleScreen(long long frame)> ScreenAt; // from 0
};

// Shapes found in a binary as tilewright-cli shapes draws them: `Count`
// shapes from the first byte of `Bytes` on, at `Scale`.
struct ShapesSheet {
    std::span<const std::uint8_t> Bytes;
    int Count = 0;
    int Scale = kDefaultShapesScale;
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
    // Writes the animation as a GIF that loops for ever to `path`, each screen
    // as WriteScreen draws it, shown for its console frames.
    storage::Outcome (*WriteScreenAnimation)(const QString& path, const ScreenAnimation& animation, const ScreenScale& scale,
                                             const storage::MadeFrom& from);
    // Draws the shapes and writes them as PNG to `path`.
    storage::Outcome (*WriteShapes)(const QString& path, const ShapesSheet& sheet, const storage::MadeFrom& from);
};

} // namespace tw::sheet
