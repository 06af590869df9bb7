#pragma once

// The video chip's registers as a program leaves them, and the one place
// that works them out from a project: the test cartridge writes them, the
// Console View and `screen` draw them, the view shows them as text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/sprite_project.h"

namespace tw {

inline constexpr std::uint16_t kCellRegisters = 0x1800;
inline constexpr std::uint16_t kPositionRegisters = 0x18F0;
inline constexpr std::uint16_t kFieldTopRegister = 0x18FC;
inline constexpr std::uint16_t kShapeRegisters = 0x1980;
inline constexpr std::uint16_t kUserCharacterRegisters = 0x19A0;
inline constexpr std::uint16_t kScreenRegister = 0x19F9;
inline constexpr std::array<std::uint16_t, 2> kPairRegisters{0x19FB, 0x19FA};

// 0x19F9 holds more than the screen colour: the colour set and cell height.
inline constexpr std::uint8_t kScreenColourBits = 0x07;
inline constexpr std::uint8_t kColourSetBit = 0x08;
inline constexpr std::uint8_t kShortCellsBit = 0x80;

// What the test cartridge writes to 0x18FC: the field's first row at line 17.
inline constexpr std::uint8_t kFieldTop = 0xEE;

struct ChipState {
    std::array<std::uint8_t, kCells> Cells = ConsoleScene::BlankCells(); // 0x1800 to 0x18CF
    SpritePositions Positions = kDefaultPositions;   // 0x18F0 to 0x18F7
    std::uint8_t FieldTop = kFieldTop;                // 0x18FC: row 0 at line 255 less this
    std::array<std::uint8_t, 32> Shapes{};           // 0x1980 to 0x199F: sprite k's rows at 8k
    std::array<std::uint8_t, 32> UserCharacters{};   // 0x19A0 to 0x19BF: character 0x3C + c's rows at 8c
    std::uint8_t Screen = 0;                          // 0x19F9: screen colour, colour set, cell height
    std::array<std::uint8_t, 2> Pairs{};              // 0x19FB (sprites 1 and 2), 0x19FA (3 and 4)
    friend bool operator==(const ChipState&, const ChipState&) = default;
};

// The byte the chip state holds at `address`; nothing for an address it
// does not model.
std::optional<std::uint8_t> RegisterByte(const ChipState& chip, std::uint16_t address);
// Puts `byte` there; false for an address the chip state does not model.
bool SetRegisterByte(ChipState& chip, std::uint16_t address, std::uint8_t byte);

// The registers a program sets beyond the shapes, as the Console View shows
// them to be copied: "19F9=01 19FA=3F 19FB=34 18F0=90 ... 18F7=70".
std::string RegisterText(const ChipState& chip);

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

// Console frames until all four sprites are back at their first frames
// together: the least common multiple of their rounds.
long long AnimationRound(const SpriteProject& project);

// What the project's test cartridge leaves in the chip with the frames
// chosen: its colours, heights, those frames' shapes, and its scene's cells,
// characters, colour set, cell height and positions (without a scene, those
// the test cartridge has always written).
ChipState ChipStateOf(const SpriteProject& project, const FrameChoice& frames = {});

} // namespace tw
