#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/sprite_project.h"
#include "project/eap_format.h"

namespace tw {

// What a project file holds, read by position. Texts are UTF-8.
struct SpriteRecord {
    std::string Name;
    std::uint8_t FGndColor = kWhiteCode;
    std::array<std::string, kRows> HexRows;
};

struct ProjectRecord {
    std::uint8_t ScreenBGndColor = 0;
    std::array<SpriteRecord, kSprites> Sprites;
};

struct LoadError {
    int Line = 0;           // 1-based line of the file
    std::string Reason;     // what is wrong there, without the line number
    bool EndOfData = false; // the data ran out before this line
};

struct ReadResult {
    std::optional<ProjectRecord> Record;
    LoadError Error; // meaningful only when Record is empty
};

// Reads a project file's bytes (ISO-8859-1). Tolerant as the format has always
// been (only the last character of the colour lines, the text before the last
// character of a label line and the items after an 18-character prefix count);
// any line it cannot use gives an error and no record.
ReadResult ReadProjectFile(std::string_view bytes);

// Redraws sprite k's blocks from its row texts (`ParseSprite1`..`ParseSprite4`
// in one function, by sprite index).
void ParseSprite(SpriteProject& project, int k);
void ParseProjectSprites(SpriteProject& project);

// Puts a record that was read in full into the project, redraws the sprites,
// selects the screen colour and makes `fileName` the project file (empty: none,
// as for a picture's sprites). The view cells are left as they are.
void ApplyProjectRecord(SpriteProject& project, const ProjectRecord& record, const std::string& fileName);

} // namespace tw
