#pragma once

#include <QWidget>

#include "model/palette.h"

namespace tw::ui {

// A sprite's foreground colour square.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent);

    void ShowColor(ColorNumber color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorNumber color_ = kWhiteColorNumber;
};

} // namespace tw::ui
