#pragma once

// tilewright-cli png and import work with QImage, and QtGui brings a long chain of
// libraries (fontconfig, FreeType, HarfBuzz, X11 and OpenGL loaders) whose
// loading and relocation would double the start-up of every other command.
// So the picture code is a module of its own, loaded when those commands run.

#include <QString>

#include "model/sprite_project.h"
#include "storage/storage.h"

namespace tw::cli {

// What the module hands the program.
struct PictureModule {
    int MinScale;
    int MaxScale;
    int DefaultScale;
    // Renders the sheet at `scale` and writes it as PNG to `path`.
    storage::Outcome (*Write)(const QString& path, const SpriteProject& project, int scale);
    // Reads the four sprites from a picture file.
    storage::ReadOutcome (*Import)(const QString& path);
};

// The module's file name, beside the program in a build folder or in
// TILEWRIGHT_PICTURE_MODULE_DIR (relative to the program's folder) once
// installed, and the one function it exports.
inline constexpr char kPictureModuleName[] = "tilewright-cli-picture.so";
inline constexpr char kPictureModuleEntry[] = "tilewright_cli_picture_module";
using PictureModuleEntry = const PictureModule* (*)();

} // namespace tw::cli
