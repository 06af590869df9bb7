// tilewright-cli-picture.so: the picture code of tilewright-cli png and import.
#include "cli_picture.h"

#include "sheet/picture_import.h"
#include "sheet/sprite_sheet.h"

namespace {

const tw::cli::PictureModule kModule{tw::sheet::kMinScale, tw::sheet::kMaxScale, tw::sheet::kDefaultScale,
                                     &tw::sheet::WriteSpriteSheet, &tw::sheet::ImportPictureFile};

} // namespace

extern "C" __attribute__((visibility("default"))) const tw::cli::PictureModule* tilewright_cli_picture_module()
{
    return &kModule;
}
