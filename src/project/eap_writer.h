#pragma once

#include <array>
#include <string>

#include "model/sprite_project.h"
#include "project/eap_format.h"

namespace tw {

// A db line of eight row texts, without its line end.
std::string DataLine(const std::array<std::string, kRows>& hexRows);

// One row text as an item of a db line: "3C" -> "3Ch", "A5" -> "0A5h".
std::string RowItem(const std::string& rowText);

// The three lines (label, colour comment, db line) of sprite k, each ending
// in CR LF, built from the name box, the row texts and the foreground colour.
std::string CompileSprite(const SpriteProject& project, int k);

// The whole 13-line project file as UTF-8 text.
std::string ProjectFileText(const SpriteProject& project);

// The file's bytes as they go to disk (ISO-8859-1).
std::string ProjectFileBytes(const SpriteProject& project);

// Whether the two projects save as the same bytes, worked out from what the
// file is made of instead of building it: a block click asks it. (Row texts
// holding a comma, which the editor never makes, may count as different.)
bool SameProjectFile(const SpriteProject& a, const SpriteProject& b);

} // namespace tw
