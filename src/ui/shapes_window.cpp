#include "ui/shapes_window.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "model/row_encoding.h"
#include "model/shapes.h"
#include "sheet/shapes_picture.h"
#include "sheet/sheet_layout.h"
#include "ui/keys.h"

namespace tw::ui {
namespace {

constexpr int kShown = kShapesPerRow * ShapesWindow::kRowsShown;
constexpr int kPitch = sheet::kSheetSpritePitch * ShapesWindow::kZoom; // a shape and its gap, in pixels

// The shapes as drawn, with a frame in the gap around the one under the mouse.
class ShapesGrid final : public QWidget {
public:
    ShapesGrid(const QImage& shapes, QWidget* parent) : QWidget(parent), shapes_(shapes)
    {
        setObjectName(QStringLiteral("shapesGrid"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        setFixedSize(sheet::kShapesSheetBlocksWide * ShapesWindow::kZoom, sheet::ShapesSheetBlocksHigh(kShown) * ShapesWindow::kZoom);
    }
    void SetHovered(std::optional<int> shape)
    {
        if (shape != hovered_)
            hovered_ = shape, update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, shapes_);
        if (!hovered_)
            return;
        const QRect shape(*hovered_ % kShapesPerRow * kPitch, *hovered_ / kShapesPerRow * kPitch, kPitch + ShapesWindow::kZoom,
                          kPitch + ShapesWindow::kZoom);
        painter.setPen(QPen(palette().color(QPalette::Highlight), ShapesWindow::kZoom));
        painter.setBrush(Qt::NoBrush);
        const int half = ShapesWindow::kZoom / 2;
        painter.drawRect(shape.adjusted(half, half, -half - 1, -half - 1));
    }

private:
    const QImage& shapes_;
    std::optional<int> hovered_;
};

QString Hex(long long offset) { return QStringLiteral("0x%1").arg(QString::number(offset, 16).toUpper().rightJustified(4, u'0')); }

QPixmap RowsPicture(const RowBytes& rows, int zoom)
{
    QImage image(kRowWidth, kRows, QImage::Format_RGB32);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kRowWidth; ++c)
            image.setPixel(c, r, rows[r] & ColumnBit(c) ? sheet::kShapeSet : sheet::kShapeClear);
    return QPixmap::fromImage(image.scaled(kRowWidth * zoom, kRows * zoom));
}

} // namespace

ShapesWindow::ShapesWindow(document::ProjectDocument& document, QWidget* parent) : QWidget(parent, Qt::Window), document_(document)
{
    setObjectName(QStringLiteral("shapesWindow"));
    setWindowTitle(QStringLiteral("Import Shapes"));
    fileLabel_ = new QLabel(this);
    offsetLabel_ = new QLabel(this);
    offsetLabel_->setObjectName(QStringLiteral("shapesOffset"));
    auto* top = new QHBoxLayout;
    top->addWidget(fileLabel_, 1);
    top->addWidget(offsetLabel_);

    grid_ = new ShapesGrid(shapes_, this);
    grid_->installEventFilter(this);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("shapesScroll"));
    scroll_->setSingleStep(kShapeRowBytes);
    scroll_->setPageStep(kShapeRowBytes * kRowsShown);
    connect(scroll_, &QScrollBar::valueChanged, this, &ShapesWindow::SetOffset);
    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_);
    middle->addWidget(scroll_);

    // As wide as the shapes, two lines tall: the window keeps its size
    // whatever the status says.
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("shapesStatus"));
    status_->setWordWrap(true);
    status_->setFixedSize(grid_->width() + scroll_->sizeHint().width(), 2 * status_->fontMetrics().lineSpacing());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(BuildTargets());
    layout->addWidget(status_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildKeys();
    // What a click said is stale once the project changes another way (Ctrl+Z).
    connect(&document_, &document::ProjectDocument::Changed, this, [this] { ShowDocument(), ShowStatus({}); });
    ShowDocument();
    ShowShapes();
    ShowStatus({});
}

QWidget* ShapesWindow::BuildTargets()
{
    target_ = new QComboBox(this);
    target_->setObjectName(QStringLiteral("shapesTarget"));
    for (int t = 0; t < kTargets; ++t)
        target_->addItem(QString());
    connect(target_, &QComboBox::currentIndexChanged, this, [this] { ShowDocument(); });
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("shapesPreview"));
    auto* row = new QHBoxLayout;
    row->addWidget(target_, 1);
    row->addWidget(preview_);
    auto* targets = new QWidget(this);
    auto* form = new QFormLayout(targets);
    form->setContentsMargins({});
    form->addRow(QStringLiteral("Put into:"), row);
    return targets;
}

void ShapesWindow::BuildKeys()
{
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // The project's history here as in the editor's window.
    for (const QKeySequence& key : UndoKeys())
        new QShortcut(key, this, this, [this] { document_.Undo(); });
    for (const QKeySequence& key : RedoKeys())
        new QShortcut(key, this, this, [this] { document_.Redo(); });
}

storage::Outcome ShapesWindow::Open(const QString& path)
{
    storage::BytesOutcome read = storage::ReadBinaryFile(path);
    if (!read.Ok)
        return read;
    bytes_ = std::move(read.Bytes);
    file_ = path;
    const QString name = QFileInfo(path).fileName();
    setWindowTitle(name + QStringLiteral(" - Import Shapes"));
    fileLabel_->setText(QStringLiteral("%1, %2 bytes").arg(name).arg(bytes_.size()));
    scroll_->setRange(0, int(std::max<qsizetype>(0, bytes_.size() - 1)));
    offset_ = -1; // shown anew even at the same offset
    SetOffset(0);
    ShowStatus({});
    return {};
}

void ShapesWindow::SetOffset(long long offset)
{
    offset = std::clamp<long long>(offset, 0, std::max<long long>(0, bytes_.size() - 1));
    if (offset == offset_)
        return;
    offset_ = offset;
    scroll_->setValue(int(offset));
    ShowShapes();
}

int ShapesWindow::Target() const { return target_->currentIndex(); }

void ShapesWindow::SetTarget(int target) { target_->setCurrentIndex(std::clamp(target, 0, kTargets - 1)); }

std::optional<long long> ShapesWindow::ShapeAt(QPoint at) const
{
    // In a shape's 8 x 8 pixels, not in the gap around it.
    const int column = at.x() / kPitch, row = at.y() / kPitch;
    const QPoint in(at.x() % kPitch / kZoom, at.y() % kPitch / kZoom);
    if (at.x() < 0 || at.y() < 0 || column >= kShapesPerRow || row >= kRowsShown || in.x() == 0 || in.y() == 0)
        return std::nullopt;
    return offset_ + (row * kShapesPerRow + column) * kShapeBytes;
}

RowBytes ShapesWindow::TargetRows() const
{
    const SpriteProject& project = document_.Project();
    const int t = Target();
    RowBytes rows{};
    if (t < kSprites)
        for (int r = 0; r < kRows; ++r)
            rows[r] = RowTextValue(project.Edited(t).HexRows[r]);
    else if (project.Scene)
        std::copy_n(project.Scene->UserCharacters.begin() + (t - kSprites) * kRows, kRows, rows.begin());
    return rows;
}

void ShapesWindow::PutShape(long long offset)
{
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(bytes_.constData()), std::size_t(bytes_.size()));
    if (offset < 0 || tw::ShapeRowsHeld(bytes, std::size_t(offset)) < kShapeBytes)
        return ShowStatus(QStringLiteral("The binary ends inside the shape at %1.").arg(Hex(offset)));
    const RowBytes rows = tw::ShapeAt(bytes, std::size_t(offset));
    const int t = Target();
    t < kSprites ? document_.PutShapeInSprite(t, rows) : document_.PutShapeInCharacter(t - kSprites, rows);
    ShowStatus(QStringLiteral("The shape at %1 is in %2. Ctrl+Z takes it back.").arg(Hex(offset), target_->currentText()));
}

void ShapesWindow::ShowDocument()
{
    const SpriteProject& project = document_.Project();
    for (int k = 0; k < kSprites; ++k) {
        const SpriteState& sprite = project.Sprites[k];
        target_->setItemText(k, sprite.Frames() == 1 ? QStringLiteral("Sprite #%1").arg(k + 1)
                                                     : QStringLiteral("Sprite #%1, frame %2 of %3").arg(k + 1).arg(project.EditedFrame[k] + 1).arg(sprite.Frames()));
    }
    for (int c = 0; c < kUserCharacters; ++c)
        target_->setItemText(kSprites + c, QStringLiteral("Character 0x%1").arg(QString::number(kFirstUserCharacter + c, 16).toUpper()));
    preview_->setPixmap(RowsPicture(TargetRows(), kZoom));
}

void ShapesWindow::ShowShapes()
{
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(bytes_.constData()), std::size_t(bytes_.size()));
    shapes_ = sheet::ShapesImage(bytes.subspan(std::size_t(std::min<long long>(offset_, bytes_.size()))), kShown, kZoom);
    offsetLabel_->setText(QStringLiteral("Offset %1 (%2)").arg(Hex(offset_)).arg(offset_));
    grid_->update();
}

void ShapesWindow::ShowStatus(const QString& text)
{
    status_->setText(!text.isEmpty() ? text
                     : file_.isEmpty() ? QStringLiteral("No binary is open.")
                                        : QStringLiteral("Left, Right: a byte; Page Up, Page Down: a shape; Up, Down: a row of shapes. "
                                                       "Click a shape to put it in."));
}

bool ShapesWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_)
        return QWidget::eventFilter(watched, event);
    auto* grid = static_cast<ShapesGrid*>(grid_);
    switch (event->type()) {
    case QEvent::KeyPress: {
        static const std::array<std::pair<int, int>, 6> kMoves{{{Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_PageUp, -kShapeBytes},
                                                                {Qt::Key_PageDown, kShapeBytes}, {Qt::Key_Up, -kShapeRowBytes}, {Qt::Key_Down, kShapeRowBytes}}};
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const auto& [code, by] : kMoves)
            if (key->key() == code && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
                return SetOffset(offset_ + by), true;
        return false;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const std::optional<long long> shape = ShapeAt(mouse->position().toPoint());
        grid->SetHovered(shape ? std::optional(int((*shape - offset_) / kShapeBytes)) : std::nullopt);
        if (shape && event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            PutShape(*shape);
        else if (shape && event->type() == QEvent::MouseMove)
            ShowStatus(QStringLiteral("The shape at %1 (%2).").arg(Hex(*shape)).arg(*shape));
        return event->type() == QEvent::MouseButtonPress;
    }
    case QEvent::Leave: grid->SetHovered(std::nullopt); return false;
    default: return false;
    }
}

} // namespace tw::ui
