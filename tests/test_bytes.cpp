// Bytes in and out: the shapes of a binary taken as sprites and given back by
// the raw export at every offset; in the editor, the Import Shapes window by
// its keys and clicks, a shape put into a sprite's frame or a user-defined
// character as one step, and Copy As.
#include <random>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

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

// Import Shapes opened on dump.bin from sprite k's grid by its key.
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
    return std::copy_n(bytes.begin() + at, kRows, rows.begin()), rows;
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
        QTest::mouseClick(window->Grid(), Qt::LeftButton, {}, at); // the same shape again: no step
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(e.Project() == before);
    }

    // Copy As in the grid's menu puts the edited frame on the clipboard as
    // text in the notation chosen, under the label the files give it.
    void copyAs_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex") << "Hex (db lines)" << "Ship:\n      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\n";
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
