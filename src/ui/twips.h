#pragma once

#include <QRect>

namespace tw::ui {

// The layout is drawn up in twips; 15 twips make one device-independent pixel
// and Qt's high-DPI scaling takes it from there.
inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel (the layout's twips are never negative).
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace tw::ui
