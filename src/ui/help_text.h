#pragma once

#include <QString>

namespace tw::ui {

inline constexpr int kHelpParagraphs = 20;

// The help panel's text, built afresh for every showing: each paragraph is
// followed by CR LF and one more CR LF, so paragraphs stand apart by an empty
// line and the text ends with two line breaks.
QString BuildHelpText();

} // namespace tw::ui
