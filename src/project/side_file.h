#pragma once

// The side file: what a project holds beyond its 13-line project file (the
// TV, the sprites' heights), beside it as NAME.eap.asm. It is assembler
// source too, comment lines that both assemblers skip, with CR LF line ends:
//
//   ;Tilewright side file 1
//   ;TV-NTSC
//   ;Size-16-16-16-8

#include <optional>
#include <string>
#include <string_view>

#include "model/project_record.h"
#include "model/sprite_project.h"
#include "project/eap_reader.h"

namespace tw {

inline constexpr std::string_view kSideFileHeader = ";Tilewright side file 1";

// Whether the project holds anything a side file is needed for.
bool NeedsSideFile(const SpriteProject& project);
// Whether the two projects' side files are the same.
bool SameSideFile(const SpriteProject& a, const SpriteProject& b);

// The side file of a project (ASCII).
std::string SideFileBytes(const SpriteProject& project);

// Reads a side file into `record` (its console settings), which the project
// file filled before. On an error, the line it is on and why; `record` may
// then be filled in part.
std::optional<LoadError> ReadSideFile(std::string_view bytes, ProjectRecord& record);

} // namespace tw
