#include "console/chip_state.h"

#include <numeric>
#include <type_traits>

#include "model/row_encoding.h"

namespace tw {
namespace {

// Where each register the chip state models lives in it.
template <typename Chip>
auto* RegisterIn(Chip& chip, std::uint16_t address)
{
    using Byte = std::conditional_t<std::is_const_v<Chip>, const std::uint8_t, std::uint8_t>;
    Byte* byte = nullptr;
    const auto in = [&](auto& block, std::uint16_t first) { return address >= first && address < first + block.size(); };
    if (address == kScreenRegister)
        byte = &chip.Screen;
    else if (address == kFieldTopRegister)
        byte = &chip.FieldTop;
    else if (in(chip.Cells, kCellRegisters))
        byte = &chip.Cells[address - kCellRegisters];
    else if (in(chip.UserCharacters, kUserCharacterRegisters))
        byte = &chip.UserCharacters[address - kUserCharacterRegisters];
    else if (address == kPairRegisters[0] || address == kPairRegisters[1])
        byte = &chip.Pairs[address == kPairRegisters[0] ? 0 : 1];
    else if (in(chip.Positions, kPositionRegisters))
        byte = &chip.Positions[address - kPositionRegisters];
    else if (in(chip.Shapes, kShapeRegisters))
        byte = &chip.Shapes[address - kShapeRegisters];
    return byte;
}

std::string Hex(unsigned value, int digits)
{
    std::string text(std::size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[std::size_t(i)] = kHexDigits[value & 15];
    return text;
}

} // namespace

std::optional<std::uint8_t> RegisterByte(const ChipState& chip, std::uint16_t address)
{
    const std::uint8_t* byte = RegisterIn(chip, address);
    return byte ? std::optional(*byte) : std::nullopt;
}

bool SetRegisterByte(ChipState& chip, std::uint16_t address, std::uint8_t value)
{
    std::uint8_t* byte = RegisterIn(chip, address);
    if (byte)
        *byte = value;
    return byte != nullptr;
}

std::string RegisterText(const ChipState& chip)
{
    // In the order the image's program writes them last to first: the
    // screen, the colours, then the positions.
    std::string text;
    const auto add = [&](std::uint16_t address) {
        text += (text.empty() ? "" : " ") + Hex(address, 4) + '=' + Hex(*RegisterByte(chip, address), 2);
    };
    add(kScreenRegister);
    add(kPairRegisters[1]);
    add(kPairRegisters[0]);
    for (std::uint16_t i = 0; i < chip.Positions.size(); ++i)
        add(std::uint16_t(kPositionRegisters + i));
    return text;
}

std::uint8_t PairByte(std::uint8_t first, std::uint8_t second, std::uint8_t firstLines, std::uint8_t secondLines)
{
    return static_cast<std::uint8_t>((firstLines == kShortLines ? 0x80 : 0) | (secondLines == kShortLines ? 0x40 : 0) |
                                     (first & 7) << 3 | (second & 7));
}

FrameChoice FramesAt(const SpriteProject& project, long long t)
{
    FrameChoice frames{};
    for (int k = 0; k < kSprites; ++k)
        frames[k] = project.Sprites[k].FrameAt(t);
    return frames;
}

long long AnimationRound(const SpriteProject& project)
{
    long long round = 1;
    for (const SpriteState& sprite : project.Sprites)
        round = std::lcm(round, sprite.TotalTime());
    return round;
}

ChipState ChipStateOf(const SpriteProject& project, const FrameChoice& frames)
{
    ChipState chip;
    chip.Screen = project.ScreenBGndColor;
    const auto& fg = project.SpriteFGndColor;
    const auto& lines = project.Console.SpriteLines;
    for (int pair = 0; pair < 2; ++pair)
        chip.Pairs[pair] = PairByte(fg[2 * pair], fg[2 * pair + 1], lines[2 * pair], lines[2 * pair + 1]);
    if (const std::optional<ConsoleScene>& scene = project.Scene) {
        chip.Cells = scene->Cells;
        chip.UserCharacters = scene->UserCharacters;
        chip.Positions = scene->Positions;
        chip.Screen |= std::uint8_t((scene->SecondColourSet ? kColourSetBit : 0) | (scene->CellLines == kShortLines ? kShortCellsBit : 0));
    }
    for (int k = 0; k < kSprites; ++k)
        for (int r = 0; r < kRows; ++r)
            chip.Shapes[kRows * k + r] = RowTextValue(project.Sprites[k].Frame(frames[k]).HexRows[r]);
    return chip;
}

} // namespace tw
