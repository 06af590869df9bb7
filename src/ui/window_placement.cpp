#include "ui/window_placement.h"

#include <QStyle>

#include <algorithm>

namespace tw::ui {

QPoint Centred(QSize window, const QRect& area)
{
    // A window larger than the area would be centred off its top and left
    // edges, with its title bar and menus out of reach: its corner stays in.
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window, area);
    return {std::max(centred.left(), area.left()), std::max(centred.top(), area.top())};
}

QSize Fitted(QSize window, const QRect& area, const QMargins& frame) { return window.boundedTo(area.size().shrunkBy(frame)); }

QPoint OnScreen(const QRect& frame, const QRect& area)
{
    return {std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
            std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}

QPoint Beside(const QRect& other, QSize framed, const QRect& area)
{
    const bool right = area.right() - other.right() >= other.left() - area.left();
    return OnScreen(QRect(QPoint(right ? other.right() + 1 : other.left() - framed.width(), other.top()), framed), area);
}

QMargins FrameMargins(const QRect& frame, const QRect& inside)
{
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

} // namespace tw::ui
