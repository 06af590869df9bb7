#include "ui/titled_frame.h"

#include <QPaintEvent>
#include <QStylePainter>

#include <algorithm>

namespace tw::ui {

TitledFrame::TitledFrame(QWidget* parent) : QGroupBox(parent) {}

TitledFrame::TitledFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void TitledFrame::SetTitleFitting(const QString& start, const QString& name, const QString& end)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // As much room right of the title as the style leaves left of it.
    const int left = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this).left();
    const QFontMetrics& metrics = option.fontMetrics;
    const QString fitted = metrics.elidedText(name, Qt::ElideMiddle, width() - 2 * left - metrics.horizontalAdvance(start + end));
    // A title shows "&" only doubled; a single one would mark a key.
    setTitle(QString(start + fitted + end).replace(u'&', QLatin1String("&&")));
}

bool TitledFrame::Look::operator==(const Look& other) const
{
    const QStyleOptionGroupBox& a = Option;
    const QStyleOptionGroupBox& b = other.Option;
    return Style == other.Style && PixelRatio == other.PixelRatio && a.rect == b.rect && a.state == b.state &&
           a.direction == b.direction && a.palette == b.palette &&
           a.palette.currentColorGroup() == b.palette.currentColorGroup() && a.fontMetrics == b.fontMetrics &&
           a.text == b.text && a.textAlignment == b.textAlignment && a.textColor == b.textColor &&
           a.subControls == b.subControls && a.activeSubControls == b.activeSubControls && a.features == b.features &&
           a.lineWidth == b.lineWidth && a.midLineWidth == b.midLineWidth;
}

TitledFrame::Look TitledFrame::CurrentLook() const
{
    Look look;
    initStyleOption(&look.Option);
    look.Style = style();
    look.PixelRatio = devicePixelRatioF();
    return look;
}

// The frame's own pixels in `rect`, as QGroupBox::paintEvent paints them, on a
// transparent ground.
QPixmap TitledFrame::Draw(const QRect& rect) const
{
    QPixmap pixels(rect.size() * look_.PixelRatio);
    pixels.setDevicePixelRatio(look_.PixelRatio);
    pixels.fill(Qt::transparent);
    QStylePainter painter(&pixels, const_cast<TitledFrame*>(this));
    // What a painter on the widget starts with.
    painter.setPen(QPen(palette().brush(foregroundRole()), 1));
    painter.setBackground(palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.translate(-rect.topLeft());
    painter.drawComplexControl(QStyle::CC_GroupBox, look_.Option);
    return pixels;
}

void TitledFrame::paintEvent(QPaintEvent* event)
{
    const QRect rect = event->rect();
    if (qint64(rect.width()) * rect.height() > kMaxPiecePixels) {
        QGroupBox::paintEvent(event);
        return;
    }
    Look look = CurrentLook();
    if (!(look == look_)) {
        pieces_.clear();
        look_ = std::move(look);
        title_ = style()->subControlRect(QStyle::CC_GroupBox, &look_.Option, QStyle::SC_GroupBoxLabel, this) |
                 style()->subControlRect(QStyle::CC_GroupBox, &look_.Option, QStyle::SC_GroupBoxCheckBox, this);
    }
    // Text is left to the style: a copy could not render it as the widget does.
    if (rect.intersects(title_)) {
        QGroupBox::paintEvent(event);
        return;
    }

    auto piece = std::find_if(pieces_.begin(), pieces_.end(), [&](const Piece& p) { return p.Rect == rect; });
    if (piece == pieces_.end()) {
        qint64 kept = qint64(rect.width()) * rect.height();
        for (const Piece& p : pieces_)
            kept += qint64(p.Rect.width()) * p.Rect.height();
        auto oldest = pieces_.begin();
        for (; oldest != pieces_.end() && kept > kMaxKeptPixels; ++oldest)
            kept -= qint64(oldest->Rect.width()) * oldest->Rect.height();
        pieces_.erase(pieces_.begin(), oldest);
        pieces_.push_back({rect, Draw(rect)});
        piece = pieces_.end() - 1;
    }
    QPainter painter(this);
    painter.drawPixmap(rect.topLeft(), piece->Pixels);
}

} // namespace tw::ui
