#include <QtTest>

#include <random>

#include "model/row_encoding.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "test_support.h"

using namespace tw;
using tw::test::kNewProjectFile;
using tw::test::kWorkedExample;

namespace {

// Reads and applies as the editor does; the project changes only on success.
ReadResult Load(SpriteProject& p, const std::string& bytes, const std::string& name = "/d/t.eap")
{
    ReadResult result = ReadProjectFile(bytes);
    if (result.Record)
        ApplyProjectRecord(p, *result.Record, name, "t.eap");
    return result;
}

std::string ReplaceLine(std::string file, int line, const std::string& text)
{
    std::size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = file.find("\r\n", start) + 2;
    const std::size_t end = file.find("\r\n", start);
    return file.replace(start, end - start, text);
}

std::string FirstLines(const std::string& file, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count; ++i)
        end = file.find("\r\n", end) + 2;
    return file.substr(0, end);
}

} // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExampleIsWrittenByteForByte()
    {
        const SpriteProject p = test::WorkedExampleByEditing();
        const std::string bytes = ProjectFileBytes(p);
        QCOMPARE(bytes.size(), std::size_t(298));
        QCOMPARE(bytes, kWorkedExample);
        const unsigned char head[16] = {0x3B, 0x53, 0x63, 0x72, 0x65, 0x65, 0x6E, 0x2D,
                                        0x42, 0x6C, 0x75, 0x65, 0x2D, 0x31, 0x0D, 0x0A};
        QCOMPARE(bytes.substr(0, 16), std::string(reinterpret_cast<const char*>(head), 16));
        QCOMPARE(ProjectFileBytes(p), bytes); // two saves are identical
    }

    void newProjectFile()
    {
        SpriteProject p;
        QCOMPARE(ProjectFileBytes(p), kNewProjectFile);
        p.ClickBlock(0, 0);
        p.NewProject();
        QCOMPARE(ProjectFileBytes(p), kNewProjectFile);
    }

    void rowItemsKeepTheAssemblerHappy()
    {
        SpriteProject p;
        p.Sprites[0].HexRows = {"A5", "5A", "FF", "00", "ff", "", "F", "9F"};
        QCOMPARE(CompileSprite(p, 0),
                 std::string("Sprite1:\r\n;White-7\r\n      db          0A5h,5Ah,0FFh,00h,ffh,h,0Fh,9Fh\r\n"));
        // The db line is 49 characters with no letter-led byte, 57 with eight.
        SpriteProject q;
        q.Sprites[1].HexRows.fill("C0");
        const std::string section = CompileSprite(q, 1);
        QCOMPARE(section.substr(section.rfind(";White-7\r\n") + 10).size(), std::size_t(57 + 2));
    }

    void namesAreWrittenAsLatin1()
    {
        SpriteProject p;
        p.RenameSprite(0, "Caf\xC3\xA9");      // é fits in ISO-8859-1
        p.RenameSprite(1, "\xCE\xA9mega");     // Ω does not
        p.RenameSprite(2, "");                 // written as it stands
        p.RenameSprite(3, "a\xC0\x80\xFF\xE2\x82z"); // malformed UTF-8 never leaks raw bytes
        const std::string bytes = ProjectFileBytes(p);
        QVERIFY(bytes.find("\r\na???z:\r\n") != std::string::npos);
        QVERIFY(bytes.find("Caf\xE9:\r\n") != std::string::npos);
        QVERIFY(bytes.find("\r\n?mega:\r\n") != std::string::npos);
        QVERIFY(bytes.find("\r\n:\r\n;White-7") != std::string::npos);

        SpriteProject q;
        QVERIFY(Load(q, bytes).Record);
        QCOMPARE(q.Sprites[0].Name, std::string("Caf\xC3\xA9"));
        QCOMPARE(q.Sprites[1].Name, std::string("?mega"));
        QCOMPARE(q.Sprites[2].Name, std::string());
    }

    void workedExampleLoads()
    {
        SpriteProject p;
        p.ViewSprite(0);
        p.ClickBlock(3, 0);
        p.ViewSprite(3); // the view keeps this picture through the load
        const auto cells = p.ThumbNailCells;
        QVERIFY(Load(p, kWorkedExample, "/home/u/demo.eap").Record);
        QCOMPARE(int(p.ScreenBGndColor), 1);
        QCOMPARE(int(p.SelectedColor), 1);
        QCOMPARE(p.Sprites[0].Name, std::string("Ship"));
        QCOMPARE(int(p.SpriteFGndColor[0]), 6);
        QCOMPARE(int(p.SpriteFGndColor[1]), 4);
        const ColorNumber yellow = 0x0000FFFF, blue = 0x00FF0000;
        for (int c = 0; c < 8; ++c)
            QCOMPARE(p.Sprites[0].Blocks[c], (c == 3 || c == 4) ? yellow : blue);
        QCOMPARE(p.Sprites[0].HexRows[3], std::string("FF"));
        QCOMPARE(p.Sprites[1].HexRows[3], std::string("5A"));
        QCOMPARE(p.Sprites[0].FGColorSquare, yellow);
        QCOMPARE(p.Sprites[0].ForeGroundValue, std::string("6"));
        QCOMPARE(p.Sprites[1].ForeGroundValue, std::string("4"));
        QCOMPARE(p.Sprites[3].ForeGroundValue, std::string("7"));
        QCOMPARE(p.BackGroundValue, std::string("1"));
        QCOMPARE(p.ThumbNailSurround, blue);
        QCOMPARE(p.ThumbNailCells, cells);
        QCOMPARE(p.ProjectFileName, std::string("/home/u/demo.eap"));
        QCOMPARE(p.FrameCaption, std::string("Sprite Design [Project: t.eap]"));
        // Load then save gives the file back.
        QCOMPARE(ProjectFileBytes(p), kWorkedExample);
        // What was loaded equals what editing produced, but for the file.
        SpriteProject edited = test::WorkedExampleByEditing();
        edited.SetProjectFile(p.ProjectFileName, p.ProjectFileTitle);
        edited.SelectColor(1);
        edited.ThumbNailCells = p.ThumbNailCells;
        QVERIFY(edited == p);
    }

    void saveLoadSaveRoundTripsGeneratedProjects()
    {
        std::mt19937 random(20261206);
        const std::string nameChars = "abcXYZ_09 ;:-,h\xC3\xA9\xC3\xBF";
        for (int round = 0; round < 500; ++round) {
            SpriteProject p;
            for (int n = 0; n < 40; ++n) {
                switch (random() % 6) {
                case 0: p.SelectColor(int(random() % 8)); break;
                case 1: p.ApplySpriteColor(int(random() % 4)); break;
                case 2: p.ApplyScreenColor(); break;
                case 3: p.ClearSprite(int(random() % 4)); break;
                default: p.ClickBlock(int(random() % 4), int(random() % 64)); break;
                }
            }
            for (int k = 0; k < kSprites; ++k) {
                std::string name;
                for (int len = int(random() % 9); len > 0; --len) {
                    std::size_t at = random() % nameChars.size();
                    if ((nameChars[at] & 0xC0) == 0x80)
                        --at; // start of the two-byte character
                    name += nameChars.substr(at, (nameChars[at] & 0x80) ? 2 : 1);
                }
                p.RenameSprite(k, name);
            }
            const std::string first = ProjectFileBytes(p);
            SpriteProject q;
            const ReadResult read = Load(q, first);
            QVERIFY2(read.Record, read.Error.Reason.c_str());
            QCOMPARE(ProjectFileBytes(q), first);
            for (int k = 0; k < kSprites; ++k) {
                QCOMPARE(q.Sprites[k].Name, p.Sprites[k].Name);
                QCOMPARE(q.Sprites[k].HexRows, p.Sprites[k].HexRows);
                // Decoded blocks encode back to the saved rows.
                for (int r = 0; r < kRows; ++r)
                    QCOMPARE(RowText(EncodeRowByte(&q.Sprites[k].Blocks[r * 8], q.ForegroundValue(k))),
                             q.ForegroundValue(k) == q.ScreenValue() ? std::string("FF") : q.Sprites[k].HexRows[r]);
            }
        }
    }

    void failuresNameTheLineAndLoadNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const auto add = [](const char* tag, const std::string& file, int line, const char* reason) {
            QTest::newRow(tag) << test::Bytes(file) << line << QString(reason);
        };
        add("empty file", "", 1, "the file is empty");
        add("stops after 7 lines", FirstLines(kWorkedExample, 7), 8, "the file ends before line 8");
        add("stops after 1 line", FirstLines(kWorkedExample, 1), 2, "the file ends before line 2");
        add("stops after 12 lines", FirstLines(kWorkedExample, 12), 13, "the file ends before line 13");
        add("empty label", ReplaceLine(kWorkedExample, 5, ""), 5, "the label line is empty: there is no sprite name");
        add("empty colour line", ReplaceLine(kWorkedExample, 9, ""), 9, "the color line is empty");
        add("colour letter", ReplaceLine(kWorkedExample, 3, ";Yellow-x"), 3,
            "the color line must end in a color code digit, not 'x'");
        add("colour control byte", ReplaceLine(kWorkedExample, 12, ";White-\x01"), 12,
            "the color line must end in a color code digit, not byte 0x01");
        add("seven items", ReplaceLine(kWorkedExample, 7, "      db          81h,42h,3Ch,5Ah,7Eh,24h,42h"), 7,
            "the db line has 7 items; 8 row bytes are needed");
        add("empty data line", ReplaceLine(kWorkedExample, 13, ""), 13,
            "the db line has 1 item; 8 row bytes are needed");
        add("item 0 too short", ReplaceLine(kWorkedExample, 4, "      db          ,1h,2h,3h,4h,5h,6h,7h"), 4,
            "the db line has no row byte after its 18-character prefix");
        add("short prefix", ReplaceLine(kWorkedExample, 4, "db 18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"), 4,
            "the db line has no row byte after its 18-character prefix");
        add("empty item 5", ReplaceLine(kWorkedExample, 10, "      db          00h,00h,00h,00h,,00h,00h,00h"), 10,
            "row byte 5 of the db line is empty");
    }
    void failuresNameTheLineAndLoadNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, reason);
        SpriteProject p;
        p.ClickBlock(0, 0);
        p.SetProjectFile("/old/keep.eap", "keep.eap");
        const SpriteProject before = p;
        const ReadResult result = Load(p, file.toStdString());
        QVERIFY(!result.Record);
        QCOMPARE(result.Error.Line, line);
        QCOMPARE(QString::fromStdString(result.Error.Reason), reason);
        QVERIFY(p == before);
    }

    void tolerancesLoad_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("resaved"); // what Save then writes
        const auto add = [&](const char* tag, const std::string& file, const std::string& resaved) {
            QTest::newRow(tag) << test::Bytes(file) << test::Bytes(resaved);
        };
        std::string odd = ReplaceLine(kWorkedExample, 2, "Ship;");
        odd = ReplaceLine(odd, 4, "xxxxxxxxxxxxxxxxxx18x,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18!,extra,,");
        odd = ReplaceLine(odd, 3, "any text at all 6");
        odd = ReplaceLine(odd, 1, "Screen: Blue 1");
        add("odd last characters, prefix and texts", odd, kWorkedExample);
        add("extra lines", kWorkedExample + "; more\r\n\r\nanything\x01\r\n", kWorkedExample);
        add("no line end after line 13", kWorkedExample.substr(0, kWorkedExample.size() - 2), kWorkedExample);
        std::string lf = kWorkedExample, cr = kWorkedExample;
        for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
            lf.erase(at, 1);
        for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;)
            cr.erase(at + 1, 1);
        add("LF line ends", lf, kWorkedExample);
        add("CR line ends", cr, kWorkedExample);
        const std::string blackScreen = ReplaceLine(kWorkedExample, 1, ";Screen-Black-0");
        add("non-digit screen gives Black", ReplaceLine(kWorkedExample, 1, ";Screen-Blue-?"), blackScreen);
        add("empty screen line gives Black", ReplaceLine(kWorkedExample, 1, ""), blackScreen);
        add("screen 8 gives Black", ReplaceLine(kWorkedExample, 1, ";Screen-X-8"), blackScreen);
        add("screen 9 gives Black", ReplaceLine(kWorkedExample, 1, ";Screen-X-9"), blackScreen);
        add("colour 8 gives Black", ReplaceLine(kWorkedExample, 3, ";Yellow-8"),
            ReplaceLine(kWorkedExample, 3, ";Black-0"));
        add("colour 9 gives Black", ReplaceLine(kWorkedExample, 6, ";Green-9"),
            ReplaceLine(kWorkedExample, 6, ";Black-0"));
        add("long name is cut to 8", ReplaceLine(kWorkedExample, 5, "Alienship123:"),
            ReplaceLine(kWorkedExample, 5, "Alienshi:"));
        add("lower-case hex", ReplaceLine(kWorkedExample, 4, "      db          18h,3ch,7eh,0ffh,0FFh,7Eh,3Ch,18h"),
            kWorkedExample);
    }
    void tolerancesLoad()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, resaved);
        SpriteProject p;
        const ReadResult result = Load(p, file.toStdString());
        QVERIFY2(result.Record, result.Error.Reason.c_str());
        QCOMPARE(test::Bytes(ProjectFileBytes(p)), resaved);
    }

    void oddRowTextsDecodeByTheirOuterCharacters()
    {
        SpriteProject p;
        const std::string file =
            ReplaceLine(kNewProjectFile, 4, "      db          dh,h,A5Fh,0A5h,ffh,3h,zzh,\xE9h");
        QVERIFY(Load(p, file).Record);
        const auto& rows = p.Sprites[0].HexRows;
        QCOMPARE(rows[0], std::string("D"));   // hex digits only: upper-cased
        QCOMPARE(rows[1], std::string(""));
        QCOMPARE(rows[2], std::string("5F"));   // three characters: the "0" rule drops the first
        QCOMPARE(rows[3], std::string("A5"));
        QCOMPARE(rows[4], std::string("FF"));   // lower-case hex is upper-cased
        QCOMPARE(rows[5], std::string("3"));
        QCOMPARE(rows[6], std::string("zz"));
        QCOMPARE(rows[7], std::string("\xC3\xA9"));
        const auto rowByte = [&](int r) {
            return EncodeRowByte(&p.Sprites[0].Blocks[r * 8], p.ForegroundValue(0));
        };
        QCOMPARE(int(rowByte(0)), 0xDD); // one character stands for both digits
        QCOMPARE(int(rowByte(1)), 0x00);
        QCOMPARE(int(rowByte(2)), 0x5F);
        QCOMPARE(int(rowByte(3)), 0xA5);
        QCOMPARE(int(rowByte(4)), 0xFF);
        QCOMPARE(int(rowByte(5)), 0x33);
        QCOMPARE(int(rowByte(6)), 0x00);
        QCOMPARE(int(rowByte(7)), 0x00);
    }
};

QTEST_APPLESS_MAIN(ProjectFileTest)
#include "test_project_file.moc"
