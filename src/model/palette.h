#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tw {

// A colour as a block or control holds it: 0x00BBGGRR for an RGB colour, or
// 0x80000000 plus an index for a desktop system colour. Blocks are told apart
// by exact comparison of these numbers, never by the colour they are drawn in.
using ColorNumber = std::int32_t;

// The palette's White is system colour 5 (window background), not RGB white.
inline constexpr ColorNumber kWhiteColorNumber = static_cast<ColorNumber>(0x80000005u);
inline constexpr ColorNumber kBlackColorNumber = 0;

inline constexpr int kColorCodes = 8;     // console colour codes 0..7
inline constexpr int kPaletteEntries = 10; // entries 8 and 9 exist but stay empty

// The colour codes a new project starts from: White sprites on a Black screen.
inline constexpr std::uint8_t kWhiteCode = 7;
inline constexpr std::uint8_t kBlackCode = 0;

struct ColorScheme {
    std::string ColorName;
    double ColorValue = 0; // a whole number; see ToColorNumber
    std::uint8_t ColorCode = 0;
    friend bool operator==(const ColorScheme&, const ColorScheme&) = default;
};

using ColorSchemeTable = std::array<ColorScheme, kPaletteEntries>;

// Fills entries 0..7 (White down to Black); leaves 8 and 9 untouched.
void DefineColorSchemes(ColorSchemeTable& ColorSchemes);

// The table as DefineColorSchemes fills it, filled once on first use. It never
// changes, so whatever only looks colours up (the reader, picture import,
// tilewright-cli) takes it from here rather than filling a table of its own.
const ColorSchemeTable& Palette();

// Exact for every palette value: all of them are whole numbers in int32 range.
constexpr ColorNumber ToColorNumber(double value) { return static_cast<ColorNumber>(value); }

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How a colour number is painted on screen. System colours are drawn as true
// white: the only one the palette uses is the window background.
Rgb DisplayRgb(ColorNumber color);

// A block of the frame before, under the onion skin: a little of the
// sprite's colour over the screen colour.
Rgb FaintRgb(Rgb sprite, Rgb screen);

} // namespace tw
