#include "ui/editor_startup.h"

#include "storage/file_names.h"

namespace tw::ui {

std::unique_ptr<frmTilewright> StartEditor(Dialogs& dialogs, const QString& projectFile)
{
    auto window = std::make_unique<frmTilewright>(dialogs);
    window->Form_Load(); // the welcome box comes before the window
    window->ShowCentred();
    if (!projectFile.isEmpty()) {
        // Absolute, as the file dialog gives it: Create Binary writes next to
        // the project file whatever the current folder is by then.
        window->OpenProjectFile(storage::AbsolutePath(projectFile));
    }
    return window;
}

} // namespace tw::ui
