#include "project/eap_lines.h"

namespace tw {

std::vector<TextLine> SplitLines(std::string_view bytes, int count)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (static_cast<int>(lines.size()) < count && start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({bytes.substr(start), LineEnd::None});
            break;
        }
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        lines.push_back({bytes.substr(start, end - start),
                         crlf ? LineEnd::CrLf : bytes[end] == '\n' ? LineEnd::Lf : LineEnd::Cr});
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

int CountLines(std::string_view bytes)
{
    int lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    return lines;
}

std::vector<std::string_view> SplitItems(std::string_view line)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        items.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

} // namespace tw
