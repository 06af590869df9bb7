#pragma once

// What the console shows around the four sprites: for now where it puts
// them. A project without a scene shows the test cartridge's screen.

#include <array>
#include <cstdint>

#include "model/console_settings.h"

namespace tw {

// Sprite k's place as the chip takes it, at 0x18F0 + 2k: its vertical byte
// (a larger one is higher on the screen), then its horizontal one.
using SpritePositions = std::array<std::uint8_t, 2 * kConsoleSprites>;

// Where the test cartridge has always put them: in one line, 16 pixels apart.
inline constexpr SpritePositions kDefaultPositions{0x90, 0x40, 0x90, 0x50, 0x90, 0x60, 0x90, 0x70};

struct ConsoleScene {
    SpritePositions Positions = kDefaultPositions;
    friend bool operator==(const ConsoleScene&, const ConsoleScene&) = default;
};

} // namespace tw
