#pragma once

#include <QWidget>

#include "model/palette.h"

namespace tw::ui {

// A sprite's foreground colour square, painted from the model's colour number.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    // `color` is read on every paint and must outlive the widget.
    ColorSwatch(const ColorNumber* color, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ColorNumber* color_;
};

} // namespace tw::ui
