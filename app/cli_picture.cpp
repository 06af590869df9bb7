// tilewright-cli-picture.so: the picture code of tilewright-cli png and import.
#include "cli_picture.h"

#include "sheet/sprite_sheet.h"

extern "C" __attribute__((visibility("default"))) const tw::sheet::PictureCode* tilewright_cli_picture_module()
{
    return &tw::sheet::LinkedPictureCode();
}
