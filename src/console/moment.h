#pragma once

// What the console shows at a moment: the one rule for every picture of it.
// At rest the Console View shows the frames the design panels edit, with
// the onion skin if asked; playing, and `screen --at T`, console frame T of
// the animation.

#include <optional>

#include "console/chip_state.h"

namespace tw {

struct Moment {
    std::optional<long long> At; // console frame T of the animation; none: the frames edited
    bool Onion = false;          // the frames before the edited ones faintly under them (at rest)
};

struct ConsoleShows {
    FrameChoice Frames{};             // the frame each sprite shows
    ChipState Chip;                   // what the chip holds then
    std::optional<ChipState> Onion;   // what the onion skin draws faintly first, where it shows
    // The sprites' shapes as cells of codes 0x38 to 0x3B show them: those of
    // the console frame before, since the chip draws the sprites at the end
    // of a frame and the field while it goes (at rest, the chip's own).
    std::array<std::uint8_t, 32> CellShapes{};
};

ConsoleShows ShownAt(const SpriteProject& project, const Moment& moment);

// The frame the onion skin shows under frame `edited`: the one before, and
// nothing under a sprite's first frame.
constexpr std::optional<int> OnionFrame(int edited) { return edited > 0 ? std::optional(edited - 1) : std::nullopt; }

} // namespace tw
