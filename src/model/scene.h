#pragma once

// What the console shows around the four sprites: the character field
// (16 x 13 cells), the four user-defined characters, the colour set and cell
// height, and where the sprites stand, each as the chip takes it. A project
// without a scene shows the test cartridge's screen, which is what a new
// scene starts as.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/console_settings.h"

namespace tw {

inline constexpr int kFieldColumns = 16, kFieldRows = 13;
inline constexpr int kCells = kFieldColumns * kFieldRows;

// A cell's byte: the character code in bits 0-5, two colour bits in 6-7.
// The test cartridge fills every cell with a blank (code 0, colour bits 10).
inline constexpr std::uint8_t kBlankCell = 0x80;
// Codes 0x3C to 0x3F are four characters the program defines, 8 rows each.
inline constexpr int kUserCharacters = 4;
inline constexpr std::uint8_t kFirstUserCharacter = 0x3C;

// The cells of the rectangle two cells are opposite corners of, by rows and
// columns, either corner first.
struct CellRectangle {
    int Top = 0, Bottom = 0, Left = 0, Right = 0;
};
constexpr CellRectangle CellsBetween(int from, int to)
{
    const int rows[] = {from / kFieldColumns, to / kFieldColumns}, columns[] = {from % kFieldColumns, to % kFieldColumns};
    return {std::min(rows[0], rows[1]), std::max(rows[0], rows[1]), std::min(columns[0], columns[1]), std::max(columns[0], columns[1])};
}

// Sprite k's place as the chip takes it, at 0x18F0 + 2k: its vertical byte
// (a larger one is higher on the screen), then its horizontal one.
using SpritePositions = std::array<std::uint8_t, 2 * kConsoleSprites>;

// Where the test cartridge has always put them: in one line, 16 pixels apart.
inline constexpr SpritePositions kDefaultPositions{0x90, 0x40, 0x90, 0x50, 0x90, 0x60, 0x90, 0x70};

// The code of a character typed into the field: the letters (either case),
// digits, space and . , + $ that the console's character set has.
constexpr std::optional<std::uint8_t> CharacterCode(char c)
{
    if (c == ' ')
        return 0x00;
    if (c >= '0' && c <= '9')
        return std::uint8_t(0x10 + (c - '0'));
    if (c >= 'A' && c <= 'Z')
        return std::uint8_t(0x1A + (c - 'A'));
    if (c >= 'a' && c <= 'z')
        return std::uint8_t(0x1A + (c - 'a'));
    constexpr std::string_view kSigns = ".,+$";
    if (const std::size_t at = kSigns.find(c); at != std::string_view::npos)
        return std::uint8_t(0x34 + at);
    return std::nullopt;
}

// A cell's colour bits (6 and 7) and the colour set give the chip colour
// its set pixels take: ((cell >> 5) & 6) | set.
constexpr std::uint8_t CellColour(std::uint8_t cell, bool secondColourSet) { return std::uint8_t(((cell >> 5) & 6) | (secondColourSet ? 1 : 0)); }
constexpr std::uint8_t WithColourBits(std::uint8_t cell, int bits) { return std::uint8_t((cell & 0x3F) | (bits & 3) << 6); }

struct ConsoleScene {
    std::array<std::uint8_t, kCells> Cells = BlankCells(); // row by row from the top left
    // Which four character colours the screen has (0x19F9 bit 3).
    bool SecondColourSet = false;
    // Lines a cell is tall: 16, each glyph row drawn twice, or 8 (0x19F9 bit 7).
    std::uint8_t CellLines = kTallLines;
    std::array<std::uint8_t, kUserCharacters * 8> UserCharacters{}; // character 0x3C + c's rows at 8c
    SpritePositions Positions = kDefaultPositions;

    static constexpr std::array<std::uint8_t, kCells> BlankCells()
    {
        std::array<std::uint8_t, kCells> cells{};
        cells.fill(kBlankCell);
        return cells;
    }
    friend bool operator==(const ConsoleScene&, const ConsoleScene&) = default;
};

} // namespace tw
