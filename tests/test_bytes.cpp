// Bytes in and out: the shapes of a binary taken as sprites and given back by
// the raw export at every offset, the C names the exports give any label, the
// document's actions that put a shape found in a binary into a sprite's frame
// or a user-defined character; and in the editor, the Import Shapes window by
// its keys and clicks, and Copy As.
#include <random>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include "document/project_document.h"
#include "model/shapes.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "project/exports.h"
#include "ui/shapes_window.h"
#include "window.h"

using namespace tw;
using namespace tw::test;

namespace {

constexpr RowBytes kShape{0x18, 0x3C, 0x7E, 0xFF, 0x81, 0x42, 0x24, 0x00};

// A random binary of `size` bytes in `dir`, its bytes kept.
QByteArray Binary(const QTemporaryDir& dir, qsizetype size)
{
    std::mt19937 random{std::uint32_t(size)};
    QByteArray bytes(size, 0);
    for (char& byte : bytes)
        byte = char(random());
    QFile file(dir.filePath("dump.bin"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == size ? bytes : QByteArray();
}

// The editor with Import Shapes opened from sprite k's grid by its key, on
// dump.bin.
ui::ShapesWindow* OpenShapes(Editor& e, const QTemporaryDir& dir, int k)
{
    QWidget* grid = e.Find(QStringLiteral("picSpriteBlock%1").arg(k));
    grid->setFocus();
    e.Script.Files << dir.filePath("dump.bin");
    QTest::keyClick(grid, Qt::Key_I, Qt::ControlModifier);
    auto* window = e.Window.findChild<ui::ShapesWindow*>();
    if (window && window->isVisible())
        QApplication::setActiveWindow(window); // the offscreen platform leaves the editor active
    return window && window->isVisible() ? window : nullptr;
}

// The rows the grid shows of its shape i, read off its pixels: white set, black clear.
RowBytes ShownShape(ui::ShapesWindow& window, int i)
{
    const QImage grid = window.Grid()->grab().toImage();
    const int z = ui::ShapesWindow::kZoom, left = (1 + 9 * (i % 16)) * z, top = (1 + 9 * (i / 16)) * z;
    RowBytes rows{};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kRowWidth; ++c)
            rows[r] |= grid.pixelColor(left + c * z + 1, top + r * z + 1) == Qt::white ? ColumnBit(c) : 0;
    return rows;
}

RowBytes BytesAt(const QByteArray& bytes, qsizetype at)
{
    RowBytes rows{};
    for (int r = 0; r < kRows; ++r)
        rows[r] = std::uint8_t(bytes.at(at + r));
    return rows;
}

} // namespace

class BytesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What import --at and export --as raw do in between: four shapes of a
    // random 4 KiB binary from each offset 0 to 4064 taken as a new project,
    // saved and read back as a project file, give back their 32 bytes.
    void shapesComeBackAtEveryOffset()
    {
        std::mt19937 random(4096);
        std::vector<std::uint8_t> bytes(4096);
        for (std::uint8_t& byte : bytes)
            byte = std::uint8_t(random());
        for (std::size_t at = 0; at + 4 * kShapeBytes <= bytes.size(); ++at) {
            SpriteProject imported;
            ApplyProjectRecord(imported, ShapesRecord(bytes, {at, at + 8, at + 16, at + 24}), {});
            const ReadResult read = ReadProjectFile(ProjectFileBytes(imported));
            QVERIFY(read.Record);
            SpriteProject reopened;
            ApplyProjectRecord(reopened, *read.Record, {});
            const std::string raw = RawExport(ExportBlocks(reopened));
            QVERIFY2(raw == std::string(bytes.begin() + long(at), bytes.begin() + long(at) + 32), qPrintable(QString::number(at)));
        }
    }

    // Whatever the labels, the C export's arrays have names C takes, none
    // twice, and a label that is a C name already keeps it.
    void cNames_data()
    {
        QTest::addColumn<QByteArrayList>("labels");
        QTest::newRow("labels that are C names") << QByteArrayList{"Ship", "alien_2", "S1F1", "SPOS", "UDC", "SCRN"};
        QTest::newRow("keywords and main") << QByteArrayList{"int", "main", "while", "sizeof", "bool", "nullptr"};
        QTest::newRow("a digit, blanks or '_' first, or nothing") << QByteArrayList{"1up", " \tShip", "_x", "__y", ""};
        QTest::newRow("labels alike once spelt in C") << QByteArrayList{"a b", "a_b", "a-b", "a_b_2", "a.b"};
        QTest::newRow("ISO-8859-1 letters and control bytes") << QByteArrayList{"Sch\xfc\xdf", "Sch__", "\x1b[2J", "\x85"};
    }
    void cNames()
    {
        QFETCH(QByteArrayList, labels);
        static const QStringList kKeywords{"auto", "bool", "break", "case", "char", "const", "do", "if", "int", "main",
                                           "nullptr", "return", "sizeof", "static", "true", "void", "while"};
        static const QRegularExpression kCName(R"(^[A-Za-z][A-Za-z0-9_]*$)");
        LabelledBlocks blocks;
        for (const QByteArray& label : labels)
            blocks.push_back({label.toStdString(), {1, 2, 3, 4, 5, 6, 7, 8}, true});
        const std::vector<std::string> names = CNames(blocks);
        QCOMPARE(names.size(), std::size_t(labels.size()));
        QStringList seen;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QString name = QString::fromStdString(names[std::size_t(i)]), label = QString::fromLatin1(labels[i]);
            QVERIFY2(kCName.match(name).hasMatch() && !kKeywords.contains(name) && !seen.contains(name), qPrintable(name));
            if (kCName.match(label).hasMatch() && !kKeywords.contains(label))
                QCOMPARE(name, label);
            seen << name;
        }
    }

    // A shape put into sprite k's edited frame, whatever its colours, or into
    // a user-defined character, with a scene or without: its rows there, the
    // rest as it was, and one step that Ctrl+Z takes back and Ctrl+Y redoes;
    // the same shape again makes no step.
    void putShape_data()
    {
        QTest::addColumn<bool>("character");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("screenColoured");
        QTest::newRow("sprite 1's only frame") << false << 0 << 0 << false;
        QTest::newRow("sprite 3's second of three frames") << false << 2 << 1 << false;
        QTest::newRow("sprite 4's last frame, its colour the screen's") << false << 3 << 2 << true;
        QTest::newRow("character 0x3C, the first edit of the scene") << true << 0 << 0 << false;
        QTest::newRow("character 0x3F of a scene there already") << true << 3 << 1 << false;
    }
    void putShape()
    {
        QFETCH(bool, character);
        QFETCH(int, index);
        QFETCH(int, frame);
        QFETCH(bool, screenColoured);
        document::ProjectDocument d;
        d.ClickBlock(index, 9);
        for (int f = 0; f < frame && !character; ++f)
            d.AddFrame(index), d.ClickBlock(index, 20 + f);
        if (screenColoured)
            d.SelectColor(kBlackCode), d.ApplySpriteColor(index);
        if (character && frame > 0)
            d.PaintCell(5, 0x3C);
        const SpriteProject before = d.Project();
        character ? d.PutShapeInCharacter(index, kShape) : d.PutShapeInSprite(index, kShape);
        const SpriteProject after = d.Project();
        SpriteProject expected = before;
        if (character) {
            ConsoleScene& scene = expected.Scene ? *expected.Scene : expected.Scene.emplace();
            std::copy(kShape.begin(), kShape.end(), scene.UserCharacters.begin() + index * kRows);
            QVERIFY(after == expected);
        } else {
            // Its rows as a file gives them, the other frames and sprites untouched.
            for (int r = 0; r < kRows; ++r)
                expected.Edited(index).HexRows[r] = RowText(kShape[r]);
            QCOMPARE(after.EditedFrame[index], frame);
            QVERIFY(after.Edited(index).HexRows == expected.Edited(index).HexRows);
            QVERIFY(screenColoured || after.SpriteRows(index) == kShape);
            expected.Edited(index).Blocks = after.Edited(index).Blocks;
            QVERIFY(after == expected);
        }
        d.Undo();
        QVERIFY(d.Project() == before);
        d.Redo();
        QVERIFY(d.Project() == after);
        character ? d.PutShapeInCharacter(index, kShape) : d.PutShapeInSprite(index, kShape);
        d.Undo();
        QVERIFY(d.Project() == before);
    }

    // The offset moves by a byte (Left, Right), a shape (Page Up, Page Down)
    // and a row of shapes (Up, Down), within the binary; the grid shows the
    // shapes from it, and the window says where it is.
    void shapesWindowKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("offset");
        QTest::newRow("a byte at a time") << "Right Right Right" << 3;
        QTest::newRow("not before the first byte") << "Left Up PgUp" << 0;
        QTest::newRow("a shape at a time") << "PgDown PgDown PgUp" << 8;
        QTest::newRow("a row of shapes at a time") << "Down Down Up" << 128;
        QTest::newRow("to an odd offset") << "Down PgDown Right Right Right Left" << 138;
        QTest::newRow("not past the last byte") << QString("Down ").repeated(40).trimmed() << 4095;
    }
    void shapesWindowKeys()
    {
        QFETCH(QString, keys);
        QFETCH(int, offset);
        QTemporaryDir dir;
        const QByteArray bytes = Binary(dir, 4096);
        Editor e;
        ui::ShapesWindow* window = OpenShapes(e, dir, 1);
        QVERIFY(window);
        for (const QString& key : keys.split(' '))
            QTest::keyClick(window->Grid(), QKeySequence::fromString(key)[0].key());
        QCOMPARE(window->Offset(), offset);
        QCOMPARE(e.Find<QLabel>(QStringLiteral("shapesOffset"))->text(),
                 QStringLiteral("Offset 0x%1 (%2)").arg(QString::number(offset, 16).toUpper().rightJustified(4, '0')).arg(offset));
        for (const int i : {0, 1, 17, 255})
            if (offset + 8 * i + 8 <= bytes.size())
                QVERIFY2(ShownShape(*window, i) == BytesAt(bytes, offset + 8 * i), qPrintable(QString::number(i)));
    }

    // A click on a shape puts it into the sprite whose grid opened the window,
    // into the edited frame, or into the character chosen in the window: one
    // step, which Ctrl+Z in the window takes back and Ctrl+Y redoes. A click
    // in a gap, or on a shape the binary ends inside, changes nothing.
    void shapesWindowClick_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("chosen"); // -1: the target the grid gave
        QTest::addColumn<int>("offset");
        QTest::addColumn<QPoint>("at"); // in the grid
        QTest::addColumn<bool>("puts");
        QTest::newRow("into sprite 2, whose grid opened it") << 1 << -1 << 5 << QPoint(15, 15) << true;
        QTest::newRow("into sprite 4's second frame, shape 18") << 3 << -1 << 0 << QPoint(2 * 27 + 15, 27 + 15) << true;
        QTest::newRow("into character 0x3E, chosen in the window") << 0 << 6 << 77 << QPoint(15 * 27 + 4, 15 * 27 + 4) << true;
        QTest::newRow("a gap between shapes") << 0 << -1 << 0 << QPoint(27 + 1, 15) << false;
        QTest::newRow("a shape the binary ends inside") << 0 << -1 << 4091 << QPoint(15, 15) << false;
    }
    void shapesWindowClick()
    {
        QFETCH(int, grid);
        QFETCH(int, chosen);
        QFETCH(int, offset);
        QFETCH(QPoint, at);
        QFETCH(bool, puts);
        QTemporaryDir dir;
        const QByteArray bytes = Binary(dir, 4096);
        Editor e;
        if (grid == 3) { // a second frame, edited
            QTest::keyClick(&e.Window, Qt::Key_F6);
            auto* strip = e.Find(QStringLiteral("frameStrip_3"));
            strip->setFocus();
            QTest::keyClick(strip, Qt::Key_Insert);
        }
        ui::ShapesWindow* window = OpenShapes(e, dir, grid);
        QVERIFY(window);
        if (chosen >= 0) {
            auto* target = e.Find<QComboBox>(QStringLiteral("shapesTarget"));
            target->setFocus();
            for (int i = target->currentIndex(); i < chosen; ++i)
                QTest::keyClick(target, Qt::Key_Down);
        }
        window->SetOffset(offset);
        const SpriteProject before = e.Project();
        QTest::mouseClick(window->Grid(), Qt::LeftButton, {}, at);
        const SpriteProject after = e.Project();
        if (!puts) {
            QVERIFY(after == before);
            return;
        }
        const qsizetype shape = offset + (at.y() / 27 * 16 + at.x() / 27) * 8;
        const RowBytes rows = BytesAt(bytes, shape);
        if (chosen >= 0) {
            QVERIFY(after.Scene && std::equal(rows.begin(), rows.end(), after.Scene->UserCharacters.begin() + (chosen - kSprites) * kRows));
        } else {
            QCOMPARE(after.EditedFrame[grid], grid == 3 ? 1 : 0);
            QVERIFY(after.SpriteRows(grid) == rows);
        }
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(e.Project() == before);
        QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(e.Project() == after);
    }

    // Copy As in the grid's menu puts the edited frame on the clipboard as
    // text in each notation, under the label the files give it.
    void copyAs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex") << "Hex (db lines)" << "Ship:\n      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\n";
        QTest::newRow("binary") << "Binary (db lines, a row's picture beside it)"
                                << ";asl: -intsyntax +binb\nShip:\n      db          00011000b ;...##...\n"
                                   "      db          00111100b ;..####..\n      db          01111110b ;.######.\n"
                                   "      db          11111111b ;########\n      db          11111111b ;########\n"
                                   "      db          01111110b ;.######.\n      db          00111100b ;..####..\n"
                                   "      db          00011000b ;...##...\n";
        QTest::newRow("C") << "C (an array)" << "const unsigned char Ship[8] = {\n    0x18, /* ...##... */\n    0x3C, /* ..####.. */\n"
                                                 "    0x7E, /* .######. */\n    0xFF, /* ######## */\n    0xFF, /* ######## */\n"
                                                 "    0x7E, /* .######. */\n    0x3C, /* ..####.. */\n    0x18, /* ...##... */\n};\n";
        QTest::newRow("raw") << "Raw (the bytes as hex text)" << "18 3C 7E FF FF 7E 3C 18\n";
    }
    void copyAs()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        Editor e;
        e.Window.OpenProjectFile(Source("fuzz/corpus/ok-worked-example.eap"));
        QWidget* grid = e.Find(QStringLiteral("picSpriteBlock0"));
        grid->setFocus();
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, grid, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* copyAs : menu ? menu->actions() : QList<QAction*>())
                if (copyAs->text() == "Copy As") {
                    menu->setActiveAction(copyAs);
                    QTest::keyClick(menu, Qt::Key_Right);
                    for (QAction* form : copyAs->menu()->actions())
                        if (form->text() == item)
                            QTest::mouseClick(copyAs->menu(), Qt::LeftButton, {}, copyAs->menu()->actionGeometry(form).center());
                }
            if (QApplication::activePopupWidget())
                QApplication::activePopupWidget()->close();
        });
        QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }
};

QTEST_MAIN(BytesTest)
#include "test_bytes.moc"
