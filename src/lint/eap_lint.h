#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/eap_reader.h"

namespace tw {

// One finding about a line of a project file that loads fine in the editor
// but that an assembler reading it (VACS or asl) would reject or read
// differently.
struct LintWarning {
    int Line = 0;     // 1-based line of the file
    std::string Text; // UTF-8, without the "FILE:LINE: warning: " lead-in
    friend bool operator==(const LintWarning&, const LintWarning&) = default;
};

struct LintReport {
    bool Loaded = false;  // false: the editor cannot load the file; see Error
    LoadError Error;      // meaningful only when not Loaded
    std::vector<LintWarning> Warnings; // by line, in file order; empty when clean
};

// Judges a project file's bytes (ISO-8859-1) as assembler source, given what
// ReadProjectFile made of them.
std::vector<LintWarning> LintProject(std::string_view bytes, const ProjectRecord& record);

// Judges a project file's bytes (ISO-8859-1) as assembler source. The file is
// first read exactly as Load Project reads it; a file the editor rejects gets
// that error and no warnings, since there is nothing sensible to lint.
LintReport LintProjectFile(std::string_view bytes);

} // namespace tw
