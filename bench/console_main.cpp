// bench_console REPAINTS: the Console View open beside the running editor, offscreen, at zoom 4.
//
// First it checks that an edit reaches the view in the same event-loop turn: a block click, and the view's
// picture shows the block before any posted event is handled. Then, REPAINTS times each: the view's
// picture made anew after a block click (the screen drawn and scaled), and the view's whole repaint from
// that picture (QWidget::repaint, which paints and flushes at once). Prints same_turn=1 and the medians
// rebuild_ns and repaint_ns, with the picture's size as picture=WxH.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "scripted_dialogs.h"
#include "ui/block_grid.h"
#include "ui/console_view.h"
#include "ui/editor_startup.h"

namespace {

void Require(bool holds, const char* otherwise)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_console: %s\n", otherwise);
    std::exit(1);
}

void Press(QWidget* grid, int cell)
{
    const QPoint at = static_cast<tw::ui::BlockGrid*>(grid)->CellRect(cell).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, grid->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &event);
    }
}

long long Median(std::vector<long long> times)
{
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int repaints = argc == 2 ? std::atoi(argv[1]) : 0;
    Require(repaints > 0, "usage: bench_console REPAINTS");
    tw::bench::ScriptedDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
    window->ShowConsoleView();
    auto* view = window->findChild<tw::ui::ConsoleView*>();
    Require(view != nullptr, "F6 made no Console View");
    view->SetZoom(4);
    QCoreApplication::processEvents();
    QWidget* grid = window->findChild<QWidget*>(QStringLiteral("picSpriteBlock0"));
    // Sprite 1's top left pixel, row 0: (53, 112) at zoom 4 on an NTSC TV.
    const tw::ScreenScale scale{4, tw::PixelShape::Ntsc};
    const auto shown = [&] { return view->Picture().pixel(scale.ColumnStart(53), 112 * 4); };
    const QRgb before = shown();
    Press(grid, 0);
    Require(shown() != before, "the click did not reach the Console View's picture in the same event-loop turn");
    std::printf("same_turn=1\npicture=%dx%d\n", view->Picture().width(), view->Picture().height());

    std::vector<long long> rebuild, repaint;
    QElapsedTimer timer;
    for (int n = 0; n < repaints; ++n) {
        timer.start();
        Press(grid, n % tw::kBlocks);
        rebuild.push_back(timer.nsecsElapsed());
        timer.start();
        view->repaint();
        repaint.push_back(timer.nsecsElapsed());
        QCoreApplication::sendPostedEvents(); // the editor's own repaint, not timed
    }
    std::printf("rebuild_ns=%lld\nrepaint_ns=%lld\n", Median(rebuild), Median(repaint));
    return 0;
}
