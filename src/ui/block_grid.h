#pragma once

#include <QRect>
#include <QWidget>

#include <array>
#include <optional>

#include "model/palette.h"
#include "model/sprite_project.h"
#include "ui/twips.h"

namespace tw::ui {

// An 8 x 8 grid of coloured cells painted by one widget: a sprite's design
// blocks, or the Sprite View with its surround. Cell i stands in row i / 8 and
// column i % 8. It keeps the colours it was last given, so that showing a
// project repaints only the cells whose colour changed.
class BlockGrid : public QWidget {
    Q_OBJECT

public:
    struct Geometry {
        QPoint FirstCell; // top-left of cell 0, in the widget
        QSize Cell;       // a cell's size
        int Pitch = 0;    // distance from one cell to the next, across and down
    };

    // Design blocks: 330 x 315 twips at a pitch of 360; the widget starts at
    // block 0, and the blocks leave gaps of 2 and 3 pixels between them.
    static constexpr Geometry kDesignGeometry{QPoint(0, 0), QSize(Px(330), Px(315)), Px(360)};
    // View cells: 135 x 135 twips at a pitch of 120 from 120 inside the
    // surround, so each cell overlaps its right and lower neighbour by a pixel.
    static constexpr Geometry kViewGeometry{QPoint(Px(120), Px(120)), QSize(Px(135), Px(135)), Px(120)};

    using Cells = std::array<ColorNumber, kBlocks>;

    // Without a surround the space between the cells shows the parent's
    // background. Every cell and the surround start black.
    BlockGrid(const Geometry& geometry, bool withSurround, QWidget* parent);

    void ShowCells(const Cells& cells);
    void ShowSurround(ColorNumber surround);
    // The onion skin: cells drawn in `faint` where `onion` holds `set` and
    // the cell itself is not `set`; nothing for none.
    struct Onion {
        Cells Previous{};
        ColorNumber Set = 0;
        QColor Faint;
        friend bool operator==(const Onion&, const Onion&) = default;
    };
    void ShowOnion(const std::optional<Onion>& onion);

    // The one place a cell's rectangle is worked out, for painting and for
    // mapping clicks alike.
    static QRect CellRect(const Geometry& geometry, int index);
    QRect CellRect(int index) const { return CellRect(geometry_, index); }

    // The cell under `point`, the one painted last where two overlap; -1 in a
    // gap or outside the grid.
    int CellAt(const QPoint& point) const;

    // Size from the top-left corner to the far corner of the last cell.
    QSize GridExtent() const;

Q_SIGNALS:
    // A stroke of the left button: pressed on a cell, then every other cell
    // it passes over, in order, however fast the mouse moves; then released.
    void CellPressed(int index);
    void CellDragged(int index);
    void StrokeEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Nothing painted depends on the focus: taking it repaints nothing
    // (QWidget would repaint the whole grid).
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    Geometry geometry_;
    Cells cells_{};
    std::optional<Onion> onion_;
    bool withSurround_;
    ColorNumber surround_ = kBlackColorNumber;
    bool stroking_ = false;
    QPoint strokePoint_; // where the mouse was last seen in a stroke
    int strokeCell_ = -1;
};

} // namespace tw::ui
