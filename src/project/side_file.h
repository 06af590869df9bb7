#pragma once

// The side file: what a project holds beyond its 13-line project file, beside
// it as NAME.eap.asm (the project file's suffix, if it has one, replaced).
// It is assembler source too, with CR LF line ends, every db line 8 items in
// the project file's own spelling, and it is read as sections, in order:
//
//   ;Tilewright side file 1        the header: 2 when the file has a scene
//   ;TV-NTSC                       the settings: the TV,
//   ;Size-16-16-16-8               the lines of sprites 1 to 4,
//   ;Time-6-6-6-6                  the first frames' times (not in the oldest files)
//   S1F1:                          the frames: sprite 1's frame 1 under its label,
//   ;Time-4                        its time,
//         db          18h,3Ch,...  its rows; then the next frame, sprite by sprite
//   ;Scene-16-0                    the scene: cell lines (16 or 8), colour set (0 or 1),
//   SPOS:                          the sprite positions (0x18F0-0x18F7),
//         db          90h,40h,...
//   UDC:                           the user-defined characters (0x19A0-0x19BF), 4 lines,
//   SCRN:                          the cells (0x1800-0x18CF), 26 lines, two a row
//
// A game includes the file and copies each block to its place in the chip.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/project_record.h"
#include "model/sprite_project.h"
#include "project/eap_reader.h"

namespace tw {

inline constexpr std::string_view kSideFileSuffix = ".eap.asm";
inline constexpr std::string_view kSideFileHeader = ";Tilewright side file 1";
inline constexpr std::string_view kSceneSideFileHeader = ";Tilewright side file 2";

// The scene's labels, in the order of their blocks, and how many db lines
// each block has.
inline constexpr std::string_view kPositionsLabel = "SPOS", kUserCharactersLabel = "UDC", kCellsLabel = "SCRN";
inline constexpr int kPositionLines = 1, kUserCharacterLines = 4, kCellLines = kCells / kRows;

// The label of frame f (1 and on) of sprite k (0 to 3): "S1F1".
std::string FrameLabel(int k, int f);

// A side file as read, whole: what it holds, and where each of its labels and
// db lines stands, so that lint judges the lines the reader read.
struct SideFile {
    ConsoleSettings Console;
    std::array<std::uint8_t, kSprites> FirstTimes{kDefaultFrameTime, kDefaultFrameTime, kDefaultFrameTime, kDefaultFrameTime};
    std::array<std::vector<FrameRecord>, kSprites> Frames; // each sprite's frames 1 and on
    std::optional<ConsoleScene> Scene;

    struct Label {
        int Line;
        std::string Name; // without its colon
    };
    struct DataLine {
        int Line;
        std::array<std::string, kRows> Rows; // the row texts the editor reads there
    };
    std::vector<Label> Labels;
    std::vector<DataLine> DataLines;
    int Lines = 0; // all the file has
};

struct SideFileRead {
    std::optional<SideFile> File;
    LoadError Error; // meaningful only when there is no File
};

// Reads a side file: all of it, or the line it cannot use and why.
SideFileRead ReadSideFile(std::string_view bytes);

// Puts what a side file holds into the record its project file filled.
void ApplySideFile(ProjectRecord& record, const SideFile& side);

// Whether the project holds anything a side file is needed for: settings
// other than the defaults (NTSC, 16 lines), frames, a time other than 6, a
// scene.
bool NeedsSideFile(const SpriteProject& project);
// Whether the two projects' side files are the same.
bool SameSideFile(const SpriteProject& a, const SpriteProject& b);

// The side file of a project (ASCII).
std::string SideFileBytes(const SpriteProject& project);

} // namespace tw
