#include "ui/sprite_view_frame.h"

#include <QLabel>

#include <utility>

#include "ui/block_grid.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

QLabel* Label(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

// A code as its label shows it: the decimal digit of the palette entry's code.
void ShowCode(QLabel* label, int& shown, const SpriteProject& project, int code)
{
    if (std::exchange(shown, code) != code)
        label->setText(QString::number(project.ColorSchemes.at(code).ColorCode));
}

} // namespace

SpriteViewFrame::SpriteViewFrame(QWidget* parent) : TitledFrame(QStringLiteral("Sprite View"), parent)
{
    setObjectName(QStringLiteral("fmeThumbNail"));
    picThumbNail_ = new BlockGrid(BlockGrid::kViewGeometry, true, this);
    picThumbNail_->setObjectName(QStringLiteral("picThumbNail"));
    picThumbNail_->setGeometry(TwipsRect(420, 240, 1215, 1215));

    Label(QStringLiteral("lblBackGround"), QStringLiteral("BGnd Value:"), TwipsRect(105, 1680, 975, 255), this);
    lblBackGroundValue_ = Label(QStringLiteral("lblBackGroundValue"), QString(), TwipsRect(1785, 1680, 150, 255), this);
    for (int k = 0; k < kSprites; ++k) {
        const int top = 1995 + 315 * k;
        Label(QStringLiteral("lblForeGround_%1").arg(k), QStringLiteral("Sprite #%1 FGnd Value:").arg(k + 1),
              TwipsRect(105, top, 1620, 255), this);
        lblForeGroundValue_[k] = Label(QStringLiteral("lblForeGroundValue_%1").arg(k), QString(), TwipsRect(1785, top, 150, 255), this);
    }
}

void SpriteViewFrame::Show(const SpriteProject& project)
{
    picThumbNail_->ShowCells(project.ThumbNailCells);
    picThumbNail_->ShowSurround(project.ScreenValue());
    ShowCode(lblBackGroundValue_, shownCodes_[kSprites], project, project.ScreenBGndColor);
    for (int k = 0; k < kSprites; ++k)
        ShowCode(lblForeGroundValue_[k], shownCodes_[k], project, project.SpriteFGndColor[k]);
}

} // namespace tw::ui
