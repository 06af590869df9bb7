#include "ui/sprite_panel.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/block_grid.h"
#include "ui/color_swatch.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

constexpr int kNameLength = 8;

QString Indexed(const QString& name, int index) { return QStringLiteral("%1_%2").arg(name).arg(index); }

QPushButton* Button(const char* name, int index, const char* caption, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(Indexed(QLatin1String(name), index));
    button->setGeometry(geometry);
    return button;
}

} // namespace

SpritePanel::SpritePanel(int spriteIndex, const SpriteState* sprite, QWidget* parent)
    : TitledFrame(QStringLiteral("Sprite #%1").arg(spriteIndex + 1), parent), index_(spriteIndex), sprite_(sprite)
{
    setObjectName(Indexed(QStringLiteral("fmeSprite"), spriteIndex));
    const QFont textFont = TextBoxFont();

    grid_ = new BlockGrid(BlockGrid::kDesignGeometry, &sprite->Blocks, nullptr, this);
    grid_->setObjectName(QStringLiteral("picSpriteBlock%1").arg(spriteIndex));
    grid_->setGeometry(QRect(QPoint(Px(120), Px(360)), grid_->GridExtent()));
    grid_->setFocusPolicy(Qt::StrongFocus); // the editing keys work on the grid
    connect(grid_, &BlockGrid::CellClicked, this, [this](int block) { Q_EMIT BlockClicked(index_, block); });

    for (int r = 0; r < kRows; ++r) {
        auto* box = new QLineEdit(this);
        box->setObjectName(Indexed(QStringLiteral("rtbSprite%1Hex").arg(spriteIndex + 1), r));
        box->setGeometry(TwipsRect(3015, 360 + 360 * r, 360, 315));
        box->setFont(textFont);
        box->setReadOnly(true); // the program alone writes the row texts
        rows_[r] = box;
    }

    lblName_ = new QLabel(spriteIndex == 0 ? QStringLiteral(" Name:") : QStringLiteral("Name:"), this);
    lblName_->setObjectName(Indexed(QStringLiteral("lblName"), spriteIndex));
    lblName_->setGeometry(TwipsRect(75, 3360, 570, 255));

    rtbSpriteName_ = new QLineEdit(this);
    rtbSpriteName_->setObjectName(Indexed(QStringLiteral("rtbSpriteName"), spriteIndex));
    rtbSpriteName_->setGeometry(TwipsRect(600, 3360, 735, 255));
    rtbSpriteName_->setFont(textFont);
    rtbSpriteName_->setMaxLength(kNameLength);
    // Every change of the box, typed or set, is the sprite's name.
    connect(rtbSpriteName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Q_EMIT NameChanged(index_, text); });
    rtbSpriteName_->installEventFilter(this);

    picSpriteFGColor_ = new ColorSwatch(&sprite->FGColorSquare, this);
    picSpriteFGColor_->setObjectName(Indexed(QStringLiteral("picSpriteFGColor"), spriteIndex));
    picSpriteFGColor_->setGeometry(TwipsRect(1350, 3360, 255, 255));

    cmdThumbNail_ = Button("cmdThumbNail", spriteIndex, "View", TwipsRect(1680, 3360, 570, 255), this);
    cmdSpriteColor_ = Button("cmdSpriteColor", spriteIndex, "Color", TwipsRect(2280, 3360, 510, 255), this);
    cmdSpriteClear_ = Button("cmdSpriteClear", spriteIndex, "Clear", TwipsRect(2880, 3360, 550, 255), this);
    connect(cmdThumbNail_, &QPushButton::clicked, this, [this] { Q_EMIT ViewClicked(index_); });
    connect(cmdSpriteColor_, &QPushButton::clicked, this, [this] { Q_EMIT ColorClicked(index_); });
    connect(cmdSpriteClear_, &QPushButton::clicked, this, [this] { Q_EMIT ClearClicked(index_); });

    RefreshRows();
    RefreshName();
}

void SpritePanel::RefreshBlock(int block) { grid_->RefreshCell(block); }

void SpritePanel::RefreshBlocks() { grid_->update(); }

void SpritePanel::RefreshRow(int row) { rows_.at(row)->setText(QString::fromStdString(sprite_->HexRows.at(row))); }

void SpritePanel::RefreshRows()
{
    for (int r = 0; r < kRows; ++r)
        RefreshRow(r);
}

void SpritePanel::RefreshName()
{
    const QString name = QString::fromStdString(sprite_->Name);
    if (rtbSpriteName_->text() != name) {
        rtbSpriteName_->setText(name);
        ShowNameFromStart();
    }
}

// The box is narrower than eight wide letters, and a line edit keeps its text
// scrolled to the cursor: left at the end, "ABCDEFGH" would show as "CDEFGH".
void SpritePanel::ShowNameFromStart() { rtbSpriteName_->setCursorPosition(0); }

bool SpritePanel::eventFilter(QObject* watched, QEvent* event)
{
    // A menu or another window taking the focus for a while is no end of the
    // editing; the box keeps its cursor and selection then, as Qt does.
    if (watched == rtbSpriteName_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            ShowNameFromStart();
    }
    return TitledFrame::eventFilter(watched, event);
}

void SpritePanel::RefreshSquare() { picSpriteFGColor_->update(); }

void SpritePanel::RefreshAll()
{
    RefreshBlocks();
    RefreshRows();
    RefreshName();
    RefreshSquare();
}

} // namespace tw::ui
