#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

#include "console/glyphs.h"
#include "model/palette.h"

namespace tw::ui {

// The field's 64 characters as the console draws them, eight a row, one
// chosen; a click or the arrow keys choose another.
class CharacterPalette final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPixel = 3; // a glyph's pixel, in the widget's
    static constexpr int kCodes = 64;

    explicit CharacterPalette(QWidget* parent);

    // Each code's rows as the field shows them now, in these colours.
    void Show(const std::array<GlyphRows, kCodes>& glyphs, Rgb ink, Rgb paper);
    int Chosen() const { return chosen_; }
    void Choose(int code);
    QRect CodeRect(int code) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void CodeChosen(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<GlyphRows, kCodes> glyphs_{};
    Rgb ink_, paper_;
    int chosen_ = 0x03; // the solid block: a first stroke of paint shows, where a space would not
};

} // namespace tw::ui
