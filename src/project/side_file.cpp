#include "project/side_file.h"

#include "project/eap_format.h"
#include "project/eap_lines.h"
#include "project/latin1.h"

namespace tw {
namespace {

constexpr std::string_view kTvLead = ";TV-";
constexpr std::string_view kSizeLead = ";Size-";
constexpr std::string_view kNtsc = "NTSC", kPal = "PAL";

// "-"-separated numbers after a lead, as many as there are sprites.
std::optional<std::array<int, kSprites>> Numbers(std::string_view text)
{
    std::array<int, kSprites> numbers{};
    for (int k = 0; k < kSprites; ++k) {
        const std::size_t end = std::min(text.find('-'), text.size());
        const std::string_view digits = text.substr(0, end);
        if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        numbers[k] = std::stoi(std::string(digits));
        if ((k + 1 < kSprites) != (end < text.size()))
            return std::nullopt; // too few, or too many
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return numbers;
}

} // namespace

bool NeedsSideFile(const SpriteProject& project) { return !project.Console.IsDefault(); }

bool SameSideFile(const SpriteProject& a, const SpriteProject& b) { return a.Console == b.Console; }

std::string SideFileBytes(const SpriteProject& project)
{
    const ConsoleSettings& console = project.Console;
    std::string text = std::string(kSideFileHeader) + kLineEnd;
    text += std::string(kTvLead) + std::string(console.Tv == TvSystem::Pal ? kPal : kNtsc) + kLineEnd;
    text += kSizeLead;
    for (int k = 0; k < kSprites; ++k)
        text += std::to_string(console.SpriteLines[k]) + (k + 1 < kSprites ? "-" : kLineEnd);
    return text;
}

std::optional<LoadError> ReadSideFile(std::string_view bytes, ProjectRecord& record)
{
    const std::vector<TextLine> lines = SplitLines(bytes, 3);
    const auto line = [&](int number) { return number <= int(lines.size()) ? lines[number - 1].Text : std::string_view(); };
    const auto shown = [](std::string_view text) { return ShownText(text); };
    if (line(1) != kSideFileHeader)
        return LoadError{1, "not a Tilewright side file: its first line is " + shown(line(1)) + ", not '" + std::string(kSideFileHeader) + "'",
                         lines.empty()};
    ConsoleSettings& console = record.Console;
    const std::string_view tv = line(2);
    if (tv.substr(0, kTvLead.size()) != kTvLead || (tv.substr(kTvLead.size()) != kNtsc && tv.substr(kTvLead.size()) != kPal))
        return LoadError{2, "the TV line must be ';TV-NTSC' or ';TV-PAL', not " + shown(tv), lines.size() < 2};
    console.Tv = tv.substr(kTvLead.size()) == kPal ? TvSystem::Pal : TvSystem::Ntsc;
    const std::string_view size = line(3);
    const std::optional<std::array<int, kSprites>> heights =
        size.substr(0, kSizeLead.size()) == kSizeLead ? Numbers(size.substr(kSizeLead.size())) : std::nullopt;
    if (!heights)
        return LoadError{3, "the size line must give the lines of the four sprites, ';Size-16-16-16-8', not " + shown(size),
                         lines.size() < 3};
    for (int k = 0; k < kSprites; ++k) {
        if ((*heights)[k] != kTallLines && (*heights)[k] != kShortLines)
            return LoadError{3, "sprite " + std::to_string(k + 1) + " is " + std::to_string((*heights)[k]) +
                                    " lines tall; a sprite is 16 or 8 lines"};
        console.SpriteLines[k] = static_cast<std::uint8_t>((*heights)[k]);
    }
    return std::nullopt;
}

} // namespace tw
