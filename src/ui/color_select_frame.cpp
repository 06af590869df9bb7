#include "ui/color_select_frame.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "ui/colours.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

// The options' tops in twips, by colour code; the list runs from code 7 at
// the top down to 0, not quite evenly.
constexpr std::array<int, kColorCodes> kOptionTops = {2760, 2415, 2040, 1680, 1320, 960, 600, 240};

// "Yellow = 6": the palette's name and code. Red's caption has always ended
// in a blank.
QString OptionCaption(const ColorScheme& color)
{
    const QString caption = QStringLiteral("%1 = %2").arg(QString::fromStdString(color.ColorName)).arg(color.ColorCode);
    return color.ColorCode == 2 ? caption + u' ' : caption;
}

} // namespace

ColorSelectFrame::ColorSelectFrame(const ColorSchemeTable& palette, QWidget* parent)
    : TitledFrame(QStringLiteral("Color Select"), parent), optColorGroup_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("fmeColor"));
    optColorGroup_->setExclusive(true);
    // Created top to bottom, so that the tab order follows the list.
    for (int code = kColorCodes - 1; code >= 0; --code) {
        auto* option = new QRadioButton(OptionCaption(palette.at(code)), this);
        option->setObjectName(QStringLiteral("optColor_%1").arg(code));
        option->setGeometry(TwipsRect(210, kOptionTops[code], 1185, 240));
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
    // Tab lands on the checked option, and the arrow keys then select as they
    // move (from an unchecked one they only move the focus). The look only:
    // a check made by ShowSelected is no pick.
    connect(optColorGroup_, &QButtonGroup::idToggled, this,
            [this](int code, bool checked) { optColor_[code]->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
    // A click, or an arrow key (which clicks the option it moves to).
    connect(optColorGroup_, &QButtonGroup::idClicked, this, &ColorSelectFrame::ColorPicked);

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
