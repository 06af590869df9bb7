// bench_console REPAINTS: the Console View open beside the running editor, offscreen, at zoom 4.
//
// First it checks that an edit reaches the view in the same event-loop turn: a block click, and the view's
// picture shows the block before any posted event is handled; and the same for a frame selected in the
// view's strip, which the design panel then edits. Then, REPAINTS times each: the view's picture made
// anew after a block click (the screen drawn and scaled), and the view's whole repaint from that picture
// (QWidget::repaint, which paints and flushes at once); a move of a paint stroke over the field, and of a
// sprite dragged onto another, each checked to show (the cell; the collision readout) in that turn. Last it plays four sprites of 2, 3, 4 and 5 frames
// of time 1 for 600 console frames (10 s at NTSC's 60) and measures how late each console frame showed
// after it was due, and how many never showed. Prints same_turn=1, select_same_turn=1, the medians
// rebuild_ns and repaint_ns with the picture's size as picture=WxH, paint_ns and drag_ns, and late_max_us, late_median_us,
// unshown, played.
#include <QApplication>
#include <QElapsedTimer>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "console/screen_geometry.h"
#include "scripted_dialogs.h"
#include "ui/block_grid.h"
#include "ui/console_view.h"
#include "ui/editor_startup.h"
#include "ui/frame_strip.h"

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

    // Frames for every sprite, added from the strips as a user would; then one selected by a click.
    auto* strip = window->findChild<tw::ui::FrameStrip*>(QStringLiteral("frameStrip_0"));
    for (int k = 0; k < tw::kSprites; ++k)
        for (int f = 0; f <= k; ++f) {
            QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
            QCoreApplication::sendEvent(window->findChild<tw::ui::FrameStrip*>(QStringLiteral("frameStrip_%1").arg(k)), &insert);
        }
    for (int k = 0; k < tw::kSprites; ++k)
        for (int f = 0; f <= k + 1; ++f) {
            const_cast<tw::document::ProjectDocument&>(window->Document()).SelectFrame(k, f);
            const_cast<tw::document::ProjectDocument&>(window->Document()).SetFrameTime(k, 1);
            Press(window->findChild<QWidget*>(QStringLiteral("picSpriteBlock%1").arg(k)), f); // each frame its own
        }
    auto* panel = window->findChild<QGroupBox*>(QStringLiteral("fmeSprite_0"));
    const QRgb edited = shown();
    QMouseEvent press(QEvent::MouseButtonPress, strip->FrameRect(0).center(), strip->mapToGlobal(strip->FrameRect(0).center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &press);
    Require(panel->title() == QLatin1String("Sprite #1 (frame 1 of 2)") && shown() != edited,
            "a frame selected in the strip did not reach the panel and the picture in the same event-loop turn");
    std::printf("select_same_turn=1\n");

    // The scene edited on the picture: a stroke of paint over a row of cells, each cell painted in the turn
    // the mouse reached it; then sprite 1 dragged onto sprite 2, the collision readout saying so in the turn
    // the mouse got there. Each move is timed, edit, picture and readout together.
    QWidget* picture = view->findChild<QWidget*>(QStringLiteral("consoleScreen"));
    auto* readout = view->findChild<QLabel*>(QStringLiteral("consoleCollisions"));
    const auto send = [&](QEvent::Type type, QPoint console) {
        const QPoint at((scale.ColumnStart(console.x()) + scale.ColumnStart(console.x() + 1)) / 2, console.y() * 4 + 2);
        QMouseEvent event(type, at, picture->mapToGlobal(at), Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
    };
    const auto cell = [&](int c) {
        const tw::ChipState chip = tw::ChipStateOf(window->Document().Project());
        return QPoint(tw::kFieldLeft + c % tw::kFieldColumns * tw::kCellWidth + 3, tw::FieldTopLine(chip) + c / tw::kFieldColumns * tw::CellLines(chip) + 1);
    };
    const auto cellShown = [&](int c) { return view->Picture().pixel(scale.ColumnStart(cell(c).x()), cell(c).y() * 4); };
    auto& document = const_cast<tw::document::ProjectDocument&>(window->Document());
    for (int k = 0; k < tw::kSprites; ++k) // below the field, so that the cells show
        document.PlaceSprite(k, 0x10, 0x40 + 16 * k);
    view->findChild<QAction*>(QStringLiteral("Paint Cells"))->trigger();
    std::vector<long long> painted, dragged;
    for (int n = 0; painted.size() < std::size_t(repaints); ++n) {
        const int c = n % tw::kCells;
        if (c == 0 && n > 0)
            document.FillCells(0, tw::kCells - 1, tw::kBlankCell); // every cell blank again, so that every move paints
        if (c % tw::kFieldColumns == 0) { // a stroke a row, from its first cell
            send(QEvent::MouseButtonPress, cell(c));
            continue;
        }
        const QRgb was = cellShown(c);
        timer.start();
        send(QEvent::MouseMove, cell(c));
        painted.push_back(timer.nsecsElapsed());
        Require(cellShown(c) != was, "a painted cell did not show in the same event-loop turn");
        if (c % tw::kFieldColumns == tw::kFieldColumns - 1)
            send(QEvent::MouseButtonRelease, cell(c));
        QCoreApplication::sendPostedEvents();
    }
    for (int k : {0, 1}) { // where they were, a top row of 8 pixels each, so that the two touch where they meet
        document.PlaceSprite(k, 0x90, 0x40 + 16 * k);
        document.SetRowText(k, 0, "FF");
    }
    document.EndTyping();
    view->findChild<QAction*>(QStringLiteral("Move Sprites"))->trigger();
    for (int n = 0; n < repaints; ++n) {
        send(QEvent::MouseButtonPress, {53, 112});
        timer.start();
        send(QEvent::MouseMove, {69, 112});
        dragged.push_back(timer.nsecsElapsed());
        Require(readout->text().endsWith(QLatin1String("sprites 1 and 2 touch")), "the readout did not follow the drag in the same event-loop turn");
        send(QEvent::MouseMove, {53, 112});
        send(QEvent::MouseButtonRelease, {53, 112});
        QCoreApplication::sendPostedEvents();
    }
    std::printf("paint_same_turn=1\npaint_ns=%lld\ndrag_same_turn=1\ndrag_ns=%lld\n", Median(painted), Median(dragged));

    constexpr long long kFrames = 600;
    std::vector<long long> late(kFrames, -1); // ns after it was due, by console frame
    QElapsedTimer played;
    QObject::connect(view, &tw::ui::ConsoleView::FrameShown, view, [&](long long t) {
        if (t < kFrames && late[std::size_t(t)] < 0)
            late[std::size_t(t)] = std::max(0LL, played.nsecsElapsed() - t * 1'000'000'000 / 60);
    });
    played.start();
    view->Play();
    while (played.nsecsElapsed() < (kFrames + 2) * 1'000'000'000 / 60)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    view->Stop();
    std::vector<long long> shownLate;
    for (const long long ns : late)
        if (ns >= 0)
            shownLate.push_back(ns);
    Require(!shownLate.empty(), "nothing played");
    std::printf("late_max_us=%lld\nlate_median_us=%lld\nunshown=%lld\nplayed=%lld\n",
                *std::max_element(shownLate.begin(), shownLate.end()) / 1000, Median(shownLate) / 1000,
                kFrames - (long long)shownLate.size(), kFrames);
    return 0;
}
