#include "cartridge/cartridge.h"

#include <algorithm>

#include "cartridge/animation_program.h"
#include "cartridge/scene_program.h"
#include "cartridge/still_program.h"
#include "console/chip_state.h"
#include "model/row_encoding.h"

namespace tw {

static_assert(kRowDataOffset == kTemplateBytes);
static_assert(kRowDataOffset + kSprites * kRows == kImageBytes);

namespace {

constexpr auto kStillBytes = BytesOf<kTemplateBytes>(kStillProgram);
constexpr auto kAnimationBytes = BytesOf<kAnimationProgramBytes>(kAnimationProgram);
constexpr auto kSceneBytes = BytesOf<kSceneProgramBytes>(kSceneProgram);

// The bytes of 0x19F9 a scene gives: the colour code, the colour set and the
// cell height.
constexpr std::uint8_t kSceneScreenBits = kScreenColourBits | kColourSetBit | kShortCellsBit;

// Where an image's parts are, by the program it holds. The programs start
// alike; an image holds the one whose bytes its first bytes follow furthest.
struct ImageKind {
    Program Code;
    std::span<const std::uint8_t> Fixed;
    bool Scene = false;               // its operands carry a scene
    std::size_t Cells = 0, Characters = 0, StartEntries = 0, FrameLists = 0;
    std::string_view Name;            // as a reason names the program
};
const ImageKind kStillKind{kStillProgram, kStillBytes, false, 0, 0, 0, 0, "the test cartridge program"};
const ImageKind kAnimatingKind{kAnimationProgram, kAnimationBytes, false, 0, 0, kStartEntries, kFrameLists, "the animating test cartridge program"};
const ImageKind kSceneKind{kSceneProgram, kSceneBytes, true, kSceneCells, kSceneCharacters, kSceneStartEntries, kSceneFrameLists,
                           "the scene image's program"};

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
// any pair byte (two colour codes and two size bits), a screen byte of a
// colour code (and with a scene its colour set and cell height), and the
// positions of the scene, or else those the test cartridge has always
// written.
struct OperandRule {
    std::optional<std::uint8_t> Only; // the one byte it can be
    std::uint8_t Bits = 0xFF;         // else, the bits it may have set
};
OperandRule RuleFor(std::uint16_t fills, bool scene)
{
    if (!scene && fills >= kPositionRegisters && fills < kPositionRegisters + kDefaultPositions.size())
        return {kDefaultPositions[fills - kPositionRegisters]};
    if (fills == kScreenRegister)
        return {std::nullopt, scene ? kSceneScreenBits : kMaxScreenColorByte};
    return {};
}

// The record a chip state shows: the screen colour, each sprite's colour,
// height and frame 0, the names a new project has, and the scene if asked.
ProjectRecord RecordOf(const ChipState& chip, bool scene)
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
    if (scene)
        record.Scene = ConsoleScene{chip.Cells, (chip.Screen & kColourSetBit) != 0,
                                    (chip.Screen & kShortCellsBit) ? kShortLines : kTallLines, chip.UserCharacters, chip.Positions};
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

// Appends the start entries and then every sprite's frames, the first
// sprite's first record at `lists`.
void AppendFrames(CartridgeImage& image, const SpriteProject& project, std::size_t lists)
{
    std::size_t first = lists;
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
}

CartridgeImage BuildPlayingImage(const SpriteProject& project, const ImageKind& kind)
{
    const ChipState chip = ChipStateOf(project);
    CartridgeImage image = ProgramImage(kind.Code, chip);
    if (kind.Scene) {
        image.insert(image.end(), chip.Cells.begin(), chip.Cells.end());
        image.insert(image.end(), chip.UserCharacters.begin(), chip.UserCharacters.end());
    }
    AppendFrames(image, project, kind.FrameLists);
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
// project gives the program is the reason.
std::optional<ImageReadResult> ReadProgram(std::string_view bytes, const ImageKind& kind, bool wide, ChipState& chip)
{
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    for (std::size_t offset = 0; offset < std::min(bytes.size(), kind.Fixed.size()); ++offset) {
        const std::optional<std::uint16_t> fills = FilledRegister(kind.Code, offset);
        const OperandRule rule = fills ? RuleFor(*fills, kind.Scene) : OperandRule{kind.Fixed[offset]};
        const std::string where = " at offset " + Offset(offset, wide) + " is " + RowText(at(offset));
        if (rule.Only && at(offset) != *rule.Only)
            return Refused("the byte" + where + ", not " + RowText(*rule.Only) + " as in " + std::string(kind.Name));
        if ((at(offset) & ~rule.Bits) && kind.Scene)
            return Refused("the screen byte" + where + ", which sets bits 4 to 6; a scene sets the color code (bits 0 to 2), the color set (bit 3) and the cell height (bit 7)");
        if (at(offset) & ~rule.Bits)
            return Refused("the color byte" + where + ", more than the " + RowText(rule.Bits) + " that color codes 0 to 7 give");
        if (fills)
            SetRegisterByte(chip, *fills, at(offset));
    }
    return std::nullopt;
}

// Reads each sprite's start entry and the records it points at, up to the
// end marker that leads back to the first, into `record`, and then wants
// the file to end. The first thing that is wrong is the reason.
std::optional<ImageReadResult> ReadFrames(std::string_view bytes, const ImageKind& kind, ProjectRecord& record, bool& animates)
{
    const auto at = [&](std::size_t offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    const auto ends = [&](const std::string& inside) {
        return Refused("the file ends at offset " + Offset(bytes.size(), true) + ", inside " + inside);
    };
    const auto wrong = [&](std::size_t offset, std::uint8_t want, const std::string& as) {
        return Refused("the byte at offset " + Offset(offset, true) + " is " + RowText(at(offset)) + ", not " + RowText(want) + " as " + as);
    };
    std::size_t offset = kind.FrameLists;
    animates = false;
    for (int k = 0; k < kSprites; ++k) {
        const std::string sprite = "sprite " + std::to_string(k + 1) + "'s";
        const std::size_t first = offset, entry = kind.StartEntries + kStartEntryBytes * std::size_t(k);
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
    return std::nullopt;
}

// Reads an image that plays its frames the way its program will: the
// program, the scene's cells and characters if it has them, then the
// frames.
ImageReadResult ReadPlayingImage(std::string_view bytes, const ImageKind& kind)
{
    ChipState chip;
    if (std::optional<ImageReadResult> refused = ReadProgram(bytes, kind, true, chip))
        return *refused;
    const auto ends = [&](std::string_view inside) {
        return Refused("the file ends at offset " + Offset(bytes.size(), true) + ", inside " + std::string(inside));
    };
    if (bytes.size() < kind.Fixed.size())
        return ends(kind.Name);
    if (kind.Scene) {
        if (bytes.size() < kind.Characters)
            return ends("the scene's cells");
        if (bytes.size() < kind.StartEntries)
            return ends("the user-defined characters");
        std::copy_n(bytes.begin() + std::ptrdiff_t(kind.Cells), chip.Cells.size(), chip.Cells.begin());
        std::copy_n(bytes.begin() + std::ptrdiff_t(kind.Characters), chip.UserCharacters.size(), chip.UserCharacters.begin());
    }
    ProjectRecord record = RecordOf(chip, kind.Scene);
    bool animates = false;
    if (std::optional<ImageReadResult> refused = ReadFrames(bytes, kind, record, animates))
        return *refused;
    if (!animates && !kind.Scene)
        return Refused("every sprite has one frame, which Tilewright writes as the 133-byte image, not as this one");
    return {record, {}};
}

ImageReadResult ReadStillImage(std::string_view bytes)
{
    // The first wrong byte is named, wherever it is, before a wrong size:
    // a file that is no image at all says so at its start.
    ChipState chip;
    if (std::optional<ImageReadResult> refused = ReadProgram(bytes, kStillKind, false, chip))
        return *refused;
    if (bytes.size() < kImageBytes)
        return Refused("the file ends at offset " + Offset(bytes.size(), false) + ", before the " + std::to_string(kImageBytes) +
                       " bytes of a test cartridge image");
    if (bytes.size() > kImageBytes)
        return Refused("the byte at offset " + Offset(kImageBytes, false) + " is past the " + std::to_string(kImageBytes) +
                       " bytes of a test cartridge image");
    std::copy_n(bytes.begin() + kRowDataOffset, chip.Shapes.size(), chip.Shapes.begin());
    return {RecordOf(chip, false), {}};
}

// How many of the image's first bytes are the program's.
std::size_t FollowedBytes(std::string_view bytes, std::span<const std::uint8_t> fixed)
{
    std::size_t n = 0;
    while (n < bytes.size() && n < fixed.size() && static_cast<std::uint8_t>(bytes[n]) == fixed[n])
        ++n;
    return n;
}

} // namespace

CartridgeImage BuildCartridgeImage(const SpriteProject& project)
{
    if (project.Scene)
        return BuildPlayingImage(project, kSceneKind);
    return Animates(project) ? BuildPlayingImage(project, kAnimatingKind) : BuildStillImage(project);
}

std::size_t MaxCartridgeImageBytes() { return std::max(kMaxAnimatingImageBytes, kMaxSceneImageBytes); }

ImageReadResult ReadCartridgeImage(std::string_view bytes)
{
    if (bytes.empty())
        return {std::nullopt, "the file is empty"};
    // Where two programs follow as far, the earlier one names what is wrong.
    const ImageKind* kind = &kStillKind;
    for (const ImageKind* other : {&kAnimatingKind, &kSceneKind})
        if (FollowedBytes(bytes, other->Fixed) > FollowedBytes(bytes, kind->Fixed))
            kind = other;
    return kind == &kStillKind ? ReadStillImage(bytes) : ReadPlayingImage(bytes, *kind);
}

} // namespace tw
