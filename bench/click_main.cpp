// bench_click: the cost of one block click in the running editor, from the
// mouse press to the repainted frame, and the number of widgets in the window.
//
// A click is a press and a release delivered through the event system, then
// every posted event handled, which is when Qt repaints what the click marked
// dirty (the cell, and the row box whose text changed) and flushes it. Two
// ways in are timed, both on every cell of the four grids in turn:
//   window: the events go to the window's QWindow, as the platform delivers
//           them, so Qt finds the widget under the mouse itself;
//   widget: the events go straight to the grid through QApplication::notify,
//           as QTest::mouseClick sends them.
// Before timing, the program checks on one click that the cell and its row box
// were painted and reached the screen, so the figure is known to include the
// repaint.
//
// For comparison the same clicks are timed on two bare Qt windows of the
// editor's size: one with a single opaque 8 x 8 grid that repaints the clicked
// cell ("floor", both ways in), and the same with a plain QLineEdit beside it
// whose text is set on every click, as the editor's row box is ("floor_text",
// through the window). They show what the toolkit itself costs for a click.
//
// Usage: bench_click [CLICKS]  (default 10000). Prints key=value pairs.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "scripted_dialogs.h"
#include "ui/block_grid.h"
#include "ui/editor_startup.h"

namespace {

using tw::bench::MonotonicNs;
using tw::ui::BlockGrid;

enum class Route { Window, Widget };

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "bench_click: %s\n", what);
    std::exit(1);
}

// A click target: the widget under the mouse and the point in it.
struct Spot {
    QWidget* Widget;
    QPoint At;
};

void Send(Route route, QEvent::Type type, const Spot& spot)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    if (route == Route::Widget) {
        QMouseEvent event(type, spot.At, spot.Widget->mapToGlobal(spot.At), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(spot.Widget, &event);
        return;
    }
    QWidget* window = spot.Widget->window();
    const QPoint inWindow = spot.Widget->mapTo(window, spot.At);
    QMouseEvent event(type, inWindow, window->mapToGlobal(inWindow), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

struct Timing {
    long long Total = 0;  // press to repainted frame
    long long Events = 0; // press and release, the handler included
};

// One click and its repaint.
Timing Click(Route route, const Spot& spot)
{
    const long long start = MonotonicNs();
    Send(route, QEvent::MouseButtonPress, spot);
    Send(route, QEvent::MouseButtonRelease, spot);
    const long long events = MonotonicNs();
    QCoreApplication::sendPostedEvents();
    return {MonotonicNs() - start, events - start};
}

long long Median(std::vector<long long> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Times `clicks` clicks on the spots in turn; prints NAME_ns (median whole
// click), NAME_event_ns, NAME_paint_ns (medians of the two parts) and
// NAME_min_ns.
void Measure(const char* name, Route route, const std::vector<Spot>& spots, int clicks)
{
    std::vector<long long> totals, events, paints;
    totals.reserve(std::size_t(clicks));
    events.reserve(std::size_t(clicks));
    paints.reserve(std::size_t(clicks));
    for (int n = 0; n < clicks; ++n) {
        const Timing timing = Click(route, spots[std::size_t(n) % spots.size()]);
        totals.push_back(timing.Total);
        events.push_back(timing.Events);
        paints.push_back(timing.Total - timing.Events);
    }
    std::printf("%s_ns=%lld\n%s_event_ns=%lld\n%s_paint_ns=%lld\n%s_min_ns=%lld\n", name, Median(totals), name,
                Median(events), name, Median(paints), name, *std::min_element(totals.begin(), totals.end()));
}

void WaitExposed(QWidget* window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window->windowHandle()->isExposed())
        Fail("a window was never exposed");
    QCoreApplication::processEvents();
}

class PaintCounter final : public QObject {
public:
    int Paints = 0;
    QRegion Painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++Paints;
            Painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

QColor ScreenPixel(const Spot& spot)
{
    const QPoint at = spot.Widget->mapToGlobal(spot.At);
    return spot.Widget->screen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
}

// One click on cell 0 of the first grid, and back: the cell and its row box
// are repainted, the flushed frame shows the new colour, nothing else of the
// grid is painted.
void CheckOneClick(Route route, BlockGrid* grid, QLineEdit* rowBox)
{
    PaintCounter gridPaints, rowPaints;
    grid->installEventFilter(&gridPaints);
    rowBox->installEventFilter(&rowPaints);
    const Spot cell{grid, grid->CellRect(0).center()};
    const QColor before = ScreenPixel(cell);
    Click(route, cell);
    if (rowBox->text() != QLatin1String("80"))
        Fail("the click did not reach the block (row text is not 80)");
    if (gridPaints.Paints != 1 || gridPaints.Painted != QRegion(grid->CellRect(0)))
        Fail("the click did not repaint exactly the cell");
    if (rowPaints.Paints != 1)
        Fail("the click did not repaint the row box");
    if (ScreenPixel(cell) == before)
        Fail("the repainted cell did not reach the screen");
    Click(route, cell);
    if (rowBox->text() != QLatin1String("00") || ScreenPixel(cell) != before)
        Fail("the second click did not restore the cell");
    grid->removeEventFilter(&gridPaints);
    rowBox->removeEventFilter(&rowPaints);
}

// The bare grid of the floor windows: opaque, cell i toggles between black and
// white on a click and only its rectangle is repainted.
class FloorGrid final : public QWidget {
public:
    std::function<void(int)> Clicked;

    explicit FloorGrid(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(8, 24, BlockGrid::CellRect(BlockGrid::kDesignGeometry, 63).bottomRight().x() + 1,
                    BlockGrid::CellRect(BlockGrid::kDesignGeometry, 63).bottomRight().y() + 1);
    }

    static QRect Cell(int i) { return BlockGrid::CellRect(BlockGrid::kDesignGeometry, i); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().window());
        for (int i = 0; i < tw::kBlocks; ++i)
            if (event->rect().intersects(Cell(i)))
                painter.fillRect(Cell(i), on_[std::size_t(i)] ? Qt::white : Qt::black);
    }
    void mousePressEvent(QMouseEvent* event) override { pressed_ = CellAt(event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const int cell = CellAt(event->position().toPoint());
        if (cell < 0 || cell != pressed_)
            return;
        on_[std::size_t(cell)] = !on_[std::size_t(cell)];
        update(Cell(cell));
        if (Clicked)
            Clicked(cell);
    }

private:
    static int CellAt(QPoint point)
    {
        for (int i = 0; i < tw::kBlocks; ++i)
            if (Cell(i).contains(point))
                return i;
        return -1;
    }

    std::array<bool, tw::kBlocks> on_{};
    int pressed_ = -1;
};

// Times clicks on a bare window: through the window and straight to the grid,
// or with the text box, through the window only.
void MeasureFloor(bool withText, int clicks)
{
    QWidget window;
    window.setFixedSize(tw::ui::frmTilewright::kClientSize + QSize(0, 21));
    auto* grid = new FloorGrid(&window);
    if (withText) {
        auto* box = new QLineEdit(QStringLiteral("00"), &window);
        box->setReadOnly(true);
        box->setGeometry(grid->geometry().right() + 8, grid->y(), 24, 21);
        grid->Clicked = [box](int cell) { box->setText(QString::number(cell % 8, 16).rightJustified(2, QLatin1Char('0'))); };
    }
    window.show();
    WaitExposed(&window);
    std::vector<Spot> spots;
    for (int i = 0; i < tw::kBlocks; ++i)
        spots.push_back({grid, FloorGrid::Cell(i).center()});
    if (withText) {
        Measure("floor_text_window", Route::Window, spots, clicks);
        return;
    }
    Measure("floor_window", Route::Window, spots, clicks);
    Measure("floor_widget", Route::Widget, spots, clicks);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (clicks < 1)
        Fail("CLICKS must be a positive number");

    tw::bench::ScriptedDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
    WaitExposed(window.get());
    std::printf("qt=%s\nwidgets=%d\n", qVersion(), tw::bench::CountWidgets(window.get()));

    std::vector<Spot> spots;
    for (int k = 0; k < tw::kSprites; ++k) {
        auto* grid = window->findChild<BlockGrid*>(QStringLiteral("picSpriteBlock%1").arg(k));
        auto* row = window->findChild<QLineEdit*>(QStringLiteral("rtbSprite%1Hex_0").arg(k + 1));
        if (!grid || !row)
            Fail("a block grid or row box is missing");
        if (k == 0) {
            CheckOneClick(Route::Window, grid, row);
            CheckOneClick(Route::Widget, grid, row);
        }
        for (int i = 0; i < tw::kBlocks; ++i)
            spots.push_back({grid, grid->CellRect(i).center()});
    }
    Measure("click_window", Route::Window, spots, clicks);
    Measure("click_widget", Route::Widget, spots, clicks);
    window->hide();

    MeasureFloor(false, clicks);
    MeasureFloor(true, clicks);
    std::fflush(stdout);
    return 0;
}
