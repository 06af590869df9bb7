#include "ui/character_palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colours.h"

namespace tw::ui {
namespace {

constexpr int kColumns = 8, kGap = 3;
constexpr int kPitch = 8 * CharacterPalette::kPixel + kGap;

} // namespace

CharacterPalette::CharacterPalette(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("characterPalette"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CharacterPalette::sizeHint() const { return {kColumns * kPitch + kGap, kCodes / kColumns * kPitch + kGap}; }

QRect CharacterPalette::CodeRect(int code) const
{
    return {kGap + (code % kColumns) * kPitch, kGap + (code / kColumns) * kPitch, 8 * kPixel, 8 * kPixel};
}

void CharacterPalette::Show(const std::array<GlyphRows, kCodes>& glyphs, Rgb ink, Rgb paper)
{
    if (glyphs == glyphs_ && ink == ink_ && paper == paper_)
        return;
    glyphs_ = glyphs, ink_ = ink, paper_ = paper;
    update();
}

void CharacterPalette::Choose(int code)
{
    code = std::clamp(code, 0, kCodes - 1);
    if (std::exchange(chosen_, code) != code) {
        update();
        Q_EMIT CodeChosen(code);
    }
}

void CharacterPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int code = 0; code < kCodes; ++code) {
        const QRect cell = CodeRect(code);
        if (code == chosen_)
            painter.fillRect(cell.adjusted(-2, -2, 2, 2), palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
        painter.fillRect(cell, ToQColor(paper_));
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (glyphs_[std::size_t(code)][std::size_t(r)] & (0x80 >> c))
                    painter.fillRect(cell.x() + c * kPixel, cell.y() + r * kPixel, kPixel, kPixel, ToQColor(ink_));
    }
}

void CharacterPalette::mousePressEvent(QMouseEvent* event)
{
    for (int code = 0; code < kCodes; ++code)
        if (CodeRect(code).adjusted(-1, -1, 1, 1).contains(event->position().toPoint()))
            return Choose(code);
    QWidget::mousePressEvent(event);
}

void CharacterPalette::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Up ? -kColumns
                   : event->key() == Qt::Key_Down ? kColumns : 0;
    if (step)
        return Choose(chosen_ + step);
    QWidget::keyPressEvent(event);
}

} // namespace tw::ui
