#pragma once

#include <string_view>
#include <vector>

namespace tw {

enum class LineEnd { CrLf, Lf, Cr, None };

struct TextLine {
    std::string_view Text; // without its line end
    LineEnd End = LineEnd::None;
};

// Splits off at most `count` lines. A line ends at CR LF, a lone LF or a lone
// CR; the last line needs no line end. The reader, the linter and the storage
// cap all split here, so their line numbers always agree.
std::vector<TextLine> SplitLines(std::string_view bytes, int count);

// Number of lines begun in `bytes` (at least 1).
int CountLines(std::string_view bytes);

// Splits a db line at every ",".
std::vector<std::string_view> SplitItems(std::string_view line);

} // namespace tw
