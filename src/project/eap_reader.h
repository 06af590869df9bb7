#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/project_record.h"
#include "project/eap_format.h"

namespace tw {

struct LoadError {
    int Line = 0;           // 1-based line of the file
    std::string Reason;     // what is wrong there, without the line number
    bool EndOfData = false; // the data ran out before this line
};

struct ReadResult {
    std::optional<ProjectRecord> Record;
    LoadError Error; // meaningful only when Record is empty
};

// Reads a project file's bytes (ISO-8859-1) into the record they hold, by
// position. Tolerant as the format has always been (only the last character
// of the colour lines, the text before the last character of a label line and
// the items after an 18-character prefix count); any line it cannot use gives
// an error and no record.
ReadResult ReadProjectFile(std::string_view bytes);

// Reads a db line's eight row texts: the items after an 18-character prefix,
// each less its last character ("h"). Why not, when it cannot.
std::optional<std::string> ReadDataLine(std::string_view line, std::array<std::string, kRows>& hexRows);

} // namespace tw
