#include <QtTest>

#include "model/row_encoding.h"
#include "model/sprite_project.h"

using namespace tw;

namespace {

constexpr ColorNumber kBlue = 0x00FF0000;
constexpr ColorNumber kRed = 0x000000FF;
constexpr ColorNumber kYellow = 0x0000FFFF;

void Pick(SpriteProject& p, int code) { p.SelectColor(code); }

} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paletteHoldsTheConsoleColours()
    {
        SpriteProject p;
        const char* names[] = {"Black", "Blue", "Red", "Majenta", "Green", "Cyan", "Yellow", "White"};
        const ColorNumber values[] = {0, kBlue, kRed, 0x00FF80FF, 0x0000FF00, 0x00FFFF80, kYellow, kWhiteColorNumber};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(p.ColorSchemes[c].ColorName, std::string(names[c]));
            QCOMPARE(p.ColorValue(c), values[c]);
            QCOMPARE(int(p.ColorSchemes[c].ColorCode), c);
        }
        // White is the system colour reference, stored and compared as such.
        QCOMPARE(static_cast<std::uint32_t>(p.ColorValue(7)), 0x80000005u);
        for (int c : {8, 9}) {
            QCOMPARE(p.ColorSchemes[c].ColorName, std::string());
            QCOMPARE(p.ColorValue(c), 0);
            QCOMPARE(int(p.ColorSchemes[c].ColorCode), 0);
        }
        QCOMPARE(DisplayRgb(kWhiteColorNumber), (Rgb{255, 255, 255}));
        QCOMPARE(DisplayRgb(0x00FF80FF), (Rgb{255, 128, 255}));
        QCOMPARE(DisplayRgb(0x00FFFF80), (Rgb{128, 255, 255}));
    }

    void startStateIsWhiteOnBlack()
    {
        SpriteProject p;
        QCOMPARE(int(p.SelectedColor), 0);
        QCOMPARE(int(p.ScreenBGndColor), 0);
        QCOMPARE(p.ProjectFileName, std::string());
        QCOMPARE(p.FrameCaption, std::string("Sprite Design [Project: (None)]"));
        QCOMPARE(p.BackGroundValue, std::string("0"));
        QCOMPARE(p.ThumbNailSurround, 0);
        for (int k = 0; k < kSprites; ++k) {
            const SpriteState& s = p.Sprites[k];
            QCOMPARE(int(p.SpriteFGndColor[k]), 7);
            QCOMPARE(s.Name, "Sprite" + std::to_string(k + 1));
            QCOMPARE(s.FGColorSquare, kWhiteColorNumber);
            QCOMPARE(s.ForeGroundValue, std::string("7"));
            for (const auto& row : s.HexRows)
                QCOMPARE(row, std::string("00"));
            for (ColorNumber block : s.Blocks)
                QCOMPARE(block, 0);
        }
        // Viewing any sprite right after start shows 64 black cells.
        p.ViewSprite(2);
        for (ColorNumber cell : p.ThumbNailCells)
            QCOMPARE(cell, 0);
    }

    void hexToDecIsCaseSensitive_data()
    {
        QTest::addColumn<QString>("digit");
        QTest::addColumn<int>("value");
        for (int d = 0; d <= 9; ++d)
            QTest::newRow(qPrintable(QString::number(d))) << QString::number(d) << d;
        const char* letters = "ABCDEF";
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(QString(QChar(letters[i])))) << QString(QChar(letters[i])) << 10 + i;
        QTest::newRow("lower f") << "f" << 0;
        QTest::newRow("lower a") << "a" << 0;
        QTest::newRow("blank") << " " << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("G") << "G" << 0;
        QTest::newRow("h") << "h" << 0;
    }
    void hexToDecIsCaseSensitive()
    {
        QFETCH(QString, digit);
        QFETCH(int, value);
        QCOMPARE(HexToDec(digit.toStdString()), value);
    }

    void rowTextDecodingUsesOuterCharacters()
    {
        QCOMPARE(int(RowTextValue("3C")), 0x3C);
        QCOMPARE(int(RowTextValue("F")), 0xFF);
        QCOMPARE(int(RowTextValue("5")), 0x55);
        QCOMPARE(int(RowTextValue("")), 0);
        QCOMPARE(int(RowTextValue("3c")), 0x30);
        QCOMPARE(int(RowTextValue("0FF")), 0x0F);
        QCOMPARE(RowText(0), std::string("00"));
        QCOMPARE(RowText(5), std::string("05"));
        QCOMPARE(RowText(60), std::string("3C"));
        QCOMPARE(RowText(255), std::string("FF"));
    }

    void blockClickEncodesItsRow()
    {
        SpriteProject p;
        p.ClickBlock(0, 0);
        QCOMPARE(p.Sprites[0].Blocks[0], kWhiteColorNumber);
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("80"));
        p.ClickBlock(0, 0);
        QCOMPARE(p.Sprites[0].Blocks[0], 0);
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("00"));

        for (int k = 0; k < kSprites; ++k) {
            p.ClickBlock(k, 63);
            QCOMPARE(p.Sprites[k].HexRows[7], std::string("01"));
        }
        for (int c = 2; c <= 5; ++c)
            p.ClickBlock(2, 8 * 4 + c);
        QCOMPARE(p.Sprites[2].HexRows[4], std::string("3C"));
        for (int c = 0; c < 8; ++c)
            p.ClickBlock(3, 8 * 1 + c);
        QCOMPARE(p.Sprites[3].HexRows[1], std::string("FF"));
    }

    void blockClickTouchesOnlyItsRow()
    {
        SpriteProject p;
        // Row texts need not match their blocks (a loaded file, a Color after
        // a coincidence); a click must not rewrite the other rows.
        for (int r = 0; r < kRows; ++r)
            p.Sprites[1].HexRows[r] = "z" + std::to_string(r);
        const SpriteProject before = p;
        p.ClickBlock(1, 8 * 5 + 7);
        for (int r = 0; r < kRows; ++r)
            QCOMPARE(p.Sprites[1].HexRows[r], r == 5 ? std::string("01") : before.Sprites[1].HexRows[r]);
        for (int i = 0; i < kBlocks; ++i)
            if (i != 47)
                QCOMPARE(p.Sprites[1].Blocks[i], before.Sprites[1].Blocks[i]);
        for (int k : {0, 2, 3})
            QVERIFY(p.Sprites[k] == before.Sprites[k]);
        QCOMPARE(p.ThumbNailCells, before.ThumbNailCells);
    }

    void strayColourFollowsEachOperationsOwnTest()
    {
        SpriteProject p;
        // A block in neither colour: clear for the encoding, screen when
        // clicked, foreground under Color, screen under Screen Color.
        p.Sprites[0].Blocks[0] = kRed;
        p.Sprites[0].Blocks[1] = kWhiteColorNumber;
        p.EncodeRow(0, 0);
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("40"));
        p.ClickBlock(0, 0);
        QCOMPARE(p.Sprites[0].Blocks[0], 0);

        p.Sprites[0].Blocks[0] = kRed;
        Pick(p, 6);
        p.ApplySpriteColor(0);
        QCOMPARE(p.Sprites[0].Blocks[0], kYellow);

        p.Sprites[1].Blocks[9] = kRed;
        Pick(p, 1);
        p.ApplyScreenColor();
        QCOMPARE(p.Sprites[1].Blocks[9], kBlue);
    }

    void selectingAColourOnlyRecordsIt()
    {
        SpriteProject p;
        p.ClickBlock(0, 3);
        const SpriteProject before = p;
        for (int c : {3, 6, 1, 6, 2}) {
            Pick(p, c);
            QCOMPARE(int(p.SelectedColor), c);
        }
        p.SelectedColor = before.SelectedColor;
        QVERIFY(p == before);
    }

    void colourAppliesToOneSprite()
    {
        SpriteProject p;
        p.ClickBlock(1, 0);
        p.ClickBlock(1, 9);
        const SpriteProject before = p;
        Pick(p, 6);
        p.ApplySpriteColor(1);
        QCOMPARE(int(p.SpriteFGndColor[1]), 6);
        QCOMPARE(p.Sprites[1].FGColorSquare, kYellow);
        QCOMPARE(p.Sprites[1].ForeGroundValue, std::string("6"));
        QCOMPARE(p.Sprites[1].Blocks[0], kYellow);
        QCOMPARE(p.Sprites[1].Blocks[9], kYellow);
        QCOMPARE(p.Sprites[1].Blocks[1], 0);
        QCOMPARE(p.Sprites[1].HexRows, before.Sprites[1].HexRows);
        for (int k : {0, 2, 3}) {
            QVERIFY(p.Sprites[k] == before.Sprites[k]);
            QCOMPARE(int(p.SpriteFGndColor[k]), 7);
        }
        QCOMPARE(p.BackGroundValue, std::string("0"));
    }

    void screenColourAppliesToAllSprites()
    {
        SpriteProject p;
        p.ClickBlock(0, 0);
        p.ViewSprite(0);
        const auto cells = p.ThumbNailCells;
        Pick(p, 2);
        p.ApplyScreenColor();
        QCOMPARE(int(p.ScreenBGndColor), 2);
        QCOMPARE(p.BackGroundValue, std::string("2"));
        QCOMPARE(p.ThumbNailSurround, kRed);
        QCOMPARE(p.ThumbNailCells, cells); // the view waits for View
        QCOMPARE(p.Sprites[0].Blocks[0], kWhiteColorNumber);
        for (int k = 0; k < kSprites; ++k) {
            for (int i = (k == 0 ? 1 : 0); i < kBlocks; ++i)
                QCOMPARE(p.Sprites[k].Blocks[i], kRed);
            QCOMPARE(p.Sprites[k].ForeGroundValue, std::string("7"));
        }
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("80"));
    }

    void colourEqualToScreenMakesTheSpriteVanish()
    {
        SpriteProject p;
        p.ClickBlock(0, 0);
        p.ClickBlock(0, 12);
        Pick(p, 0); // the screen colour
        p.ApplySpriteColor(0);
        for (ColorNumber block : p.Sprites[0].Blocks)
            QCOMPARE(block, 0);
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("80")); // rows are not recomputed
        QCOMPARE(p.Sprites[0].HexRows[1], std::string("08"));
        // Every block now equals both values: a click keeps its colour and the
        // row encodes as all set.
        p.ClickBlock(0, 13);
        QCOMPARE(p.Sprites[0].Blocks[13], 0);
        QCOMPARE(p.Sprites[0].HexRows[1], std::string("FF"));
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("80"));
    }

    void screenEqualToForegroundThenAnotherScreen()
    {
        SpriteProject p;
        Pick(p, 7);
        p.ApplyScreenColor(); // every block of every sprite becomes White
        for (int k = 0; k < kSprites; ++k)
            for (ColorNumber block : p.Sprites[k].Blocks)
                QCOMPARE(block, kWhiteColorNumber);
        Pick(p, 1);
        p.ApplyScreenColor(); // each block equals its foreground: none changes
        for (int k = 0; k < kSprites; ++k)
            for (ColorNumber block : p.Sprites[k].Blocks)
                QCOMPARE(block, kWhiteColorNumber);
        p.ClickBlock(0, 0);
        QCOMPARE(p.Sprites[0].Blocks[0], kBlue);
        QCOMPARE(p.Sprites[0].HexRows[0], std::string("7F"));
    }

    void screenEqualToForegroundThenAnotherColour()
    {
        SpriteProject p;
        Pick(p, 7);
        p.ApplyScreenColor();
        Pick(p, 2);
        p.ApplySpriteColor(3); // every block equals the screen: none changes
        for (ColorNumber block : p.Sprites[3].Blocks)
            QCOMPARE(block, kWhiteColorNumber);
        p.ClickBlock(3, 8);
        QCOMPARE(p.Sprites[3].Blocks[8], kRed);
        QCOMPARE(p.Sprites[3].HexRows[1], std::string("80"));
        Pick(p, 0);
        p.ApplyScreenColor();
        QCOMPARE(p.Sprites[3].Blocks[8], kRed);
        QCOMPARE(p.Sprites[3].Blocks[9], 0);
        QCOMPARE(p.Sprites[3].Blocks[0], 0);
        // Sprites whose foreground stayed White kept every block.
        QCOMPARE(p.Sprites[0].Blocks[0], kWhiteColorNumber);
    }

    void clearPaintsTheScreenAndResetsTheRows()
    {
        SpriteProject p;
        Pick(p, 5);
        p.ApplyScreenColor();
        p.ClickBlock(2, 0);
        p.ClickBlock(2, 63);
        Pick(p, 4);
        p.ApplySpriteColor(2);
        const SpriteProject before = p;
        p.ClearSprite(2);
        for (ColorNumber block : p.Sprites[2].Blocks)
            QCOMPARE(block, p.ColorValue(5));
        for (const auto& row : p.Sprites[2].HexRows)
            QCOMPARE(row, std::string("00"));
        QCOMPARE(int(p.SpriteFGndColor[2]), 4);
        QCOMPARE(p.Sprites[2].FGColorSquare, before.Sprites[2].FGColorSquare);
        QCOMPARE(p.Sprites[2].ForeGroundValue, std::string("4"));
        QVERIFY(p.Sprites[0] == before.Sprites[0]);
    }

    void viewIsASnapshotOfOneSprite()
    {
        SpriteProject p;
        p.ClickBlock(1, 5);
        p.ClickBlock(0, 60);
        p.ViewSprite(1);
        QCOMPARE(p.ThumbNailCells, p.Sprites[1].Blocks);
        p.ClickBlock(1, 6);
        QCOMPARE(p.ThumbNailCells[6], 0);
        p.ViewSprite(0); // nothing of sprite 2 remains
        QCOMPARE(p.ThumbNailCells, p.Sprites[0].Blocks);
        QCOMPARE(p.ThumbNailCells[5], 0);
        QCOMPARE(p.ThumbNailCells[60], kWhiteColorNumber);
    }

    void newProjectResetsEverythingButTheTitle()
    {
        SpriteProject p;
        Pick(p, 3);
        p.ApplyScreenColor();
        Pick(p, 6);
        p.ApplySpriteColor(1);
        p.ClickBlock(1, 1);
        p.RenameSprite(1, "Hero");
        p.ViewSprite(1);
        p.SetProjectFile("/tmp/x/hero.eap", "hero.eap");
        p.NewProject();
        SpriteProject fresh;
        QCOMPARE(p.ProjectFileTitle, std::string("hero.eap"));
        p.ProjectFileTitle.clear();
        QVERIFY(p == fresh);
    }

    void projectFileNamesTheCaption()
    {
        SpriteProject p;
        p.SetProjectFile("/home/u/DEMO.eap", "DEMO.eap");
        QCOMPARE(p.FrameCaption, std::string("Sprite Design [Project: DEMO.eap]"));
        QCOMPARE(p.ProjectFileName, std::string("/home/u/DEMO.eap"));
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "test_model.moc"
