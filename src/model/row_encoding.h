#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/palette.h"

namespace tw {

// Blocks in a row of a sprite, one bit each in the row's byte.
inline constexpr int kRowWidth = 8;

// The bit of a row byte that stands for the block in `column`: bit 7 for the
// leftmost (column 0), bit 0 for the rightmost.
constexpr std::uint8_t ColumnBit(int column) { return static_cast<std::uint8_t>(0x80u >> column); }

// The digits of row texts and row items: upper case only, since a lower-case
// letter reads as 0 (HexToDec).
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Value of one hexadecimal digit given as a one-character text: "A" to "F"
// (upper case only) give 10 to 15, "0" to "9" their value, anything else
// (lower case, blanks, the empty text) 0. Files and images depend on these
// exact rules, lower-case quirk included.
int HexToDec(std::string_view HexDigit);

// First and last character of a text, as one-character texts ("" when empty).
std::string_view FirstChar(std::string_view text);
std::string_view LastChar(std::string_view text);

// The byte a row text stands for, read from its first and last character only.
std::uint8_t RowTextValue(std::string_view rowText);

// A row of eight blocks as a byte: bit 7 is the leftmost block, set where the
// block's colour number equals the sprite's foreground colour number.
std::uint8_t EncodeRowByte(const ColorNumber* rowBlocks, ColorNumber foreground);

// Two upper-case hexadecimal digits with a leading zero: 0 -> "00", 60 -> "3C".
std::string RowText(std::uint8_t rowByte);

// What a row box holds while it is typed in: at most two hexadecimal digits,
// turned upper case (a lower-case letter would read as 0). Nothing for a
// text that no typing may leave in the box.
std::optional<std::string> TypedRowText(std::string_view typed);
// A row text as typing leaves it: filled to two digits with leading zeros.
std::string FinishedRowText(std::string_view typed);

} // namespace tw
