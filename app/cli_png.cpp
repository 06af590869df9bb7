// tilewright-cli-png.so: the sprite-sheet writer of tilewright-cli png.
#include "cli_png.h"

#include "sheet/picture_import.h"
#include "sheet/sprite_sheet.h"

namespace {

const tw::cli::PngWriter kWriter{tw::sheet::kMinScale, tw::sheet::kMaxScale, tw::sheet::kDefaultScale,
                                 &tw::sheet::WriteSpriteSheet, &tw::sheet::ImportPictureFile};

} // namespace

extern "C" __attribute__((visibility("default"))) const tw::cli::PngWriter* tilewright_cli_png_writer()
{
    return &kWriter;
}
