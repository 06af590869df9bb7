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

// A byte of a project file as every message shows it: the character it is in
// ISO-8859-1, quoted and in UTF-8 ('x', 'ä' for 0xE4), or "byte 0xNN"
// for a control character.
std::string ShownByte(char byte);

} // namespace tw
