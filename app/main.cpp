// tilewright: the sprite editor for the Emerson Arcadia 2001.
#include <QApplication>

#include "ui/dialogs.h"
#include "ui/editor_startup.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));

    tw::ui::QtDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
    return QApplication::exec();
}
