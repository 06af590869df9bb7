#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/sprite_project.h"
#include "model/project_record.h"

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

// The largest colour byte of two sprites (two codes of 0 to 7) and of the
// screen: what a project can put at the three colour offsets.
inline constexpr std::uint8_t kMaxPairColorByte = 0x3F;
inline constexpr std::uint8_t kMaxScreenColorByte = 7;

struct ImageReadResult {
    std::optional<ProjectRecord> Record;
    std::string Error; // names the offset of the first byte that is wrong, when no record
};

// Reads a test cartridge image back into the project it shows: the screen
// colour, the four sprites' colours and row bytes, and the names of a new
// project. Only what BuildCartridgeImage can write is taken, so that the
// record builds the same bytes again: 133 bytes, the template's program, and
// colour bytes that codes 0 to 7 give.
ImageReadResult ReadCartridgeImage(std::string_view bytes);

} // namespace tw
