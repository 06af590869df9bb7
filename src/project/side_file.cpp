#include "project/side_file.h"

#include "model/row_encoding.h"
#include "project/eap_format.h"
#include "project/eap_writer.h"
#include "project/latin1.h"
#include "project/side_file_lines.h"

namespace tw {
namespace {

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

// Eight bytes from `bytes` on as a db line.
template <std::size_t N>
std::string BytesLine(const std::array<std::uint8_t, N>& bytes, std::size_t from)
{
    std::array<std::string, kRows> items;
    for (int i = 0; i < kRows; ++i)
        items[std::size_t(i)] = RowText(bytes[from + std::size_t(i)]);
    return DataLine(items) + kLineEnd;
}

template <std::size_t N>
std::string Block(std::string_view label, const std::array<std::uint8_t, N>& bytes)
{
    std::string text = std::string(label) + ':' + kLineEnd;
    for (std::size_t from = 0; from < N; from += kRows)
        text += BytesLine(bytes, from);
    return text;
}

std::string SceneText(const ConsoleScene& scene)
{
    return NumbersLine(kSceneLead, {scene.CellLines, scene.SecondColourSet ? 1 : 0}) + Block(kPositionsLabel, scene.Positions) +
           Block(kUserCharactersLabel, scene.UserCharacters) + Block(kCellsLabel, scene.Cells);
}

} // namespace

std::string FrameLabel(int k, int f) { return "S" + std::to_string(k + 1) + 'F' + std::to_string(f); }

void ApplySideFile(ProjectRecord& record, const SideFile& side)
{
    record.Console = side.Console;
    for (int k = 0; k < kSprites; ++k) {
        record.Sprites[k].Time = side.FirstTimes[k];
        record.Sprites[k].Later = side.Frames[k];
    }
    record.Scene = side.Scene;
}

bool NeedsSideFile(const SpriteProject& project)
{
    if (!project.Console.IsDefault() || project.Scene)
        return true;
    for (const SpriteState& sprite : project.Sprites)
        if (sprite.Frames() > 1 || sprite.Time != kDefaultFrameTime)
            return true;
    return false;
}

bool SameSideFile(const SpriteProject& a, const SpriteProject& b)
{
    if (a.Console != b.Console || a.Scene != b.Scene)
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

std::string SideFileBytes(const SpriteProject& project)
{
    const ConsoleSettings& console = project.Console;
    std::string text = std::string(project.Scene ? kSceneSideFileHeader : kSideFileHeader) + kLineEnd;
    text += std::string(kTvLead) + std::string(NameOf(kTvNames, console.Tv)) + kLineEnd;
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
    if (project.Scene)
        text += SceneText(*project.Scene);
    return Utf8ToLatin1(text);
}

} // namespace tw
