#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/eap_reader.h"
#include "project/side_file.h"

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
    bool Loaded = false;  // false: the editor cannot load the files; see Error
    LoadError Error;      // meaningful only when not Loaded
    bool ErrorInSideFile = false; // the error is the side file's
    std::vector<LintWarning> Warnings;     // by line, in file order; empty when clean
    std::vector<LintWarning> SideWarnings; // the side file's, the same way
};

// Judges a project file's bytes (ISO-8859-1) as assembler source, given what
// ReadProjectFile made of them, and what ReadSideFile made of its side file
// where it has one: a sprite name that is also one of its labels is warned
// about too.
std::vector<LintWarning> LintProject(std::string_view bytes, const ProjectRecord& record, const SideFile* side = nullptr);

// Judges a side file's bytes as assembler source, given what ReadSideFile
// made of them: the lines it read, and the db lines where it read them.
std::vector<LintWarning> LintSideFile(std::string_view bytes, const SideFile& side);

// Judges a project file's bytes (ISO-8859-1), and its side file's where it
// has one, as assembler source. The files are first read exactly as Load
// Project reads them; a file the editor rejects gets that error and no
// warnings, since there is nothing sensible to lint.
LintReport LintProjectFile(std::string_view bytes, std::optional<std::string_view> side = std::nullopt);

} // namespace tw
