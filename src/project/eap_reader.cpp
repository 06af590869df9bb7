#include "project/eap_reader.h"

#include <cctype>
#include <vector>

#include "model/row_encoding.h"
#include "project/eap_lines.h"
#include "project/latin1.h"

namespace tw {
namespace {

bool IsHexText(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char ch : text)
        if (!std::isxdigit(static_cast<unsigned char>(ch)))
            return false;
    return true;
}

// An item minus its last character ("h"); a 3-character rest loses the "0"
// that keeps a letter-led byte numeric. Lower-case hex, valid for assemblers,
// is upper-cased so that it does not decode as 0.
std::string RowTextFromItem(std::string_view item)
{
    std::string_view text = item.substr(0, item.size() - 1);
    if (text.size() == 3)
        text.remove_prefix(1);
    std::string row(text);
    if (IsHexText(row))
        for (char& ch : row)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return Latin1ToUtf8(row);
}

ReadResult Fail(int line, std::string reason, bool endOfData = false)
{
    return {std::nullopt, {line, std::move(reason), endOfData}};
}

} // namespace

ReadResult ReadProjectFile(std::string_view bytes)
{
    const std::vector<TextLine> lines = SplitLines(bytes, kProjectFileLines);
    if (lines.empty())
        return Fail(kScreenLineNumber, "the file is empty", true);
    const auto missing = [&](int line) { return static_cast<int>(lines.size()) < line; };
    // The line number goes with the reason, so the reason never names it.
    const char* const kEnded = "the file ends before this line";

    ProjectRecord record;
    // Screen line: only its last character counts; a non-digit, and the empty
    // palette slots 8 and 9, give Black.
    const std::string_view screen = LastChar(lines[kScreenLineNumber - 1].Text);
    if (!screen.empty() && screen[0] >= '0' && screen[0] < '0' + kColorCodes)
        record.ScreenBGndColor = static_cast<std::uint8_t>(screen[0] - '0');

    for (int k = 0; k < kSprites; ++k) {
        const int labelLine = LabelLineNumber(k);
        if (missing(labelLine))
            return Fail(labelLine, kEnded, true);
        const std::string_view label = lines[labelLine - 1].Text;
        if (label.empty())
            return Fail(labelLine, "the label line is empty: there is no sprite name");
        SpriteRecord& sprite = record.Sprites[k];
        sprite.Name = Latin1ToUtf8(label.substr(0, std::min(label.size() - 1, kMaxNameLength)));

        const int colorLine = ColorLineNumber(k);
        if (missing(colorLine))
            return Fail(colorLine, kEnded, true);
        const std::string_view color = lines[colorLine - 1].Text;
        if (color.empty())
            return Fail(colorLine, "the color line is empty");
        const char code = color.back();
        if (code < '0' || code > '9')
            return Fail(colorLine, "the color line must end in a color code digit, not " + ShownByte(code));
        sprite.FGndColor = Palette()[code - '0'].ColorCode; // 8 and 9: empty slots, Black

        const int dataLine = DataLineNumber(k);
        if (missing(dataLine))
            return Fail(dataLine, kEnded, true);
        if (std::optional<std::string> wrong = ReadDataLine(lines[dataLine - 1].Text, sprite.HexRows))
            return Fail(dataLine, std::move(*wrong));
    }
    return {record, {}};
}

std::optional<std::string> ReadDataLine(std::string_view line, std::array<std::string, kRows>& hexRows)
{
    const std::vector<std::string_view> items = SplitItems(line);
    if (items.size() < kRows)
        return "the db line has " + std::to_string(items.size()) + " item" + (items.size() == 1 ? "" : "s") + "; " +
               std::to_string(kRows) + " row bytes are needed";
    if (items[0].size() <= kDataLinePrefixLength)
        return "the db line has no row byte after its " + std::to_string(kDataLinePrefixLength) + "-character prefix";
    for (int r = 0; r < kRows; ++r) {
        const std::string_view item = r == 0 ? items[0].substr(kDataLinePrefixLength) : items[r];
        if (item.empty())
            return "row byte " + std::to_string(r + 1) + " of the db line is empty";
        hexRows[r] = RowTextFromItem(item);
    }
    return std::nullopt;
}

} // namespace tw
