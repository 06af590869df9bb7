#pragma once

// tilewright-cli png and import work with QImage, and QtGui brings a long chain of
// libraries (fontconfig, FreeType, HarfBuzz, X11 and OpenGL loaders) whose
// loading and relocation would double the start-up of every other command.
// So the picture code is a module of its own, loaded when those commands run.

#include "sheet/picture_code.h"

namespace tw::cli {

// The module's file name, beside the program in a build folder or in
// TILEWRIGHT_PICTURE_MODULE_DIR (relative to the program's folder) once
// installed, and the one function it exports.
inline constexpr char kPictureModuleName[] = "tilewright-cli-picture.so";
inline constexpr char kPictureModuleEntry[] = "tilewright_cli_picture_module";
using PictureModuleEntry = const sheet::PictureCode* (*)();

// The commands' picture code, from its module: beside the program (a build
// folder), else where it is installed. Null, after saying why, if it cannot
// be loaded. (tilewright-cli's own; the module does not have it.)
const sheet::PictureCode* OpenPictureModule();

} // namespace tw::cli
