#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "console/chip_state.h"
#include "console/renderer.h"
#include "document/project_document.h"
#include "ui/frame_strip.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tw::ui {

// The Console View's timeline: each sprite's frames in a strip of its own
// that scrolls and keeps the selected frame in sight, Play and Stop, the
// onion skin, and how long a round of the animation takes on the TV.
class TimelinePanel final : public QWidget {
    Q_OBJECT

public:
    explicit TimelinePanel(QWidget* parent);

    // Shows what `parts` changed; `playing` marks the frames that show
    // while the animation plays.
    void Show(const SpriteProject& project, document::Parts parts, const std::optional<FrameChoice>& playing, ColourModel colours);
    void ShowOnion(bool onion);
    FrameStrip* Strip(int k) const { return strips_.at(std::size_t(k)); }

Q_SIGNALS:
    void PlayClicked();
    void OnionClicked(bool onion);
    void FrameSelected(int k, int frame);
    void CommandChosen(int k, tw::ui::FrameStrip::Command command);

private:
    std::array<FrameStrip*, kSprites> strips_{};
    std::array<QScrollArea*, kSprites> scrollers_{};
    QPushButton* play_ = nullptr;
    QCheckBox* onion_ = nullptr;
    QLabel* round_ = nullptr;
};

} // namespace tw::ui
