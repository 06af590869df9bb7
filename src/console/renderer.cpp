#include "console/renderer.h"

#include <algorithm>

#include "model/row_encoding.h"

namespace tw {
namespace {

// Where the chip puts a sprite, from its position bytes, and where it draws
// one at all (measured in MAME 0.251).
constexpr int kLeftOffset = 11, kTopFrom = 256;
constexpr int kLeastHorizontal = 12, kMostHorizontal = 194, kLeastVertical = 3;

} // namespace

Rgb ConsoleRgb(std::uint8_t code, ColourModel model)
{
    // The palette names each code by the complement of what the chip shows.
    const unsigned chip = model == ColourModel::Mame ? code & 7u : 7u - (code & 7u);
    const auto gun = [&](unsigned bit) { return std::uint8_t(chip & bit ? 0 : 255); };
    return {gun(2), gun(4), gun(1)};
}

namespace {

// Draws the chip's sprites, each in its colour made what `tint` makes it.
template <typename Tint>
void DrawSprites(ConsoleScreen& screen, const ChipState& chip, ColourModel model, Tint tint)
{
    for (int k = 0; k < kSprites; ++k) {
        const int vertical = chip.Positions[2 * k], horizontal = chip.Positions[2 * k + 1];
        if (horizontal < kLeastHorizontal || horizontal > kMostHorizontal || vertical < kLeastVertical)
            continue;
        const std::uint8_t pair = chip.Pairs[k / 2];
        const Rgb color = tint(ConsoleRgb(SpriteColorOf(pair, k % 2), model));
        const int repeat = SpriteLinesOf(pair, k % 2) / kRows;
        const int left = horizontal - kLeftOffset, top = kTopFrom - vertical;
        for (int r = 0; r < kRows; ++r)
            for (int copy = 0; copy < repeat; ++copy) {
                const int line = top + repeat * r + copy;
                for (int c = 0; line < kScreenLines && c < kRowWidth; ++c)
                    if (chip.Shapes[std::size_t(kRows * k + r)] & ColumnBit(c))
                        screen.Pixels[std::size_t(line * kScreenWidth + left + c)] = color;
            }
    }
}

} // namespace

ConsoleScreen RenderConsoleScreen(const ConsoleShows& shows, ColourModel model)
{
    ConsoleScreen screen;
    const Rgb background = ConsoleRgb(shows.Chip.Screen, model);
    std::fill(screen.Pixels.begin(), screen.Pixels.end(), background);
    if (shows.Onion)
        DrawSprites(screen, *shows.Onion, model, [&](Rgb color) { return FaintRgb(color, background); });
    DrawSprites(screen, shows.Chip, model, [](Rgb color) { return color; });
    return screen;
}

int ScreenScale::ColumnStart(int x) const
{
    const Ratio aspect = PixelAspect(Shape);
    // Rounded to the nearest column, so no block is more than one column off
    // its place and the whole keeps the ratio.
    return (2 * x * Scale * aspect.Wide + aspect.High) / (2 * aspect.High);
}

} // namespace tw
