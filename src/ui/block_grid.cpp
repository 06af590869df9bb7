#include "ui/block_grid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/colours.h"

namespace tw::ui {

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

void BlockGrid::ShowOnion(const std::optional<Onion>& onion)
{
    if (onion_ == onion)
        return;
    onion_ = onion;
    update();
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
        if (!event->region().intersects(cell))
            continue;
        const bool faint = onion_ && cells_[i] != onion_->Set && onion_->Previous[i] == onion_->Set;
        painter.fillRect(cell, faint ? onion_->Faint : DisplayColor(cells_[i]));
    }
}

void BlockGrid::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    strokePoint_ = event->position().toPoint();
    strokeCell_ = CellAt(strokePoint_);
    // A press in a gap starts nothing.
    if ((stroking_ = strokeCell_ >= 0))
        Q_EMIT CellPressed(strokeCell_);
}

void BlockGrid::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!stroking_)
        return;
    // Every pixel on the way from where the mouse was: a quick drag skips no
    // cell it crossed.
    const QPoint from = strokePoint_, to = event->position().toPoint();
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int step = 1; step <= steps; ++step) {
        const int cell = CellAt(from + (to - from) * step / steps);
        if (cell >= 0 && cell != strokeCell_)
            Q_EMIT CellDragged(strokeCell_ = cell);
    }
    strokePoint_ = to;
}

void BlockGrid::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && std::exchange(stroking_, false))
        Q_EMIT StrokeEnded();
}

} // namespace tw::ui
