#pragma once

#include <array>
#include <cstdint>

#include "model/names.h"

namespace tw {

inline constexpr int kConsoleSprites = 4;

// The television the console drives: its frame rate, and the shape of a
// pixel on it.
enum class TvSystem { Ntsc, Pal };
// As the side file and the Console View name them.
inline constexpr std::array<Named<TvSystem>, 2> kTvNames{{{TvSystem::Ntsc, "NTSC"}, {TvSystem::Pal, "PAL"}}};

// A sprite is 8 lines tall when its size bit is set, else 16, each row drawn
// twice (the test cartridge's, and a new project's, size).
inline constexpr std::uint8_t kTallLines = 16;
inline constexpr std::uint8_t kShortLines = 8;

// What the console shows of a project beyond the project file: the project
// file cannot hold it, a side file beside it does.
struct ConsoleSettings {
    TvSystem Tv = TvSystem::Ntsc;
    std::array<std::uint8_t, kConsoleSprites> SpriteLines{kTallLines, kTallLines, kTallLines, kTallLines};

    bool IsDefault() const { return *this == ConsoleSettings{}; }
    friend bool operator==(const ConsoleSettings&, const ConsoleSettings&) = default;
};

// Console frames per second.
constexpr int FrameRate(TvSystem tv) { return tv == TvSystem::Pal ? 50 : 60; }

} // namespace tw
