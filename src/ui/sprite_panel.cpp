#include "ui/sprite_panel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include "console/moment.h"
#include "model/row_encoding.h"
#include "project/eap_format.h"
#include "project/latin1.h"
#include "ui/block_grid.h"
#include "ui/color_swatch.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/sprite_clipboard.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

// Keys a row box cannot hold are refused as they are typed, by the rule the
// document keeps; a box left with fewer than two digits is shown filled, as
// the document fills it.
class RowTextValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const std::optional<std::string> typed = TypedRowText(input.toStdString());
        if (!typed)
            return Invalid;
        input = QString::fromStdString(*typed);
        return input.size() == 2 ? Acceptable : Intermediate;
    }
    void fixup(QString& input) const override { input = QString::fromStdString(FinishedRowText(input.toStdString())); }
};

// A name is written to the project file in ISO-8859-1, which has no other
// characters: one beyond it is refused as it is typed or pasted, rather than
// saved as "?".
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const std::string name = input.toStdString();
        return KeepLatin1(name) == name ? Acceptable : Invalid;
    }
};

QString Indexed(const QString& name, int index) { return QStringLiteral("%1_%2").arg(name).arg(index); }

QPushButton* Button(const char* name, int index, const char* caption, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(Indexed(QLatin1String(name), index));
    button->setGeometry(geometry);
    return button;
}

} // namespace

const std::array<SpritePanel::GridCommand, 12> SpritePanel::kGridCommands{{
    {"Shift Up", Qt::Key_Up, SpriteTransform::ShiftUp},
    {"Shift Down", Qt::Key_Down, SpriteTransform::ShiftDown},
    {"Shift Left", Qt::Key_Left, SpriteTransform::ShiftLeft},
    {"Shift Right", Qt::Key_Right, SpriteTransform::ShiftRight},
    {"Flip Horizontal", Qt::Key_H, SpriteTransform::FlipHorizontal},
    {"Flip Vertical", Qt::Key_V, SpriteTransform::FlipVertical},
    {"Rotate", Qt::Key_R, SpriteTransform::Rotate},
    {"Invert", Qt::Key_I, SpriteTransform::Invert},
    {"Copy", Qt::CTRL | Qt::Key_C, std::nullopt},
    {"Paste", Qt::CTRL | Qt::Key_V, std::nullopt, true},
    {"Onion Skin", Qt::Key_O, std::nullopt, false, true},
    {"Import Shapes...", Qt::CTRL | Qt::Key_I, std::nullopt, false, false, true},
}};

const std::array<std::pair<const char*, ExportForm>, 4> SpritePanel::kCopyForms{{
    {"Hex (db lines)", ExportForm::Hex},
    {"Binary (db lines, a row's picture beside it)", ExportForm::Binary},
    {"C (an array)", ExportForm::C},
    {"Raw (the bytes as hex text)", ExportForm::Raw},
}};

SpritePanel::SpritePanel(int spriteIndex, QWidget* parent)
    : TitledFrame(QStringLiteral("Sprite #%1").arg(spriteIndex + 1), parent), index_(spriteIndex)
{
    setObjectName(Indexed(QStringLiteral("fmeSprite"), spriteIndex));
    const QFont textFont = TextBoxFont();

    grid_ = new BlockGrid(BlockGrid::kDesignGeometry, false, this);
    grid_->setObjectName(QStringLiteral("picSpriteBlock%1").arg(spriteIndex));
    grid_->setGeometry(QRect(QPoint(Px(120), Px(360)), grid_->GridExtent()));
    grid_->setFocusPolicy(Qt::StrongFocus); // the editing keys work on the grid
    connect(grid_, &BlockGrid::CellPressed, this, [this](int block) { Q_EMIT BlockPressed(index_, block); });
    connect(grid_, &BlockGrid::CellDragged, this, [this](int block) { Q_EMIT BlockDragged(index_, block); });
    connect(grid_, &BlockGrid::StrokeEnded, this, &SpritePanel::StrokeEnded);
    grid_->installEventFilter(this);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, &SpritePanel::ShowGridMenu);

    auto* rowRules = new RowTextValidator(this);

    for (int r = 0; r < kRows; ++r) {
        auto* box = new QLineEdit(this);
        box->setObjectName(Indexed(QStringLiteral("rtbSprite%1Hex").arg(spriteIndex + 1), r));
        box->setGeometry(TwipsRect(3015, 360 + 360 * r, 360, 315));
        box->setFont(textFont);
        box->setValidator(rowRules);
        // A file dropped anywhere on the window opens it, text boxes included.
        box->setAcceptDrops(false);
        connect(box, &QLineEdit::textEdited, this, [this, r](const QString& text) { Q_EMIT RowEdited(index_, r, text); });
        connect(box, &QLineEdit::editingFinished, this, [this] { Q_EMIT TypingFinished(); });
        rows_[r] = box;
    }

    lblName_ = new QLabel(spriteIndex == 0 ? QStringLiteral(" Name:") : QStringLiteral("Name:"), this);
    lblName_->setObjectName(Indexed(QStringLiteral("lblName"), spriteIndex));
    lblName_->setGeometry(TwipsRect(75, 3360, 570, 255));

    rtbSpriteName_ = new QLineEdit(this);
    rtbSpriteName_->setObjectName(Indexed(QStringLiteral("rtbSpriteName"), spriteIndex));
    rtbSpriteName_->setGeometry(TwipsRect(600, 3360, 735, 255));
    rtbSpriteName_->setFont(textFont);
    rtbSpriteName_->setMaxLength(int(kMaxNameLength));
    rtbSpriteName_->setValidator(new NameValidator(rtbSpriteName_));
    rtbSpriteName_->setAcceptDrops(false);
    connect(rtbSpriteName_, &QLineEdit::editingFinished, this, [this] { Q_EMIT TypingFinished(); });
    connect(rtbSpriteName_, &QLineEdit::textEdited, this, [this](const QString& text) { Q_EMIT NameEdited(index_, text); });
    rtbSpriteName_->installEventFilter(this);

    picSpriteFGColor_ = new ColorSwatch(this);
    picSpriteFGColor_->setObjectName(Indexed(QStringLiteral("picSpriteFGColor"), spriteIndex));
    picSpriteFGColor_->setGeometry(TwipsRect(1350, 3360, 255, 255));

    cmdThumbNail_ = Button("cmdThumbNail", spriteIndex, "View", TwipsRect(1680, 3360, 570, 255), this);
    cmdSpriteColor_ = Button("cmdSpriteColor", spriteIndex, "Color", TwipsRect(2280, 3360, 510, 255), this);
    cmdSpriteClear_ = Button("cmdSpriteClear", spriteIndex, "Clear", TwipsRect(2880, 3360, 550, 255), this);
    connect(cmdThumbNail_, &QPushButton::clicked, this, [this] { Q_EMIT ViewClicked(index_); });
    connect(cmdSpriteColor_, &QPushButton::clicked, this, [this] { Q_EMIT ColorClicked(index_); });
    connect(cmdSpriteClear_, &QPushButton::clicked, this, [this] { Q_EMIT ClearClicked(index_); });
}

bool SpritePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        for (const GridCommand& command : kGridCommands)
            if (command.Key == pressed) {
                RunGridCommand(command);
                return true;
            }
        // The menu key comes as a context menu event of its own.
        if (pressed == QKeyCombination(Qt::SHIFT, Qt::Key_F10)) {
            ShowGridMenu(grid_->rect().center());
            return true;
        }
    }
    // The focus frame around the grid comes and goes with the focus.
    if (watched == grid_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update(FocusFrameRegion());
    // A menu or another window taking the focus for a while is no end of the
    // editing; the box keeps its cursor and selection then, as Qt does.
    if (watched == rtbSpriteName_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            ShowNameFromStart();
    }
    return TitledFrame::eventFilter(watched, event);
}

void SpritePanel::RunGridCommand(const GridCommand& command)
{
    if (command.Transform)
        Q_EMIT TransformChosen(index_, *command.Transform);
    else if (command.Paste)
        Q_EMIT PasteChosen(index_);
    else if (command.Onion)
        Q_EMIT OnionToggled();
    else if (command.Shapes)
        Q_EMIT ShapesChosen(index_);
    else
        Q_EMIT CopyChosen(index_);
}

void SpritePanel::ShowGridMenu(const QPoint& at)
{
    // Built when asked for: most sessions never open it.
    QMenu menu(grid_);
    QMenu* copyAs = nullptr;
    for (std::size_t i = 0; i < kGridCommands.size(); ++i) {
        if (i == 4 || i == 8 || i == 10 || i == 11) // shifts | flips, rotate, invert | copy, paste, copy as | onion skin | import
            menu.addSeparator();
        QAction* action = menu.addAction(QString::fromLatin1(kGridCommands[i].Text));
        action->setData(int(i));
        // Printed beside the item. A popup's items take no keys: the grid has them.
        action->setShortcut(kGridCommands[i].Key);
        if (kGridCommands[i].Paste) {
            action->setEnabled(SpriteOnClipboard().has_value());
            // The edited frame as text for another tool, in the notation chosen.
            copyAs = menu.addMenu(QStringLiteral("Copy As"));
            for (std::size_t f = 0; f < kCopyForms.size(); ++f)
                copyAs->addAction(QString::fromLatin1(kCopyForms[f].first))->setData(int(f));
        }
    }
    // The window's own items, under the grid's: their keys work anywhere.
    menu.addSeparator();
    QAction* run = menu.addAction(QStringLiteral("Run in MAME"));
    run->setShortcut(Qt::Key_F5);
    QAction* console = menu.addAction(QStringLiteral("Console View"));
    console->setShortcut(Qt::Key_F6);
    if (const QAction* chosen = menu.exec(grid_->mapToGlobal(at)); chosen == console)
        Q_EMIT ConsoleViewChosen();
    else if (chosen == run)
        Q_EMIT RunInMameChosen();
    else if (chosen && chosen->parent() == copyAs)
        Q_EMIT CopyAsChosen(index_, kCopyForms.at(chosen->data().toUInt()).second);
    else if (chosen)
        RunGridCommand(kGridCommands.at(chosen->data().toUInt()));
}

QRegion SpritePanel::FocusFrameRegion() const
{
    const QRect blocks = grid_->geometry();
    const int w = kFocusFrameWidth;
    return QRegion(blocks.adjusted(-w, -w, w, w)).subtracted(blocks);
}

void SpritePanel::paintEvent(QPaintEvent* event)
{
    TitledFrame::paintEvent(event);
    if (!grid_->hasFocus())
        return;
    // Drawn in the gap around the blocks, which leaves a pixel to the row
    // boxes: it moves and hides nothing.
    QPainter painter(this);
    painter.setClipRegion(FocusFrameRegion());
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

void SpritePanel::Show(const SpriteState& sprite, int frame, ColorNumber color, ColorNumber screen, bool onion, std::optional<int> typedRow)
{
    const SpriteFrame& shown = sprite.Frame(frame);
    grid_->ShowCells(shown.Blocks);
    if (const std::optional<int> under = OnionFrame(frame); onion && under) {
        const Rgb faint = FaintRgb(DisplayRgb(color), DisplayRgb(screen));
        grid_->ShowOnion(BlockGrid::Onion{sprite.Frame(*under).Blocks, color, ToQColor(faint)});
    } else {
        grid_->ShowOnion(std::nullopt);
    }
    // With frames, the caption says which one is edited; without, it is as it always was.
    const QString caption = sprite.Frames() == 1 ? QStringLiteral("Sprite #%1").arg(index_ + 1)
                                                 : QStringLiteral("Sprite #%1 (frame %2 of %3)").arg(index_ + 1).arg(frame + 1).arg(sprite.Frames());
    if (title() != caption)
        setTitle(caption);
    // A box that shows the text already, or one being typed that will end
    // as it ("3" for 03), is left alone: its cursor and selection stay where
    // the typing left them.
    for (int r = 0; r < kRows; ++r)
        if (const QString row = QString::fromStdString(shown.HexRows[r]);
            rows_[r]->text() != row && !(typedRow == r && FinishedRowText(rows_[r]->text().toStdString()) == shown.HexRows[r]))
            rows_[r]->setText(row);
    if (const QString name = QString::fromStdString(sprite.Name); rtbSpriteName_->text() != name) {
        rtbSpriteName_->setText(name);
        ShowNameFromStart();
    }
    picSpriteFGColor_->ShowColor(color);
}

// The box is narrower than eight wide letters, and a line edit keeps its text
// scrolled to the cursor: left at the end, "ABCDEFGH" would show as "CDEFGH".
void SpritePanel::ShowNameFromStart() { rtbSpriteName_->setCursorPosition(0); }

} // namespace tw::ui
