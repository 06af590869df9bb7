// The Console View's menus, keys and commands: what the user does in it
// besides looking, carried out by the document.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabWidget>

#include "console/screen_geometry.h"
#include "project/eap_writer.h"
#include "sheet/picture_code.h"
#include "sheet/sprite_sheet.h"
#include "ui/console_view.h"
#include "ui/keys.h"
#include "ui/menu_bar_keys.h"
#include "ui/scene_panel.h"
#include "ui/timeline_panel.h"

namespace tw::ui {
namespace {

using Tool = ConsolePicture::Tool;

constexpr std::array<std::pair<Tool, const char*>, 5> kToolItems{
    {{Tool::Move, "Move Sprites"}, {Tool::Paint, "Paint Cells"}, {Tool::Fill, "Fill Cells"}, {Tool::Select, "Select Cells"}, {Tool::Text, "Type Text"}}};

QAction* Item(QMenu* menu, const QString& text, const QList<QKeySequence>& keys, const char* name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

// Cells as db lines in the project file's spelling, eight items a line.
QString DataLines(const std::vector<std::uint8_t>& bytes)
{
    QString text;
    for (std::size_t from = 0; from < bytes.size(); from += kRows) {
        QStringList items;
        for (std::size_t i = from; i < std::min(bytes.size(), from + kRows); ++i)
            items << QString::fromStdString(RowItem(RowText(bytes[i])));
        text += QString::fromLatin1(kDataLinePrefix.data(), qsizetype(kDataLinePrefix.size())) + items.join(u',') + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

QMenuBar* ConsoleView::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    QMenu* console = bar->addMenu(QStringLiteral("Console"));
    playAction_ = Item(console, QStringLiteral("Play"), {Qt::Key_Space}, "consolePlayItem");
    connect(playAction_, &QAction::triggered, this, [this] { Playing() ? Stop() : Play(); });
    onionAction_ = Item(console, QStringLiteral("Onion Skin"), {Qt::Key_O}, "consoleOnionItem");
    onionAction_->setCheckable(true);
    connect(onionAction_, &QAction::triggered, this, &ConsoleView::OnionChosen);
    overlayAction_ = Item(console, QStringLiteral("Collision Overlay"), {Qt::Key_C}, "consoleOverlayItem");
    overlayAction_->setCheckable(true);
    connect(overlayAction_, &QAction::toggled, this, [this](bool on) {
        overlay_ = on;
        ShowMoment();
    });
    console->addSeparator();
    for (const auto& [text, keys, by] : {std::tuple{"Zoom In", StandardKeys(QKeySequence::ZoomIn, {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}), 1},
                                        {"Zoom Out", StandardKeys(QKeySequence::ZoomOut, {Qt::CTRL | Qt::Key_Minus}), -1}}) {
        const int step = by;
        connect(Item(console, QString::fromLatin1(text), keys, step > 0 ? "consoleZoomIn" : "consoleZoomOut"), &QAction::triggered, this,
                [this, step] { SetZoom(settings_.Zoom + step); });
    }
    connect(Item(console, QStringLiteral("Fit"), {Qt::CTRL | Qt::Key_0}, "consoleFit"), &QAction::triggered, this, &ConsoleView::FitZoom);
    console->addSeparator();
    connect(Item(console, QStringLiteral("Run in MAME"), {Qt::Key_F5}, "consoleRun"), &QAction::triggered, this, &ConsoleView::RunInMameChosen);
    connect(Item(console, QStringLiteral("Save Animation as GIF..."), {Qt::CTRL | Qt::Key_G}, "consoleSaveGif"), &QAction::triggered, this,
            &ConsoleView::SaveAnimation);
    console->addSeparator();
    connect(Item(console, QStringLiteral("Editor Window"), {Qt::Key_F6}, "consoleEditor"), &QAction::triggered, this, &ConsoleView::EditorChosen);
    connect(Item(console, QStringLiteral("Close"), {Qt::Key_Escape}, "consoleClose"), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    connect(Item(edit, QStringLiteral("Undo"), UndoKeys(), "consoleUndo"), &QAction::triggered, &document_, &document::ProjectDocument::Undo);
    connect(Item(edit, QStringLiteral("Redo"), RedoKeys(), "consoleRedo"), &QAction::triggered, &document_, &document::ProjectDocument::Redo);
    edit->addSeparator();
    connect(Item(edit, QStringLiteral("Copy Cells as db Lines"), {Qt::CTRL | Qt::Key_C}, "consoleCopyCells"), &QAction::triggered, this,
            [this] { CopyCells(false); });
    connect(Item(edit, QStringLiteral("Copy Screen as db Lines"), {Qt::CTRL | Qt::SHIFT | Qt::Key_C}, "consoleCopyScreen"), &QAction::triggered,
            this, [this] { CopyCells(true); });
    connect(Item(edit, QStringLiteral("Fill Selected Cells"), {Qt::CTRL | Qt::Key_F}, "consoleFillCells"), &QAction::triggered, this,
            [this] { FillSelection(scene_->Brush()); });
    connect(Item(edit, QStringLiteral("Clear Selected Cells"), {Qt::SHIFT | Qt::Key_Delete}, "consoleClearCells"), &QAction::triggered, this,
            [this] { FillSelection(kBlankCell); });
    edit->addSeparator();
    connect(Item(edit, QStringLiteral("Remove Scene"), {}, "consoleRemoveScene"), &QAction::triggered, &document_,
            &document::ProjectDocument::RemoveScene);

    QMenu* scene = bar->addMenu(QStringLiteral("Scene"));
    auto* tools = new QActionGroup(this);
    for (std::size_t i = 0; i < kToolItems.size(); ++i) {
        const Tool tool = kToolItems[i].first;
        QAction* action = Item(scene, QString::fromLatin1(kToolItems[i].second), {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + int(i)))},
                               kToolItems[i].second);
        action->setCheckable(true);
        action->setChecked(tool == Tool::Move);
        tools->addAction(action);
        connect(action, &QAction::triggered, this, [this, tool] { SetTool(tool); });
        toolActions_[i] = action;
    }
    scene->addSeparator();
    connect(Item(scene, QStringLiteral("Import Shapes..."), {Qt::CTRL | Qt::Key_I}, "consoleImportShapes"), &QAction::triggered, this,
            &ConsoleView::ImportShapesChosen);
    // F10 and the arrows walk this window's menus as they do the editor's.
    auto* keys = new MenuBarKeys(bar);
    auto* f10 = new QAction(this);
    f10->setShortcut(Qt::Key_F10);
    addAction(f10);
    connect(f10, &QAction::triggered, keys, &MenuBarKeys::Start);
    return bar;
}

void ConsoleView::AddEditorActions(const QList<QAction*>& actions) { addActions(actions); }

void ConsoleView::SetTool(ConsolePicture::Tool tool)
{
    document_.EndTyping();
    screen_->SetTool(tool);
    for (std::size_t i = 0; i < kToolItems.size(); ++i)
        toolActions_[i]->setChecked(kToolItems[i].first == tool);
    scene_->ShowTool(tool);
    tabs_->setCurrentIndex(tool == Tool::Move ? tabs_->currentIndex() : 1);
    screen_->setFocus(Qt::OtherFocusReason);
}

void ConsoleView::ConnectScreen()
{
    connect(screen_, &ConsolePicture::SpriteDragged, &document_, &document::ProjectDocument::DragSprite);
    connect(screen_, &ConsolePicture::SpriteNudged, this, [this](int k, int down, int right) {
        const ChipState& chip = shows_.Chip;
        document_.PlaceSprite(k, chip.Positions[std::size_t(2 * k)] - down, chip.Positions[std::size_t(2 * k + 1)] + right);
    });
    connect(screen_, &ConsolePicture::CellStroked, this, [this](int cell) { document_.StrokeCell(cell, scene_->Brush()); });
    connect(screen_, &ConsolePicture::CellsFilled, this, [this](int from, int to) { document_.FillCells(from, to, scene_->Brush()); });
    connect(screen_, &ConsolePicture::CharacterTyped, this, [this](int cell, char c) {
        document_.TypeCell(cell, WithColourBits(CharacterCode(c).value_or(0), scene_->ColourBits()));
    });
    connect(screen_, &ConsolePicture::StrokeEnded, &document_, &document::ProjectDocument::EndStroke);
}

void ConsoleView::ConnectScene()
{
    connect(scene_, &ScenePanel::ToolChosen, this, &ConsoleView::SetTool);
    // A press sets or clears its block as it is not; the stroke's other
    // blocks become what the first became.
    connect(scene_, &ScenePanel::CharacterBlockPressed, this, [this](int c, int i) {
        const ConsoleScene scene = document_.Project().Scene.value_or(ConsoleScene{});
        strokeSets_ = !(scene.UserCharacters[std::size_t(c * kRows + i / kRowWidth)] & ColumnBit(i % kRowWidth));
        document_.StrokeCharacterBlock(c, i, strokeSets_);
    });
    connect(scene_, &ScenePanel::CharacterBlockDragged, this, [this](int c, int i) { document_.StrokeCharacterBlock(c, i, strokeSets_); });
    connect(scene_, &ScenePanel::CharacterStrokeEnded, &document_, &document::ProjectDocument::EndStroke);
    connect(scene_, &ScenePanel::CellLinesChosen, &document_, &document::ProjectDocument::SetCellLines);
    connect(scene_, &ScenePanel::ColourSetChosen, &document_, &document::ProjectDocument::SetColourSet);
}

void ConsoleView::RunCommand(int k, FrameStrip::Command command)
{
    switch (command) {
    case FrameStrip::Command::Add: document_.AddFrame(k); break;
    case FrameStrip::Command::Delete: document_.DeleteFrame(k); break;
    case FrameStrip::Command::Earlier: document_.MoveFrame(k, -1); break;
    case FrameStrip::Command::Later: document_.MoveFrame(k, 1); break;
    case FrameStrip::Command::Time: {
        const TvSystem tv = document_.Project().Console.Tv;
        const auto inTime = [tv](int frames) {
            return QStringLiteral("%1 ms on %2").arg(frames * 1000 / FrameRate(tv)).arg(QLatin1String(NameOf(kTvNames, tv).data()));
        };
        if (const std::optional<int> time = dialogs_.AskNumber(this, QStringLiteral("Frame Time"),
                                                               QStringLiteral("Console frames the frame shows (%1 to %2):").arg(kMinFrameTime).arg(kMaxFrameTime),
                                                               document_.Project().Edited(k).Time, kMinFrameTime, kMaxFrameTime, inTime))
            document_.SetFrameTime(k, *time);
        break;
    }
    }
}

void ConsoleView::CopyCells(bool screen)
{
    const ConsoleScene scene = document_.Project().Scene.value_or(ConsoleScene{});
    const std::optional<std::pair<int, int>> selection = screen ? std::optional(std::pair{0, kCells - 1}) : screen_->Selection();
    if (!selection)
        return;
    const auto [top, bottom, left, right] = CellsBetween(selection->first, selection->second);
    // A row of the selection a line, or eight items a line for whole rows,
    // as the side file holds the screen.
    QString text = screen ? QString::fromLatin1(kCellsLabel.data(), qsizetype(kCellsLabel.size())) + QStringLiteral(":\r\n")
                          : QStringLiteral(";cells %1 x %2 from 0x%3\r\n")
                                .arg(right - left + 1)
                                .arg(bottom - top + 1)
                                .arg(QString::number(kCellRegisters + top * kFieldColumns + left, 16).toUpper());
    for (int row = top; row <= bottom; ++row) {
        std::vector<std::uint8_t> bytes;
        for (int column = left; column <= right; ++column)
            bytes.push_back(scene.Cells[std::size_t(row * kFieldColumns + column)]);
        text += DataLines(bytes);
    }
    QGuiApplication::clipboard()->setText(text);
}

void ConsoleView::FillSelection(std::uint8_t byte)
{
    if (const std::optional<std::pair<int, int>> selection = screen_->Selection())
        document_.FillCells(selection->first, selection->second, byte);
}

void ConsoleView::SaveAnimation()
{
    const SpriteProject& project = document_.Project();
    const QString file = QString::fromStdString(project.ProjectFileName);
    const QString offered = file.isEmpty() ? QString() : QFileInfo(file).path() + u'/' + QFileInfo(file).completeBaseName() + QStringLiteral(".gif");
    const std::optional<QString> path =
        dialogs_.ChooseFile(this, Dialogs::FileMode::Save, QStringLiteral("Save Animation as GIF"), QStringLiteral("GIF animation (*.gif)"), offered);
    if (!path)
        return;
    // One round of the animation, as screen writes it by default, at most
    // as long as a GIF may be.
    const int rate = FrameRate(project.Console.Tv);
    const long long frames = std::min(AnimationRound(project), sheet::kMaxAnimationSeconds * rate);
    const ColourModel colours = settings_.Colours;
    const sheet::ScreenAnimation animation{frames, rate, colours, [&](long long t) { return RenderConsoleScreen(ShownAt(project, {t}), colours); }};
    const ScreenScale scale{settings_.Zoom, settings_.Square ? PixelShape::Square : TvShape(project.Console.Tv)};
    const storage::Outcome written =
        sheet::LinkedPictureCode().WriteScreenAnimation(*path, animation, scale, {file, QStringLiteral("animation"), QStringLiteral("project"), {}});
    if (!written.Ok)
        dialogs_.ShowMessage(this, {QStringLiteral("File Error"), QStringLiteral("File error"), *path + u'\n' + written.Reason, Dialogs::Buttons::Ok});
}

void ConsoleView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!scroller_->rect().contains(scroller_->mapFrom(this, event->pos())))
        return QWidget::contextMenuEvent(event);
    QMenu menu(this);
    for (const char* name : {"consoleSaveGif", "consoleCopyCells", "consoleCopyScreen", "consoleOverlayItem", "consoleFit"})
        menu.addAction(findChild<QAction*>(QString::fromLatin1(name)));
    menu.exec(event->globalPos());
}

} // namespace tw::ui
