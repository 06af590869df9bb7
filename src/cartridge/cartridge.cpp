#include "cartridge/cartridge.h"

#include <algorithm>

#include "cartridge/animation_program.h"
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

bool Animates(const SpriteProject& project)
{
    return std::any_of(project.Sprites.begin(), project.Sprites.end(), [](const SpriteState& s) { return s.Frames() > 1; });
}

namespace {

CartridgeImage BuildStillImage(const SpriteProject& project)
{
    const ChipState chip = ChipStateOf(project);
    CartridgeImage image(kImageBytes);
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

constexpr std::array<std::uint8_t, kAnimationProgramBytes> kAnimationBytes = AnimationProgramBytes();
constexpr std::size_t kPair12Operand = OperandOffset(Operand::Pair12), kPair34Operand = OperandOffset(Operand::Pair34),
                      kScreenOperand = OperandOffset(Operand::Screen);
// The two programs agree in their first four bytes; the fifth tells which
// one an image holds.
constexpr std::size_t kProgramsDiffer = 4;
static_assert(CartridgeTemplate.substr(0, 2 * kProgramsDiffer + 2) == "7702764004" && kAnimationBytes[0] == 0x77 &&
              kAnimationBytes[1] == 0x02 && kAnimationBytes[2] == 0x76 && kAnimationBytes[3] == 0x40 &&
              kAnimationBytes[kProgramsDiffer] == 0x75);

std::size_t ListBytes(int frames) { return std::size_t(frames) * kFrameRecordBytes + kEndMarkerBytes; }

// A start entry: the count of 1 that makes the first blank copy frame 0, and
// the address of the sprite's first record.
std::array<std::uint8_t, kStartEntryBytes> StartEntry(std::size_t first)
{
    return {1, std::uint8_t(first >> 8), std::uint8_t(first & 0xFF), 0, 0, 0, 0, 0};
}

CartridgeImage BuildAnimatingImage(const SpriteProject& project)
{
    const ChipState chip = ChipStateOf(project);
    CartridgeImage image(kAnimationBytes.begin(), kAnimationBytes.end());
    image[kPair12Operand] = chip.Pairs[0];
    image[kPair34Operand] = chip.Pairs[1];
    image[kScreenOperand] = chip.Screen;
    std::size_t first = kFrameLists;
    for (const SpriteState& sprite : project.Sprites) {
        const auto entry = StartEntry(first);
        image.insert(image.end(), entry.begin(), entry.end());
        first += ListBytes(sprite.Frames());
    }
    for (const SpriteState& sprite : project.Sprites) {
        const std::size_t list = image.size();
        for (int f = 0; f < sprite.Frames(); ++f) {
            image.push_back(sprite.Frame(f).Time);
            for (const std::string& row : sprite.Frame(f).HexRows)
                image.push_back(RowTextValue(row));
        }
        image.insert(image.end(), {0, std::uint8_t(list >> 8), std::uint8_t(list & 0xFF)});
    }
    return image;
}

} // namespace

CartridgeImage BuildCartridgeImage(const SpriteProject& project)
{
    return Animates(project) ? BuildAnimatingImage(project) : BuildStillImage(project);
}

std::size_t MaxCartridgeImageBytes() { return kMaxAnimatingImageBytes; }

namespace {

// "0x0128": how a reason names an offset of the animating image, as its
// listing does.
std::string LongOffset(std::size_t offset)
{
    return "0x" + RowText(static_cast<std::uint8_t>(offset >> 8)) + RowText(static_cast<std::uint8_t>(offset & 0xFF));
}

// Reads the image the way the program will: the program, then for each
// sprite its start entry and the records it points at, up to the end marker
// that leads back to the first. The first thing that is wrong is the reason.
ImageReadResult ReadAnimatingImage(std::string_view bytes)
{
    const auto fail = [](std::string reason) {
        return ImageReadResult{std::nullopt, "not a test cartridge image made by Tilewright: " + std::move(reason)};
    };
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    const auto ends = [&](const std::string& inside) {
        return fail("the file ends at offset " + LongOffset(bytes.size()) + ", inside " + inside);
    };
    const auto wrong = [&](std::size_t offset, std::uint8_t want, const std::string& as) {
        return fail("the byte at offset " + LongOffset(offset) + " is " + RowText(at(offset)) + ", not " + RowText(want) +
                    " as " + as);
    };
    for (std::size_t offset = 0; offset < kAnimationProgramBytes; ++offset) {
        if (offset == bytes.size())
            return ends("the animating test cartridge program");
        if (offset == kScreenOperand && at(offset) > kMaxScreenColorByte)
            return fail("the color byte at offset " + LongOffset(offset) + " is " + RowText(at(offset)) + ", more than the " +
                        RowText(kMaxScreenColorByte) + " that color codes 0 to 7 give");
        if (offset != kPair12Operand && offset != kPair34Operand && offset != kScreenOperand &&
            at(offset) != kAnimationBytes[offset])
            return wrong(offset, kAnimationBytes[offset], "in the animating test cartridge program");
    }
    ProjectRecord record;
    record.ScreenBGndColor = at(kScreenOperand);
    const std::uint8_t pairs[] = {at(kPair12Operand), at(kPair34Operand)};
    std::size_t offset = kFrameLists;
    bool animates = false;
    for (int k = 0; k < kSprites; ++k) {
        const std::string sprite = "sprite " + std::to_string(k + 1) + "'s";
        const std::size_t first = offset, entry = kStartEntries + kStartEntryBytes * std::size_t(k);
        const auto expected = StartEntry(first);
        for (std::size_t i = 0; i < kStartEntryBytes; ++i) {
            if (entry + i >= bytes.size())
                return ends(sprite + " start entry");
            if (at(entry + i) != expected[i])
                return wrong(entry + i, expected[i], "in " + sprite + " start entry, which points at its first frame at offset " +
                                                         LongOffset(first));
        }
        SpriteRecord& read = record.Sprites[k];
        read.Name = SpriteProject::DefaultName(k);
        read.FGndColor = SpriteColorOf(pairs[k / 2], k % 2);
        record.Console.SpriteLines[k] = SpriteLinesOf(pairs[k / 2], k % 2);
        for (int frames = 0;; ++frames) {
            if (offset >= bytes.size())
                return ends(sprite + " frames, before their end marker");
            if (at(offset) == 0) {
                if (frames == 0)
                    return fail("the byte at offset " + LongOffset(offset) + " is 00, the end marker, before " + sprite +
                                " first frame; a sprite has 1 to " + std::to_string(kMaxFrames) + " frames");
                const std::uint8_t back[] = {std::uint8_t(first >> 8), std::uint8_t(first & 0xFF)};
                for (std::size_t i = 1; i < kEndMarkerBytes; ++i) {
                    if (offset + i >= bytes.size())
                        return ends(sprite + " end marker");
                    if (at(offset + i) != back[i - 1])
                        return wrong(offset + i, back[i - 1],
                                     "in " + sprite + " end marker, which points back at its first frame at offset " +
                                         LongOffset(first));
                }
                offset += kEndMarkerBytes;
                animates = animates || frames > 1;
                break;
            }
            if (frames == kMaxFrames)
                return fail("the byte at offset " + LongOffset(offset) + " is " + RowText(at(offset)) + ", not the end marker 00 after " +
                            sprite + " frame " + std::to_string(kMaxFrames - 1) + "; a sprite has 1 to " +
                            std::to_string(kMaxFrames) + " frames");
            if (offset + kFrameRecordBytes > bytes.size())
                return ends(sprite + " frame " + std::to_string(frames));
            FrameRecord& frame = frames == 0 ? read : read.Later.emplace_back();
            frame.Time = at(offset);
            for (int r = 0; r < kRows; ++r)
                frame.HexRows[r] = RowText(at(offset + 1 + std::size_t(r)));
            offset += kFrameRecordBytes;
        }
    }
    if (offset < bytes.size())
        return fail("the byte at offset " + LongOffset(offset) + " is past the end of sprite 4's frames");
    if (!animates)
        return fail("every sprite has one frame, which Tilewright writes as the 133-byte image, not as this one");
    return {record, {}};
}

} // namespace

ImageReadResult ReadCartridgeImage(std::string_view bytes)
{
    if (bytes.empty())
        return {std::nullopt, "the file is empty"};
    if (bytes.size() > kProgramsDiffer && static_cast<std::uint8_t>(bytes[kProgramsDiffer]) == kAnimationBytes[kProgramsDiffer])
        return ReadAnimatingImage(bytes);
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
