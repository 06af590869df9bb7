// The console room without MAME: the collision registers against the bytes
// MAME 0.251 read for each placement of tests/data/mame/collisions.txt, the
// pixels behind them, and the field the renderer draws at the points where
// MAME's snapshots showed each rule.
#include "console/collisions.h"
#include "console/renderer.h"
#include "model/row_encoding.h"
#include "support.h"

using namespace tw;
using namespace tw::test;

Q_DECLARE_METATYPE(tw::ConsoleShows)

namespace {

std::uint8_t Hex(const QByteArray& text) { return std::uint8_t(text.toUInt(nullptr, 16)); }

// A project whose scene is a row of collisions.txt: name, the 0x19F9 byte,
// the sprites' lines, the positions, the shapes, the cells that are not blank.
SpriteProject ProjectOf(const QList<QByteArray>& row)
{
    SpriteProject p;
    ConsoleScene& scene = p.Scene.emplace();
    const std::uint8_t screen = Hex(row[1]);
    p.ScreenBGndColor = screen & kScreenColourBits;
    scene.SecondColourSet = screen & kColourSetBit;
    scene.CellLines = screen & kShortCellsBit ? kShortLines : kTallLines;
    const QList<QByteArray> lines = row[2].split('-'), positions = row[3].split(','), shapes = row[4].split(',');
    for (int k = 0; k < kSprites; ++k) {
        p.Console.SpriteLines[k] = std::uint8_t(lines[k].toInt());
        for (int r = 0; r < kRows; ++r)
            p.Sprites[k].HexRows[r] = RowText(Hex(shapes[k].mid(2 * r, 2)));
    }
    for (std::size_t i = 0; i < scene.Positions.size(); ++i)
        scene.Positions[i] = Hex(positions[qsizetype(i)]);
    for (const QByteArray& cell : row[5] == "-" ? QList<QByteArray>() : row[5].split(','))
        scene.Cells[std::size_t(cell.left(cell.indexOf('=')).toInt())] = Hex(cell.mid(cell.indexOf('=') + 1));
    return p;
}

QList<QByteArray> Placement(const QByteArray& name)
{
    for (const QByteArray& line : ReadAll(Data("mame/collisions.txt")).split('\n'))
        if (line.startsWith(name + ' '))
            return line.simplified().split(' ');
    qFatal("no placement %s", name.constData());
}

// A scene of blank cells but those given, as the chip holds it at rest.
ConsoleShows Field(std::uint8_t screen, std::uint8_t top, std::initializer_list<std::pair<int, std::uint8_t>> cells)
{
    ConsoleShows shows;
    shows.Chip.Screen = screen;
    shows.Chip.FieldTop = top;
    shows.Chip.Positions.fill(0); // no sprite drawn
    for (const auto& [at, byte] : cells)
        shows.Chip.Cells[std::size_t(at)] = byte;
    for (std::size_t r = 0; r < 8; ++r)
        shows.CellShapes[r] = 0x80, shows.Chip.Shapes[r] = 0x01, shows.Chip.UserCharacters[8 + r] = 0x40;
    return shows;
}

} // namespace

class ConsoleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every placement gives the two bytes MAME read in the scene image.
    void collisionRegisters_data()
    {
        QTest::addColumn<QList<QByteArray>>("row");
        for (const QByteArray& line : ReadAll(Data("mame/collisions.txt")).split('\n'))
            if (!line.startsWith('#') && !line.trimmed().isEmpty())
                QTest::newRow(line.left(line.indexOf(' ')).constData()) << line.simplified().split(' ');
    }
    void collisionRegisters()
    {
        QFETCH(QList<QByteArray>, row);
        const Collisions found = CollisionsOf(ShownAt(ProjectOf(row), {0}));
        QCOMPARE(QByteArray::number(found.Characters, 16).rightJustified(2, '0').toUpper() + ' ' +
                     QByteArray::number(found.Pairs, 16).rightJustified(2, '0').toUpper(),
                 row[6] + ' ' + row[7]);
    }

    // The pixels behind the registers show the chip's rules: a 16-line
    // sprite tested on its even lines, two 16-line sprites compared 8 lines
    // tall, one pixel of a full stop.
    void collisionPixels_data()
    {
        QTest::addColumn<QByteArray>("placement");
        QTest::addColumn<QList<int>>("lines"); // the lines that have colliding pixels
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstX");
        QTest::addColumn<int>("what");
        // sprite 1 at lines 99 to 114 over the block's lines 113 on: its line 14 only
        QTest::newRow("tall sprite two lines over a block") << QByteArray("block-tall-above-2-s1") << QList<int>{113} << 8 << 96 << 0x01;
        QTest::newRow("tall sprite one line over a block") << QByteArray("block-tall-above-1-s1") << QList<int>{} << 0 << 0 << 0;
        // sprite 4 at lines 128 on: its first line is on the block's last
        QTest::newRow("tall sprite one line under a block") << QByteArray("block-tall-below-1-s4") << QList<int>{128} << 8 << 96 << 0x08;
        QTest::newRow("short sprite one pixel over a corner") << QByteArray("block-br-over-s1") << QList<int>{128} << 1 << 103 << 0x01;
        // sprite 2 seven lines under sprite 1: its row 0 meets sprite 1's row 7, at line 157
        QTest::newRow("tall sprites 7 lines apart") << QByteArray("pair-tall-7-12") << QList<int>{157} << 8 << 60 << 0x10;
        QTest::newRow("tall sprites 8 lines apart") << QByteArray("pair-tall-8-12") << QList<int>{} << 0 << 0 << 0;
        QTest::newRow("sprites 3 and 4, one column over") << QByteArray("pair-right-over-34")
                                                          << QList<int>{150, 151, 152, 153, 154, 155, 156, 157} << 8 << 67 << 0x200;
        QTest::newRow("the full stop's pixel") << QByteArray("cell-stop-on") << QList<int>{127} << 1 << 100 << 0x01;
        QTest::newRow("a tall sprite's second line on the full stop") << QByteArray("cell-stop-tall-second-line") << QList<int>{} << 0 << 0 << 0;
        QTest::newRow("lit blocks") << QByteArray("cell-blocks-lit") << QList<int>{113} << 2 << 102 << 0x01;
    }
    void collisionPixels()
    {
        QFETCH(QByteArray, placement);
        QFETCH(QList<int>, lines);
        QFETCH(int, count);
        QFETCH(int, firstX);
        QFETCH(int, what);
        const Collisions found = CollisionsOf(ShownAt(ProjectOf(Placement(placement)), {0}));
        QList<int> seen;
        for (const CollisionPixel& pixel : found.Pixels)
            if (!seen.contains(pixel.Line))
                seen << pixel.Line;
        QCOMPARE(seen, lines);
        QCOMPARE(int(found.Pixels.size()), count);
        if (count > 0)
            QVERIFY(found.Pixels.front().X == firstX && found.Pixels.front().What == what);
    }

    // A cell of a sprite's code is tested as the field shows it, with the
    // sprite's shape of the console frame before: 0x19FC as MAME 0.251 read
    // it at console frames 0 to 59 of the scene image (its frames 2 to 61),
    // sprite 2 over a cell of sprite 1's code, sprite 1 full and empty by
    // turns, sprite 4 over a cell of sprite 2's code.
    void charactersOfAnimatedShapes()
    {
        SpriteProject p;
        ConsoleScene& scene = p.Scene.emplace();
        scene.Cells[104] = 0x38, scene.Cells[105] = 0x39;
        scene.Positions = {0x14, 0x10, 143, 107, 0x14, 0x30, 143, 115};
        const int times[] = {1, 1, 2, 1, 3, 2, 1};
        for (int f = 0; f < 7; ++f) {
            if (f > 0)
                p.AddFrame(0);
            p.SetFrameTime(0, times[f]);
            for (int r = 0; r < kRows; ++r)
                p.SetRowText(0, r, f % 2 ? "00" : "FF");
        }
        for (int f = 0; f < 5; ++f) {
            if (f > 0)
                p.AddFrame(1);
            p.SetFrameTime(1, 1 + f % 2);
            for (int r = 0; r < kRows; ++r)
                p.SetRowText(1, r, f % 2 ? "0F" : "F0");
        }
        for (int r = 0; r < kRows; ++r)
            p.SetRowText(3, r, "FF");
        p.Console.SpriteLines.fill(kShortLines);
        const QByteArray mame = "557557555775575575557755755755577557557555775575575557755755";
        QByteArray found;
        for (int t = 0; t < mame.size(); ++t)
            found += QByteArray::number(CollisionsOf(ShownAt(p, {t})).Characters, 16);
        QCOMPARE(found, mame);
    }

    // A sprite below the drawn range meets no character even where the field
    // is, moved to the bottom lines: MAME 0.251 with 0x18FC = 0 (row 0 at
    // line 255), every cell a full block, sprite 1 8 lines tall.
    void undrawnOverTheField_data()
    {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("mame"); // 0x19FC
        QTest::newRow("v 1, not drawn") << 1 << 0x0F;
        QTest::newRow("v 2, not drawn") << 2 << 0x0F;
        QTest::newRow("v 3, drawn") << 3 << 0x0E;
    }
    void undrawnOverTheField()
    {
        QFETCH(int, vertical);
        QFETCH(int, mame);
        ConsoleShows shows = Field(7, 0, {});
        shows.Chip.Cells.fill(0x03);
        shows.Chip.Shapes.fill(0xFF);
        shows.Chip.Pairs = {0xC0, 0xC0};
        shows.Chip.Positions = {std::uint8_t(vertical), 0x40, 0x14, 0x30, 0x14, 0x50, 0x14, 0x70};
        QCOMPARE(int(CollisionsOf(shows).Characters), mame);
    }

    // The colour the screen shows at a point of the field, as MAME's
    // snapshots showed it: where the cells stand, both heights, the colour
    // set, block graphics, the last line, the sprites' and user characters.
    void fieldPixels_data()
    {
        QTest::addColumn<ConsoleShows>("shows");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("colour"); // the chip's colour code
        const auto field = [](std::uint8_t screen, std::initializer_list<std::pair<int, std::uint8_t>> cells, std::uint8_t top = kFieldTop) {
            return QVariant::fromValue(Field(screen, top, cells));
        };
        const auto row = [&](const char* name, QVariant shows, int x, int line, int colour) {
            QTest::newRow(name) << shows.value<ConsoleShows>() << x << line << colour;
        };
        row("cell 0's first pixel", field(7, {{0, 0x03}}), 32, 17, 0);
        row("left of the field", field(7, {{0, 0x03}}), 31, 17, 7);
        row("above the field", field(7, {{0, 0x03}}), 32, 16, 7);
        row("cell 15's last pixel", field(7, {{15, 0x83}}), 159, 32, 4);
        row("right of the field", field(7, {{15, 0x83}}), 160, 17, 7);
        row("row 12's last line, 16-line cells", field(7, {{192, 0x43}}), 32, 224, 2);
        row("below the field", field(7, {{192, 0x43}}), 32, 225, 7);
        row("row 1's first line, 8-line cells", field(0x87, {{16, 0x06}}), 32, 31, 0);
        row("the glyph row above it", field(0x87, {{16, 0x06}}), 32, 30, 7);
        row("colour set 1", field(0x08, {{0, 0xC3}}), 32, 17, 7);
        row("colour set 0", field(0x00, {{0, 0xC3}}), 32, 17, 6);
        row("a block lit by bit 0", field(7, {{0, 0xC0}, {1, 0x01}}), 46, 20, 0);
        row("its unlit middle", field(7, {{0, 0xC0}, {1, 0x01}}), 45, 20, 7);
        row("its unlit bottom half", field(7, {{0, 0xC0}, {1, 0x01}}), 46, 25, 7);
        row("bottom half lit by bit 5", field(7, {{0, 0xC0}, {1, 0x20}}), 40, 32, 0);
        row("the switch itself is blank", field(7, {{0, 0xC0}}), 32, 17, 7);
        row("block graphics to the row's end", field(7, {{0, 0xC0}, {15, 0x04}}), 152, 17, 0);
        row("0x40 switches back to glyphs", field(7, {{0, 0xC0}, {1, 0x40}, {2, 0x01}}), 54, 17, 7);
        row("not into the next row", field(7, {{0, 0xC0}, {16, 0x01}}), 38, 33, 7);
        row("a sprite's code shows the cells' shapes", field(7, {{0, 0x38}}), 32, 17, 0);
        row("not the chip's shape", field(7, {{0, 0x38}}), 39, 17, 7);
        row("a user-defined character", field(7, {{0, 0x3D}}), 33, 17, 0);
        row("the last line as a doubled row's second", field(7, {{0, 0x03}}, 0x01), 32, 261, 0);
        row("never as a doubled row's first", field(7, {{0, 0x03}}, 0x00), 32, 261, 7);
        row("the last line with 8-line cells", field(0x87, {{0, 0x03}}, 0x00), 32, 261, 0);
        row("rows past the bottom are cut", field(7, {{16, 0x03}}, 0x00), 32, 9, 7);
    }
    void fieldPixels()
    {
        QFETCH(ConsoleShows, shows);
        QFETCH(int, x);
        QFETCH(int, line);
        QFETCH(int, colour);
        QCOMPARE(RenderConsoleScreen(shows, ColourModel::Mame).At(x, line), ConsoleRgb(std::uint8_t(colour), ColourModel::Mame));
    }

    // Sprites cover the field where they are drawn; not past their limits.
    void spritesOverTheField()
    {
        ConsoleShows shows = Field(7, kFieldTop, {{104, 0x03}});
        shows.Chip.Positions = {256 - 113, 96 + 11, 0, 0, 0, 0, 0, 0};
        shows.Chip.Pairs = {0x08, 0};
        shows.Chip.Shapes[0] = 0x80;
        const ConsoleScreen screen = RenderConsoleScreen(shows, ColourModel::Mame);
        QCOMPARE(screen.At(96, 113), ConsoleRgb(1, ColourModel::Mame));
        QCOMPARE(screen.At(97, 113), ConsoleRgb(0, ColourModel::Mame));
        shows.Chip.Positions[0] = 2; // below line 255: not drawn
        QCOMPARE(RenderConsoleScreen(shows, ColourModel::Mame).At(96, 254), ConsoleRgb(7, ColourModel::Mame));
    }
};

QTEST_GUILESS_MAIN(ConsoleTest)
#include "test_console.moc"
