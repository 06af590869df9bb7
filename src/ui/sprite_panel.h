#pragma once


#include <array>

#include "model/sprite_project.h"
#include "ui/titled_frame.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tw::ui {

class BlockGrid;
class ColorSwatch;

// One sprite's design panel ("Sprite #1" .. "Sprite #4"): the block grid, the
// row boxes, the name box, the colour square and the View, Color and Clear
// buttons. It shows the model's SpriteState and reports the user's actions;
// the window carries them out and tells the panel what to repaint.
class SpritePanel : public TitledFrame {
    Q_OBJECT

public:
    // `sprite` must outlive the panel.
    SpritePanel(int spriteIndex, const SpriteState* sprite, QWidget* parent);

    int SpriteIndex() const { return index_; }

    void RefreshBlock(int block);
    void RefreshBlocks();
    void RefreshRow(int row);
    void RefreshRows();
    void RefreshName();
    void RefreshSquare();
    void RefreshAll();

    BlockGrid* Grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void BlockClicked(int spriteIndex, int block);
    void NameChanged(int spriteIndex, const QString& text);
    void ViewClicked(int spriteIndex);
    void ColorClicked(int spriteIndex);
    void ClearClicked(int spriteIndex);

private:
    void ShowNameFromStart();

    int index_;
    const SpriteState* sprite_;
    BlockGrid* grid_ = nullptr;
    std::array<QLineEdit*, kRows> rows_{};
    QLabel* lblName_ = nullptr;
    QLineEdit* rtbSpriteName_ = nullptr;
    ColorSwatch* picSpriteFGColor_ = nullptr;
    QPushButton* cmdThumbNail_ = nullptr;
    QPushButton* cmdSpriteColor_ = nullptr;
    QPushButton* cmdSpriteClear_ = nullptr;
};

} // namespace tw::ui
