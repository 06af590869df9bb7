#include "ui/color_select_frame.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "ui/block_grid.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

struct ColorOption {
    const char* Caption;
    int Top; // twips
};

// Indexed by colour code; the list runs from code 7 at the top down to 0.
constexpr std::array<ColorOption, kColorCodes> kColorOptions = {{
    {"Black = 0", 2760},
    {"Blue = 1", 2415},
    {"Red = 2 ", 2040},
    {"Majenta = 3", 1680},
    {"Green = 4", 1320},
    {"Cyan = 5", 960},
    {"Yellow = 6", 600},
    {"White = 7", 240},
}};

} // namespace

ColorSelectFrame::ColorSelectFrame(const ColorSchemeTable& palette, QWidget* parent)
    : TitledFrame(QStringLiteral("Color Select"), parent), optColorGroup_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("fmeColor"));
    optColorGroup_->setExclusive(true);
    // Created top to bottom, so that the tab order follows the list.
    for (int code = kColorCodes - 1; code >= 0; --code) {
        auto* option = new QRadioButton(QString::fromLatin1(kColorOptions[code].Caption), this);
        option->setObjectName(QStringLiteral("optColor_%1").arg(code));
        option->setGeometry(TwipsRect(210, kColorOptions[code].Top, 1185, 240));
        QPalette colors = option->palette();
        // A button fills itself from its Button role.
        colors.setColor(QPalette::Button, DisplayColor(ToColorNumber(palette.at(code).ColorValue)));
        colors.setColor(QPalette::WindowText, code <= 3 ? Qt::white : Qt::black);
        option->setPalette(colors);
        option->setAutoFillBackground(true);
        option->setFocusPolicy(Qt::ClickFocus); // Tab comes to the checked one only
        optColorGroup_->addButton(option, code);
        optColor_[code] = option;
    }
    connect(optColorGroup_, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        // Tab lands on the checked option, and the arrow keys then select as
        // they move (from an unchecked one they only move the focus).
        optColor_[code]->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        if (checked)
            Q_EMIT ColorPicked(code);
    });

    cmdSetBGnd_ = new QPushButton(QStringLiteral("Screen Color"), this);
    cmdSetBGnd_->setObjectName(QStringLiteral("cmdSetBGnd"));
    cmdSetBGnd_->setGeometry(TwipsRect(315, 3255, 1095, 255));
    connect(cmdSetBGnd_, &QPushButton::clicked, this, &ColorSelectFrame::ScreenColorClicked);
}

void ColorSelectFrame::ShowSelected(int code)
{
    if (!optColor_.at(code)->isChecked())
        optColor_[code]->setChecked(true);
}

} // namespace tw::ui
