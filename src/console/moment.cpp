#include "console/moment.h"

#include <algorithm>

#include "model/row_encoding.h"

namespace tw {

ConsoleShows ShownAt(const SpriteProject& project, const Moment& moment)
{
    ConsoleShows shows;
    shows.Frames = moment.At ? FramesAt(project, *moment.At) : project.EditedFrame;
    shows.Chip = ChipStateOf(project, shows.Frames);
    shows.CellShapes = moment.At && *moment.At > 0 ? ChipStateOf(project, FramesAt(project, *moment.At - 1)).Shapes : shows.Chip.Shapes;
    if (moment.At || !moment.Onion)
        return shows;
    FrameChoice before{};
    for (int k = 0; k < kSprites; ++k)
        before[k] = OnionFrame(shows.Frames[k]).value_or(0);
    ChipState& onion = shows.Onion.emplace(ChipStateOf(project, before));
    // A sprite on its first frame has nothing under it.
    for (int k = 0; k < kSprites; ++k)
        if (!OnionFrame(shows.Frames[k]))
            std::fill_n(onion.Shapes.begin() + kRows * k, kRows, std::uint8_t(0));
    return shows;
}

} // namespace tw
