#include "ui/block_grid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace tw::ui {

QColor DisplayColor(ColorNumber color)
{
    const Rgb rgb = DisplayRgb(color);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

BlockGrid::BlockGrid(const Geometry& geometry, bool withSurround, QWidget* parent)
    : QWidget(parent), geometry_(geometry), withSurround_(withSurround)
{
    // Every pixel is painted below, gaps included.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BlockGrid::ShowCells(const Cells& cells)
{
    for (int i = 0; i < kBlocks; ++i)
        if (cells_[i] != cells[i]) {
            cells_[i] = cells[i];
            update(CellRect(i));
        }
}

void BlockGrid::ShowSurround(ColorNumber surround)
{
    if (std::exchange(surround_, surround) != surround)
        update();
}

QRect BlockGrid::CellRect(const Geometry& geometry, int index)
{
    const int row = index / 8;
    const int column = index % 8;
    return QRect(geometry.FirstCell + QPoint(column * geometry.Pitch, row * geometry.Pitch), geometry.Cell);
}

int BlockGrid::CellAt(const QPoint& point) const
{
    for (int i = kBlocks - 1; i >= 0; --i)
        if (CellRect(i).contains(point))
            return i;
    return -1;
}

QSize BlockGrid::GridExtent() const
{
    const QRect last = CellRect(kBlocks - 1);
    return QSize(last.right() + 1, last.bottom() + 1);
}

void BlockGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QColor background = withSurround_ ? DisplayColor(surround_) : palette().color(backgroundRole());
    painter.fillRect(event->rect(), background);
    // Ascending order: where cells overlap, the later one is on top, as CellAt
    // assumes.
    for (int i = 0; i < kBlocks; ++i) {
        const QRect cell = CellRect(i);
        if (event->region().intersects(cell))
            painter.fillRect(cell, DisplayColor(cells_[i]));
    }
}

void BlockGrid::mousePressEvent(QMouseEvent* event)
{
    pressedCell_ = event->button() == Qt::LeftButton ? CellAt(event->position().toPoint()) : -1;
    event->accept();
}

void BlockGrid::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release on the same cell.
    const int pressed = pressedCell_;
    pressedCell_ = -1;
    event->accept();
    if (event->button() != Qt::LeftButton || pressed < 0 || CellAt(event->position().toPoint()) != pressed)
        return;
    Q_EMIT CellClicked(pressed);
}

} // namespace tw::ui
