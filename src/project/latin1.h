#pragma once

#include <string>
#include <string_view>

namespace tw {

// Project files are 8-bit text, one byte per character (ISO-8859-1); the model
// keeps UTF-8. A character outside ISO-8859-1, or a malformed UTF-8 sequence,
// is written as "?".
std::string Utf8ToLatin1(std::string_view utf8);
std::string Latin1ToUtf8(std::string_view latin1);
// The characters of a UTF-8 text that ISO-8859-1 has, in order; the others
// are left out.
std::string KeepLatin1(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The C0 and C1 control characters and DEL, which would garble a terminal.
bool IsControlByte(char byte);

// Every message that quotes a file's bytes shows each through ShownChar: the
// character it is in ISO-8859-1, in UTF-8 ('ä' for 0xE4), or \xNN for a
// control character, which would garble a terminal.
std::string ShownChar(char byte);
// Bytes of a file (ISO-8859-1) as a message shows them, one by one.
std::string ShownChars(std::string_view latin1);
// A text of a file, quoted: longer ones are cut, since a broken file can hold
// a megabyte on one line.
inline constexpr std::size_t kShownLength = 40;
std::string ShownText(std::string_view latin1);
// One byte, on its own: quoted ('x'), or "byte 0xNN" for a control character.
std::string ShownByte(char byte);

} // namespace tw
