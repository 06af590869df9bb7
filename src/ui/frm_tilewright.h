#pragma once

#include <QMainWindow>

#include <array>

#include "model/sprite_project.h"
#include "storage/storage.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QMimeData;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tw::ui {

class BlockGrid;
class ProjectHistory;
class SpritePanel;

// The editor's one window. The model holds the whole project; each handler
// runs one model operation and then repaints exactly what it changed. Every
// change to the project is a step of the undo history; the title's [*] shows
// while the project differs from its file.
class frmTilewright : public QMainWindow {
    Q_OBJECT

public:
    // Client area below the menu bar, 10125 x 8235 twips.
    static constexpr QSize kClientSize{Px(10125), Px(8235)};

    explicit frmTilewright(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmTilewright() override;

    const SpriteProject& Project() const { return Model_; }
    // The answer to the welcome box; kept, never looked at.
    Dialogs::Answer UserResponse() const { return UserResponse_; }

    // Shows the window for the first time, centred on its screen.
    void ShowCentred();

    // Start-up: the welcome box (before the window is shown), then the design
    // frame in front of the hidden help panel.
    void Form_Load();

    void optColor_Click(int Index);
    void cmdSetBGnd_Click();
    void picSpriteBlock_Click(int k, int Index);
    void cmdSpriteColor_Click(int Index);
    void cmdSpriteClear_Click(int Index);
    void cmdThumbNail_Click(int Index);
    void rtbSpriteHex_Change(int Index, int row, const QString& text);
    void rtbSpriteName_Change(int Index, const QString& text);
    void picSpriteBlock_Transform(int Index, SpriteTransform transform);
    void picSpriteBlock_Copy(int Index);
    void picSpriteBlock_Paste(int Index);
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y.
    void EditUndo();
    void EditRedo();

    void mnuFileNewProject_Click();
    void mnuFileLoadProject_Click();
    // What Load Project does once the file is chosen: reads `path` in full,
    // then either shows it or shows the file error and changes nothing. Also
    // opens the file named on the command line and a dropped file. A picture
    // (sheet::IsPictureName) is imported instead, as a new unsaved project.
    void OpenProjectFile(const QString& path);
    void mnuFileSaveProject_Click();
    void mnuFileCreateBinary_Click();
    void mnuFileExit_Click();
    void mnuHelp_Click();
    void cmdCloseHelp_Click();

    // Window termination: whichever way the window closed, the process ends.
    void Form_Terminate();

    // The welcome text and the New Project question, lines joined by CR LF.
    static const QString kWelcomeText;
    static const QString kNewProjectQuestion;
    static const QString kUnsavedQuestion;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    void BuildDesignFrame();
    void BuildColorFrame();
    void BuildViewFrame();
    void BuildHelpFrame();
    // A key of the window that no menu shows.
    QAction* AddKey(const QList<QKeySequence>& keys);

    // Hands on unfinished typing, so that what is saved is what is shown.
    void FinishTyping();
    // Save Project: true once the file is written.
    bool SaveProjectFile();
    // Before the project is closed or replaced: true to go on.
    bool ConfirmUnsavedChanges();
    // What a drag may drop and a drop opens: the one place to decide it.
    bool TakeDrop(const QMimeData* data, bool open);
    // Off while the help is shown: the menus, the keys and the design frame.
    void SetDesignEnabled(bool enabled);

    void ShowFileError(const storage::Outcome& failure);

    void RefreshCaption();
    void RefreshColorSelection();
    void RefreshScreenLabel();
    void RefreshSpriteLabel(int k);
    void RefreshView();
    void RefreshAll();

    Dialogs& dialogs_;
    SpriteProject Model_;
    Dialogs::Answer UserResponse_ = Dialogs::Answer::Ok;
    ProjectHistory* history_ = nullptr;
    QActionGroup* keys_ = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuHelp = nullptr;

    QGroupBox* fmeSpriteGen = nullptr;
    std::array<SpritePanel*, kSprites> fmeSprite{};
    QGroupBox* fmeColor = nullptr;
    QButtonGroup* optColorGroup = nullptr;
    std::array<QRadioButton*, kColorCodes> optColor{};
    QPushButton* cmdSetBGnd = nullptr;
    QGroupBox* fmeThumbNail = nullptr;
    BlockGrid* picThumbNail = nullptr;
    QLabel* lblBackGroundValue = nullptr;
    std::array<QLabel*, kSprites> lblForeGroundValue{};
    QGroupBox* fmeHelp = nullptr;
    QPlainTextEdit* rtbHelp = nullptr;
    QPushButton* cmdCloseHelp = nullptr;
};

} // namespace tw::ui
