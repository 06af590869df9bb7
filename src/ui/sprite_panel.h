#pragma once

#include <QKeyCombination>
#include <QRegion>

#include <array>
#include <optional>

#include "model/sprite_project.h"
#include "project/exports.h"
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

    // Brings every control up to date with the sprite's frame `frame`,
    // changing only what differs; with `onion`, the frame before shows
    // faintly under it; the box of `typedRow` keeps the text being typed in
    // it. Nothing it does is reported as the user's.
    void Show(const SpriteState& sprite, int frame, ColorNumber color, ColorNumber screen, bool onion, std::optional<int> typedRow = {});

    BlockGrid* Grid() const { return grid_; }

    // What the grid's keys and context menu do, in menu order: a transform,
    // or else Copy, Paste, the onion skin or Import Shapes.
    struct GridCommand {
        const char* Text;
        QKeyCombination Key;
        std::optional<SpriteTransform> Transform;
        bool Paste = false;
        bool Onion = false;
        bool Shapes = false;
    };
    static const std::array<GridCommand, 12> kGridCommands;
    // The context menu's Copy As submenu, in order.
    static const std::array<std::pair<const char*, ExportForm>, 4> kCopyForms;

Q_SIGNALS:
    // A stroke on the grid: pressed on a block, dragged over others, ended.
    void BlockPressed(int spriteIndex, int block);
    void BlockDragged(int spriteIndex, int block);
    void StrokeEnded();
    // What a row box or the name box holds after a key the user typed.
    void RowEdited(int spriteIndex, int row, const QString& text);
    void NameEdited(int spriteIndex, const QString& text);
    // A box's editing is over: Return, or the box left.
    void TypingFinished();
    void TransformChosen(int spriteIndex, SpriteTransform transform);
    void CopyChosen(int spriteIndex);
    void PasteChosen(int spriteIndex);
    void ViewClicked(int spriteIndex);
    void ColorClicked(int spriteIndex);
    void ClearClicked(int spriteIndex);
    void ConsoleViewChosen();
    void RunInMameChosen();
    void OnionToggled();
    void ShapesChosen(int spriteIndex);
    void CopyAsChosen(int spriteIndex, tw::ExportForm form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowNameFromStart();
    void RunGridCommand(const GridCommand& command);
    void ShowGridMenu(const QPoint& at);
    // The focused grid's frame, this many pixels wide around the blocks.
    static constexpr int kFocusFrameWidth = 2;
    QRegion FocusFrameRegion() const;

    int index_;
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
