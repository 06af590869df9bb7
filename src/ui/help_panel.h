#pragma once

#include <QString>

#include "ui/titled_frame.h"

class QPlainTextEdit;
class QPushButton;

namespace tw::ui {

inline constexpr int kHelpParagraphs = 27;

// The help panel's text, built afresh for every showing: each paragraph is
// followed by CR LF and one more CR LF, so paragraphs stand apart by an empty
// line and the text ends with two line breaks.
QString BuildHelpText();

// The help panel, "Help": the text and its Close button. Shown, it lies in
// front of everything else in the design frame.
class HelpPanel : public TitledFrame {
    Q_OBJECT

public:
    explicit HelpPanel(QWidget* parent);

    // Shows the panel in front, with its text built afresh.
    void ShowHelp();

Q_SIGNALS:
    void CloseClicked();

private:
    QPlainTextEdit* rtbHelp_;
    QPushButton* cmdCloseHelp_;
};

} // namespace tw::ui
