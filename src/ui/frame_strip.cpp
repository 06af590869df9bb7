#include "ui/frame_strip.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "model/row_encoding.h"
#include "ui/colours.h"

namespace tw::ui {
namespace {

constexpr int kGap = 6; // between two frames, and around them
constexpr int kPicture = kRowWidth * FrameStrip::kBlock;

} // namespace

const std::array<FrameStrip::FrameCommand, 5> FrameStrip::kCommands{{
    {"Add Frame", Qt::Key_Insert, Command::Add},
    {"Delete Frame", Qt::Key_Delete, Command::Delete},
    {"Move Earlier", Qt::CTRL | Qt::Key_Left, Command::Earlier},
    {"Move Later", Qt::CTRL | Qt::Key_Right, Command::Later},
    {"Set Time...", Qt::Key_T, Command::Time},
}};

FrameStrip::FrameStrip(int spriteIndex, QWidget* parent) : QWidget(parent), index_(spriteIndex)
{
    setObjectName(QStringLiteral("frameStrip_%1").arg(spriteIndex));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect FrameStrip::FrameRect(int f) const { return {kGap + f * (kPicture + kGap), kGap, kPicture, kPicture}; }

QSize FrameStrip::sizeHint() const
{
    return {kGap + int(rows_.size()) * (kPicture + kGap), kGap + kPicture + fontMetrics().height() + kGap};
}

void FrameStrip::Show(const SpriteState& sprite, int edited, std::optional<int> playing, Rgb color, Rgb screen)
{
    std::vector<std::array<std::uint8_t, kRows>> rows(std::size_t(sprite.Frames()));
    std::vector<int> times(rows.size());
    for (int f = 0; f < sprite.Frames(); ++f) {
        for (int r = 0; r < kRows; ++r)
            rows[std::size_t(f)][std::size_t(r)] = RowTextValue(sprite.Frame(f).HexRows[r]);
        times[std::size_t(f)] = sprite.Frame(f).Time;
    }
    if (rows == rows_ && times == times_ && edited == edited_ && playing == playing_ && color == color_ && screen == screen_)
        return;
    const bool grown = rows.size() != rows_.size();
    rows_ = std::move(rows), times_ = std::move(times), edited_ = edited, playing_ = playing, color_ = color, screen_ = screen;
    if (grown)
        updateGeometry(), resize(sizeHint());
    update();
}

void FrameStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int f = 0; f < int(rows_.size()); ++f) {
        const QRect frame = FrameRect(f);
        // The edited frame framed in the highlight colour (brighter with the
        // focus), the one playing in the text colour.
        if (f == edited_ || playing_ == f)
            painter.fillRect(frame.adjusted(-3, -3, 3, 3), playing_ == f ? palette().windowText() : palette().highlight());
        painter.fillRect(frame, ToQColor(screen_));
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kRowWidth; ++c)
                if (rows_[std::size_t(f)][std::size_t(r)] & ColumnBit(c))
                    painter.fillRect(frame.x() + c * kBlock, frame.y() + r * kBlock, kBlock, kBlock, ToQColor(color_));
        painter.drawText(QRect(frame.left() - kGap / 2, frame.bottom() + 3, frame.width() + kGap, fontMetrics().height()),
                         Qt::AlignCenter, QString::number(times_[std::size_t(f)]));
    }
    if (hasFocus()) // the strip itself has the keys
        painter.setPen(palette().color(QPalette::Highlight)), painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

int FrameStrip::FrameAt(QPoint point) const
{
    for (int f = 0; f < int(rows_.size()); ++f)
        if (FrameRect(f).adjusted(-kGap / 2, -kGap, kGap / 2, kGap).contains(point))
            return f;
    return -1;
}

void FrameStrip::mousePressEvent(QMouseEvent* event)
{
    if (const int f = FrameAt(event->position().toPoint()); f >= 0)
        Q_EMIT FrameSelected(index_, f);
    QWidget::mousePressEvent(event);
}

void FrameStrip::keyPressEvent(QKeyEvent* event)
{
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    for (const FrameCommand& command : kCommands)
        if (command.Key == pressed) {
            Q_EMIT CommandChosen(index_, command.Does);
            return;
        }
    // Left and Right select the frame before and after.
    if (pressed == QKeyCombination(Qt::Key_Left) || pressed == QKeyCombination(Qt::Key_Right)) {
        Q_EMIT FrameSelected(index_, edited_ + (pressed.key() == Qt::Key_Left ? -1 : 1));
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrameStrip::contextMenuEvent(QContextMenuEvent* event)
{
    if (const int f = FrameAt(event->pos()); f >= 0 && f != edited_)
        Q_EMIT FrameSelected(index_, f);
    QMenu menu(this);
    for (const FrameCommand& command : kCommands) {
        QAction* action = menu.addAction(QString::fromLatin1(command.Text));
        action->setShortcut(command.Key); // printed beside the item; the strip has the key
        action->setData(int(command.Does));
    }
    if (const QAction* chosen = menu.exec(event->globalPos()))
        Q_EMIT CommandChosen(index_, Command(chosen->data().toInt()));
}

} // namespace tw::ui
