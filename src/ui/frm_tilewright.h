#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>

#include "document/project_document.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

namespace tw {
enum class ExportForm;
}

class QAction;
class QActionGroup;
class QMimeData;
class QMenu;

namespace tw::ui {

class ColorSelectFrame;
class ConsoleView;
class HelpPanel;
class SpritePanel;
class ShapesWindow;
class SpriteViewFrame;
class TitledFrame;

// The editor's one window, a view of its document: each handler has the
// document carry out one user action and shows the outcome, and the controls
// are brought up to date from the document's Changed() in ShowDocument()
// alone. The title's [*] shows while the document has unsaved changes.
class frmTilewright : public QMainWindow {
    Q_OBJECT

public:
    // Client area below the menu bar, 10125 x 8235 twips.
    static constexpr QSize kClientSize{Px(10125), Px(8235)};

    explicit frmTilewright(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmTilewright() override;

    const document::ProjectDocument& Document() const { return *document_; }

    // Shows the window for the first time, centred on its screen: all of it
    // where it fits, else what the screen leaves, the client area scrolled.
    void ShowCentred();

    // Start-up: the welcome box (before the window is shown), then the design
    // frame in front of the hidden help panel.
    void Form_Load();

    void optColor_Click(int Index);
    void cmdSetBGnd_Click();
    void picSpriteBlock_Click(int k, int Index);
    void picSpriteBlock_Drag(int k, int Index);
    void cmdSpriteColor_Click(int Index);
    void cmdSpriteClear_Click(int Index);
    void cmdThumbNail_Click(int Index);
    void rtbSpriteHex_Change(int Index, int row, const QString& text);
    void rtbSpriteName_Change(int Index, const QString& text);
    void picSpriteBlock_Transform(int Index, SpriteTransform transform);
    void picSpriteBlock_Copy(int Index);
    void picSpriteBlock_Paste(int Index);
    // Copy As in the grid's context menu: sprite k's edited frame as text in
    // an export's notation, the raw bytes as hexadecimal digits.
    void picSpriteBlock_CopyAs(int Index, ExportForm form);
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y.
    void EditUndo();
    void EditRedo();

    void mnuFileNewProject_Click();
    void mnuFileLoadProject_Click();
    // What Load Project does once the file is chosen: opens `path` as the
    // document does, or shows the file error. Also opens the file named on the
    // command line and a dropped file.
    void OpenProjectFile(const QString& path);
    void mnuFileSaveProject_Click();
    void mnuFileCreateBinary_Click();
    // F5: Create Binary, then MAME on the image, which runs on its own; a
    // MAME that cannot be started is told in a box once that is known.
    void RunInMame();
    void mnuFileExit_Click();
    // F6, and the grid's context menu: the console's picture of the project.
    void ShowConsoleView();
    // O in a design grid: the frame before shows faintly under the one edited.
    void ToggleOnionSkin();
    void SetOnionSkin(bool onion);
    // Import Shapes...: a binary chosen in a file dialog, and its shapes in a
    // window of their own, where a click puts one into a sprite's edited
    // frame or a user-defined character. From a design grid (Ctrl+I, its
    // context menu) they go to that grid's sprite; from elsewhere to the
    // sprite or character chosen there last.
    void ImportShapes();
    void ImportShapesFor(int k);
    // The project file was changed by another program: reload it, or keep
    // the open project.
    void FileChangedOnDisk(const QString& file);
    void mnuHelp_Click();
    void cmdCloseHelp_Click();

    // Window termination: whichever way the window closed, the process ends.
    void Form_Terminate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Where the window manager has framed, placed or shown the window, it is
    // fitted to the screen again.
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    void BuildClientArea();
    void FitToScreen();
    void BuildDesignFrame();
    void BuildColorFrame();
    void BuildViewFrame();
    void BuildHelpFrame();
    // A key of the window that no menu shows.
    QAction* AddKey(const QList<QKeySequence>& keys);

    // Save Project: true once the file is written. Cancel in the dialog is a
    // file error, except when the save was offered by the unsaved-changes
    // question: then it only cancels what the question came before.
    enum class SaveAsked { ByMenu, ByQuestion };
    bool SaveProjectFile(SaveAsked asked);
    // Before the project is closed or replaced: true to go on.
    bool ConfirmUnsavedChanges();
    // What a drag may drop and a drop opens: the one place to decide it.
    bool TakeDrop(const QMimeData* data, bool open);
    // Off while the help is shown: the menus, the keys and the design frame.
    void SetDesignEnabled(bool enabled);

    // Shows what an action came to: nothing, a file error or the refusal to
    // build an image without a project file. True when it was done.
    bool ShowOutcome(const document::Outcome& outcome);
    void ShowFileError(const storage::Outcome& failure, const QString& file = QString());

    // The one place the controls follow the document.
    void ShowDocument(document::Parts parts);

    Dialogs& dialogs_;
    document::ProjectDocument* document_;
    QActionGroup* keys_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuHelp = nullptr;

    TitledFrame* fmeSpriteGen = nullptr;
    std::array<SpritePanel*, kSprites> fmeSprite{};
    ColorSelectFrame* fmeColor = nullptr;
    SpriteViewFrame* fmeThumbNail = nullptr;
    HelpPanel* fmeHelp = nullptr;
    QPointer<QWidget> focusBeforeHelp_; // given the focus back when the help closes
    bool askingAboutFile_ = false;      // the question about a change on disk is up
    ConsoleView* consoleView_ = nullptr;
    ShapesWindow* shapesWindow_ = nullptr;
    bool onion_ = false; // the onion skin, in the grids and the Console View
};

} // namespace tw::ui
