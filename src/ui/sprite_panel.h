#pragma once

#include <QKeyCombination>
#include <QRegion>

#include <array>
#include <optional>

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
// buttons. It shows a sprite and reports the user's actions; the window has
// the document carry them out and then shows the sprite again.
//
// The grid also takes the keys and the context menu of kGridCommands, and
// shows a frame around itself while it has the focus.
class SpritePanel : public TitledFrame {
    Q_OBJECT

public:
    SpritePanel(int spriteIndex, QWidget* parent);

    int SpriteIndex() const { return index_; }

    // Brings every control up to date with the sprite, changing only what
    // differs; a row box with unfinished typing keeps it.
    void Show(const SpriteState& sprite, ColorNumber color);

    BlockGrid* Grid() const { return grid_; }

    // What the grid's keys and context menu do, in menu order: a transform,
    // or else Copy or Paste.
    struct GridCommand {
        const char* Text;
        QKeyCombination Key;
        std::optional<SpriteTransform> Transform;
        bool Paste = false;
    };
    static const std::array<GridCommand, 10> kGridCommands;

    // Hands on what is typed in a row box and not yet finished (the window
    // calls it before a command that reads or replaces the project).
    void FinishTyping();

Q_SIGNALS:
    void BlockClicked(int spriteIndex, int block);
    // A row box edit finished (Return or leaving the box): two upper-case
    // hexadecimal digits.
    void RowEdited(int spriteIndex, int row, const QString& text);
    void NameChanged(int spriteIndex, const QString& text);
    void NameFinished(int spriteIndex);
    void TransformChosen(int spriteIndex, SpriteTransform transform);
    void CopyChosen(int spriteIndex);
    void PasteChosen(int spriteIndex);
    void ViewClicked(int spriteIndex);
    void ColorClicked(int spriteIndex);
    void ClearClicked(int spriteIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowNameFromStart();
    void FinishRow(int row);
    void RunGridCommand(const GridCommand& command);
    void ShowGridMenu(const QPoint& at);
    // The focused grid's frame, this many pixels wide around the blocks.
    static constexpr int kFocusFrameWidth = 2;
    QRegion FocusFrameRegion() const;

    int index_;
    BlockGrid* grid_ = nullptr;
    std::array<QLineEdit*, kRows> rows_{};
    std::array<bool, kRows> typed_{}; // typed in since the row was last shown or handed on
    // What each row box shows while it is not being typed in, and the name box.
    std::array<std::string, kRows> shownRows_;
    std::string shownName_;
    QLabel* lblName_ = nullptr;
    QLineEdit* rtbSpriteName_ = nullptr;
    ColorSwatch* picSpriteFGColor_ = nullptr;
    QPushButton* cmdThumbNail_ = nullptr;
    QPushButton* cmdSpriteColor_ = nullptr;
    QPushButton* cmdSpriteClear_ = nullptr;
};

} // namespace tw::ui
