#include "cartridge/cartridge.h"

#include <algorithm>

#include "cartridge/animation_program.h"
#include "cartridge/still_program.h"
#include "console/chip_state.h"
#include "model/row_encoding.h"

namespace tw {

static_assert(kRowDataOffset == kTemplateBytes);
static_assert(kRowDataOffset + kSprites * kRows == kImageBytes);

namespace {

constexpr auto kStillBytes = BytesOf<kTemplateBytes>(kStillProgram);
constexpr auto kAnimationBytes = BytesOf<kAnimationProgramBytes>(kAnimationProgram);

// The two programs agree in their first four bytes; the fifth tells which
// one an image holds.
constexpr std::size_t kProgramsDiffer = 4;
static_assert(std::equal(kStillBytes.begin(), kStillBytes.begin() + kProgramsDiffer, kAnimationBytes.begin()) &&
              kStillBytes[kProgramsDiffer] != kAnimationBytes[kProgramsDiffer]);

// The register whose byte the operand at `offset` of the program is, if it
// is one the image fills from the chip state.
std::optional<std::uint16_t> FilledRegister(Program program, std::size_t offset)
{
    for (std::size_t i = 0; i < program.size(); ++i)
        if (program[i].Fills && AddressOf(program, i) + 1 == offset)
            return program[i].Fills;
    return std::nullopt;
}

// The program's bytes with every filled operand taken from the chip state.
CartridgeImage ProgramImage(Program program, const ChipState& chip)
{
    CartridgeImage image(ProgramBytes(program));
    for (std::size_t i = 0; i < program.size(); ++i) {
        const std::size_t at = AddressOf(program, i);
        std::copy_n(program[i].Bytes.begin(), program[i].Size, image.begin() + std::ptrdiff_t(at));
        if (program[i].Fills)
            image[at + 1] = RegisterByte(chip, program[i].Fills).value_or(0);
    }
    return image;
}

// What an image may hold in an operand it fills, as a project can give it:
// any pair byte (two colour codes and two size bits), a screen colour code,
// and the positions the test cartridge has always written.
struct OperandRule {
    std::optional<std::uint8_t> Only;    // the one byte it can be
    std::uint8_t Largest = 0xFF;         // else, the largest
};
OperandRule RuleFor(std::uint16_t fills)
{
    if (fills >= kPositionRegisters && fills < kPositionRegisters + kDefaultPositions.size())
        return {kDefaultPositions[fills - kPositionRegisters]};
    return {std::nullopt, fills == kScreenRegister ? kMaxScreenColorByte : std::uint8_t(0xFF)};
}

// The record a chip state shows: the screen colour, each sprite's colour,
// height and frame 0, the names a new project has.
ProjectRecord RecordOf(const ChipState& chip)
{
    ProjectRecord record;
    record.ScreenBGndColor = chip.Screen & kScreenColourBits;
    for (int k = 0; k < kSprites; ++k) {
        SpriteRecord& sprite = record.Sprites[k];
        sprite.Name = SpriteProject::DefaultName(k);
        sprite.FGndColor = SpriteColorOf(chip.Pairs[k / 2], k % 2);
        record.Console.SpriteLines[k] = SpriteLinesOf(chip.Pairs[k / 2], k % 2);
        for (int r = 0; r < kRows; ++r)
            sprite.HexRows[r] = RowText(chip.Shapes[std::size_t(kRows * k + r)]);
    }
    return record;
}

CartridgeImage BuildStillImage(const SpriteProject& project)
{
    const ChipState chip = ChipStateOf(project);
    CartridgeImage image = ProgramImage(kStillProgram, chip);
    image.insert(image.end(), chip.Shapes.begin(), chip.Shapes.end());
    return image;
}

std::size_t ListBytes(int frames) { return std::size_t(frames) * kFrameRecordBytes + kEndMarkerBytes; }

// A start entry: the count of 1 that makes the first blank copy frame 0, and
// the address of the sprite's first record.
std::array<std::uint8_t, kStartEntryBytes> StartEntry(std::size_t first)
{
    return {1, std::uint8_t(first >> 8), std::uint8_t(first & 0xFF), 0, 0, 0, 0, 0};
}

CartridgeImage BuildAnimatingImage(const SpriteProject& project)
{
    CartridgeImage image = ProgramImage(kAnimationProgram, ChipStateOf(project));
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

ImageReadResult Refused(std::string reason)
{
    return {std::nullopt, "not a test cartridge image made by Tilewright: " + std::move(reason)};
}

// "0x5F" or "0x0128": how a reason names an offset, as the program's
// listing does.
std::string Offset(std::size_t offset, bool wide)
{
    return "0x" + (wide ? RowText(static_cast<std::uint8_t>(offset >> 8)) : "") + RowText(static_cast<std::uint8_t>(offset & 0xFF));
}

// Reads the program part of an image into `chip`: the first byte that no
// project gives the program is the reason, named as `as` says where it is.
std::optional<ImageReadResult> ReadProgram(std::string_view bytes, Program program, std::span<const std::uint8_t> fixed, bool wide,
                                           const std::string& as, ChipState& chip)
{
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    for (std::size_t offset = 0; offset < std::min(bytes.size(), fixed.size()); ++offset) {
        const std::optional<std::uint16_t> fills = FilledRegister(program, offset);
        const OperandRule rule = fills ? RuleFor(*fills) : OperandRule{fixed[offset]};
        if (rule.Only && at(offset) != *rule.Only)
            return Refused("the byte at offset " + Offset(offset, wide) + " is " + RowText(at(offset)) + ", not " + RowText(*rule.Only) +
                           " as " + as);
        if (at(offset) > rule.Largest)
            return Refused("the color byte at offset " + Offset(offset, wide) + " is " + RowText(at(offset)) + ", more than the " +
                           RowText(rule.Largest) + " that color codes 0 to 7 give");
        if (fills)
            SetRegisterByte(chip, *fills, at(offset));
    }
    return std::nullopt;
}

// Reads the image the way the program will: the program, then for each
// sprite its start entry and the records it points at, up to the end marker
// that leads back to the first. The first thing that is wrong is the reason.
ImageReadResult ReadAnimatingImage(std::string_view bytes)
{
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    const auto ends = [&](const std::string& inside) {
        return Refused("the file ends at offset " + Offset(bytes.size(), true) + ", inside " + inside);
    };
    const auto wrong = [&](std::size_t offset, std::uint8_t want, const std::string& as) {
        return Refused("the byte at offset " + Offset(offset, true) + " is " + RowText(at(offset)) + ", not " + RowText(want) + " as " + as);
    };
    ChipState chip;
    if (std::optional<ImageReadResult> refused =
            ReadProgram(bytes, kAnimationProgram, kAnimationBytes, true, "in the animating test cartridge program", chip))
        return *refused;
    if (bytes.size() < kAnimationProgramBytes)
        return ends("the animating test cartridge program");
    ProjectRecord record = RecordOf(chip);
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
                return wrong(entry + i, expected[i], "in " + sprite + " start entry, which points at its first frame at offset " + Offset(first, true));
        }
        SpriteRecord& read = record.Sprites[k];
        for (int frames = 0;; ++frames) {
            if (offset >= bytes.size())
                return ends(sprite + " frames, before their end marker");
            if (at(offset) == 0) {
                if (frames == 0)
                    return Refused("the byte at offset " + Offset(offset, true) + " is 00, the end marker, before " + sprite +
                                   " first frame; a sprite has 1 to " + std::to_string(kMaxFrames) + " frames");
                const std::uint8_t back[] = {std::uint8_t(first >> 8), std::uint8_t(first & 0xFF)};
                for (std::size_t i = 1; i < kEndMarkerBytes; ++i) {
                    if (offset + i >= bytes.size())
                        return ends(sprite + " end marker");
                    if (at(offset + i) != back[i - 1])
                        return wrong(offset + i, back[i - 1],
                                     "in " + sprite + " end marker, which points back at its first frame at offset " + Offset(first, true));
                }
                offset += kEndMarkerBytes;
                animates = animates || frames > 1;
                break;
            }
            if (frames == kMaxFrames)
                return Refused("the byte at offset " + Offset(offset, true) + " is " + RowText(at(offset)) + ", not the end marker 00 after " +
                               sprite + " frame " + std::to_string(kMaxFrames - 1) + "; a sprite has 1 to " + std::to_string(kMaxFrames) + " frames");
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
        return Refused("the byte at offset " + Offset(offset, true) + " is past the end of sprite 4's frames");
    if (!animates)
        return Refused("every sprite has one frame, which Tilewright writes as the 133-byte image, not as this one");
    return {record, {}};
}

ImageReadResult ReadStillImage(std::string_view bytes)
{
    // The first wrong byte is named, wherever it is, before a wrong size:
    // a file that is no image at all says so at its start.
    ChipState chip;
    if (std::optional<ImageReadResult> refused = ReadProgram(bytes, kStillProgram, kStillBytes, false, "in the test cartridge program", chip))
        return *refused;
    if (bytes.size() < kImageBytes)
        return Refused("the file ends at offset " + Offset(bytes.size(), false) + ", before the " + std::to_string(kImageBytes) +
                       " bytes of a test cartridge image");
    if (bytes.size() > kImageBytes)
        return Refused("the byte at offset " + Offset(kImageBytes, false) + " is past the " + std::to_string(kImageBytes) +
                       " bytes of a test cartridge image");
    std::copy_n(bytes.begin() + kRowDataOffset, chip.Shapes.size(), chip.Shapes.begin());
    return {RecordOf(chip), {}};
}

} // namespace

CartridgeImage BuildCartridgeImage(const SpriteProject& project)
{
    return Animates(project) ? BuildAnimatingImage(project) : BuildStillImage(project);
}

std::size_t MaxCartridgeImageBytes() { return kMaxAnimatingImageBytes; }

ImageReadResult ReadCartridgeImage(std::string_view bytes)
{
    if (bytes.empty())
        return {std::nullopt, "the file is empty"};
    if (bytes.size() > kProgramsDiffer && static_cast<std::uint8_t>(bytes[kProgramsDiffer]) == kAnimationBytes[kProgramsDiffer])
        return ReadAnimatingImage(bytes);
    return ReadStillImage(bytes);
}

} // namespace tw
