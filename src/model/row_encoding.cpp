#include "model/row_encoding.h"

namespace tw {

int HexToDec(std::string_view HexDigit)
{
    if (HexDigit == "F") return 15;
    if (HexDigit == "E") return 14;
    if (HexDigit == "D") return 13;
    if (HexDigit == "C") return 12;
    if (HexDigit == "B") return 11;
    if (HexDigit == "A") return 10;
    if (HexDigit.size() == 1 && HexDigit[0] >= '0' && HexDigit[0] <= '9')
        return HexDigit[0] - '0';
    return 0;
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
    for (int c = 0; c < 8; ++c)
        if (rowBlocks[c] == foreground)
            b |= 0x80u >> c;
    return static_cast<std::uint8_t>(b);
}

std::string RowText(std::uint8_t rowByte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[rowByte >> 4], digits[rowByte & 0xF]};
}

} // namespace tw
