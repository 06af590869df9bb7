// bench_floor: the least a Qt Widgets window of the editor's size costs. A
// QMainWindow with a two-entry menu bar and one label, fixed to the editor's
// client size; it reports and quits right after its first frame.
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include "bench_support.h"
#include "ui/frm_tilewright.h"

int main(int argc, char* argv[])
{
    tw::bench::FirstFrameApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.menuBar()->addAction(QStringLiteral("Help"));
    auto* label = new QLabel(QStringLiteral("Floor"), &window);
    label->setFixedSize(tw::ui::frmTilewright::kClientSize);
    window.setCentralWidget(label);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    app.Watch(&window, [&window](long long frameNs) {
        tw::bench::ReportFrame(frameNs, tw::bench::CountWidgets(&window));
        QCoreApplication::quit();
    });
    window.show();
    return QApplication::exec();
}
