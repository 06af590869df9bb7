// Bytes in and out, without a window: the shapes of a binary taken as sprites
// and given back by the raw export at every offset, the C names the exports
// give any label, and the document's actions that put a shape found in a
// binary into a sprite's frame or a user-defined character.
#include <random>

#include <QRegularExpression>

#include "document/project_document.h"
#include "model/shapes.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "project/exports.h"
#include "support.h"

using namespace tw;
using namespace tw::test;

namespace {

constexpr RowBytes kShape{0x18, 0x3C, 0x7E, 0xFF, 0x81, 0x42, 0x24, 0x00};

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
};

QTEST_GUILESS_MAIN(BytesTest)
#include "test_bytes.moc"
