#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/sprite_project.h"

namespace tw {

// A complete 2650 program, two hex digits per byte. The digit pairs at
// offsets 0x55, 0x5A and 0x5F are placeholders for the colour bytes.
inline constexpr std::string_view CartridgeTemplate =
    "77027640048005FF06FFCD7800CD3A00E5D018021B7404EECC18FC2005FF06FF0D2065E5201805CE39801B740440CC18F10490"
    "CC18F00450CC18F30490CC18F20460CC18F50490CC18F40470CC18F70490CC18F60420CC19FB0432CC19FA0403CC19F91B7E";

inline constexpr std::size_t kTemplateBytes = 101;
inline constexpr std::size_t kImageBytes = 133;
inline constexpr std::size_t kSprite12ColorOffset = 0x55;
inline constexpr std::size_t kSprite34ColorOffset = 0x5A;
inline constexpr std::size_t kScreenColorOffset = 0x5F;
inline constexpr std::size_t kRowDataOffset = 0x65;

using CartridgeImage = std::array<std::uint8_t, kImageBytes>;

// The test cartridge for the project as shown: template, the three colour
// bytes, then the 32 row bytes taken from the row texts (not the blocks).
CartridgeImage BuildCartridgeImage(const SpriteProject& project);

// Where the image of a project file goes: the project path with its extension
// (if any) replaced by ".bin", in the same folder.
std::string CartridgeImagePath(const std::string& projectFileName);

} // namespace tw
