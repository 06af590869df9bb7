#pragma once

#include <QString>

#include <memory>

#include "ui/dialogs.h"
#include "ui/frm_tilewright.h"

namespace tw::ui {

// Starts the editor as the program does: the window is built, the welcome box
// answered, then the window shown centred. The executable, its tests and the
// start-up benchmark all come through here.
//
// A non-empty `projectFile` (the file named on the command line) is then
// opened as Load Project opens the file chosen in its dialog, with a relative
// path taken from the current folder; a file that cannot be loaded shows the
// file error over the window and leaves the start state.
std::unique_ptr<frmTilewright> StartEditor(Dialogs& dialogs, const QString& projectFile = QString());

} // namespace tw::ui
