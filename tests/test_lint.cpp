#include <QtTest>

#include "lint/eap_lint.h"
#include "model/row_encoding.h"
#include "project/eap_writer.h"
#include "test_support.h"

using namespace tw;
using test::Cli;
using test::Run;
using test::kWorkedExample;

namespace {

// The worked example with some of its 13 lines replaced; every line ends in
// CR LF as Save writes it.
std::string WorkedWith(std::initializer_list<std::pair<int, std::string>> changes)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < kWorkedExample.size();) {
        const std::size_t end = kWorkedExample.find("\r\n", start);
        lines.push_back(kWorkedExample.substr(start, end - start));
        start = end + 2;
    }
    for (const auto& [line, text] : changes)
        lines.at(line - 1) = text;
    std::string file;
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

std::string Db(const std::string& items) { return kDataLinePrefix + items; }

// "LINE: text", the form the table lists warnings in.
QStringList Warnings(const std::string& file)
{
    const LintReport report = LintProjectFile(file);
    if (!report.Loaded)
        return {QStringLiteral("not loaded: ") + QString::fromStdString(report.Error.Reason)};
    QStringList warnings;
    for (const LintWarning& warning : report.Warnings)
        warnings << QString::number(warning.Line) + ": " + QString::fromStdString(warning.Text);
    return warnings;
}

QByteArray Bytes(const std::string& text) { return test::Bytes(text); }

} // namespace

class LintTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void warnings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected"); // exactly these, in this order

        const auto row = [](const char* name, const std::string& file, const QStringList& expected) {
            QTest::newRow(name) << Bytes(file) << expected;
        };

        row("worked example", kWorkedExample, {});
        row("new project as hand-typed", test::kNewProjectFile, {});

        // Names: what a label may be.
        row("empty name", WorkedWith({{2, ":"}}), {"2: sprite 1 has no name, so its db line has no label"});
        row("digit first", WorkedWith({{5, "1up:"}}), {"5: sprite name '1up' does not start with a letter or '_'"});
        row("underscore first and digits", WorkedWith({{2, "_ship9:"}, {5, "a_1:"}}), {});
        row("blank first", WorkedWith({{2, " Ship:"}}), {"2: sprite name ' Ship' does not start with a letter or '_'"});
        row("hyphen", WorkedWith({{2, "Sh-ip:"}}),
            {"2: sprite name 'Sh-ip' has '-', which a label cannot hold (letters, digits and '_' only)"});
        row("inner blank", WorkedWith({{8, "Big ship:"}}),
            {"8: sprite name 'Big ship' has ' ', which a label cannot hold (letters, digits and '_' only)"});
        row("tab shown escaped", WorkedWith({{8, "a\tb:"}}),
            {"8: sprite name 'a\\x09b' has byte 0x09, which a label cannot hold (letters, digits and '_' only)"});
        row("non-ASCII letter", WorkedWith({{5, std::string("K\xE4") + "fer:"}}),
            {"5: sprite name 'Käfer' has a character outside ASCII ('ä')"});
        row("non-ASCII first", WorkedWith({{5, std::string("\xC4") + "pfel:"}}),
            {"5: sprite name 'Äpfel' does not start with a letter or '_'",
             "5: sprite name 'Äpfel' has a character outside ASCII ('Ä')"});

        // Reserved words, whatever their case; near misses are fine.
        row("directive db", WorkedWith({{2, "DB:"}}), {"2: sprite name 'DB' is an assembler directive"});
        row("directive org", WorkedWith({{5, "Org:"}}), {"5: sprite name 'Org' is an assembler directive"});
        row("directive end", WorkedWith({{5, "end:"}}), {"5: sprite name 'end' is an assembler directive"});
        row("directive equ", WorkedWith({{5, "EQU:"}}), {"5: sprite name 'EQU' is an assembler directive"});
        row("instruction lodi", WorkedWith({{8, "lodi:"}}), {"8: sprite name 'lodi' is a 2650 instruction"});
        row("instruction bsxa", WorkedWith({{8, "BsXa:"}}), {"8: sprite name 'BsXa' is a 2650 instruction"});
        row("instruction halt", WorkedWith({{11, "HALT:"}}), {"11: sprite name 'HALT' is a 2650 instruction"});
        row("register", WorkedWith({{11, "R3:"}}), {"11: sprite name 'R3' is a register name"});
        row("condition", WorkedWith({{11, "un:"}}), {"11: sprite name 'un' is a condition code name"});
        row("near misses", WorkedWith({{2, "r4:"}, {5, "dbx:"}, {8, "lodi1:"}, {11, "Ends:"}}), {});

        // Label line end and length: the assembler sees the whole text.
        row("no colon, other end", WorkedWith({{2, "Ship;"}}), {"2: the label line ends in ';', not ':'"});
        row("no colon at all", WorkedWith({{2, "Ship"}}), {"2: the label line ends in 'p', not ':'"});
        row("longer than the name box", WorkedWith({{5, "Spaceship:"}}),
            {"5: sprite name 'Spaceship' is longer than 8 characters; the editor keeps 'Spaceshi', "
             "so saving it again renames the label"});

        // Two labels that an assembler folds together.
        row("duplicate in another case", WorkedWith({{5, "SHIP:"}}),
            {"5: sprite name 'SHIP' repeats 'Ship' of line 2 (assemblers ignore case)"});
        row("duplicates name the first", WorkedWith({{5, "ship:"}, {11, "sHiP:"}}),
            {"5: sprite name 'ship' repeats 'Ship' of line 2 (assemblers ignore case)",
             "11: sprite name 'sHiP' repeats 'Ship' of line 2 (assemblers ignore case)"});
        row("same name twice", WorkedWith({{8, "Alien:"}}),
            {"8: sprite name 'Alien' repeats 'Alien' of line 5 (assemblers ignore case)"});

        // Row items.
        row("lower-case with leading zero", WorkedWith({{4, Db("18h,3ch,7eh,0ffh,0FFh,7Eh,3Ch,18H")}}), {});
        row("three digits with leading zero", WorkedWith({{4, Db("018h,03Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h")}}), {});
        row("blank after a comma", WorkedWith({{4, Db("18h, 3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h")}}), {});
        row("letter first", WorkedWith({{4, Db("18h,3Ch,7Eh,ffh,0FFh,7Eh,3Ch,18h")}}),
            {"4: item 4 'ffh' starts with a letter, so an assembler reads it as a symbol; write '0ffh'"});
        row("no digits", WorkedWith({{7, Db("h,42h,3Ch,5Ah,7Eh,24h,42h,81h")}}), {"7: item 1 'h' has no digits"});
        row("other last character", WorkedWith({{7, Db("81h,42h,3Ch,5Ax,7Eh,24h,42h,81h")}}),
            {"7: item 4 '5Ax' is not a hexadecimal number an assembler accepts (a digit, hex digits, then 'h')"});
        row("decimal without h", WorkedWith({{7, Db("81h,42h,3Ch,5Ah,7Eh,24h,42h,81")}}),
            {"7: item 8 '81' is not a hexadecimal number an assembler accepts (a digit, hex digits, then 'h')"});
        row("more than a byte", WorkedWith({{10, Db("00h,00h,100h,00h,00h,00h,00h,00h")}}),
            {"10: item 3 '100h' is more than a byte"});
        row("one digit", WorkedWith({{10, Db("00h,00h,00h,00h,00h,00h,00h,5h")}}),
            {"10: item 8 '5h' is byte 05h to an assembler but 55h to the editor"});
        row("two leading zeros", WorkedWith({{10, Db("0018h,00h,00h,00h,00h,00h,00h,00h")}}),
            {"10: item 1 '0018h' is byte 18h to an assembler but 08h to the editor"});
        row("blank before a comma", WorkedWith({{4, Db("18h,3Ch ,7Eh,0FFh,0FFh,7Eh,3Ch,18h")}}),
            {"4: item 2 '3Ch ' is byte 3Ch to an assembler but C0h to the editor"});
        row("extra items", WorkedWith({{13, Db("00h,00h,00h,00h,00h,00h,00h,00h,01h")}}),
            {"13: the db line has 9 items; the editor keeps the first 8, an assembler reads all 9"});

        // The directive in the 18-character prefix.
        row("upper-case DB, tabs", WorkedWith({{4, "\tDB\t\t" + std::string(13, ' ') + "18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"}}), {});
        row("dw", WorkedWith({{4, "      dw          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"}}),
            {"4: the db line does not begin with blanks, 'db' and blanks: its first 18 characters are '      dw          '"});
        row("db in column 1", WorkedWith({{4, "db                18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"}}),
            {"4: the db line does not begin with blanks, 'db' and blanks: its first 18 characters are 'db                '"});
        row("db against the first item", WorkedWith({{4, "                db18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"}}),
            {"4: the db line does not begin with blanks, 'db' and blanks: its first 18 characters are '                db'"});

        // Comment lines, whose text the reader skips.
        row("screen line without ';'", WorkedWith({{1, "Screen-Blue-1"}}),
            {"1: the screen line does not start with ';', so an assembler reads it as code"});
        row("color line without ';'", WorkedWith({{6, "Green-4"}}),
            {"6: the color line does not start with ';', so an assembler reads it as code"});

        // Line ends.
        QStringList lfOnly;
        for (int line = 1; line <= 13; ++line)
            lfOnly << QString::number(line) + ": the line ends in LF alone, not CR LF";
        QByteArray lf = Bytes(kWorkedExample);
        QTest::newRow("LF only") << lf.replace("\r\n", "\n") << lfOnly;
        row("no final line end", kWorkedExample.substr(0, kWorkedExample.size() - 2),
            {"13: the last line has no line end (CR LF)"});
        row("final LF only", kWorkedExample.substr(0, kWorkedExample.size() - 2) + "\n",
            {"13: the line ends in LF alone, not CR LF"});
        std::string loneCr = kWorkedExample;
        loneCr.erase(loneCr.find("Alien:\r\n") + 7, 1);
        row("one lone CR", loneCr, {"5: the line ends in CR alone, not CR LF"});
        row("lines after line 13 are not judged", kWorkedExample + "junk\n", {});

        // Several findings come out by line, line end last within a line.
        std::string mixed = WorkedWith({{5, "ship"}, {4, Db("18h,3Ch,7Eh,ffh,0FFh,7Eh,3Ch,18h")}});
        mixed.erase(mixed.find("ship\r\n") + 4, 1);
        row("sorted by line", mixed,
            {"4: item 4 'ffh' starts with a letter, so an assembler reads it as a symbol; write '0ffh'",
             "5: the label line ends in 'p', not ':'", "5: the line ends in LF alone, not CR LF"});
    }
    void warnings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QCOMPARE(Warnings(file.toStdString()), expected);
    }

    // Every byte value a row can hold, as Save writes it, passes: the lint
    // must not complain about what the editor itself produces.
    void everyRowByteTheEditorWritesIsClean()
    {
        for (int first = 0; first < 256; first += kSprites * kRows) {
            SpriteProject project;
            project.NewProject();
            for (int k = 0; k < kSprites; ++k) {
                project.SelectColor((first / 32 + k) % 8);
                project.ApplySpriteColor(k);
                for (int r = 0; r < kRows; ++r)
                    project.Sprites[k].HexRows[r] = RowText(static_cast<std::uint8_t>(first + k * kRows + r));
            }
            const std::string file = ProjectFileBytes(project);
            QVERIFY2(Warnings(file).isEmpty(), qPrintable(Warnings(file).join('\n')));
        }
        SpriteProject fresh;
        fresh.NewProject();
        QCOMPARE(Warnings(ProjectFileBytes(fresh)), QStringList{});
        QCOMPARE(Warnings(ProjectFileBytes(test::WorkedExampleByEditing())), QStringList{});
    }

    void unloadableFileGivesTheReadersError()
    {
        const LintReport report = LintProjectFile(kWorkedExample.substr(0, 154));
        QVERIFY(!report.Loaded);
        QCOMPARE(report.Error.Line, 8);
        QVERIFY(report.Warnings.empty());

        const LintReport badColor = LintProjectFile(WorkedWith({{3, ";Yellow-x"}}));
        QVERIFY(!badColor.Loaded);
        QCOMPARE(badColor.Error.Line, 3);
    }

    void cliExitCodes()
    {
        QVERIFY(dir.isValid());
        const QString clean = dir.filePath("clean.eap");
        const QString dirty = dir.filePath("dirty.eap");
        const QString broken = dir.filePath("broken.eap");
        QVERIFY(test::WriteAll(clean, Bytes(kWorkedExample)));
        QVERIFY(test::WriteAll(dirty, Bytes(WorkedWith({{5, "ship:"}, {7, Db("81h,42h,3Ch,5Ah,7Eh,24h,42h,5h")}}))));
        QVERIFY(test::WriteAll(broken, Bytes(kWorkedExample.substr(0, 154))));

        Run run = Cli({"lint", clean});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QString());

        run = Cli({"lint", dirty});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, dirty + ":5: warning: sprite name 'ship' repeats 'Ship' of line 2 (assemblers ignore case)\n" +
                              dirty + ":7: warning: item 8 '5h' is byte 05h to an assembler but 55h to the editor\n");
        QCOMPARE(run.err, QString());

        run = Cli({"lint", broken});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, broken + ":8: the file ends before line 8\n");

        const QString missing = dir.filePath("missing.eap");
        run = Cli({"lint", missing});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(missing + ": "), qPrintable(run.err));

        for (const QStringList& args : {QStringList{"lint"}, QStringList{"lint", clean, dirty},
                                        QStringList{"lint", clean, "-o", "x.eap"}, QStringList{"lint", clean, "--scale", "2"}}) {
            run = Cli(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("Usage: tilewright-cli"), qPrintable(run.err));
        }
    }
};

QTEST_GUILESS_MAIN(LintTest)
#include "test_lint.moc"
