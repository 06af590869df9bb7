// bench_click CLICKS: one block click in the running editor, offscreen, from the mouse press to the
// repainted frame, and the same clicks on two bare windows of the editor's size for comparison.
//
// A click is a press and a release sent through the event system, then every posted event handled,
// which is when Qt repaints what the click made dirty and flushes it. Two ways in, each on every cell of
// the four grids in turn: to the window's QWindow, as the platform delivers them, so Qt finds the widget
// under the mouse itself ("window"); straight to the grid, as QTest::mouseClick sends them ("widget").
// The floors: one opaque 8 x 8 grid that repaints the clicked cell ("floor", both ways in), and the same
// with a QLineEdit whose text is set on every click, as the editor's row box is ("floor_text", through
// the window). Prints qt= and, for each, NAME_ns (median click), NAME_event_ns and NAME_paint_ns
// (medians of its two parts).
#include <QApplication>
#include <QDeadlineTimer>
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
#include <utility>
#include <vector>

#include "scripted_dialogs.h"
#include "ui/block_grid.h"
#include "ui/editor_startup.h"

namespace {

using tw::ui::BlockGrid;

void Require(bool holds, const char* otherwise)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_click: %s\n", otherwise);
    std::exit(1);
}

// A click target: the widget under the mouse and the point in it.
struct Spot {
    QWidget* Widget;
    QPoint At;
};

void Send(bool toWindow, QEvent::Type type, const Spot& spot)
{
    QWidget* target = toWindow ? spot.Widget->window() : spot.Widget;
    const QPoint at = spot.Widget->mapTo(target, spot.At);
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(toWindow ? static_cast<QObject*>(target->windowHandle()) : target, &event);
}

// One click and its repaint: {press to repainted frame, press and release with the handler}, in ns.
std::pair<long long, long long> Click(bool toWindow, const Spot& spot)
{
    QElapsedTimer timer;
    timer.start();
    Send(toWindow, QEvent::MouseButtonPress, spot);
    Send(toWindow, QEvent::MouseButtonRelease, spot);
    const long long events = timer.nsecsElapsed();
    QCoreApplication::sendPostedEvents();
    return {timer.nsecsElapsed(), events};
}

void Measure(const char* name, bool toWindow, const std::vector<Spot>& spots, int clicks)
{
    std::vector<long long> times[3]; // whole click, events, repaint
    for (auto& part : times)
        part.reserve(std::size_t(clicks));
    for (int n = 0; n < clicks; ++n) {
        const auto [total, events] = Click(toWindow, spots[std::size_t(n) % spots.size()]);
        times[0].push_back(total);
        times[1].push_back(events);
        times[2].push_back(total - events);
    }
    for (auto& part : times) // the median
        std::nth_element(part.begin(), part.begin() + clicks / 2, part.end());
    std::printf("%s_ns=%lld\n%s_event_ns=%lld\n%s_paint_ns=%lld\n", name, times[0][std::size_t(clicks / 2)], name,
                times[1][std::size_t(clicks / 2)], name, times[2][std::size_t(clicks / 2)]);
}

void WaitExposed(QWidget* window)
{
    for (QDeadlineTimer deadline(10000); !window->windowHandle()->isExposed() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    Require(window->windowHandle()->isExposed(), "a window was never exposed");
    QCoreApplication::processEvents();
}

// Counts a widget's paint events and the region they cover.
class PaintCounter final : public QObject {
public:
    int Paints = 0;
    QRegion Painted;

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

// So that the figure is known to be a click and its repaint: one click on cell 0 of the grid, and back.
// The click repaints the cell, nothing else of the grid, and its row box, and the screen shows the cell's
// new colour when the click returns.
void CheckOneClick(bool toWindow, BlockGrid* grid, QLineEdit* rowBox)
{
    PaintCounter gridPaints, rowPaints;
    grid->installEventFilter(&gridPaints);
    rowBox->installEventFilter(&rowPaints);
    const Spot cell{grid, grid->CellRect(0).center()};
    const QColor before = ScreenPixel(cell);
    Click(toWindow, cell);
    Require(rowBox->text() == QLatin1String("80"), "the click did not reach the block (row text is not 80)");
    Require(gridPaints.Paints == 1 && gridPaints.Painted == QRegion(grid->CellRect(0)),
            "the click did not repaint exactly the cell");
    Require(rowPaints.Paints == 1, "the click did not repaint the row box");
    Require(ScreenPixel(cell) != before, "the repainted cell did not reach the screen");
    Click(toWindow, cell);
    Require(rowBox->text() == QLatin1String("00") && ScreenPixel(cell) == before,
            "the second click did not restore the cell");
    grid->removeEventFilter(&gridPaints);
    rowBox->removeEventFilter(&rowPaints);
}

// The floor's grid: opaque; a click toggles its cell between black and white and repaints only that cell.
class FloorGrid final : public QWidget {
public:
    std::function<void(int)> Clicked;

    explicit FloorGrid(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        const QPoint end = Cell(tw::kBlocks - 1).bottomRight();
        setGeometry(8, 24, end.x() + 1, end.y() + 1);
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
    Measure(withText ? "floor_text_window" : "floor_window", true, spots, clicks);
    if (!withText)
        Measure("floor_widget", false, spots, clicks);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc == 2 ? std::atoi(argv[1]) : 0;
    Require(clicks > 0, "usage: bench_click CLICKS");
    tw::bench::ScriptedDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs);
    WaitExposed(window.get());
    std::vector<Spot> spots;
    for (int k = 0; k < tw::kSprites; ++k) {
        auto* grid = window->findChild<BlockGrid*>(QStringLiteral("picSpriteBlock%1").arg(k));
        auto* row = window->findChild<QLineEdit*>(QStringLiteral("rtbSprite%1Hex_0").arg(k + 1));
        Require(grid && row, "a block grid or row box is missing");
        for (bool toWindow : {true, false})
            if (k == 0) // once each way in
                CheckOneClick(toWindow, grid, row);
        for (int i = 0; i < tw::kBlocks; ++i)
            spots.push_back({grid, grid->CellRect(i).center()});
    }
    std::printf("qt=%s\n", qVersion());
    Measure("click_window", true, spots, clicks);
    Measure("click_widget", false, spots, clicks);
    window->hide();
    MeasureFloor(false, clicks);
    MeasureFloor(true, clicks);
    return 0;
}
