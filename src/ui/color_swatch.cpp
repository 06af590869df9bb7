#include "ui/color_swatch.h"

#include <QPainter>

#include "ui/block_grid.h"

namespace tw::ui {

ColorSwatch::ColorSwatch(const ColorNumber* color, QWidget* parent) : QWidget(parent), color_(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A thin line keeps a white square visible against the light frame.
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), DisplayColor(*color_));
}

} // namespace tw::ui
