// tilewright: the sprite editor for the Emerson Arcadia 2001.
#include <QApplication>

#include "ui/dialogs.h"
#include "ui/frm_tilewright.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));

    tw::ui::QtDialogs dialogs;
    tw::ui::frmTilewright window(dialogs);
    window.Form_Load(); // the welcome box comes before the window
    window.ShowCentred();
    return QApplication::exec();
}
