#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionGroupBox>

#include <vector>

namespace tw::ui {

// A titled frame (QGroupBox) that keeps small repaints cheap.
//
// The style paints a group box whole every time: it measures and lays out the
// title and draws the frame, even when only a few pixels need painting. Every
// child that does not fill its own rectangle (a text box, a label) has the
// frames beneath it repainted with it, so one row box changing its text would
// cost two full group-box paints. Here a repaint of a small rectangle away
// from the title is served from a copy of the frame's own pixels for that
// rectangle, drawn once by the style and kept while nothing the style is told
// about (size, title, palette, font, state, style) changes. Larger repaints,
// and any that touch the title, go to the style as before.
class TitledFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit TitledFrame(QWidget* parent = nullptr);
    explicit TitledFrame(const QString& title, QWidget* parent = nullptr);

    // The largest rectangle, in pixels, served from a copy, and the most
    // pixels kept in copies; the oldest copy goes first.
    static constexpr int kMaxPiecePixels = 64 * 64;
    static constexpr int kMaxKeptPixels = 32 * 1024;

    // Sets the title `start` + `name` + `end`, with letters of `name` taken
    // out of its middle (for "…") as far as the title must lose to fit.
    void SetTitleFitting(const QString& start, const QString& name, const QString& end);

    // Copies kept now (for tests).
    int KeptPieces() const { return int(pieces_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Piece {
        QRect Rect;
        QPixmap Pixels;
    };

    // Everything the style is given to paint the frame, and the style itself.
    struct Look {
        QStyleOptionGroupBox Option;
        const QStyle* Style = nullptr;
        qreal PixelRatio = 1;
        bool operator==(const Look& other) const;
    };

    Look CurrentLook() const;
    QPixmap Draw(const QRect& rect) const;

    Look look_;
    QRect title_; // where the style puts the title for look_
    std::vector<Piece> pieces_;
};

} // namespace tw::ui
