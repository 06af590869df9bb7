#include "model/row_encoding.h"

namespace tw {

int HexToDec(std::string_view HexDigit)
{
    // The digits are upper case only, so a lower-case letter finds nothing.
    const std::size_t value = HexDigit.size() == 1 ? kHexDigits.find(HexDigit[0]) : std::string_view::npos;
    return value == std::string_view::npos ? 0 : static_cast<int>(value);
}

std::string_view FirstChar(std::string_view text) { return text.substr(0, text.empty() ? 0 : 1); }

std::string_view LastChar(std::string_view text)
{
    return text.empty() ? text : text.substr(text.size() - 1);
}

std::uint8_t RowTextValue(std::string_view rowText)
{
    return static_cast<std::uint8_t>(HexToDec(FirstChar(rowText)) * 16 + HexToDec(LastChar(rowText)));
}

std::uint8_t EncodeRowByte(const ColorNumber* rowBlocks, ColorNumber foreground)
{
    unsigned b = 0;
    for (int c = 0; c < kRowWidth; ++c)
        if (rowBlocks[c] == foreground)
            b |= ColumnBit(c);
    return static_cast<std::uint8_t>(b);
}

std::string RowText(std::uint8_t rowByte)
{
    return {kHexDigits[rowByte >> 4], kHexDigits[rowByte & 0xF]};
}

std::optional<std::string> TypedRowText(std::string_view typed)
{
    if (typed.size() > 2)
        return std::nullopt;
    std::string text(typed);
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'f')
            ch = static_cast<char>(ch - 'a' + 'A');
        if (kHexDigits.find(ch) == std::string_view::npos)
            return std::nullopt;
    }
    return text;
}

std::string FinishedRowText(std::string_view typed)
{
    return std::string(typed.size() < 2 ? 2 - typed.size() : 0, '0') + std::string(typed);
}

} // namespace tw
