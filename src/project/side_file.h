#pragma once

// The side file: what a project holds beyond its 13-line project file, beside
// it as NAME.eap.asm. It is assembler source too, with CR LF line ends: the
// settings in comment lines, then every frame after each sprite's first, under
// a label a game can reach it by, with its time and its rows in the project
// file's own db spelling:
//
//   ;Tilewright side file 1
//   ;TV-NTSC
//   ;Size-16-16-16-8
//   ;Time-6-6-6-6          frame 0's time of sprites 1 to 4
//   S1F1:                  sprite 1, frame 1
//   ;Time-4
//         db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h

#include <optional>
#include <string>
#include <string_view>

#include "model/project_record.h"
#include "model/sprite_project.h"
#include "project/eap_reader.h"

namespace tw {

inline constexpr std::string_view kSideFileHeader = ";Tilewright side file 1";

// Whether the project holds anything a side file is needed for: settings
// other than the defaults (NTSC, 16 lines), frames, a time other than 6.
bool NeedsSideFile(const SpriteProject& project);
// Whether the two projects' side files are the same.
bool SameSideFile(const SpriteProject& a, const SpriteProject& b);

// The label of frame f (1 and on) of sprite k (0 to 3): "S1F1".
std::string FrameLabel(int k, int f);

// The side file of a project (ASCII).
std::string SideFileBytes(const SpriteProject& project);

// Reads a side file into `record` (its console settings and frames), which
// the project file filled before. On an error, the line it is on and why;
// `record` may then be filled in part.
std::optional<LoadError> ReadSideFile(std::string_view bytes, ProjectRecord& record);

} // namespace tw
