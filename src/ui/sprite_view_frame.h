#pragma once

#include <array>

#include "model/sprite_project.h"
#include "ui/titled_frame.h"

class QLabel;

namespace tw::ui {

class BlockGrid;

// The Sprite View frame: the view of one sprite on a surround in the screen
// colour, and the colour codes of the screen and of the four sprites.
class SpriteViewFrame : public TitledFrame {
    Q_OBJECT

public:
    explicit SpriteViewFrame(QWidget* parent);

    // Brings the view and the code labels up to date, changing only what differs.
    void Show(const SpriteProject& project);

private:
    BlockGrid* picThumbNail_;
    QLabel* lblBackGroundValue_;
    std::array<QLabel*, kSprites> lblForeGroundValue_{};
    std::array<int, kSprites + 1> shownCodes_{-1, -1, -1, -1, -1}; // the sprites', then the screen's
};

} // namespace tw::ui
