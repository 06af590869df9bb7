#pragma once

#include <QByteArray>

#include "console/renderer.h"

namespace tw::ui {

// What the Console View keeps between runs: its place, zoom, colours and
// pixel shape, in the editor's settings.
struct ConsoleViewSettings {
    static constexpr int kMinZoom = 1, kMaxZoom = 8;

    int Zoom = kDefaultScreenScale;
    ColourModel Colours = ColourModel::Mame;
    bool Square = false;
    QByteArray Geometry; // empty: never placed

    static ConsoleViewSettings Load();
    void Save() const;
};

} // namespace tw::ui
