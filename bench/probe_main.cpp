// bench_probe: the editor started as the executable starts it, the welcome box
// answered by a script; it reports and quits right after the first frame.
#include "bench_support.h"
#include "scripted_dialogs.h"
#include "ui/editor_startup.h"

int main(int argc, char* argv[])
{
    tw::bench::FirstFrameApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));

    tw::bench::ScriptedDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
    app.Watch(window.get(), [&](long long frameNs) {
        tw::bench::ReportFrame(frameNs, tw::bench::CountWidgets(window.get()));
        QCoreApplication::quit();
    });
    // The window was shown by StartEditor, but the platform exposes it only
    // once the event loop runs, so the first frame is still to come.
    const int status = QApplication::exec();
    return dialogs.Messages == 1 ? status : 3;
}
