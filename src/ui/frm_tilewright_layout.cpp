// The window's menus, keys and controls, laid out in twips; what they do is
// in frm_tilewright.cpp.
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QScrollArea>
#include <QWindow>
#include <QStyle>

#include <algorithm>

#include "ui/block_grid.h"
#include "ui/color_select_frame.h"
#include "ui/frm_tilewright.h"
#include "ui/help_panel.h"
#include "ui/keys.h"
#include "ui/menu_bar_keys.h"
#include "ui/sprite_panel.h"
#include "ui/sprite_view_frame.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace tw::ui {

void frmTilewright::BuildMenu()
{
    QMenuBar* bar = menuBar();
    // Kept inside the window, never moved to a desktop-wide menu bar.
    bar->setNativeMenuBar(false);

    keys_ = new QActionGroup(this);
    keys_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

    mnuFile = bar->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](const char* name, const char* caption, void (frmTilewright::*handler)(), QKeyCombination key) {
        QAction* action = mnuFile->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        // The item's own key, so that the menu shows it; off with the other
        // keys while the help is shown.
        action->setShortcut(key);
        keys_->addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    const auto separator = [this](const char* name) { mnuFile->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    item("mnuFileNewProject", "New Project", &frmTilewright::mnuFileNewProject_Click, Qt::CTRL | Qt::Key_N);
    separator("mnuFileSep1");
    item("mnuFileLoadProject", "Load Project", &frmTilewright::mnuFileLoadProject_Click, Qt::CTRL | Qt::Key_O);
    item("mnuFileSaveProject", "Save Project", &frmTilewright::mnuFileSaveProject_Click, Qt::CTRL | Qt::Key_S);
    separator("mnuFileSep2");
    item("mnuFileCreateBinary", "Create Binary", &frmTilewright::mnuFileCreateBinary_Click, Qt::CTRL | Qt::Key_B);
    separator("mnuFileSep3");
    item("mnuFileExit", "Exit", &frmTilewright::mnuFileExit_Click, Qt::CTRL | Qt::Key_Q);

    // A menu title without items that acts when clicked.
    mnuHelp = bar->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, &frmTilewright::mnuHelp_Click);
    // A menu bar prints no key beside a title: its tip names it (eventFilter).
    mnuHelp->setShortcut(Qt::Key_F1);
    mnuHelp->setToolTip(QStringLiteral("Help (%1)").arg(mnuHelp->shortcut().toString(QKeySequence::NativeText)));
    bar->installEventFilter(this);
    connect(AddKey({Qt::Key_F5}), &QAction::triggered, this, &frmTilewright::RunInMame);
    connect(AddKey({Qt::Key_F6}), &QAction::triggered, this, &frmTilewright::ShowConsoleView);
    // The menus from the keyboard, without an access key drawn in their
    // titles: F10 and Alt+F open File, and the arrows walk on from there,
    // to Help too, which Return or Space then opens.
    connect(AddKey({Qt::Key_F10, Qt::ALT | Qt::Key_F}), &QAction::triggered, new MenuBarKeys(bar), &MenuBarKeys::Start);
    connect(AddKey({Qt::ALT | Qt::Key_H}), &QAction::triggered, mnuHelp, &QAction::trigger);

    undo_ = AddKey(UndoKeys());
    redo_ = AddKey(RedoKeys());
    connect(undo_, &QAction::triggered, this, &frmTilewright::EditUndo);
    connect(redo_, &QAction::triggered, this, &frmTilewright::EditRedo);
}

QAction* frmTilewright::AddKey(const QList<QKeySequence>& keys)
{
    // An action of its own, for a key that no menu item stands for.
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    addAction(action);
    keys_->addAction(action);
    return action;
}

namespace {

// The client area, scrolled only when the window cannot be shown whole (a
// high scale factor on a small screen). Its size is the client area's, so
// that where it fits nothing of the window changes.
class ClientScroller final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return widget()->size(); }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

void frmTilewright::BuildClientArea()
{
    auto* scroller = new ClientScroller(this);
    scroller->setObjectName(QStringLiteral("clientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientSize);
    scroller->setWidget(client);
    setCentralWidget(scroller);
    // The window takes exactly the menu bar and the client area; the user
    // cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmTilewright::BuildDesignFrame()
{
    fmeSpriteGen = new TitledFrame(findChild<QWidget*>(QStringLiteral("clientArea")));
    fmeSpriteGen->setObjectName(QStringLiteral("fmeSpriteGen"));
    fmeSpriteGen->setGeometry(TwipsRect(120, 120, 9900, 8055));

    constexpr std::array<QPoint, kSprites> kPanelCorners{{{240, 360}, {3960, 360}, {240, 4200}, {3960, 4200}}};
    for (int k = 0; k < kSprites; ++k) {
        auto* panel = new SpritePanel(k, fmeSpriteGen);
        panel->setGeometry(TwipsRect(kPanelCorners[k].x(), kPanelCorners[k].y(), 3525, 3735));
        connect(panel, &SpritePanel::BlockPressed, this, &frmTilewright::picSpriteBlock_Click);
        connect(panel, &SpritePanel::BlockDragged, this, &frmTilewright::picSpriteBlock_Drag);
        connect(panel, &SpritePanel::StrokeEnded, document_, &document::ProjectDocument::EndStroke);
        connect(panel, &SpritePanel::RowEdited, this, &frmTilewright::rtbSpriteHex_Change);
        connect(panel, &SpritePanel::NameEdited, this, &frmTilewright::rtbSpriteName_Change);
        connect(panel, &SpritePanel::TypingFinished, document_, &document::ProjectDocument::EndTyping);
        connect(panel, &SpritePanel::TransformChosen, this, &frmTilewright::picSpriteBlock_Transform);
        connect(panel, &SpritePanel::CopyChosen, this, &frmTilewright::picSpriteBlock_Copy);
        connect(panel, &SpritePanel::PasteChosen, this, &frmTilewright::picSpriteBlock_Paste);
        connect(panel, &SpritePanel::ViewClicked, this, &frmTilewright::cmdThumbNail_Click);
        connect(panel, &SpritePanel::ColorClicked, this, &frmTilewright::cmdSpriteColor_Click);
        connect(panel, &SpritePanel::ClearClicked, this, &frmTilewright::cmdSpriteClear_Click);
        connect(panel, &SpritePanel::ConsoleViewChosen, this, &frmTilewright::ShowConsoleView);
        connect(panel, &SpritePanel::RunInMameChosen, this, &frmTilewright::RunInMame);
        connect(panel, &SpritePanel::OnionToggled, this, &frmTilewright::ToggleOnionSkin);
        connect(panel, &SpritePanel::ShapesChosen, this, &frmTilewright::ImportShapesFor);
        connect(panel, &SpritePanel::CopyAsChosen, this, &frmTilewright::picSpriteBlock_CopyAs);
        fmeSprite[k] = panel;
        // The history keys act on the project wherever the focus is: a box's
        // own (empty) text history would take them first.
        for (QLineEdit* box : panel->findChildren<QLineEdit*>())
            box->installEventFilter(this);
    }
}

void frmTilewright::BuildColorFrame()
{
    fmeColor = new ColorSelectFrame(document_->Project().ColorSchemes, fmeSpriteGen);
    fmeColor->setGeometry(TwipsRect(7875, 360, 1770, 3735));
    connect(fmeColor, &ColorSelectFrame::ColorPicked, this, &frmTilewright::optColor_Click);
    connect(fmeColor, &ColorSelectFrame::ScreenColorClicked, this, &frmTilewright::cmdSetBGnd_Click);
}

void frmTilewright::BuildViewFrame()
{
    fmeThumbNail = new SpriteViewFrame(fmeSpriteGen);
    fmeThumbNail->setGeometry(TwipsRect(7770, 4215, 1980, 3720));
}

void frmTilewright::BuildHelpFrame()
{
    fmeHelp = new HelpPanel(fmeSpriteGen);
    fmeHelp->setGeometry(TwipsRect(0, 0, 9855, 8055));
    connect(fmeHelp, &HelpPanel::CloseClicked, this, &frmTilewright::cmdCloseHelp_Click);
}

void frmTilewright::FitToScreen()
{
    const QScreen* target = screen();
    if (!target)
        return;
    // Known once the window manager has framed the window; nothing before.
    const QRect frame = frameGeometry();
    const QMargins margins = FrameMargins(frame, geometry());
    const QRect area = target->availableGeometry();
    const QSize whole = sizeHint();
    const QSize fitted = Fitted(whole, area, margins);
    if (fitted == whole) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        if (size() != fitted)
            setFixedSize(fitted);
    }
    // A frame placed with its title bar off the screen is brought in.
    if (isVisible() && !area.contains(frame.topLeft()))
        move(Centred(fitted.grownBy(margins), area));
}

bool frmTilewright::event(QEvent* event)
{
    // The window manager frames the window before it first shows it: from
    // then on the frame is known, and is fitted too.
    if (event->type() == QEvent::Show && windowHandle())
        windowHandle()->installEventFilter(this);
    return QMainWindow::event(event);
}

void frmTilewright::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FitToScreen();
}

void frmTilewright::ShowCentred()
{
    ensurePolished();
    adjustSize();
    FitToScreen();
    // Where the user left it last time, while that is on the screen.
    const QPoint kept = QSettings(QStringLiteral("Tilewright"), QStringLiteral("Tilewright")).value(QStringLiteral("Editor/position"), QPoint(-1, -1)).toPoint();
    if (const QScreen* target = screen(); target && target->availableGeometry().contains(QRect(kept, size()))) {
        move(kept);
    } else if (target) {
        const QRect area = target->availableGeometry();
        const QPoint at = Centred(size(), area);
        // Centred by its client area; pushed into the area, by its frame (a
        // move before the window is first shown), so that the title bar is in.
        if (at == QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), area).topLeft())
            setGeometry(QRect(at, size()));
        else
            move(at);
    }
    show();
}

} // namespace tw::ui
