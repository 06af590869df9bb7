#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// 133 bytes for a project whose sprites have one frame each, the animating
// image (animation_program.h) for one where some sprite has more.
using CartridgeImage = std::vector<std::uint8_t>;

// The chip's registers that the test cartridge's program writes, as it
// leaves them: what the console shows.
struct ChipState {
    std::uint8_t Screen = 0;                // 0x19F9: the screen colour code
    std::array<std::uint8_t, 2> Pairs{};    // 0x19FB (sprites 1 and 2), 0x19FA (3 and 4)
    std::array<std::uint8_t, 8> Positions{}; // 0x18F0 to 0x18F7: sprite k's vertical byte, then its horizontal one
    std::array<std::uint8_t, 32> Shapes{};   // 0x1980 to 0x199F: sprite k's rows at 8k
    friend bool operator==(const ChipState&, const ChipState&) = default;
};
inline constexpr std::uint16_t kScreenRegister = 0x19F9;
inline constexpr std::array<std::uint16_t, 2> kPairRegisters{0x19FB, 0x19FA};
inline constexpr std::uint16_t kPositionRegisters = 0x18F0;
inline constexpr std::uint16_t kShapeRegisters = 0x1980;

// A pair byte: the first sprite's colour in bits 5-3 and size bit 7, the
// second's in bits 2-0 and size bit 6; a set size bit makes a sprite 8
// lines tall, a clear one 16, each row drawn twice.
std::uint8_t PairByte(std::uint8_t first, std::uint8_t second, std::uint8_t firstLines, std::uint8_t secondLines);
inline constexpr std::uint8_t SpriteColorOf(std::uint8_t pair, bool second) { return second ? pair & 7 : (pair >> 3) & 7; }
inline constexpr std::uint8_t SpriteLinesOf(std::uint8_t pair, bool second)
{
    return (pair & (second ? 0x40 : 0x80)) ? kShortLines : kTallLines;
}

// Which frame of each sprite is shown.
using FrameChoice = std::array<int, kSprites>;
// The frames the sprites show at console frame t, when they animate from
// frame 0 at t = 0.
FrameChoice FramesAt(const SpriteProject& project, long long t);

// What the project's test cartridge leaves in the chip: the sprites' frame 0,
// or the frames chosen.
ChipState ChipStateOf(const SpriteProject& project, const FrameChoice& frames = {});

// Whether some sprite has more than one frame, which the 133-byte image
// cannot show.
bool Animates(const SpriteProject& project);

// The test cartridge for the project as shown, its rows taken from the row
// texts (not the blocks). Without animation: template, the three colour
// bytes (with the sprites' size bits), then the 32 row bytes. With it: the
// animation program with the same three bytes, the RAM's start entries and
// every sprite's frames with their times.
CartridgeImage BuildCartridgeImage(const SpriteProject& project);

// The largest screen colour byte: what codes 0 to 7 give.
inline constexpr std::uint8_t kMaxScreenColorByte = 7;

struct ImageReadResult {
    std::optional<ProjectRecord> Record;
    std::string Error; // names the offset of the first byte that is wrong, when no record
};

// Reads a test cartridge image back into the project it shows: the screen
// colour, the four sprites' colours, sizes, frames and times, and the names
// of a new project. Only what BuildCartridgeImage can write is taken, so that
// the record builds the same bytes again: 133 bytes, the template's program,
// and a screen colour byte that codes 0 to 7 give; or the animation program
// (the same colour bytes), start entries that point at each sprite's frames,
// 1 to 64 frames a sprite with times 1 to 255, end markers that point back
// at the first, not a byte more, and some sprite with more than one frame.
ImageReadResult ReadCartridgeImage(std::string_view bytes);

// The longest file that can be a test cartridge image.
std::size_t MaxCartridgeImageBytes();

} // namespace tw
