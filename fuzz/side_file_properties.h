#pragma once

// What must hold for any bytes handed to the side file reader, whatever they
// are. Shared by the fuzzer (which aborts on the first violation) and fit for
// the regression suite (which would report it), so both judge inputs the
// same way. Standard library and the core only.

#include <string>
#include <string_view>
#include <vector>

#include "cost_bound.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "project/side_file.h"
#include "project_properties.h"

namespace tw::fuzz {

// What one read may cost in the fuzzer's build (coverage, AddressSanitizer,
// UndefinedBehaviorSanitizer). The reader keeps each line's place, each frame
// and each db line's eight row texts twice (the frames, and the lines lint
// judges); a file of nothing but the shortest frames (a label, a time and a
// db line of one-character items, about 49 bytes) is where that weighs most
// against the bytes: 14.4 bytes of heap a byte, with the vectors' spare room.
// The longest file Tilewright writes (4 sprites of 64 frames and a scene,
// 21,559 bytes) took 305 KB and at most 4 ms here. So: a floor of 0.1 s and
// 64 KiB, and 10 us and 32 bytes more a byte.
inline constexpr CostBound kSideFileReadBound{0.1, 10e-6, 64 << 10, 32};

// The input's lines as a text editor numbers them: a line ends at CR LF, a
// lone CR or a lone LF, and text after the last line end is one line more.
// Counted here, not with the reader's splitter, so that the two can disagree.
inline std::vector<std::string_view> InputLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// Where the side file's content goes: the record of a project file, as a
// load has it before it reads the side file beside it.
inline ProjectRecord ProjectFileRecord()
{
    static const ProjectRecord record = *ReadProjectFile(ProjectFileBytes(EditedProject())).Record;
    return record;
}

// What a load of the project file and then `side` makes of a project.
inline SpriteProject LoadedWith(const SideFile& side)
{
    ProjectRecord record = ProjectFileRecord();
    ApplySideFile(record, side);
    SpriteProject project = EditedProject();
    ApplyProjectRecord(project, record, "/fuzz/in.eap");
    return project;
}

// The bytes a frame's rows stand for: a text written by hand may come back
// spelt as the byte it stands for (Ah as 0AAh), never as another byte.
inline std::array<std::uint8_t, kRows> RowValues(const std::array<std::string, kRows>& rows)
{
    std::array<std::uint8_t, kRows> values{};
    for (int r = 0; r < kRows; ++r)
        values[std::size_t(r)] = RowTextValue(rows[std::size_t(r)]);
    return values;
}

// What a side file holds for the project, not where it stands in the file.
inline std::string CompareContents(const SideFile& a, const SideFile& b)
{
    if (a.Console != b.Console)
        return "the TV or the sprites' lines";
    if (a.FirstTimes != b.FirstTimes)
        return "the first frames' times";
    for (int k = 0; k < kSprites; ++k) {
        if (a.Frames[k].size() != b.Frames[k].size())
            return "sprite " + std::to_string(k + 1) + "'s number of frames";
        for (std::size_t f = 0; f < a.Frames[k].size(); ++f)
            if (a.Frames[k][f].Time != b.Frames[k][f].Time || RowValues(a.Frames[k][f].HexRows) != RowValues(b.Frames[k][f].HexRows))
                return "sprite " + std::to_string(k + 1) + "'s frame " + std::to_string(f + 1);
    }
    return a.Scene == b.Scene ? "" : "the scene";
}

// The lines a read names, each within the input and each the line it says.
inline std::string CheckLineNumbers(const SideFile& side, const std::vector<std::string_view>& lines)
{
    const int count = int(lines.size());
    if (side.Lines != count)
        return "the reader counts " + std::to_string(side.Lines) + " lines in a file of " + std::to_string(count);
    int previous = 0;
    for (const SideFile::Label& label : side.Labels) {
        if (label.Line <= previous || label.Line > count)
            return "the label " + label.Name + " is on line " + std::to_string(label.Line) + " of " + std::to_string(count) + ", after line " +
                   std::to_string(previous);
        if (lines[std::size_t(label.Line - 1)] != label.Name + ":")
            return "line " + std::to_string(label.Line) + " is not the label " + label.Name + " it is said to be";
        previous = label.Line;
    }
    previous = 0;
    for (const SideFile::DataLine& data : side.DataLines) {
        std::array<std::string, kRows> rows;
        if (data.Line <= previous || data.Line > count)
            return "a db line is on line " + std::to_string(data.Line) + " of " + std::to_string(count) + ", after line " + std::to_string(previous);
        if (ReadDataLine(lines[std::size_t(data.Line - 1)], rows) || rows != data.Rows)
            return "line " + std::to_string(data.Line) + " is not the db line it is said to be";
        previous = data.Line;
    }
    // Every frame has its label and its db line, and the scene three labels
    // and its blocks' db lines.
    std::size_t frames = 0;
    for (const std::vector<FrameRecord>& sprite : side.Frames)
        frames += sprite.size();
    const std::size_t sceneLabels = side.Scene ? 3 : 0;
    const std::size_t sceneData = side.Scene ? kPositionLines + kUserCharacterLines + kCellLines : 0;
    if (side.Labels.size() != frames + sceneLabels || side.DataLines.size() != frames + sceneData)
        return std::to_string(side.Labels.size()) + " labels and " + std::to_string(side.DataLines.size()) + " db lines for " +
               std::to_string(frames) + " frames" + (side.Scene ? " and a scene" : "");
    return {};
}

// What a read gives, by itself.
inline std::string CheckSideFileValues(const SideFile& side)
{
    for (int k = 0; k < kSprites; ++k) {
        const std::string which = "sprite " + std::to_string(k + 1);
        if (side.Console.SpriteLines[k] != kTallLines && side.Console.SpriteLines[k] != kShortLines)
            return which + " is " + std::to_string(side.Console.SpriteLines[k]) + " lines tall";
        if (side.FirstTimes[k] < kMinFrameTime)
            return which + "'s first frame has the time 0";
        if (side.Frames[k].size() + 1 > std::size_t(kMaxFrames))
            return which + " has " + std::to_string(side.Frames[k].size() + 1) + " frames";
        for (const FrameRecord& frame : side.Frames[k])
            if (frame.Time < kMinFrameTime)
                return which + " has a frame of the time 0";
    }
    if (side.Scene && side.Scene->CellLines != kTallLines && side.Scene->CellLines != kShortLines)
        return "the scene's cells are " + std::to_string(side.Scene->CellLines) + " lines tall";
    return {};
}

// Every property of one read of `bytes`; empty when all hold, else what broke.
inline std::string CheckSideFileRead(std::string_view bytes, const SideFileRead& read)
{
    const std::vector<std::string_view> lines = InputLines(bytes);
    const int count = int(lines.size());
    if (!read.File) {
        const LoadError& error = read.Error;
        if (error.Reason.empty())
            return "the error gives no reason";
        // Past the last line only when the file ends too soon, and then the
        // line after it.
        if (error.Line < 1 || error.Line > count + 1)
            return "the error names line " + std::to_string(error.Line) + " of a file of " + std::to_string(count) + " lines";
        if (error.EndOfData != (error.Line == count + 1))
            return "the error names line " + std::to_string(error.Line) + " of " + std::to_string(count) + " lines, and says the file " +
                   (error.EndOfData ? "ended" : "did not end") + " before it";
        return {};
    }
    const SideFile& side = *read.File;
    if (std::string why = CheckLineNumbers(side, lines); !why.empty())
        return why;
    if (std::string why = CheckSideFileValues(side); !why.empty())
        return why;

    // Loaded and saved, it is a side file that reads back to what it held,
    // and that saves again as the very same bytes.
    const std::string first = SideFileBytes(LoadedWith(side));
    const SideFileRead again = ReadSideFile(first);
    if (!again.File)
        return "the saved side file does not load: line " + std::to_string(again.Error.Line) + ": " + again.Error.Reason;
    if (std::string what = CompareContents(side, *again.File); !what.empty())
        return what + " changed through load, save and load";
    if (SideFileBytes(LoadedWith(*again.File)) != first)
        return "load, save, load, save gives a different side file";
    return {};
}

inline std::string CheckSideFileProperties(std::string_view bytes) { return CheckSideFileRead(bytes, ReadSideFile(bytes)); }

} // namespace tw::fuzz
