// Editing with the mouse: block clicks, Clear, Color, Screen Color, the colour
// options and the Sprite View, checked on the row boxes, labels and on what
// the grids actually paint.
#include <QPaintEvent>
#include <QTest>

#include "ui_test_support.h"

using namespace tw::uitest;

namespace {


const QStringList kClearRows(8, QStringLiteral("00"));

QStringList RowTexts(std::initializer_list<const char*> texts)
{
    QStringList rows;
    for (const char* text : texts)
        rows << QString::fromLatin1(text);
    return rows;
}

class PaintSpy : public QObject {
public:
    QRegion Painted;
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
            ++Paints;
        }
        return false;
    }
};

constexpr unsigned char kCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
constexpr unsigned char kBar[8] = {0, 0, 0, 0xFF, 0, 0, 0, 0};

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { editor_ = std::make_unique<Editor>(); }
    void cleanup() { editor_.reset(); }

    void clickingBlockZeroTogglesRowZero()
    {
        Editor& e = *editor_;
        e.ClickBlock(0, 0);
        QCOMPARE(e.Rows(0), RowTexts({"80", "00", "00", "00", "00", "00", "00", "00"}));
        QCOMPARE(e.Model().Sprites[0].Blocks[0], tw::kWhiteColorNumber);
        QList<QColor> expected = Repeat(kBlack);
        expected[0] = kWhite; // the system White is painted as true white
        QCOMPARE(CellColours(e.Grid(0)), expected);
        for (int k = 1; k < 4; ++k) {
            QCOMPARE(e.Rows(k), kClearRows);
            QCOMPARE(CellColours(e.Grid(k)), Repeat(kBlack));
        }

        e.ClickBlock(0, 0);
        QCOMPARE(e.Rows(0), kClearRows);
        QCOMPARE(CellColours(e.Grid(0)), Repeat(kBlack));
    }

    void clickingTheLastBlockSetsOnlyTheLastRow()
    {
        Editor& e = *editor_;
        e.ClickBlock(2, 63);
        QCOMPARE(e.Rows(2), RowTexts({"00", "00", "00", "00", "00", "00", "00", "01"}));
        for (int k : {0, 1, 3})
            QCOMPARE(e.Rows(k), kClearRows);
        QCOMPARE(CellColours(e.Grid(2)).at(63), kWhite);
    }

    void clickingTheMiddleFourBlocksOfARowGives3C()
    {
        Editor& e = *editor_;
        e.ClickBlock(3, 8 * 6 + 0); // another row first, to see that it stays
        for (int c = 2; c <= 5; ++c)
            e.ClickBlock(3, 8 * 4 + c);
        QCOMPARE(e.Rows(3), RowTexts({"00", "00", "00", "00", "3C", "00", "80", "00"}));

        e.ClickBlock(3, 8 * 4 + 3);
        QCOMPARE(e.Rows(3).at(4), QStringLiteral("2C"));
        e.ClickBlock(3, 8 * 4 + 2);
        e.ClickBlock(3, 8 * 4 + 4);
        e.ClickBlock(3, 8 * 4 + 5);
        QCOMPARE(e.Rows(3), RowTexts({"00", "00", "00", "00", "00", "00", "80", "00"}));
    }

    void aClickRepaintsOnlyItsBlock()
    {
        Editor& e = *editor_;
        BlockGrid* grid = e.Grid(1);
        PaintSpy spy;
        grid->installEventFilter(&spy);
        e.ClickBlock(1, 42);
        QTRY_VERIFY(spy.Paints > 0);
        QCOMPARE(spy.Painted, QRegion(grid->CellRect(42)));
        grid->removeEventFilter(&spy);
    }

    void clicksBetweenBlocksOrWithTheRightButtonDoNothing()
    {
        Editor& e = *editor_;
        BlockGrid* grid = e.Grid(0);
        const QRect first = grid->CellRect(0);
        const QRect below = grid->CellRect(8);
        const QPoint gapRight(first.right() + 1, first.center().y());
        const QPoint gapBelow(first.center().x(), first.bottom() + 1);
        QVERIFY(grid->CellAt(gapRight) < 0 && grid->CellAt(gapBelow) < 0);
        QVERIFY(gapBelow.y() < below.top());
        const Snapshot before = Take(e);
        QTest::mouseClick(grid, Qt::LeftButton, {}, gapRight);
        QTest::mouseClick(grid, Qt::LeftButton, {}, gapBelow);
        QTest::mouseClick(grid, Qt::RightButton, {}, first.center());
        QCOMPARE(Take(e), before);
        // The gaps are painted in the panel's own background.
        QCOMPARE(PixelAt(grid, gapRight), grid->palette().color(QPalette::Window));
    }

    void clearPaintsTheSpriteInTheScreenColour()
    {
        Editor& e = *editor_;
        e.DrawRows(1, kCross);
        e.DrawRows(2, kBar);
        e.Click("cmdThumbNail", 1);
        e.Pick(1);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        const QList<QColor> view = CellColours(e.View());
        QCOMPARE(view, Drawn(kCross, kWhite, kBlack));

        e.Click("cmdSpriteClear", 1);
        QCOMPARE(CellColours(e.Grid(1)), Repeat(kBlue));
        QCOMPARE(e.Rows(1), kClearRows);
        // Nothing else moves: the other sprites, the square, the labels, the view.
        QCOMPARE(CellColours(e.Grid(2)), Drawn(kBar, kWhite, kBlue));
        QCOMPARE(e.Rows(2), RowTexts({"00", "00", "00", "FF", "00", "00", "00", "00"}));
        QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_1")), QPoint(8, 8)), kWhite);
        QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_1")), QStringLiteral("7"));
        QCOMPARE(CellColours(e.View()), view);

        // A cleared sprite draws again from scratch.
        e.ClickBlock(1, 0);
        QCOMPARE(e.Rows(1).at(0), QStringLiteral("80"));
    }

    void colorGivesOneSpriteTheSelectedColour()
    {
        Editor& e = *editor_;
        e.DrawRows(1, kCross);
        e.DrawRows(2, kBar);
        e.Pick(6);
        QCOMPARE(e.Model().SelectedColor, 6);
        e.Click("cmdSpriteColor", 1);

        QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_1")), QStringLiteral("6"));
        QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_1")), QPoint(8, 8)), kYellow);
        QCOMPARE(CellColours(e.Grid(1)), Drawn(kCross, kYellow, kBlack));
        QCOMPARE(e.Rows(1), RowTexts({"81", "42", "24", "18", "18", "24", "42", "81"}));
        // The other sprites keep their colour, square, label and blocks.
        QCOMPARE(CellColours(e.Grid(2)), Drawn(kBar, kWhite, kBlack));
        for (int k : {0, 2, 3}) {
            QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_%1").arg(k)), QStringLiteral("7"));
            QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_%1").arg(k)), QPoint(8, 8)), kWhite);
        }
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("0"));

        // The choice stays selected and serves the next sprite too.
        e.Click("cmdSpriteColor", 2);
        QCOMPARE(CellColours(e.Grid(2)), Drawn(kBar, kYellow, kBlack));
        QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_2")), QStringLiteral("6"));
        // New blocks take the new colour.
        e.ClickBlock(1, 1);
        QCOMPARE(CellColours(e.Grid(1)).at(1), kYellow);
        QCOMPARE(e.Rows(1).at(0), QStringLiteral("C1"));
    }

    void screenColorBeforeAnyBlockRepaintsEverySprite()
    {
        Editor& e = *editor_;
        e.Pick(4);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(CellColours(e.Grid(k)), Repeat(kGreen));
            QCOMPARE(e.Rows(k), kClearRows);
            QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_%1").arg(k)), QStringLiteral("7"));
        }
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("4"));
        // Only the surround of the view follows; its cells keep the last View.
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kGreen);
        QCOMPARE(CellColours(e.View()), Repeat(kBlack));
    }

    void screenColorKeepsForegroundBlocks()
    {
        Editor& e = *editor_;
        e.DrawRows(0, kCross);
        e.Pick(3);
        e.Click("cmdSpriteColor", 3);
        e.DrawRows(3, kBar);
        e.Pick(2);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        QCOMPARE(CellColours(e.Grid(0)), Drawn(kCross, kWhite, kRed));
        QCOMPARE(CellColours(e.Grid(3)), Drawn(kBar, CodeRgb(3), kRed));
        QCOMPARE(e.Rows(0), RowTexts({"81", "42", "24", "18", "18", "24", "42", "81"}));
        // Clicks now toggle between red and each sprite's colour.
        e.ClickBlock(3, 0);
        QCOMPARE(CellColours(e.Grid(3)).at(0), CodeRgb(3));
        QCOMPARE(e.Rows(3).at(0), QStringLiteral("80"));
    }

    void colorWithTheScreenColourHidesTheSprite()
    {
        Editor& e = *editor_;
        e.DrawRows(0, kBar);
        e.Pick(0);
        e.Click("cmdSpriteColor", 0);
        QCOMPARE(CellColours(e.Grid(0)), Repeat(kBlack));
        QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_0")), QStringLiteral("0"));
        QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_0")), QPoint(8, 8)), kBlack);
        // The rows still describe the old shape ...
        QCOMPARE(e.Rows(0).at(3), QStringLiteral("FF"));
        // ... and a click finds every block of its row equal to the foreground.
        e.ClickBlock(0, 1);
        QCOMPARE(e.Rows(0).at(0), QStringLiteral("FF"));
        QCOMPARE(CellColours(e.Grid(0)).at(1), kBlack);
    }

    void screenColorEqualToTheForegroundSetsEveryBlock()
    {
        Editor& e = *editor_;
        e.Pick(7);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(CellColours(e.Grid(k)), Repeat(kWhite));
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("7"));

        // Sprite 1 takes another colour first: its blocks all equal the
        // screen, show as clear, and clicks set them in the new colour.
        e.Pick(6);
        e.Click("cmdSpriteColor", 0);
        QCOMPARE(CellColours(e.Grid(0)), Repeat(kWhite));
        e.ClickBlock(0, 9);
        QCOMPARE(CellColours(e.Grid(0)).at(9), kYellow);
        QCOMPARE(e.Rows(0).at(1), QStringLiteral("40"));

        // A new screen colour: the other sprites' blocks all equal their
        // foreground and stay; sprite 1 keeps its yellow block only.
        e.Pick(1);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        QList<QColor> first = Repeat(kBlue);
        first[9] = kYellow;
        QCOMPARE(CellColours(e.Grid(0)), first);
        for (int k = 1; k < 4; ++k) {
            QCOMPARE(CellColours(e.Grid(k)), Repeat(kWhite));
            QCOMPARE(e.Rows(k), kClearRows); // the rows were never re-encoded
        }
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kBlue);
        // A click in such a sprite encodes the whole row as set.
        e.ClickBlock(2, 16);
        QCOMPARE(e.Rows(2).at(2), QStringLiteral("7F"));
    }

    void optionsRecordTheChoiceOnly()
    {
        Editor& e = *editor_;
        QVERIFY(e.Option(0)->isChecked());
        const Snapshot before = Take(e);
        e.Pick(5);
        QCOMPARE(e.Model().SelectedColor, 5);
        QVERIFY(e.Option(5)->isChecked());
        QVERIFY(!e.Option(0)->isChecked());
        // Selected from code, an option has the same effect as a click.
        e.Option(3)->setChecked(true);
        QCOMPARE(e.Model().SelectedColor, 3);
        QVERIFY(!e.Option(5)->isChecked());
        // Nothing is painted by a choice alone.
        e.Option(0)->setChecked(true);
        QCOMPARE(Take(e), before);
    }

    void viewCopiesOneSpriteAtATime()
    {
        Editor& e = *editor_;
        for (int k = 0; k < 4; ++k) {
            e.Click("cmdThumbNail", k);
            QCOMPARE(CellColours(e.View()), Repeat(kBlack));
            QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kBlack);
        }
        e.DrawRows(1, kCross);
        e.Pick(6);
        e.Click("cmdSpriteColor", 1);
        e.DrawRows(0, kBar);
        e.Click("cmdThumbNail", 1);
        QCOMPARE(CellColours(e.View()), Drawn(kCross, kYellow, kBlack));
        QCOMPARE(e.Model().ThumbNailCells, e.Model().Sprites[1].Blocks);

        // A snapshot: later edits do not reach the view.
        e.ClickBlock(1, 27);
        QCOMPARE(CellColours(e.View()), Drawn(kCross, kYellow, kBlack));

        e.Click("cmdThumbNail", 0);
        QCOMPARE(CellColours(e.View()), Drawn(kBar, kWhite, kBlack));
        e.Click("cmdThumbNail", 2);
        QCOMPARE(CellColours(e.View()), Repeat(kBlack));

        // The surround follows Screen Color at once, the cells only View.
        e.Click("cmdThumbNail", 1);
        e.Pick(2);
        e.Click(e.Button(QStringLiteral("cmdSetBGnd")));
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kRed);
        QList<QColor> stale = Drawn(kCross, kYellow, kBlack);
        stale[27] = kBlack; // block 27 was part of the cross and was cleared
        QCOMPARE(CellColours(e.View()), stale);
        e.Click("cmdThumbNail", 1);
        QList<QColor> fresh = Drawn(kCross, kYellow, kRed);
        fresh[27] = kRed;
        QCOMPARE(CellColours(e.View()), fresh);
    }

private:
    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(EditingTest)
#include "test_ui_editing.moc"
