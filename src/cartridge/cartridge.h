#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/project_record.h"
#include "model/sprite_project.h"

namespace tw {

inline constexpr std::size_t kImageBytes = 133;
// The 133-byte image's colour operands and rows, as its listing gives them.
inline constexpr std::size_t kSprite12ColorOffset = 0x55;
inline constexpr std::size_t kSprite34ColorOffset = 0x5A;
inline constexpr std::size_t kScreenColorOffset = 0x5F;
inline constexpr std::size_t kRowDataOffset = 0x65;

// 133 bytes for a project whose sprites have one frame each, the animating
// image (animation_program.h) for one where some sprite has more, and the
// scene image (scene_program.h) for a project with a scene, whatever its
// frames.
using CartridgeImage = std::vector<std::uint8_t>;

// The test cartridge for the project as shown, its rows taken from the row
// texts (not the blocks). Each program's operands that set a chip register
// are that register's byte in the project's chip state (ChipStateOf).
// Without animation: the program, then the 32 row bytes of frame 0. With it:
// the animation program, the RAM's start entries and every sprite's frames
// with their times. With a scene: the scene program, the cells, the
// user-defined characters, then as the animating image.
CartridgeImage BuildCartridgeImage(const SpriteProject& project);

// The largest screen colour byte: what codes 0 to 7 give.
inline constexpr std::uint8_t kMaxScreenColorByte = 7;

struct ImageReadResult {
    std::optional<ProjectRecord> Record;
    std::string Error; // names the offset of the first byte that is wrong, when no record
};

// Reads a test cartridge image back into the project it shows: the screen
// colour, the four sprites' colours, sizes, frames and times, the scene of
// a scene image, and the names of a new project. Only what
// BuildCartridgeImage can write is taken, so that the record builds the
// same bytes again: 133 bytes, the 133-byte program, and a screen colour
// byte that codes 0 to 7 give; or the animation program (the same colour
// bytes), start entries that point at each sprite's frames, 1 to 64 frames
// a sprite with times 1 to 255, end markers that point back at the first,
// not a byte more, and some sprite with more than one frame; or the scene
// program (any positions, a screen byte with no bits 4 to 6), its cells and
// characters, then frames as the animating image has them, one a sprite
// or more.
ImageReadResult ReadCartridgeImage(std::string_view bytes);

// The longest file that can be a test cartridge image.
std::size_t MaxCartridgeImageBytes();

} // namespace tw
