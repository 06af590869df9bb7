#pragma once

#include <QKeyCombination>
#include <QWidget>

#include <array>
#include <optional>

#include "console/renderer.h"
#include "model/sprite_project.h"

namespace tw::ui {

// One sprite's frames, side by side, as small pictures in the sprite's
// colours with each frame's time below it and the edited frame marked. A
// click selects a frame; its keys and context menu add a copy, delete, move
// and time the edited frame.
class FrameStrip : public QWidget {
    Q_OBJECT

public:
    // What the strip's keys and context menu do, in menu order.
    enum class Command { Add, Delete, Earlier, Later, Time };
    struct FrameCommand {
        const char* Text;
        QKeyCombination Key;
        Command Does;
    };
    static const std::array<FrameCommand, 5> kCommands;

    // A frame's picture is 8 blocks of this many pixels a side.
    static constexpr int kBlock = 3;

    FrameStrip(int spriteIndex, QWidget* parent);

    // Shows the sprite's frames, changing only what differs; `playing` marks
    // the frame that shows while the animation plays.
    void Show(const SpriteState& sprite, int edited, std::optional<int> playing, Rgb color, Rgb screen);

    QSize sizeHint() const override;
    // Where frame f stands, for clicks and for tests.
    QRect FrameRect(int f) const;

Q_SIGNALS:
    void FrameSelected(int spriteIndex, int frame);
    void CommandChosen(int spriteIndex, tw::ui::FrameStrip::Command command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int FrameAt(QPoint point) const;

    int index_;
    std::vector<std::array<std::uint8_t, kRows>> rows_; // each frame's rows
    std::vector<int> times_;
    int edited_ = 0;
    std::optional<int> playing_;
    Rgb color_, screen_;
};

} // namespace tw::ui
