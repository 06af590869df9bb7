#include "console/renderer.h"

#include <algorithm>

#include "console/field.h"
#include "model/row_encoding.h"

namespace tw {

Rgb ConsoleRgb(std::uint8_t code, ColourModel model)
{
    // The palette names each code by the complement of what the chip shows.
    const unsigned chip = model == ColourModel::Mame ? code & 7u : 7u - (code & 7u);
    const auto gun = [&](unsigned bit) { return std::uint8_t(chip & bit ? 0 : 255); };
    return {gun(2), gun(4), gun(1)};
}

std::string ColourName(std::uint8_t code, ColourModel model)
{
    static constexpr std::array<std::string_view, 8> kChipNames{"white", "yellow", "cyan", "green", "magenta", "red", "blue", "black"};
    return model == ColourModel::Mame ? std::string(kChipNames[code & 7u]) : Palette()[code & 7u].ColorName;
}

namespace {

using Colours = std::array<Rgb, 8>;

void DrawField(ConsoleScreen& screen, const ConsoleShows& shows, const Colours& colours)
{
    FieldLine field;
    for (int line = 0; line < kScreenLines; ++line) {
        if (!FieldLineAt(shows.Chip, shows.CellShapes, line, field))
            continue;
        Rgb* pixel = &screen.Pixels[std::size_t(line * kScreenWidth + kFieldLeft)];
        for (int c = 0; c < kFieldColumns; ++c, pixel += kCellWidth) {
            const unsigned bits = field.Pixels[std::size_t(c)];
            if (bits == 0)
                continue;
            const Rgb colour = colours[field.Colours[std::size_t(c)]];
            for (int x = 0; x < kCellWidth; ++x)
                if (bits & ColumnBit(x))
                    pixel[x] = colour;
        }
    }
}

// Draws the chip's sprites, each in its colour made what `tint` makes it.
template <typename Tint>
void DrawSprites(ConsoleScreen& screen, const ChipState& chip, const Colours& colours, Tint tint)
{
    for (int k = 0; k < kSprites; ++k) {
        const SpritePlace place = PlaceOf(chip, k);
        if (!place.Drawn)
            continue;
        const Rgb color = tint(colours[SpriteColorOf(chip.Pairs[std::size_t(k / 2)], k % 2)]);
        const int repeat = place.Lines / kRows;
        for (int line = place.Top; line < std::min(place.Top + place.Lines, kScreenLines); ++line) {
            const std::uint8_t row = chip.Shapes[std::size_t(kRows * k + (line - place.Top) / repeat)];
            for (int c = 0; c < kRowWidth; ++c)
                if (row & ColumnBit(c))
                    screen.Pixels[std::size_t(line * kScreenWidth + place.Left + c)] = color;
        }
    }
}

} // namespace

ConsoleScreen RenderConsoleScreen(const ConsoleShows& shows, ColourModel model)
{
    Colours colours;
    for (std::uint8_t code = 0; code < colours.size(); ++code)
        colours[code] = ConsoleRgb(code, model);
    ConsoleScreen screen;
    const Rgb background = colours[shows.Chip.Screen & kScreenColourBits];
    std::fill(screen.Pixels.begin(), screen.Pixels.end(), background);
    DrawField(screen, shows, colours);
    if (shows.Onion)
        DrawSprites(screen, *shows.Onion, colours, [&](Rgb color) { return FaintRgb(color, background); });
    DrawSprites(screen, shows.Chip, colours, [](Rgb color) { return color; });
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
