#pragma once

#include <array>

#include "model/palette.h"
#include "ui/titled_frame.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace tw::ui {

// The Color Select frame: one option per colour code, White at the top, and
// the Screen Color button below them.
class ColorSelectFrame : public TitledFrame {
    Q_OBJECT

public:
    ColorSelectFrame(const ColorSchemeTable& palette, QWidget* parent);

    // Checks the option of `code` unless it is checked already. Only the
    // user's clicks are reported as picks.
    void ShowSelected(int code);

Q_SIGNALS:
    void ColorPicked(int code);
    void ScreenColorClicked();

private:
    QButtonGroup* optColorGroup_;
    std::array<QRadioButton*, kColorCodes> optColor_{};
    QPushButton* cmdSetBGnd_;
};

} // namespace tw::ui
