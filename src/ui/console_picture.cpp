#include "ui/console_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "console/screen_geometry.h"
#include "model/row_encoding.h"

namespace tw::ui {
namespace {

// What the overlay marks a pixel with: where a sprite meets characters, and
// where two sprites meet (in 8-line geometry).
const QColor kOnCharacters(255, 0, 0, 170), kBetweenSprites(255, 140, 0, 170);

QRect CellRectOf(const ChipState& chip, int cell)
{
    const int lines = CellLines(chip);
    return {kFieldLeft + kCellWidth * (cell % kFieldColumns), FieldTopLine(chip) + lines * (cell / kFieldColumns), kCellWidth, lines};
}

} // namespace

ConsolePicture::ConsolePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("consoleScreen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
}

void ConsolePicture::Show(const QImage& picture, const ScreenScale& scale, const ConsoleShows& shows)
{
    // A copy shares the view's pixels until the view draws anew.
    picture_ = picture;
    scale_ = scale;
    shows_ = shows;
    if (size() != picture_.size())
        resize(picture_.size());
    update();
}

void ConsolePicture::ShowCollisions(std::optional<std::vector<CollisionPixel>> pixels)
{
    collisions_ = std::move(pixels);
    update();
}

void ConsolePicture::SetTool(Tool tool)
{
    tool_ = tool;
    pressed_ = false;
    if (tool != Tool::Select)
        selection_.reset();
    if (tool != Tool::Text)
        textCell_ = -1;
    setCursor(tool == Tool::Move ? Qt::OpenHandCursor : tool == Tool::Text ? Qt::IBeamCursor : Qt::CrossCursor);
    Q_EMIT SelectionChanged();
    update();
}

QRect ConsolePicture::PixelRect(int x, int line) const
{
    return QRect(QPoint(scale_.ColumnStart(x), line * scale_.Scale), QPoint(scale_.ColumnStart(x + 1) - 1, (line + 1) * scale_.Scale - 1));
}

QRect ConsolePicture::WidgetRect(const QRect& console) const
{
    return PixelRect(console.left(), console.top()).united(PixelRect(console.right(), console.bottom()));
}

QPoint ConsolePicture::ConsolePoint(QPoint at) const
{
    // Columns are not all of one width: start from the estimate and step to
    // the column whose span holds the point.
    const Ratio aspect = PixelAspect(scale_.Shape);
    int x = std::clamp(at.x() * aspect.High / std::max(1, scale_.Scale * aspect.Wide), 0, kScreenWidth - 1);
    while (x > 0 && scale_.ColumnStart(x) > at.x())
        --x;
    while (x + 1 < kScreenWidth && scale_.ColumnStart(x + 1) <= at.x())
        ++x;
    return {x, std::clamp(at.y() / std::max(1, scale_.Scale), 0, kScreenLines - 1)};
}

int ConsolePicture::CellAt(QPoint console) const
{
    const ChipState& chip = shows_.Chip;
    const int column = (console.x() - kFieldLeft) / kCellWidth, row = (console.y() - FieldTopLine(chip)) / CellLines(chip);
    if (console.x() < kFieldLeft || console.y() < FieldTopLine(chip) || column >= kFieldColumns || row >= kFieldRows)
        return -1;
    return row * kFieldColumns + column;
}

int ConsolePicture::SpriteAt(QPoint console) const
{
    // The one on top: the higher-numbered sprite covers a lower one.
    for (int k = kSprites - 1; k >= 0; --k) {
        const SpritePlace place = PlaceOf(shows_.Chip, k);
        if (place.Drawn && QRect(place.Left, place.Top, kRowWidth, place.Lines).contains(console))
            return k;
    }
    return -1;
}

void ConsolePicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
    if (collisions_)
        for (const CollisionPixel& pixel : *collisions_)
            painter.fillRect(PixelRect(pixel.X, pixel.Line), (pixel.What & 0x0F) ? kOnCharacters : kBetweenSprites);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    if (selection_) {
        const QRect from = CellRectOf(shows_.Chip, selection_->first), to = CellRectOf(shows_.Chip, selection_->second);
        painter.drawRect(WidgetRect(from.united(to)));
    }
    if (textCell_ >= 0)
        painter.drawRect(WidgetRect(CellRectOf(shows_.Chip, textCell_)));
    if (tool_ == Tool::Move && hasFocus()) {
        const SpritePlace place = PlaceOf(shows_.Chip, sprite_);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(WidgetRect(QRect(place.Left, place.Top, kRowWidth, place.Lines)).adjusted(-2, -2, 1, 1));
    }
}

void ConsolePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    Pressed(ConsolePoint(event->position().toPoint()));
}

void ConsolePicture::Pressed(QPoint console)
{
    const int cell = CellAt(console);
    switch (tool_) {
    case Tool::Move:
        if (const int k = SpriteAt(console); k >= 0) {
            sprite_ = k, pressed_ = true, from_ = console;
            fromVertical_ = shows_.Chip.Positions[std::size_t(2 * k)], fromHorizontal_ = shows_.Chip.Positions[std::size_t(2 * k + 1)];
            setCursor(Qt::ClosedHandCursor);
        }
        break;
    case Tool::Paint:
        pressed_ = true, lastCell_ = cell, from_ = console;
        if (cell >= 0)
            Q_EMIT CellStroked(cell);
        break;
    case Tool::Fill:
    case Tool::Select:
        if (cell >= 0) {
            pressed_ = true;
            selection_ = std::pair{cell, cell};
            Q_EMIT SelectionChanged();
        }
        break;
    case Tool::Text:
        textCell_ = cell;
        break;
    }
    update();
}

void ConsolePicture::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_)
        MovedTo(ConsolePoint(event->position().toPoint()));
}

void ConsolePicture::MovedTo(QPoint console)
{
    const int cell = CellAt(console);
    switch (tool_) {
    case Tool::Move:
        Q_EMIT SpriteDragged(sprite_, fromVertical_ - (console.y() - from_.y()), fromHorizontal_ + (console.x() - from_.x()));
        break;
    case Tool::Paint: {
        // Every cell on the way, however fast the mouse moved.
        const QPoint step = console - from_;
        const int steps = std::max(std::abs(step.x()), std::abs(step.y()));
        for (int i = 1; i <= steps; ++i) {
            const int at = CellAt(from_ + step * i / steps);
            if (at >= 0 && at != lastCell_)
                Q_EMIT CellStroked(at);
            lastCell_ = at;
        }
        from_ = console;
        break;
    }
    case Tool::Fill:
    case Tool::Select:
        if (cell >= 0 && selection_ && selection_->second != cell) {
            selection_->second = cell;
            Q_EMIT SelectionChanged();
            update();
        }
        break;
    case Tool::Text:
        break;
    }
}

void ConsolePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (!std::exchange(pressed_, false))
        return QWidget::mouseReleaseEvent(event);
    if (tool_ == Tool::Fill && selection_) {
        Q_EMIT CellsFilled(selection_->first, selection_->second);
        selection_.reset();
        update();
    }
    if (tool_ == Tool::Move)
        setCursor(Qt::OpenHandCursor);
    Q_EMIT StrokeEnded();
}

bool ConsolePicture::event(QEvent* event)
{
    // While text is typed, the letters, digits and space go to the cells,
    // not to the view's one-key commands (Space plays, O the onion skin).
    if (event->type() == QEvent::ShortcutOverride && tool_ == Tool::Text && textCell_ >= 0) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 && text.size() == 1 && text[0].unicode() < 0x80 &&
            CharacterCode(char(text[0].unicode())))
            return event->accept(), true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

void ConsolePicture::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int down = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    const int right = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    if (tool_ == Tool::Move && event->key() >= Qt::Key_1 && event->key() < Qt::Key_1 + kSprites && !(event->modifiers() & ~Qt::KeypadModifier)) {
        // The sprite the arrows move, for those who work without the mouse.
        sprite_ = event->key() - Qt::Key_1;
        update();
        return;
    }
    if (tool_ == Tool::Move && (down || right)) {
        // Shift: a cell at a time, as tall as the field's cells are.
        Q_EMIT SpriteNudged(sprite_, down * (shift ? CellLines(shows_.Chip) : 1), right * (shift ? kCellWidth : 1));
        return;
    }
    if (tool_ == Tool::Text && textCell_ >= 0) {
        const int column = textCell_ % kFieldColumns;
        const QString text = event->text();
        if (event->key() == Qt::Key_Backspace && column > 0) {
            Q_EMIT CharacterTyped(--textCell_, ' ');
        } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            textCell_ = std::min(textCell_ + kFieldColumns, kCells - 1);
        } else if (text.size() == 1 && text[0].unicode() < 0x80 && CharacterCode(char(text[0].unicode()))) {
            Q_EMIT CharacterTyped(textCell_, char(text[0].unicode()));
            if (column + 1 < kFieldColumns) // the row's end keeps the cursor
                ++textCell_;
        } else {
            return QWidget::keyPressEvent(event);
        }
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tw::ui
