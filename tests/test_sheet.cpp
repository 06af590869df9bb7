#include <QtTest>

#include "project/eap_reader.h"
#include "sheet/sprite_sheet.h"
#include "storage/storage.h"
#include "test_support.h"

using namespace tw;
using test::Cli;
using test::Run;

namespace {

// The worked example with sprite 3 (White) given a full top row and its
// bottom right block, so that White blocks show up on the sheet.
const std::string kSheetExample = [] {
    std::string file = test::kWorkedExample;
    const std::string empty = "00h,00h,00h,00h,00h,00h,00h,00h";
    file.replace(file.find(empty), empty.size(), "0FFh,00h,00h,00h,00h,00h,00h,01h");
    return file;
}();

// The same sheet at scale 1, one character a pixel: '.' the Blue screen,
// Y Yellow (Ship), G Green (Alien), W White (sprite 3).
const char* const kSheetAtScale1[] = {
    ".....................................",
    "....YY....G......G.WWWWWWWW..........",
    "...YYYY....G....G....................",
    "..YYYYYY....GGGG.....................",
    ".YYYYYYYY..G.GG.G....................",
    ".YYYYYYYY..GGGGGG....................",
    "..YYYYYY....G..G.....................",
    "...YYYY....G....G....................",
    "....YY....G......G........W..........",
    ".....................................",
};

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QRgb ArtColor(char ch)
{
    switch (ch) {
    case 'Y': return kYellow;
    case 'G': return kGreen;
    case 'W': return kWhite;
    default: return kBlue;
    }
}

SpriteProject Loaded(const std::string& file)
{
    SpriteProject project;
    const ReadResult read = ReadProjectFile(file);
    if (read.Record)
        ApplyProjectRecord(project, *read.Record, "/d/sheet.eap", "sheet.eap");
    return project;
}

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }

} // namespace

class SheetTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString project;

private Q_SLOTS:
    void init()
    {
        QVERIFY(dir.isValid());
        project = dir.filePath("sheet.eap");
        QVERIFY(test::WriteAll(project, test::Bytes(kSheetExample)));
    }

    void scaleOneMatchesTheDrawing()
    {
        const QImage image = sheet::RenderSpriteSheet(Loaded(kSheetExample), 1);
        QCOMPARE(image.size(), QSize(37, 10));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 37; ++x) {
                const QRgb expected = ArtColor(kSheetAtScale1[y][x]);
                if (Pixel(image, x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(Pixel(image, x, y), 8, 16, QChar('0'))
                                         .arg(expected, 8, 16, QChar('0'))));
            }
    }

    // At a larger scale every block is a solid N x N square in the same place.
    void largerScalesBlowUpEveryPixel()
    {
        const SpriteProject loaded = Loaded(kSheetExample);
        const QImage one = sheet::RenderSpriteSheet(loaded, 1);
        for (const int scale : {2, 3, 8}) {
            const QImage image = sheet::RenderSpriteSheet(loaded, scale);
            QCOMPARE(image.size(), QSize(37 * scale, 10 * scale));
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (Pixel(image, x, y) != Pixel(one, x / scale, y / scale))
                        QFAIL(qPrintable(QStringLiteral("scale %1: pixel %2,%3 differs").arg(scale).arg(x).arg(y)));
        }
    }

    void blockCentresAtTheDefaultScale_data()
    {
        QTest::addColumn<int>("sprite");
        QTest::addColumn<int>("block");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("Ship top row, block 3 set") << 0 << 3 << kYellow;
        QTest::newRow("Ship top row, block 2 clear") << 0 << 2 << kBlue;
        QTest::newRow("Ship row 3 full") << 0 << 24 << kYellow;
        QTest::newRow("Alien block 0 set") << 1 << 0 << kGreen;
        QTest::newRow("Alien block 1 clear") << 1 << 1 << kBlue;
        QTest::newRow("White sprite, set block") << 2 << 7 << kWhite;
        QTest::newRow("White sprite, last block") << 2 << 63 << kWhite;
        QTest::newRow("White sprite, clear block") << 2 << 8 << kBlue;
        QTest::newRow("empty sprite") << 3 << 27 << kBlue;
    }
    void blockCentresAtTheDefaultScale()
    {
        QFETCH(int, sprite);
        QFETCH(int, block);
        QFETCH(QRgb, color);
        const int n = sheet::kDefaultScale;
        QCOMPARE(n, 8);
        const QImage image = sheet::RenderSpriteSheet(Loaded(kSheetExample), n);
        const int x = (1 + 9 * sprite + block % 8) * n + n / 2;
        const int y = (1 + block / 8) * n + n / 2;
        QCOMPARE(Pixel(image, x, y), color);
    }

    void gapsAndWhiteScreen()
    {
        const QImage image = sheet::RenderSpriteSheet(Loaded(kSheetExample), 8);
        QCOMPARE(Pixel(image, 0, 0), kBlue);
        QCOMPARE(Pixel(image, 9 * 8 + 4, 40), kBlue);   // between Ship and Alien
        QCOMPARE(Pixel(image, 36 * 8 + 7, 79), kBlue);  // bottom right corner
        QCOMPARE(Pixel(image, 19 * 8, 7), kBlue);       // just above sprite 3's white top row
        QCOMPARE(Pixel(image, 19 * 8, 8), kWhite);

        // White as the screen colour is true white, gaps included.
        SpriteProject whiteScreen;
        whiteScreen.SelectColor(7);
        whiteScreen.ApplyScreenColor();
        whiteScreen.SelectColor(2);
        whiteScreen.ApplySpriteColor(0);
        whiteScreen.ClickBlock(0, 0);
        const QImage white = sheet::RenderSpriteSheet(whiteScreen, 2);
        QCOMPARE(Pixel(white, 0, 0), kWhite);
        QCOMPARE(Pixel(white, 2, 2), qRgb(255, 0, 0));
        QCOMPARE(Pixel(white, 4, 2), kWhite);
    }

    void scaleOutsideTheRangeDrawsNothing()
    {
        QVERIFY(sheet::RenderSpriteSheet(Loaded(kSheetExample), 0).isNull());
        QVERIFY(sheet::RenderSpriteSheet(Loaded(kSheetExample), 65).isNull());
        QCOMPARE(sheet::RenderSpriteSheet(Loaded(kSheetExample), 64).size(), QSize(2368, 640));
    }

    void cliWritesThePng_data()
    {
        QTest::addColumn<QStringList>("scaleArgs");
        QTest::addColumn<QSize>("size");
        QTest::newRow("default") << QStringList{} << QSize(296, 80);
        QTest::newRow("scale 1") << QStringList{"--scale", "1"} << QSize(37, 10);
        QTest::newRow("scale 3") << QStringList{"--scale", "3"} << QSize(111, 30);
    }
    void cliWritesThePng()
    {
        QFETCH(QStringList, scaleArgs);
        QFETCH(QSize, size);
        const QString png = dir.filePath("sheet.png");
        const Run run = Cli(QStringList{"png", project, "-o", png} + scaleArgs);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QImage written(png, "PNG");
        QCOMPARE(written.size(), size);

        SpriteProject loaded;
        QVERIFY(storage::LoadProject(project, loaded).Ok);
        const QImage expected = sheet::RenderSpriteSheet(loaded, size.width() / 37);
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }

    void cliRefusesAndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("args"); // "$P" the project, "$O" the output
        QTest::addColumn<int>("exitCode");
        QTest::newRow("scale 0") << QStringList{"png", "$P", "-o", "$O", "--scale", "0"} << 2;
        QTest::newRow("scale 65") << QStringList{"png", "$P", "-o", "$O", "--scale", "65"} << 2;
        QTest::newRow("negative scale") << QStringList{"png", "$P", "-o", "$O", "--scale=-2"} << 2;
        QTest::newRow("scale not a number") << QStringList{"png", "$P", "-o", "$O", "--scale", "big"} << 2;
        QTest::newRow("fractional scale") << QStringList{"png", "$P", "-o", "$O", "--scale", "2.5"} << 2;
        QTest::newRow("no -o") << QStringList{"png", "$P"} << 2;
        QTest::newRow("two projects") << QStringList{"png", "$P", "$P", "-o", "$O"} << 2;
        QTest::newRow("--scale with bin") << QStringList{"bin", "$P", "-o", "$O", "--scale", "2"} << 2;
        QTest::newRow("unloadable project") << QStringList{"png", "$B", "-o", "$O"} << 1;
        QTest::newRow("missing project") << QStringList{"png", "$M", "-o", "$O"} << 1;
    }
    void cliRefusesAndWritesNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const QString broken = dir.filePath("broken.eap");
        QVERIFY(test::WriteAll(broken, test::Bytes(kSheetExample.substr(0, 154))));
        const QString out = dir.filePath("out.png");
        for (QString& arg : args)
            arg = arg == "$P" ? project : arg == "$B" ? broken : arg == "$M" ? dir.filePath("missing.eap") : arg == "$O" ? out : arg;
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);

        const Run run = Cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);

        // An existing sheet survives a failed run untouched.
        QVERIFY(test::WriteAll(out, "old"));
        QCOMPARE(Cli(args).exitCode, exitCode);
        QCOMPARE(test::ReadAll(out), QByteArray("old"));
    }

    void cliReportsAnUnwritableTarget()
    {
        const QString target = dir.filePath("nowhere/sheet.png");
        const Run run = Cli({"png", project, "-o", target});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(target + ": "), qPrintable(run.err));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(SheetTest)
#include "test_sheet.moc"
