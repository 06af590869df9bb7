#include "cartridge/cartridge.h"

#include <filesystem>

#include "model/row_encoding.h"

namespace tw {

static_assert(CartridgeTemplate.size() == 2 * kTemplateBytes);
static_assert(kRowDataOffset == kTemplateBytes);
static_assert(kRowDataOffset + kSprites * kRows == kImageBytes);

CartridgeImage BuildCartridgeImage(const SpriteProject& project)
{
    CartridgeImage image{};
    const auto& fg = project.SpriteFGndColor;
    for (std::size_t offset = 0; offset < kTemplateBytes; ++offset) {
        std::uint8_t byte;
        if (offset == kSprite12ColorOffset)
            byte = static_cast<std::uint8_t>(fg[0] * 8 | fg[1]);
        else if (offset == kSprite34ColorOffset)
            byte = static_cast<std::uint8_t>(fg[2] * 8 | fg[3]);
        else if (offset == kScreenColorOffset)
            byte = project.ScreenBGndColor;
        else
            byte = static_cast<std::uint8_t>(HexToDec(CartridgeTemplate.substr(2 * offset, 1)) * 16 +
                                             HexToDec(CartridgeTemplate.substr(2 * offset + 1, 1)));
        image[offset] = byte;
    }
    std::size_t offset = kRowDataOffset;
    for (int k = 0; k < kSprites; ++k)
        for (int r = 0; r < kRows; ++r)
            image[offset++] = RowTextValue(project.Sprites[k].HexRows[r]);
    return image;
}

std::string CartridgeImagePath(const std::string& projectFileName)
{
    std::filesystem::path path(projectFileName);
    path.replace_extension(".bin");
    return path.string();
}

} // namespace tw
