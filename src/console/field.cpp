#include "console/field.h"

namespace tw {
namespace {

constexpr std::uint8_t kBlockGraphicsOn = 0xC0, kBlockGraphicsOff = 0x40;

} // namespace

bool FieldLineAt(const ChipState& chip, const SpriteShapes& cellShapes, int line, FieldLine& out)
{
    const int top = FieldTopLine(chip), cellLines = CellLines(chip);
    if (line < top || line >= top + kFieldRows * cellLines || line >= kScreenLines)
        return false;
    if (line == kScreenLines - 1 && cellLines == kTallLines && (line - top) % 2 == 0)
        return false;
    const int row = (line - top) / cellLines, glyphRow = (line - top) % cellLines / (cellLines / 8);
    const std::uint8_t colourSet = (chip.Screen & kColourSetBit) ? 1 : 0;
    bool blocks = false;
    for (int c = 0; c < kFieldColumns; ++c) {
        const std::uint8_t cell = chip.Cells[std::size_t(kFieldColumns * row + c)];
        std::uint8_t pixels = 0;
        if (cell == kBlockGraphicsOn || cell == kBlockGraphicsOff)
            blocks = cell == kBlockGraphicsOn;
        else
            pixels = blocks ? BlockRow(cell, glyphRow) : GlyphRow(cell, glyphRow, chip, cellShapes);
        out.Pixels[std::size_t(c)] = pixels;
        out.Colours[std::size_t(c)] = std::uint8_t(((cell >> 5) & 6) | colourSet);
    }
    return true;
}

std::uint8_t FieldPixelsAt(const FieldLine& field, int x)
{
    const int from = x - kFieldLeft;
    if (from <= -kCellWidth || from >= kFieldColumns * kCellWidth)
        return 0;
    // The two cells the eight pixels straddle, as one 16-bit run.
    const int cell = from >= 0 ? from / kCellWidth : -1, shift = from - cell * kCellWidth;
    const unsigned left = cell >= 0 ? field.Pixels[std::size_t(cell)] : 0u;
    const unsigned right = cell + 1 < kFieldColumns ? field.Pixels[std::size_t(cell + 1)] : 0u;
    return std::uint8_t(((left << 8 | right) << shift) >> 8);
}

} // namespace tw
