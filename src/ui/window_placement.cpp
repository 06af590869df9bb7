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

SideBySide ArrangeSideBySide(const QRect& editor, const QRect& area, int wanted, const std::function<QSize(int zoom)>& viewAt)
{
    const auto room = [&](const QRect& at) { return std::max(area.right() - at.right(), at.left() - area.left()); };
    const auto fits = [&](const QRect& at, int zoom) { return viewAt(zoom).width() <= room(at) && viewAt(zoom).height() <= area.height(); };
    const auto beside = [&](const QRect& at, int zoom) { return SideBySide{at.topLeft(), QRect(Beside(at, viewAt(zoom), area), viewAt(zoom)), zoom}; };
    if (fits(editor, wanted))
        return beside(editor, wanted);
    // At the edge of the side it stands on, the room is all the rest.
    const bool left = editor.center().x() <= area.center().x();
    const QRect moved(QPoint(left ? area.left() : area.right() + 1 - editor.width(), std::clamp(editor.top(), area.top(), std::max(area.top(), area.bottom() + 1 - editor.height()))),
                      editor.size());
    for (int zoom = wanted; zoom >= 1; --zoom)
        if (fits(moved, zoom))
            return beside(moved, zoom);
    const QSize size = viewAt(1).boundedTo(area.size());
    return {editor.topLeft(), QRect(OnScreen(QRect(area.topLeft(), size), area), size), 1};
}

QMargins FrameMargins(const QRect& frame, const QRect& inside)
{
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

} // namespace tw::ui
