#include "project/latin1.h"

#include <cstdint>

#include "model/row_encoding.h"

namespace tw {

std::string Utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        std::uint32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length > 1 && lead < 0xF8;
        int consumed = 1;
        for (; valid && consumed < length; ++consumed) {
            if (i + consumed >= utf8.size() || (static_cast<unsigned char>(utf8[i + consumed]) & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + consumed]) & 0x3F);
        }
        i += consumed; // a broken sequence becomes one "?"
        if (!valid) {
            out += '?';
            continue;
        }
        // Overlong forms of ASCII are malformed, not the character they spell.
        out += length == 2 && code >= 0x80 && code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string KeepLatin1(std::string_view utf8)
{
    std::string out;
    for (std::size_t start = 0, end = 0; start < utf8.size(); start = end) {
        // One character: its lead byte and the bytes that continue it.
        for (end = start + 1; end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80; ++end) {
        }
        const std::string_view character = utf8.substr(start, end - start);
        if (character == "?" || Utf8ToLatin1(character) != "?")
            out += character;
    }
    return out;
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++count;
    return count;
}

bool IsControlByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || (value >= 0x7F && value < 0xA0);
}

std::string ShownChar(char byte)
{
    if (IsControlByte(byte))
        return "\\x" + RowText(static_cast<std::uint8_t>(byte));
    return Latin1ToUtf8(std::string_view(&byte, 1));
}

std::string ShownChars(std::string_view latin1)
{
    std::string shown;
    for (const char ch : latin1)
        shown += ShownChar(ch);
    return shown;
}

std::string ShownText(std::string_view latin1)
{
    const bool cut = latin1.size() > kShownLength;
    std::string shown = "'";
    shown += ShownChars(latin1.substr(0, kShownLength));
    return shown += cut ? "...'" : "'";
}

std::string ShownByte(char byte)
{
    if (IsControlByte(byte))
        return "byte 0x" + RowText(static_cast<std::uint8_t>(byte));
    std::string shown = "'";
    shown += ShownChar(byte);
    return shown += '\'';
}

} // namespace tw
