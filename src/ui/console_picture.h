#pragma once

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

#include "console/collisions.h"
#include "console/renderer.h"

namespace tw::ui {

// The Console View's picture of the screen, and what the mouse and the keys
// do on it with the tool chosen: a sprite dragged or nudged into place, cells
// painted, filled, selected or typed into. It only reports what the user
// did; the view has the document carry it out, then shows the picture again.
class ConsolePicture final : public QWidget {
    Q_OBJECT

public:
    enum class Tool { Move, Paint, Fill, Select, Text };

    explicit ConsolePicture(QWidget* parent);

    // The picture as drawn at `scale`, and the moment it shows, which the
    // mouse is mapped back to.
    void Show(const QImage& picture, const ScreenScale& scale, const ConsoleShows& shows);
    // The pixels that collide, marked over the picture; none: no overlay.
    void ShowCollisions(std::optional<std::vector<CollisionPixel>> pixels);

    Tool CurrentTool() const { return tool_; }
    void SetTool(Tool tool);
    // The sprite that arrows move (the last one clicked).
    int SelectedSprite() const { return sprite_; }
    // The cells selected, from one corner to the other; none when none.
    std::optional<std::pair<int, int>> Selection() const { return selection_; }
    // Where typing goes.
    int TextCell() const { return textCell_; }

    // Where console pixel (x, line) stands in the widget, and the other way.
    QRect PixelRect(int x, int line) const;
    QPoint ConsolePoint(QPoint at) const;
    // The cell of the field at a console point; -1 outside it.
    int CellAt(QPoint console) const;
    // The widget rectangle of a console rectangle (x, line, width, lines).
    QRect WidgetRect(const QRect& console) const;

    QSize sizeHint() const override { return picture_.size(); }

Q_SIGNALS:
    void SpriteDragged(int k, int vertical, int horizontal);
    void SpriteNudged(int k, int down, int right); // in pixels and lines; a cell with Shift
    void CellStroked(int cell);
    void CellsFilled(int from, int to);
    void CharacterTyped(int cell, char c); // the cursor moves on by itself
    void StrokeEnded();
    void SelectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    int SpriteAt(QPoint console) const;
    void Pressed(QPoint console);
    void MovedTo(QPoint console);
    void UpdateMarks();

    QImage picture_;
    ScreenScale scale_;
    ConsoleShows shows_;
    std::optional<std::vector<CollisionPixel>> collisions_;
    Tool tool_ = Tool::Move;
    int sprite_ = 0;
    // A drag under way: where it began, and the sprite's place then.
    bool pressed_ = false;
    QPoint from_;
    int fromVertical_ = 0, fromHorizontal_ = 0;
    int lastCell_ = -1;
    std::optional<std::pair<int, int>> selection_;
    int textCell_ = -1;
};

} // namespace tw::ui
