#include "console/collisions.h"

#include <algorithm>

#include "console/field.h"
#include "model/row_encoding.h"

namespace tw {
namespace {

// Marks the set bits of `bits` (bit 7 at x) on the screen as `what`.
void Mark(std::vector<CollisionPixel>& pixels, int x, int line, std::uint8_t bits, std::uint16_t what)
{
    for (int c = 0; c < kRowWidth; ++c)
        if ((bits & ColumnBit(c)) && x + c >= 0 && x + c < kScreenWidth && line >= 0 && line < kScreenLines)
            pixels.push_back({x + c, line, what});
}

void SpritesAgainstField(const ConsoleShows& shows, Collisions& found)
{
    const ChipState& chip = shows.Chip;
    FieldLine field;
    for (int k = 0; k < kSprites; ++k) {
        const SpritePlace place = PlaceOf(chip, k);
        if (!place.Drawn)
            continue;
        const int repeat = place.Lines / kRows;
        for (int r = 0; r < kRows; ++r) {
            const int line = place.Top + repeat * r;
            if (!FieldLineAt(chip, shows.CellShapes, line, field))
                continue;
            const std::uint8_t both = chip.Shapes[std::size_t(kRows * k + r)] & FieldPixelsAt(field, place.Left);
            if (both == 0)
                continue;
            found.Characters &= std::uint8_t(~(1u << k));
            Mark(found.Pixels, place.Left, line, both, std::uint16_t(1u << k));
        }
    }
}

// The rows of sprites a and b that meet, both taken 8 lines tall.
void PairAgainstPair(const ChipState& chip, int p, Collisions& found)
{
    const auto [a, b] = kPairSprites[std::size_t(p)];
    const SpritePlace first = PlaceOf(chip, a), second = PlaceOf(chip, b);
    const int across = second.Left - first.Left, down = second.Top - first.Top;
    if (across <= -kRowWidth || across >= kRowWidth || down <= -kRows || down >= kRows)
        return;
    for (int r = std::max(0, down); r < std::min(kRows, kRows + down); ++r) {
        const unsigned mine = chip.Shapes[std::size_t(kRows * a + r)];
        const unsigned theirs = chip.Shapes[std::size_t(kRows * b + r - down)];
        const std::uint8_t both = std::uint8_t(across >= 0 ? mine & (theirs >> across) : mine & (theirs << -across));
        if (both == 0)
            continue;
        found.Pairs &= std::uint8_t(~(1u << p));
        Mark(found.Pixels, first.Left, first.Top + r, both, std::uint16_t(0x10u << p));
    }
}

} // namespace

Collisions CollisionsOf(const ConsoleShows& shows)
{
    Collisions found;
    SpritesAgainstField(shows, found);
    for (int p = 0; p < kSpritePairs; ++p)
        PairAgainstPair(shows.Chip, p, found);
    // One entry a pixel, whatever meets there.
    std::sort(found.Pixels.begin(), found.Pixels.end(),
              [](const CollisionPixel& a, const CollisionPixel& b) { return std::pair(a.Line, a.X) < std::pair(b.Line, b.X); });
    std::vector<CollisionPixel> merged;
    for (const CollisionPixel& pixel : found.Pixels)
        if (!merged.empty() && merged.back().X == pixel.X && merged.back().Line == pixel.Line)
            merged.back().What |= pixel.What;
        else
            merged.push_back(pixel);
    found.Pixels = std::move(merged);
    return found;
}

} // namespace tw
