#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/sprite_project.h"

namespace tw {

// What a file holds of a project, whatever its format: every reader (the
// project file, a cartridge image, a picture) fills one, and loading puts it
// into a project by the one rule below. Texts are UTF-8.
struct FrameRecord {
    std::array<std::string, kRows> HexRows;
    std::uint8_t Time = kDefaultFrameTime;
};

struct SpriteRecord : FrameRecord { // frame 0
    std::string Name;
    std::uint8_t FGndColor = kWhiteCode;
    std::vector<FrameRecord> Later; // frames 1 and on
};

struct ProjectRecord {
    std::uint8_t ScreenBGndColor = 0;
    std::array<SpriteRecord, kSprites> Sprites;
    ConsoleSettings Console; // from a side file or a cartridge image; else the defaults
    std::optional<ConsoleScene> Scene;
};

// Redraws sprite k's blocks from its row texts, as a load does, in every
// frame (`ParseSprite1`..`ParseSprite4` in one function, by sprite index).
void ParseSprite(SpriteProject& project, int k);
void ParseProjectSprites(SpriteProject& project);

// Puts a record that was read in full into the project: names, colours and
// row texts, the blocks redrawn from them, the screen colour selected, and
// `fileName` as the project file (empty: none, as for an imported image or
// picture). The view cells are left as they are.
void ApplyProjectRecord(SpriteProject& project, const ProjectRecord& record, const std::string& fileName);

} // namespace tw
