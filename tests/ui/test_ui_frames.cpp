// The titled frames: a small repaint served from a kept copy of the frame's
// pixels must leave the screen exactly as a full repaint would, whatever
// changed about the frame since the copy was made.
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

#include "ui/titled_frame.h"
#include "ui_test_support.h"

using namespace tw::uitest;
using tw::ui::TitledFrame;

namespace {

// The window as the screen shows it: offscreen, the flushed backing store.
QImage Screen(QWidget* window)
{
    const QRect area = window->geometry();
    return window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// Empty if the two pictures are the same, else where they first differ.
QString Difference(const QImage& got, const QImage& wanted)
{
    if (got.size() != wanted.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != wanted.pixel(x, y))
                return QStringLiteral("pixel %1,%2 is %3, a full repaint gives %4")
                    .arg(x)
                    .arg(y)
                    .arg(got.pixel(x, y), 8, 16)
                    .arg(wanted.pixel(x, y), 8, 16);
    return QString();
}

// The screen now, against the screen after the whole window is repainted.
QString DifferenceFromFullRepaint(QWidget* window)
{
    const QImage now = Screen(window);
    window->repaint();
    return Difference(now, Screen(window));
}

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class FramesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        top_ = std::make_unique<QWidget>();
        top_->setFixedSize(460, 360);
        frame_ = new TitledFrame(QStringLiteral("Frame"), top_.get());
        // A style that paints the frame in palette colours, so that a stale
        // copy shows.
        windows_.reset(QStyleFactory::create(QStringLiteral("Windows")));
        QVERIFY(windows_);
        frame_->setStyle(windows_.get());
        frame_->setGeometry(10, 10, 400, 300);
        top_->show();
        QVERIFY(QTest::qWaitForWindowExposed(top_.get()));
        Settle();
    }

    void cleanup()
    {
        top_.reset();
        windows_.reset();
    }

    // The row box repaints itself and the frames beneath it on every block
    // click; those frames serve it from copies, and the pixels stay exact.
    void blockClicksRepaintExactlyAsAFullRepaint()
    {
        top_->hide();
        Editor editor;
        Settle();
        for (int k = 0; k < tw::kSprites; ++k) {
            editor.ClickBlock(k, 0);
            editor.ClickBlock(k, 9 + k);
            Settle();
        }
        QCOMPARE(editor.Rows(0).value(0), QStringLiteral("80"));
        QVERIFY(editor.Find<TitledFrame>(QStringLiteral("fmeSprite_0"))->KeptPieces() > 0);
        QVERIFY(editor.Find<TitledFrame>(QStringLiteral("fmeSpriteGen"))->KeptPieces() > 0);
        QString difference = DifferenceFromFullRepaint(editor.Window.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));

        // Again, now that the copies exist.
        for (int k = 0; k < tw::kSprites; ++k) {
            editor.ClickBlock(k, 0);
            Settle();
        }
        QCOMPARE(editor.Rows(0).value(0), QStringLiteral("00"));
        difference = DifferenceFromFullRepaint(editor.Window.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void smallRepaintsAreServedFromCopies()
    {
        const QRect edge(frame_->width() - 8, 150, 8, 8);
        frame_->repaint(edge);
        QCOMPARE(frame_->KeptPieces(), 1);
        frame_->repaint(edge);
        QCOMPARE(frame_->KeptPieces(), 1);
        frame_->repaint(edge.translated(0, 20));
        QCOMPARE(frame_->KeptPieces(), 2);
        // A large repaint goes to the style and keeps nothing.
        frame_->repaint(QRect(0, 0, 100, 100));
        QCOMPARE(frame_->KeptPieces(), 2);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void keptCopiesStayWithinTheirBudget()
    {
        constexpr int side = 60;
        constexpr int most = TitledFrame::kMaxKeptPixels / (side * side);
        for (int n = 0; n < 2 * most; ++n)
            frame_->repaint(QRect(5 + (n % 6) * side, 60 + (n / 6) * side / 2, side, side));
        QVERIFY2(frame_->KeptPieces() <= most, qPrintable(QString::number(frame_->KeptPieces())));
        QVERIFY(frame_->KeptPieces() > 0);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Each change below alters the frame's pixels in a rectangle that was
    // kept before it; a small repaint there afterwards must show the change.
    void copiesFollowThePalette()
    {
        const QRect edge(frame_->width() - 8, 150, 8, 8);
        frame_->repaint(edge);
        QPalette palette = frame_->palette();
        palette.setColor(QPalette::Light, Qt::red);
        palette.setColor(QPalette::Dark, Qt::blue);
        palette.setColor(QPalette::Mid, Qt::green);
        palette.setColor(QPalette::Shadow, Qt::magenta);
        const QImage before = Screen(top_.get());
        frame_->setPalette(palette);
        Settle();
        QVERIFY(Screen(top_.get()) != before);
        frame_->repaint(edge);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void copiesFollowTheSize()
    {
        const QRect edge(frame_->width() - 8, 150, 8, 8);
        frame_->repaint(edge);
        frame_->resize(frame_->width() + 30, frame_->height());
        Settle();
        frame_->repaint(edge);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void copiesFollowTheFont()
    {
        // The frame's top edge, below the title, moves with the title's height.
        const QRect top(frame_->width() / 2, 0, 8, 40);
        frame_->repaint(top);
        QFont font = frame_->font();
        font.setPointSizeF(font.pointSizeF() * 2);
        frame_->setFont(font);
        Settle();
        frame_->repaint(top);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void theTitleIsAlwaysPaintedByTheStyle()
    {
        const QRect title(0, 0, 60, 20);
        frame_->repaint(title);
        frame_->setTitle(QStringLiteral("Another title"));
        Settle();
        frame_->repaint(title);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void copiesFollowTheStyle()
    {
        const QRect edge(frame_->width() - 8, 150, 8, 8);
        frame_->repaint(edge);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(fusion);
        frame_->setStyle(fusion.get());
        Settle();
        frame_->repaint(edge);
        const QString difference = DifferenceFromFullRepaint(top_.get());
        frame_->setStyle(windows_.get());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

private:
    std::unique_ptr<QStyle> windows_;
    std::unique_ptr<QWidget> top_;
    TitledFrame* frame_ = nullptr;
};

QTEST_MAIN(FramesTest)
#include "test_ui_frames.moc"
