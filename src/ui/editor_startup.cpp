#include "ui/editor_startup.h"

namespace tw::ui {

std::unique_ptr<frmTilewright> StartEditor(Dialogs& dialogs)
{
    auto window = std::make_unique<frmTilewright>(dialogs);
    window->Form_Load(); // the welcome box comes before the window
    window->ShowCentred();
    return window;
}

} // namespace tw::ui
