#include "project/side_file.h"

#include <charconv>

#include "project/eap_format.h"
#include "project/eap_lines.h"
#include "project/eap_writer.h"
#include "project/latin1.h"

namespace tw {
namespace {

constexpr std::string_view kTvLead = ";TV-", kSizeLead = ";Size-", kTimeLead = ";Time-";
constexpr std::string_view kNtsc = "NTSC", kPal = "PAL";
// A side file is short: its header and three lines a frame.
constexpr int kMostLines = 4 + kSprites * (kMaxFrames - 1) * 3 + 1;

// Whole numbers of at most three digits, "-"-separated, after a lead: as
// many as `count`.
std::optional<std::vector<int>> Numbers(std::string_view line, std::string_view lead, int count)
{
    if (line.substr(0, lead.size()) != lead)
        return std::nullopt;
    std::string_view text = line.substr(lead.size());
    std::vector<int> numbers;
    while (true) {
        int value = 0;
        const std::size_t end = std::min(text.find('-'), text.size());
        const auto [at, error] = std::from_chars(text.data(), text.data() + end, value);
        if (end == 0 || end > 3 || error != std::errc() || at != text.data() + end)
            return std::nullopt;
        numbers.push_back(value);
        if (end == text.size())
            break;
        text.remove_prefix(end + 1);
    }
    return int(numbers.size()) == count ? std::optional(numbers) : std::nullopt;
}

std::string NumbersLine(std::string_view lead, const std::vector<int>& numbers)
{
    std::string line(lead);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i)
            line += '-';
        line += std::to_string(numbers[i]);
    }
    return line += kLineEnd;
}

std::string TimeText(int low = kMinFrameTime) { return "a time from " + std::to_string(low) + " to " + std::to_string(kMaxFrameTime); }

} // namespace

bool NeedsSideFile(const SpriteProject& project)
{
    if (!project.Console.IsDefault())
        return true;
    for (const SpriteState& sprite : project.Sprites)
        if (sprite.Frames() > 1 || sprite.Time != kDefaultFrameTime)
            return true;
    return false;
}

bool SameSideFile(const SpriteProject& a, const SpriteProject& b)
{
    if (a.Console != b.Console)
        return false;
    for (int k = 0; k < kSprites; ++k) {
        const SpriteState &s = a.Sprites[k], &t = b.Sprites[k];
        if (s.Time != t.Time || s.Frames() != t.Frames())
            return false;
        for (int f = 1; f < s.Frames(); ++f)
            if (s.Frame(f).Time != t.Frame(f).Time || DataLine(s.Frame(f).HexRows) != DataLine(t.Frame(f).HexRows))
                return false;
    }
    return true;
}

std::string FrameLabel(int k, int f)
{
    std::string label = "S";
    label += std::to_string(k + 1);
    label += 'F';
    return label += std::to_string(f);
}

std::string SideFileBytes(const SpriteProject& project)
{
    const ConsoleSettings& console = project.Console;
    std::string text = std::string(kSideFileHeader) + kLineEnd;
    text += std::string(kTvLead) + std::string(console.Tv == TvSystem::Pal ? kPal : kNtsc) + kLineEnd;
    text += NumbersLine(kSizeLead, {console.SpriteLines.begin(), console.SpriteLines.end()});
    std::vector<int> times;
    for (const SpriteState& sprite : project.Sprites)
        times.push_back(sprite.Time);
    text += NumbersLine(kTimeLead, times);
    for (int k = 0; k < kSprites; ++k)
        for (int f = 1; f < project.Sprites[k].Frames(); ++f) {
            const SpriteFrame& frame = project.Sprites[k].Frame(f);
            text += FrameLabel(k, f) + ":" + kLineEnd;
            text += NumbersLine(kTimeLead, {frame.Time});
            text += DataLine(frame.HexRows) + kLineEnd;
        }
    return Utf8ToLatin1(text);
}

std::optional<LoadError> ReadSideFile(std::string_view bytes, ProjectRecord& record)
{
    const std::vector<TextLine> lines = SplitLines(bytes, kMostLines);
    const auto text = [&](int number) { return number <= int(lines.size()) ? lines[number - 1].Text : std::string_view(); };
    const auto fail = [&](int line, std::string reason) { return LoadError{line, std::move(reason), line > int(lines.size())}; };
    if (text(1) != kSideFileHeader)
        return fail(1, "not a Tilewright side file: its first line is " + ShownText(text(1)) + ", not '" + std::string(kSideFileHeader) + "'");
    ConsoleSettings& console = record.Console;
    if (text(2) != std::string(kTvLead) + std::string(kNtsc) && text(2) != std::string(kTvLead) + std::string(kPal))
        return fail(2, "the TV line must be ';TV-NTSC' or ';TV-PAL', not " + ShownText(text(2)));
    console.Tv = text(2).substr(kTvLead.size()) == kPal ? TvSystem::Pal : TvSystem::Ntsc;
    const std::optional<std::vector<int>> heights = Numbers(text(3), kSizeLead, kSprites);
    if (!heights)
        return fail(3, "the size line must give the lines of the four sprites, ';Size-16-16-16-8', not " + ShownText(text(3)));
    for (int k = 0; k < kSprites; ++k) {
        if ((*heights)[k] != kTallLines && (*heights)[k] != kShortLines)
            return fail(3, "sprite " + std::to_string(k + 1) + " is " + std::to_string((*heights)[k]) + " lines tall; a sprite is 16 or 8 lines");
        console.SpriteLines[k] = static_cast<std::uint8_t>((*heights)[k]);
    }
    // The times and the frames came later than the first three lines.
    if (int(lines.size()) < 4)
        return std::nullopt;
    const std::optional<std::vector<int>> times = Numbers(text(4), kTimeLead, kSprites);
    if (!times)
        return fail(4, "the time line must give the time of the four sprites' first frames, ';Time-6-6-6-6', not " + ShownText(text(4)));
    for (int k = 0; k < kSprites; ++k) {
        if ((*times)[k] < kMinFrameTime || (*times)[k] > kMaxFrameTime)
            return fail(4, "sprite " + std::to_string(k + 1) + "'s first frame has the time " + std::to_string((*times)[k]) + "; a frame has " + TimeText());
        record.Sprites[k].Time = static_cast<std::uint8_t>((*times)[k]);
    }
    // Then the frames, sprite by sprite, each sprite's in order from 1.
    int k = 0;
    for (int line = 5; line <= int(lines.size()); line += 3) {
        // The next frame of the sprite at hand, or the first of a later one.
        const auto next = [&](int sprite) { return FrameLabel(sprite, int(record.Sprites[sprite].Later.size()) + 1) + ":"; };
        const std::string_view label = text(line);
        const int was = k;
        while (k < kSprites && label != next(k))
            ++k;
        if (k == kSprites)
            return fail(line, "the label of the next frame must be " + ShownText(next(was)) +
                                  (was + 1 < kSprites ? " or a later sprite's first, such as " + ShownText(next(was + 1)) : std::string()) +
                                  ", not " + ShownText(label));
        if (record.Sprites[k].Later.size() + 1 >= kMaxFrames)
            return fail(line, "sprite " + std::to_string(k + 1) + " has more than " + std::to_string(kMaxFrames) + " frames");
        FrameRecord frame;
        const std::optional<std::vector<int>> time = Numbers(text(line + 1), kTimeLead, 1);
        if (!time || (*time)[0] < kMinFrameTime || (*time)[0] > kMaxFrameTime)
            return fail(line + 1, "the frame's time line must be ';Time-' and " + TimeText() + ", not " + ShownText(text(line + 1)));
        frame.Time = static_cast<std::uint8_t>((*time)[0]);
        if (line + 2 > int(lines.size()))
            return fail(line + 2, "the file ends before the frame's db line");
        if (std::optional<std::string> wrong = ReadDataLine(text(line + 2), frame.HexRows))
            return fail(line + 2, std::move(*wrong));
        record.Sprites[k].Later.push_back(std::move(frame));
    }
    return std::nullopt;
}

} // namespace tw
