#pragma once

// The shape of a project file, the one place each of its facts is written:
// the writer, the reader, lint and the editor's boxes all take them from here.

#include <cstddef>
#include <string_view>

namespace tw {

// A screen line, then a label line, a colour comment and a db line per sprite.
inline constexpr int kProjectFileLines = 13;
inline constexpr int kScreenLineNumber = 1;

// 1-based line numbers of sprite k's three lines (k = 0 to 3).
constexpr int LabelLineNumber(int k) { return 2 + 3 * k; }
constexpr int ColorLineNumber(int k) { return LabelLineNumber(k) + 1; }
constexpr int DataLineNumber(int k) { return LabelLineNumber(k) + 2; }

inline constexpr char kLineEnd[] = "\r\n";

// What a db line starts with; the reader skips that many characters of any
// kind, so only the length matters to the editor.
inline constexpr std::string_view kDataLinePrefix = "      db          ";
inline constexpr std::size_t kDataLinePrefixLength = kDataLinePrefix.size();
static_assert(kDataLinePrefixLength == 18);

// The name box takes this many characters, and the reader keeps no more of a
// label; longer names are cut, not refused.
inline constexpr std::size_t kMaxNameLength = 8;

} // namespace tw
