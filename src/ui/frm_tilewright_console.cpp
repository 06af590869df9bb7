// The editor's window and its Console View: the view made when first asked
// for, beside the editor, with the editor's keys; what both windows start
// (the onion skin, MAME).
#include <QAction>

#include "emulator/mame_launch.h"
#include "ui/block_grid.h"
#include "ui/console_view.h"
#include "ui/frm_tilewright.h"
#include "ui/sprite_panel.h"

namespace tw::ui {

void frmTilewright::RunInMame()
{
    if (!ShowOutcome(document_->CreateBinary()))
        return;
    // Each F5 starts a MAME of its own; the editor goes on at once.
    connect(emulator::MameLaunch::Start(document_->CartridgeImageFile()), &emulator::MameLaunch::Finished, this,
            [this](const emulator::LaunchResult& launched) {
                if (launched.Started)
                    return;
                const QString said = launched.Output.isEmpty() ? QString() : QStringLiteral("\n\n") + launched.Output;
                dialogs_.ShowMessage(this, {QStringLiteral("MAME Error"), QStringLiteral("MAME could not be started"),
                                            launched.Reason + said, Dialogs::Buttons::Ok});
            });
}

void frmTilewright::ToggleOnionSkin() { SetOnionSkin(!onion_); }

void frmTilewright::SetOnionSkin(bool onion)
{
    onion_ = onion;
    ShowDocument(document::kAllProject);
    if (consoleView_)
        consoleView_->SetOnion(onion_);
}

void frmTilewright::ShowConsoleView()
{
    // Made when first asked for: most sessions never open it.
    if (!consoleView_) {
        consoleView_ = new ConsoleView(*document_, dialogs_, this);
        consoleView_->SetOnion(onion_);
        // The editor's keys work there as here: Save, Load, New, Exit, Help.
        QList<QAction*> keys;
        for (const char* name : {"mnuFileNewProject", "mnuFileLoadProject", "mnuFileSaveProject", "mnuFileCreateBinary", "mnuFileExit", "mnuHelp"})
            keys << findChild<QAction*>(QString::fromLatin1(name));
        consoleView_->AddEditorActions(keys);
        connect(consoleView_, &ConsoleView::RunInMameChosen, this, &frmTilewright::RunInMame);
        connect(consoleView_, &ConsoleView::OnionChosen, this, &frmTilewright::SetOnionSkin);
        connect(consoleView_, &ConsoleView::ImportShapesChosen, this, [this] { ImportShapesFor(-1); });
        connect(consoleView_, &ConsoleView::EditorChosen, this, [this] {
            raise();
            activateWindow();
        });
    }
    // F6 in the editor with the view open goes there; the view's own F6 comes back.
    if (!consoleView_->isVisible() && !consoleView_->HasPlace())
        consoleView_->ArrangeBeside(this);
    // From a sprite's grid, the keys go on to that sprite's frames.
    for (int k = 0; k < kSprites; ++k)
        if (fmeSprite[k]->Grid()->hasFocus())
            consoleView_->FocusFrames(k);
    consoleView_->show();
    consoleView_->raise();
    consoleView_->activateWindow();
}

} // namespace tw::ui
