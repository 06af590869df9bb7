#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include <optional>

#include "document/project_document.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace tw::ui {

// Import Shapes: the shapes of a binary (a cartridge, a memory dump, a
// build), 16 a row as tilewright-cli shapes draws them, from an offset that
// the keys move by a byte (Left, Right: graphics are not always 8-aligned),
// a shape (Page Up, Page Down) or a row of shapes (Up, Down). A click puts
// the shape into the sprite chosen below the shapes, into the frame of it
// that is edited, or into a user-defined character: a step of the history
// each, which Ctrl+Z takes back here as in the editor.
class ShapesWindow : public QWidget {
    Q_OBJECT

public:
    // Rows of shapes shown at once, and screen pixels to a pixel of a shape.
    static constexpr int kRowsShown = 16, kZoom = 3;
    // What a click puts a shape into: sprites 1 to 4, then characters 0x3C to 0x3F.
    static constexpr int kTargets = kSprites + kUserCharacters;

    ShapesWindow(document::ProjectDocument& document, QWidget* parent);

    // Reads the binary whole and shows its shapes from offset 0; the file's
    // problem when it cannot be read, and the window as it was.
    storage::Outcome Open(const QString& path);
    QString File() const { return file_; }
    // The offset of the first shape shown, kept within the binary.
    long long Offset() const { return offset_; }
    void SetOffset(long long offset);
    // Sprite k (0 to 3), or character c at kSprites + c.
    int Target() const;
    void SetTarget(int target);
    // Puts the shape at `offset` into the target, when the binary holds all
    // of it: what a click on it does.
    void PutShape(long long offset);
    // The offset of the shape at a point of the grid, if one is there.
    std::optional<long long> ShapeAt(QPoint at) const;
    QWidget* Grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildKeys();
    QWidget* BuildTargets();
    void ShowDocument();
    void ShowShapes();
    void ShowStatus(const QString& text);
    // The target's rows as they are now.
    RowBytes TargetRows() const;

    document::ProjectDocument& document_;
    QByteArray bytes_;
    QString file_;
    long long offset_ = 0;
    QImage shapes_;
    QWidget* grid_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* offsetLabel_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QComboBox* target_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace tw::ui
