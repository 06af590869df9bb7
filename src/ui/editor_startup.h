#pragma once

#include <memory>

#include "ui/dialogs.h"
#include "ui/frm_tilewright.h"

namespace tw::ui {

// Starts the editor as the program does: the window is built, the welcome box
// answered, then the window shown centred. The executable, its tests and the
// start-up benchmark all come through here.
std::unique_ptr<frmTilewright> StartEditor(Dialogs& dialogs);

} // namespace tw::ui
