#pragma once

// The one way the widgets turn the model's colours into Qt's.

#include <QColor>

#include "model/palette.h"

namespace tw::ui {

inline QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// How a colour number is painted (system colours as true white).
inline QColor DisplayColor(ColorNumber color) { return ToQColor(DisplayRgb(color)); }

} // namespace tw::ui
