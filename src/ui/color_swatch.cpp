#include "ui/color_swatch.h"

#include <QPainter>

#include "ui/colours.h"

namespace tw::ui {

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void ColorSwatch::ShowColor(ColorNumber color)
{
    if (color_ != color) {
        color_ = color;
        update();
    }
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A thin line keeps a white square visible against the light frame.
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), DisplayColor(color_));
}

} // namespace tw::ui
