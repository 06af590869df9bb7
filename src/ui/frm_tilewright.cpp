#include "ui/frm_tilewright.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QWindow>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QToolTip>

#include <utility>

#include "document/file_kinds.h"
#include "ui/block_grid.h"
#include "ui/color_select_frame.h"
#include "ui/console_view.h"
#include "ui/fonts.h"
#include "ui/help_panel.h"
#include "ui/sprite_clipboard.h"
#include "ui/sprite_panel.h"
#include "ui/sprite_view_frame.h"
#include "ui/titled_frame.h"

namespace tw::ui {
namespace {

const QString kFileErrorText = QStringLiteral("File error");
const QString kFileErrorTitle = QStringLiteral("File Error");

// The welcome text and the New Project question, lines joined by CR LF.
const QString kWelcomeText = QStringLiteral("Welcome to Tilewright.  This program allows you to easily create up to 4\r\n"
                                            "sprites with full color control for the Emerson Arcadia 2001 Video game console.\r\n\r\n"
                                            "Tilewright defaults to a color scheme of White on Black.");
const QString kNewProjectQuestion =
    QStringLiteral("Warning!  Creating a new project will erase all existing data that has not\r\n"
                   "been saved and reset the foreground/background color scheme to\r\n"
                   "White on Black.  Are you sure you want create a new project?\r\n"
                   "Select <OK> to begin a new project, or <Cancel> to return\r\n"
                   "to the existing project.");
const QString kUnsavedQuestion = QStringLiteral("Save changes to the project?");
const QString kPositionKey = QStringLiteral("Editor/position");

} // namespace

frmTilewright::frmTilewright(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs), document_(new document::ProjectDocument(this))
{
    setObjectName(QStringLiteral("frmTilewright"));
    setFont(WindowFont());
    setAcceptDrops(true);

    BuildMenu();

    BuildClientArea();

    BuildDesignFrame();
    BuildColorFrame();
    BuildViewFrame();
    BuildHelpFrame();
    connect(document_, &document::ProjectDocument::Changed, this, &frmTilewright::ShowDocument);
    connect(document_, &document::ProjectDocument::FileChangedOnDisk, this, &frmTilewright::FileChangedOnDisk);
    ShowDocument(document::kAllProject);
    // Where the editing starts; it takes effect when the window is first
    // activated, instead of the first box in the tab order (a read-only row).
    fmeSprite[0]->Grid()->setFocus();
}

frmTilewright::~frmTilewright() = default;

void frmTilewright::Form_Load()
{
    // The model starts with the palette filled, every sprite White and the
    // screen and the selected colour Black.
    dialogs_.ShowMessage(this, {QStringLiteral("Welcome"), kWelcomeText, QString(), Dialogs::Buttons::Ok});
    fmeHelp->hide();
    fmeSpriteGen->raise();
}

void frmTilewright::optColor_Click(int Index) { document_->SelectColor(Index); }

void frmTilewright::cmdSetBGnd_Click() { document_->ApplyScreenColor(); }

// A press toggles the block as a click does, and starts a stroke.
void frmTilewright::picSpriteBlock_Click(int k, int Index) { document_->StrokeStart(k, Index); }

void frmTilewright::picSpriteBlock_Drag(int k, int Index) { document_->StrokeOver(k, Index); }

void frmTilewright::cmdSpriteColor_Click(int Index) { document_->ApplySpriteColor(Index); }

void frmTilewright::cmdSpriteClear_Click(int Index) { document_->ClearSprite(Index); }

void frmTilewright::cmdThumbNail_Click(int Index) { document_->ViewSprite(Index); }

// Every key typed in a box goes to the project, so that Save writes what the
// box shows; the document keeps one step for the whole edit of the box.
void frmTilewright::rtbSpriteHex_Change(int Index, int row, const QString& text)
{
    document_->SetRowText(Index, row, text.toStdString());
}

void frmTilewright::rtbSpriteName_Change(int Index, const QString& text) { document_->RenameSprite(Index, text.toStdString()); }

void frmTilewright::picSpriteBlock_Transform(int Index, SpriteTransform transform)
{
    document_->TransformSprite(Index, transform);
}

void frmTilewright::picSpriteBlock_Copy(int Index) { PutSpriteOnClipboard(document_->Project().CopySprite(Index)); }

void frmTilewright::picSpriteBlock_Paste(int Index)
{
    if (const std::optional<SpriteClip> clip = SpriteOnClipboard())
        document_->PasteSprite(Index, *clip);
}

void frmTilewright::EditUndo() { document_->Undo(); }

void frmTilewright::EditRedo() { document_->Redo(); }

bool frmTilewright::ConfirmUnsavedChanges()
{
    // Typing not yet finished is judged as it will be saved.
    document_->EndTyping();
    if (!document_->IsModified())
        return true;
    switch (dialogs_.ShowMessage(this, {QStringLiteral("Tilewright"), kUnsavedQuestion, QString(),
                                        Dialogs::Buttons::SaveDiscardCancel})) {
    case Dialogs::Answer::Save:
        return SaveProjectFile(SaveAsked::ByQuestion); // a save that fails or is cancelled keeps the project
    case Dialogs::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void frmTilewright::mnuFileNewProject_Click()
{
    const Dialogs::Answer answer = dialogs_.ShowMessage(
        this, {QStringLiteral("New Project Creation"), kNewProjectQuestion, QString(), Dialogs::Buttons::OkCancel});
    if (answer == Dialogs::Answer::Ok)
        document_->NewProject();
}

void frmTilewright::mnuFileLoadProject_Click()
{
    if (!ConfirmUnsavedChanges())
        return;
    const std::optional<QString> path = dialogs_.ChooseProjectFile(this, Dialogs::FileMode::Load, document_->FileName());
    if (!path) {
        ShowFileError({});
        return;
    }
    OpenProjectFile(*path);
}

void frmTilewright::OpenProjectFile(const QString& path) { ShowOutcome(document_->Open(path)); }

void frmTilewright::mnuFileSaveProject_Click() { SaveProjectFile(SaveAsked::ByMenu); }

bool frmTilewright::SaveProjectFile(SaveAsked asked)
{
    // Cancel in the dialog, or in the question whether to replace a file.
    const auto cancelled = [&] {
        if (asked == SaveAsked::ByMenu)
            ShowFileError({});
        return false;
    };
    const std::optional<QString> path = dialogs_.ChooseProjectFile(this, Dialogs::FileMode::Save, document_->OfferedFileName());
    if (!path)
        return cancelled();
    document::Outcome outcome = document_->Save(*path);
    using Kind = document::Outcome::Kind;
    if (outcome.Result == Kind::AskReplace || outcome.Result == Kind::AskReplaceChanged || outcome.Result == Kind::AskReplaceSideFile) {
        const QString name = QFileInfo(outcome.File).fileName();
        const bool both = !outcome.OtherFile.isEmpty();
        const QString why = both                                        ? QStringLiteral("%1 and its side file %2 already exist.")
                            : outcome.Result == Kind::AskReplace          ? QStringLiteral("%1 already exists.")
                            : outcome.Result == Kind::AskReplaceChanged ? QStringLiteral("%1 has been changed by another program since it was opened or saved.")
                                                                        : QStringLiteral("%1 could not be read when the project was opened.");
        const QString question = (both ? why.arg(name, QFileInfo(outcome.OtherFile).fileName()) : why.arg(name)) +
                                 (both ? QStringLiteral(" Do you want to replace them?") : QStringLiteral(" Do you want to replace it?"));
        if (dialogs_.ShowMessage(this, {QStringLiteral("Save Project"), question, QString(), Dialogs::Buttons::ReplaceCancel}) !=
            Dialogs::Answer::Replace)
            return cancelled();
        outcome = document_->Save(*path, document::ProjectDocument::Replacing::Agreed);
    }
    return ShowOutcome(outcome);
}

void frmTilewright::FileChangedOnDisk(const QString& file)
{
    // One question at a time: a change while it is up is judged on Save.
    if (std::exchange(askingAboutFile_, true))
        return;
    const Dialogs::Answer answer = dialogs_.ShowMessage(
        this, {QStringLiteral("Tilewright"),
               QStringLiteral("%1 has been changed by another program. Do you want to reload it?").arg(QFileInfo(file).fileName()),
               QStringLiteral("Reload replaces the open project with the file; Undo gives the project back. Keep leaves the "
                              "open project as it is, and Save asks before it replaces the file."),
               Dialogs::Buttons::ReloadKeep});
    askingAboutFile_ = false;
    if (answer == Dialogs::Answer::Reload)
        ShowOutcome(document_->Reload());
}

void frmTilewright::mnuFileCreateBinary_Click() { ShowOutcome(document_->CreateBinary()); }

void frmTilewright::mnuFileExit_Click() { close(); }

void frmTilewright::mnuHelp_Click()
{
    // Also from the Console View: the help is this window's.
    raise();
    activateWindow();
    QWidget* focused = QApplication::focusWidget();
    focusBeforeHelp_ = focused && isAncestorOf(focused) ? focused : nullptr;
    SetDesignEnabled(false);
    fmeHelp->ShowHelp();
}

void frmTilewright::cmdCloseHelp_Click()
{
    fmeHelp->hide();
    fmeSpriteGen->raise();
    SetDesignEnabled(true);
    // Where the keys were before the help, the first grid if nowhere: H or an
    // arrow then acts at once.
    (focusBeforeHelp_ ? focusBeforeHelp_.data() : fmeSprite[0]->Grid())->setFocus(Qt::OtherFocusReason);
}

void frmTilewright::SetDesignEnabled(bool enabled)
{
    mnuFile->menuAction()->setEnabled(enabled);
    mnuHelp->setEnabled(enabled);
    keys_->setEnabled(enabled);
    // Hidden under the help: no key may reach a grid or box there.
    for (SpritePanel* panel : fmeSprite)
        panel->setEnabled(enabled);
    fmeColor->setEnabled(enabled);
    fmeThumbNail->setEnabled(enabled);
}

void frmTilewright::Form_Terminate()
{
    // No file stays open between commands, so ending the event loop ends the
    // program.
    QCoreApplication::quit();
}

bool frmTilewright::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        QTimer::singleShot(0, this, &frmTilewright::FitToScreen);
    // A menu bar shows no tips of its own; a title with a key names it in its tip.
    if (watched == menuBar() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* title = menuBar()->actionAt(help->pos());
        if (title && !title->shortcut().isEmpty())
            QToolTip::showText(help->globalPos(), title->toolTip(), menuBar());
        else
            QToolTip::hideText();
        return true;
    }
    // Not accepted here, the key goes on to the window's own shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        if (undo_->shortcuts().contains(key) || redo_->shortcuts().contains(key)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmTilewright::closeEvent(QCloseEvent* event)
{
    if (!ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    // Where the user put both windows, for the next start.
    if (consoleView_ && consoleView_->isVisible())
        consoleView_->close();
    QSettings(QStringLiteral("Tilewright"), QStringLiteral("Tilewright")).setValue(kPositionKey, pos());
    Form_Terminate();
}

void frmTilewright::dragEnterEvent(QDragEnterEvent* event)
{
    if (TakeDrop(event->mimeData(), false))
        event->acceptProposedAction();
}

void frmTilewright::dropEvent(QDropEvent* event)
{
    if (TakeDrop(event->mimeData(), true))
        event->acceptProposedAction();
}

bool frmTilewright::TakeDrop(const QMimeData* data, bool open)
{
    // One local project file, cartridge image or picture, and only while the
    // menus could load one too.
    const QList<QUrl> urls = data->urls();
    if (!fmeHelp->isHidden() || urls.size() != 1 || !urls.first().isLocalFile())
        return false;
    const QString path = urls.first().toLocalFile();
    if (!document::NamedKind(path))
        return false;
    // Opened once the drop is over: the file manager waits for its end, and
    // the unsaved-changes question may come first.
    if (open)
        QTimer::singleShot(0, this, [this, path] {
            if (ConfirmUnsavedChanges())
                OpenProjectFile(path);
        });
    return true;
}

bool frmTilewright::ShowOutcome(const document::Outcome& outcome)
{
    switch (outcome.Result) {
    case document::Outcome::Kind::Done:
        // Opened, without what its side file could not give, or with a side
        // file that was not saved with it.
        if (!outcome.Warning.Ok)
            dialogs_.ShowMessage(this, {QStringLiteral("Console Settings"),
                                        QStringLiteral("The project was opened without the console settings of its side file."),
                                        QStringLiteral("%1:%2: %3")
                                            .arg(QDir::toNativeSeparators(outcome.Warning.File))
                                            .arg(outcome.Warning.Line)
                                            .arg(outcome.Warning.Reason),
                                        Dialogs::Buttons::Ok});
        if (!outcome.SideWarning.Ok)
            dialogs_.ShowMessage(this, {QStringLiteral("Side File"),
                                        QStringLiteral("The project's side file was not saved together with its project file."),
                                        QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(outcome.SideWarning.File), outcome.SideWarning.Reason),
                                        Dialogs::Buttons::Ok});
        return true;
    case document::Outcome::Kind::FileError:
        ShowFileError(outcome.Failure, outcome.File);
        return false;
    case document::Outcome::Kind::NoProjectFile:
        dialogs_.ShowMessage(this, {QStringLiteral("Project error"), QStringLiteral("No project file has been chosen!"),
                                    QString(), Dialogs::Buttons::Ok});
        return false;
    case document::Outcome::Kind::AskReplace:
    case document::Outcome::Kind::AskReplaceChanged:
    case document::Outcome::Kind::AskReplaceSideFile:
        return false; // Save's own questions, asked where Save is chosen
    }
    return false;
}

void frmTilewright::ShowFileError(const storage::Outcome& failure, const QString& file)
{
    // Below "File error": the file, then why.
    QStringList details;
    if (!file.isEmpty())
        details << QDir::toNativeSeparators(file);
    if (!failure.Ok)
        details << (failure.Line > 0 ? QStringLiteral("Line %1: %2").arg(failure.Line).arg(failure.Reason) : failure.Reason);
    dialogs_.ShowMessage(this, {kFileErrorTitle, kFileErrorText, details.join(u'\n'), Dialogs::Buttons::Ok});
}

void frmTilewright::ShowDocument(document::Parts parts)
{
    const SpriteProject& project = document_->Project();
    for (int k = 0; k < kSprites; ++k)
        if (parts & document::SpritePart(k))
            fmeSprite[k]->Show(project.Sprites[k], project.EditedFrame[k], project.ForegroundValue(k), project.ScreenValue(), onion_,
                               document_->TypedRow(k));
    // The view frame shows the sprites' codes too; it changes only what differs.
    fmeThumbNail->Show(project);
    if (parts & document::Part::Shared)
        fmeColor->ShowSelected(project.SelectedColor);
    if (parts & document::Part::File) {
        const QString file = QString::fromStdString(project.ProjectFileTitle());
        fmeSpriteGen->SetTitleFitting(QStringLiteral("Sprite Design [Project: "), file.isEmpty() ? QStringLiteral("(None)") : file, QStringLiteral("]"));
        // Tells two windows apart; "[*]" in a file name is no placeholder.
        setWindowTitle(file.isEmpty() ? QStringLiteral("Tilewright[*]")
                                      : QString(file).replace(QLatin1String("[*]"), QLatin1String("[*][*]")) + QStringLiteral("[*] - Tilewright"));
    }
    if (parts & document::Part::Modified)
        setWindowModified(document_->IsModified());
}

} // namespace tw::ui
