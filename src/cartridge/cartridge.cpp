#include "cartridge/cartridge.h"

#include <algorithm>

#include "model/row_encoding.h"

namespace tw {

static_assert(CartridgeTemplate.size() == 2 * kTemplateBytes);
static_assert(kRowDataOffset == kTemplateBytes);
static_assert(kRowDataOffset + kSprites * kRows == kImageBytes);

namespace {

std::uint8_t TemplateByte(std::size_t offset)
{
    return static_cast<std::uint8_t>(HexToDec(CartridgeTemplate.substr(2 * offset, 1)) * 16 +
                                     HexToDec(CartridgeTemplate.substr(2 * offset + 1, 1)));
}

// "0x5F": how a reason names an offset, as the program's listing does.
std::string Offset(std::size_t offset) { return "0x" + RowText(static_cast<std::uint8_t>(offset)); }

// The largest byte a project can give `offset` of its image; the template's
// own byte is the only one for the program's other bytes. A pair byte takes
// any value: two colour codes and two size bits.
std::optional<std::uint8_t> LargestColorByte(std::size_t offset)
{
    if (offset == kSprite12ColorOffset || offset == kSprite34ColorOffset)
        return 0xFF;
    if (offset == kScreenColorOffset)
        return kMaxScreenColorByte;
    return std::nullopt;
}

// Where the program's LODI operands for the position bytes stand, in the
// order of the registers they go to, 0x18F0 to 0x18F7.
constexpr std::array<std::size_t, 8> kPositionOperands{0x32, 0x2D, 0x3C, 0x37, 0x46, 0x41, 0x50, 0x4B};

} // namespace

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

ChipState ChipStateOf(const SpriteProject& project, const FrameChoice& frames)
{
    ChipState chip;
    chip.Screen = project.ScreenBGndColor;
    const auto& fg = project.SpriteFGndColor;
    const auto& lines = project.Console.SpriteLines;
    for (int pair = 0; pair < 2; ++pair)
        chip.Pairs[pair] = PairByte(fg[2 * pair], fg[2 * pair + 1], lines[2 * pair], lines[2 * pair + 1]);
    for (std::size_t i = 0; i < kPositionOperands.size(); ++i)
        chip.Positions[i] = TemplateByte(kPositionOperands[i]);
    for (int k = 0; k < kSprites; ++k)
        for (int r = 0; r < kRows; ++r)
            chip.Shapes[kRows * k + r] = RowTextValue(project.Sprites[k].Frame(frames[k]).HexRows[r]);
    return chip;
}

CartridgeImage BuildCartridgeImage(const SpriteProject& project)
{
    const ChipState chip = ChipStateOf(project);
    CartridgeImage image{};
    for (std::size_t offset = 0; offset < kTemplateBytes; ++offset) {
        std::uint8_t byte;
        if (offset == kSprite12ColorOffset)
            byte = chip.Pairs[0];
        else if (offset == kSprite34ColorOffset)
            byte = chip.Pairs[1];
        else if (offset == kScreenColorOffset)
            byte = chip.Screen;
        else
            byte = TemplateByte(offset);
        image[offset] = byte;
    }
    std::copy(chip.Shapes.begin(), chip.Shapes.end(), image.begin() + kRowDataOffset);
    return image;
}

ImageReadResult ReadCartridgeImage(std::string_view bytes)
{
    if (bytes.empty())
        return {std::nullopt, "the file is empty"};
    // What the file is not, first; then where it differs.
    const auto fail = [](std::string reason) {
        return ImageReadResult{std::nullopt, "not a test cartridge image made by Tilewright: " + std::move(reason)};
    };
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    // The first wrong byte is named, wherever it is, before a wrong size:
    // a file that is no image at all says so at its start.
    for (std::size_t offset = 0; offset < std::min(bytes.size(), kTemplateBytes); ++offset) {
        const std::optional<std::uint8_t> largest = LargestColorByte(offset);
        if (largest && at(offset) > *largest)
            return fail("the color byte at offset " + Offset(offset) + " is " + RowText(at(offset)) + ", more than the " +
                        RowText(*largest) + " that color codes 0 to 7 give");
        if (!largest && at(offset) != TemplateByte(offset))
            return fail("the byte at offset " + Offset(offset) + " is " + RowText(at(offset)) + ", not " +
                        RowText(TemplateByte(offset)) + " as in the test cartridge program");
    }
    if (bytes.size() < kImageBytes)
        return fail("the file ends at offset " + Offset(bytes.size()) + ", before the " + std::to_string(kImageBytes) +
                    " bytes of a test cartridge image");
    if (bytes.size() > kImageBytes)
        return fail("the byte at offset " + Offset(kImageBytes) + " is past the " + std::to_string(kImageBytes) +
                    " bytes of a test cartridge image");

    ProjectRecord record;
    record.ScreenBGndColor = at(kScreenColorOffset);
    const std::uint8_t pairs[] = {at(kSprite12ColorOffset), at(kSprite34ColorOffset)};
    for (int k = 0; k < kSprites; ++k) {
        SpriteRecord& sprite = record.Sprites[k];
        sprite.Name = SpriteProject::DefaultName(k);
        sprite.FGndColor = SpriteColorOf(pairs[k / 2], k % 2);
        record.Console.SpriteLines[k] = SpriteLinesOf(pairs[k / 2], k % 2);
        for (int r = 0; r < kRows; ++r)
            sprite.HexRows[r] = RowText(at(kRowDataOffset + kRows * k + r));
    }
    return {record, {}};
}

} // namespace tw
