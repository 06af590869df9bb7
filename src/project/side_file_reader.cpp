// Reads a side file section by section: the header, the settings, the
// frames, the scene. What the file holds comes back whole, or not at all.
#include <algorithm>
#include <cctype>
#include <charconv>

#include "model/row_encoding.h"
#include "project/eap_format.h"
#include "project/eap_lines.h"
#include "project/latin1.h"
#include "project/side_file.h"
#include "project/side_file_lines.h"

namespace tw {

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

namespace {

// The most lines a side file has: the header, three settings lines, three
// lines for each of 63 frames of four sprites, and the scene's 35.
constexpr int kSceneLines = 1 + (1 + kPositionLines) + (1 + kUserCharacterLines) + (1 + kCellLines);
constexpr int kMostLines = 4 + kSprites * (kMaxFrames - 1) * 3 + kSceneLines;

std::string TimeText() { return "a time from " + std::to_string(kMinFrameTime) + " to " + std::to_string(kMaxFrameTime); }

bool IsByteText(std::string_view row)
{
    return !row.empty() && row.size() <= 2 && std::all_of(row.begin(), row.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// Thrown at the first line the reader cannot use and caught once, in Run:
// the reader goes section by section without a check after every call, and
// nothing it read before reaches the caller.
struct Refusal {
    LoadError Error;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : lines_(SplitLines(bytes, kMostLines + 1)) { side_.Lines = int(lines_.size()); }

    SideFileRead Run()
    {
        try {
            const bool scene = ReadHeader();
            ReadSettings(scene);
            ReadFrames(scene);
            if (scene)
                ReadScene();
            if (At() <= Count())
                Fail(At(), "the file goes on after the scene's last db line, with " + ShownText(Text()));
        } catch (const Refusal& refused) {
            return {std::nullopt, refused.Error};
        }
        return {std::move(side_), {}};
    }

private:
    int Count() const { return int(lines_.size()); }
    int At() const { return at_; }
    std::string_view Text() const { return at_ <= Count() ? lines_[std::size_t(at_ - 1)].Text : std::string_view(); }
    [[noreturn]] void Fail(int line, std::string reason) const { throw Refusal{{line, std::move(reason), line > Count()}}; }

    bool ReadHeader()
    {
        if (Text() != kSideFileHeader && Text() != kSceneSideFileHeader)
            Fail(1, "not a Tilewright side file: its first line is " + ShownText(Text()) + ", not '" + std::string(kSideFileHeader) + "' or '" +
                        std::string(kSceneSideFileHeader) + "'");
        ++at_;
        return lines_[0].Text == kSceneSideFileHeader;
    }

    void ReadSettings(bool scene)
    {
        ConsoleSettings& console = side_.Console;
        const std::optional<TvSystem> tv = Text().starts_with(kTvLead) ? ValueNamed(kTvNames, Text().substr(kTvLead.size())) : std::nullopt;
        if (!tv)
            Fail(2, "the TV line must be ';TV-NTSC' or ';TV-PAL', not " + ShownText(Text()));
        console.Tv = *tv;
        ++at_;
        const std::optional<std::vector<int>> heights = Numbers(Text(), kSizeLead, kSprites);
        if (!heights)
            Fail(3, "the size line must give the lines of the four sprites, ';Size-16-16-16-8', not " + ShownText(Text()));
        for (int k = 0; k < kSprites; ++k) {
            if ((*heights)[k] != kTallLines && (*heights)[k] != kShortLines)
                Fail(3, "sprite " + std::to_string(k + 1) + " is " + std::to_string((*heights)[k]) + " lines tall; a sprite is 16 or 8 lines");
            console.SpriteLines[k] = static_cast<std::uint8_t>((*heights)[k]);
        }
        ++at_;
        // The times came later than the first three lines, and the scene later still.
        if (Count() < 4 && !scene)
            return;
        const std::optional<std::vector<int>> times = Numbers(Text(), kTimeLead, kSprites);
        if (!times)
            Fail(4, "the time line must give the time of the four sprites' first frames, ';Time-6-6-6-6', not " + ShownText(Text()));
        for (int k = 0; k < kSprites; ++k) {
            if ((*times)[k] < kMinFrameTime || (*times)[k] > kMaxFrameTime)
                Fail(4, "sprite " + std::to_string(k + 1) + "'s first frame has the time " + std::to_string((*times)[k]) + "; a frame has " + TimeText());
            side_.FirstTimes[k] = static_cast<std::uint8_t>((*times)[k]);
        }
        ++at_;
    }

    // Each sprite's frames in order from 1, the sprites in order; in a file
    // with a scene, up to its scene line.
    void ReadFrames(bool scene)
    {
        for (int k = 0; At() <= Count() && !(scene && Text().starts_with(kSceneLead));) {
            const auto next = [&](int sprite) { return FrameLabel(sprite, int(side_.Frames[sprite].size()) + 1) + ":"; };
            const auto full = [&](int sprite) { return int(side_.Frames[sprite].size()) + 1 >= kMaxFrames; };
            const int was = k;
            while (k < kSprites && Text() != next(k))
                ++k;
            if (k == kSprites)
                FailFrameLabel(was, scene, full(was) ? std::string() : next(was));
            if (full(k))
                Fail(At(), "sprite " + std::to_string(k + 1) + " has more than " + std::to_string(kMaxFrames) + " frames");
            side_.Labels.push_back({At(), next(k).substr(0, next(k).size() - 1)});
            ++at_;
            if (At() > Count())
                Fail(At(), "the file ends before the frame's time line");
            FrameRecord frame;
            const std::optional<std::vector<int>> time = Numbers(Text(), kTimeLead, 1);
            if (!time || (*time)[0] < kMinFrameTime || (*time)[0] > kMaxFrameTime)
                Fail(At(), "the frame's time line must be ';Time-' and " + TimeText() + ", not " + ShownText(Text()));
            frame.Time = static_cast<std::uint8_t>((*time)[0]);
            ++at_;
            if (At() > Count())
                Fail(At(), "the file ends before the frame's db line");
            frame.HexRows = ReadData();
            side_.Frames[k].push_back(std::move(frame));
        }
        if (scene && At() > Count())
            Fail(At(), "the file ends before its scene, the line ';Scene-" + std::to_string(kTallLines) + "-0' and its blocks");
    }

    // What the line after sprite `was`'s frames may be, and is not.
    [[noreturn]] void FailFrameLabel(int was, bool scene, const std::string& next) const
    {
        if (Text().starts_with(kSceneLead) && !scene)
            Fail(At(), "the scene line " + ShownText(Text()) + " needs '" + std::string(kSceneSideFileHeader) + "' as the file's first line");
        std::string expected = next.empty() ? std::string() : ShownText(next);
        if (was + 1 < kSprites)
            expected += (expected.empty() ? "" : " or ") + std::string("a later sprite's first, such as ") + ShownText(FrameLabel(was + 1, 1) + ":");
        if (scene)
            expected += (expected.empty() ? "" : ", or ") + std::string("the scene line ';Scene-16-0'");
        if (expected.empty())
            Fail(At(), "the file must end after sprite " + std::to_string(was + 1) + "'s " + std::to_string(kMaxFrames) + "th frame, not go on with " +
                           ShownText(Text()));
        Fail(At(), "the label of the next frame must be " + expected + ", not " + ShownText(Text()));
    }

    void ReadScene()
    {
        ConsoleScene& scene = side_.Scene.emplace();
        const std::optional<std::vector<int>> numbers = Numbers(Text(), kSceneLead, 2);
        if (!numbers || ((*numbers)[0] != kTallLines && (*numbers)[0] != kShortLines) || (*numbers)[1] < 0 || (*numbers)[1] > 1)
            Fail(At(), "the scene line must give the cells' lines (16 or 8) and the colour set (0 or 1), ';Scene-16-0', not " + ShownText(Text()));
        scene.CellLines = std::uint8_t((*numbers)[0]);
        scene.SecondColourSet = (*numbers)[1] == 1;
        ++at_;
        ReadBlock(kPositionsLabel, scene.Positions);
        ReadBlock(kUserCharactersLabel, scene.UserCharacters);
        ReadBlock(kCellsLabel, scene.Cells);
    }

    // A label line, then the block's bytes, eight a db line.
    template <std::size_t N>
    void ReadBlock(std::string_view label, std::array<std::uint8_t, N>& bytes)
    {
        const std::string line = std::string(label) + ':';
        if (At() > Count())
            Fail(At(), "the file ends before the scene's label " + ShownText(line));
        if (Text() != line)
            Fail(At(), "the scene's next line must be its label " + ShownText(line) + ", not " + ShownText(Text()));
        side_.Labels.push_back({At(), std::string(label)});
        ++at_;
        for (std::size_t from = 0; from < N; from += kRows) {
            if (At() > Count())
                Fail(At(), "the file ends before db line " + std::to_string(from / kRows + 1) + " of the " + std::to_string(N / kRows) +
                               " under " + ShownText(line));
            const std::vector<std::string_view> items = SplitItems(Text());
            const std::array<std::string, kRows> rows = ReadData();
            for (int i = 0; i < kRows; ++i) {
                if (!IsByteText(rows[std::size_t(i)]))
                    Fail(At() - 1, "item " + std::to_string(i + 1) + " " +
                                       ShownText(i == 0 ? items[0].substr(kDataLinePrefixLength) : items[std::size_t(i)]) + " of the db line is no byte");
                bytes[from + std::size_t(i)] = RowTextValue(rows[std::size_t(i)]);
            }
        }
    }

    // The db line at hand, read as the project file's are.
    std::array<std::string, kRows> ReadData()
    {
        std::array<std::string, kRows> rows;
        if (std::optional<std::string> wrong = ReadDataLine(Text(), rows))
            Fail(At(), std::move(*wrong));
        side_.DataLines.push_back({At(), rows});
        ++at_;
        return rows;
    }

    std::vector<TextLine> lines_;
    int at_ = 1;
    SideFile side_;
};

} // namespace

SideFileRead ReadSideFile(std::string_view bytes) { return Reader(bytes).Run(); }

} // namespace tw
