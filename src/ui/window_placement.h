#pragma once

// Where the windows go on the screen: pure geometry, apart from the windows.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

namespace tw::ui {

// Where a window of that size goes in the screen's available area: centred,
// but never with its top-left corner outside the area.
QPoint Centred(QSize window, const QRect& area);

// The size a window takes in the area when its frame takes `frame` around
// it: all of it where it fits, else what the area leaves.
QSize Fitted(QSize window, const QRect& area, const QMargins& frame);

// Where a frame is wholly on the screen if it can be, else its top left.
QPoint OnScreen(const QRect& frame, const QRect& area);

// Where a frame of `framed` size goes beside the frame `other`: on the side
// with more room, its top level with the other's, and on the screen.
QPoint Beside(const QRect& other, QSize framed, const QRect& area);

// Where the editor and the Console View go so that neither covers the other:
// the view beside the editor where it stands, at `wanted` zoom if it has
// room there; else the editor at the screen's edge on its side, and the view
// in the room left at the largest zoom that fits it, down to 1. `viewAt`
// gives the view's framed size at a zoom. Where no zoom fits (a small screen
// or a large scale factor), the view goes wholly on the screen over the
// editor, as large as the screen, at zoom 1.
struct SideBySide {
    QPoint Editor; // the editor frame's top left
    QRect View;    // the view's frame
    int Zoom = 1;
};
SideBySide ArrangeSideBySide(const QRect& editor, const QRect& area, int wanted, const std::function<QSize(int zoom)>& viewAt);

// The frame's width on each side of a window, from its frame and its inside.
QMargins FrameMargins(const QRect& frame, const QRect& inside);

} // namespace tw::ui
