// The two assemblers that read project files, VACS and asl, built from their
// sources (tests/assemblers/CMakeLists.txt), on the files that
// tests/data/assemblers.txt names: whether they accept them, and whether
// lint says so.
//
// A game pastes the project file and its side file into its source: VACS
// wants an END in every file it includes, and a project file has none. So
// each assembler gets three sources, each followed by some code of the
// game's: the project file; the side file; the project file and then the
// side file. It accepts the files when it assembles all three with no error
// and no warning, and makes exactly what the editor reads: the 8 row bytes
// of each sprite (at its name's label) and of each later frame (at S1F1, ...)
// in turn, no other label or byte, and the game's code after them.
#include <map>

#include <QRegularExpression>

#include "lint/eap_lint.h"
#include "lint_cases.h"
#include "model/row_encoding.h"
#include "project/eap_reader.h"
#include "project/latin1.h"
#include "project/side_file.h"

using namespace tw;
using namespace tw::test;

namespace {

// What follows the files in a game's source: its own code, here a label no
// sprite name can be (the editor keeps 8 characters), and the end.
const QByteArray kGameLabel = "GameCodeFollows";
const QByteArray kGameCode = kGameLabel + ":\r\n      end\r\n";

std::string_view View(const QByteArray& bytes) { return {bytes.constData(), std::size_t(bytes.size())}; }

// A file an assembler may not have written (no code: no binary) as empty.
QByteArray Output(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A project file and its side file, when it has one.
struct Files {
    QString Name;
    QByteArray Project;
    std::optional<QByteArray> Side;
};

// A label and the row bytes the editor reads there.
struct Label {
    QByteArray Name;  // ISO-8859-1, as in the file
    QByteArray Bytes; // what the editor reads under it, up to the next label
};

QByteArray Rows(const std::array<std::string, kRows>& hexRows)
{
    QByteArray rows;
    for (int r = 0; r < kRows; ++r)
        rows += char(RowTextValue(hexRows[r]));
    return rows;
}

// What an assembler made of a source: empty Failure when it had no error
// and no warning.
struct Assembled {
    QString Failure;
    std::map<QByteArray, quint32> Addresses; // by label in upper case
    QByteArray Binary;                        // from address 0
};

QString Run(const QString& folder, const QString& program, const QStringList& args, int& status)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("ASCMD"); // asl's default options
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ended = process.waitForFinished(kProgramMilliseconds) && process.exitStatus() == QProcess::NormalExit;
    status = ended ? process.exitCode() : -1;
    return QString::fromLatin1(process.readAll());
}

// VACS exits 0 when clean, 2 on warnings and 3 on errors, and writes its
// listing (with the labels' addresses at the end) and a binary from address
// 0 into the current folder, even on errors.
Assembled Vacs(const QString& folder, const QByteArray& source)
{
    if (!WriteFile(folder + "/v.asm", source))
        return {"cannot write " + folder + "/v.asm", {}, {}};
    for (const char* old : {"/v.lst", "/v.bin"})
        QFile::remove(folder + old);
    int status = -1;
    const QString output = Run(folder, TILEWRIGHT_VACS, {"v.asm", "-q"}, status);
    Assembled made;
    const QByteArray listing = ReadAll(folder + "/v.lst");
    static const QRegularExpression label(R"(^([A-Z0-9_$]+)[ .]*= Value +([0-9A-F]{8}))", QRegularExpression::MultilineOption);
    for (auto it = label.globalMatch(QString::fromLatin1(listing)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        made.Addresses[m.captured(1).toLatin1()] = m.captured(2).toUInt(nullptr, 16);
    }
    made.Binary = Output(folder + "/v.bin");
    if (status != 0) {
        QStringList said;
        const QList<QByteArray> lines = listing.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].contains("** ERROR **") || lines[i].contains("** WARNING **"))
                said << QString::fromLatin1(lines.value(i - 1).trimmed() + " <- " + lines[i].trimmed());
        made.Failure = "exit " + QString::number(status) + ": " + (said.isEmpty() ? output.trimmed() : said.join("; "));
    }
    return made;
}

// asl takes warnings as errors here (-Werror) and exits 0 only when it had
// neither; its map file gives the labels' addresses, and p2bin makes its code
// file a binary from address 0.
Assembled Asl(const QString& folder, const QByteArray& source)
{
    if (!WriteFile(folder + "/a.asm", source))
        return {"cannot write " + folder + "/a.asm", {}, {}};
    for (const char* old : {"/a.p", "/a.map", "/a.bin"})
        QFile::remove(folder + old);
    int status = -1;
    const QString output = Run(folder, TILEWRIGHT_ASL,
                               {"-cpu", "2650", "-intsyntax", "+hexh", "-q", "-x", "-Werror", "-gnuerrors", "-g", "MAP", "-o", "a.p", "a.asm"}, status);
    Assembled made;
    if (status != 0)
        return made.Failure = "exit " + QString::number(status) + ": " + output.trimmed(), made;
    const QByteArray map = ReadAll(folder + "/a.map");
    static const QRegularExpression label(R"(^(\S+) +Int +([0-9A-F]+) )", QRegularExpression::MultilineOption);
    const qsizetype code = map.indexOf("Symbols in Segment CODE");
    for (auto it = label.globalMatch(QString::fromLatin1(map.mid(code < 0 ? map.size() : code))); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        made.Addresses[m.captured(1).toLatin1()] = m.captured(2).toUInt(nullptr, 16);
    }
    // p2bin writes from the first address used, which is 0 here unless
    // the source sets another, and refuses a code file without code.
    Run(folder, TILEWRIGHT_P2BIN, {"-q", "a.p", "a.bin"}, status);
    made.Binary = Output(folder + "/a.bin");
    return made;
}

// Why `made` is not what the editor reads; empty when it is: the bytes of
// each label in turn, each at its label, and no other label or byte.
QString Misread(const Assembled& made, const std::vector<Label>& labels)
{
    if (!made.Failure.isEmpty())
        return made.Failure;
    QStringList wrong;
    QByteArray bytes;
    std::map<QByteArray, quint32> addresses;
    for (const Label& label : labels) {
        const QString name = QString::fromLatin1(label.Name);
        const auto at = made.Addresses.find(label.Name.toUpper());
        if (label.Name.isEmpty() || at == made.Addresses.end())
            wrong << "no label '" + name + "'";
        else if (at->second != quint32(bytes.size()))
            wrong << QString("'%1' at %2, the editor's at %3").arg(name).arg(at->second, 4, 16, QChar('0')).arg(bytes.size(), 4, 16, QChar('0'));
        else if (made.Binary.mid(bytes.size(), label.Bytes.size()) != label.Bytes)
            wrong << "'" + name + "' holds " + made.Binary.mid(bytes.size(), label.Bytes.size()).toHex(' ') + ", the editor reads " +
                         label.Bytes.toHex(' ');
        addresses[label.Name.toUpper()] = quint32(bytes.size());
        bytes += label.Bytes;
    }
    const auto game = made.Addresses.find(kGameLabel.toUpper());
    if (game == made.Addresses.end() || game->second != quint32(bytes.size()))
        wrong << "the game's own label " + kGameLabel + (game == made.Addresses.end() ? " is lost" : " is misplaced");
    addresses[kGameLabel.toUpper()] = quint32(bytes.size());
    for (const auto& [name, address] : made.Addresses)
        if (!addresses.count(name))
            wrong << "a label '" + QString::fromLatin1(name) + "' the editor does not read";
    if (wrong.isEmpty() && made.Binary != bytes)
        wrong << QString("%1 bytes, the editor's %2: %3").arg(made.Binary.size()).arg(bytes.size()).arg(made.Binary.toHex(' '));
    return wrong.join("; ");
}

// The files' labels and bytes as the editor reads them, or why it cannot.
struct EditorLabels {
    QString Error;
    std::vector<Label> Project, Side;
};

EditorLabels ReadLabels(const Files& files)
{
    EditorLabels read;
    ReadResult project = ReadProjectFile(View(files.Project));
    if (!project.Record)
        return read.Error = "line " + QString::number(project.Error.Line) + ": " + QString::fromStdString(project.Error.Reason), read;
    std::optional<SideFile> side;
    if (files.Side) {
        SideFileRead sideRead = ReadSideFile(View(*files.Side));
        if (!sideRead.File)
            return read.Error = "side file line " + QString::number(sideRead.Error.Line) + ": " + QString::fromStdString(sideRead.Error.Reason), read;
        side = std::move(sideRead.File);
    }
    for (int k = 0; k < kSprites; ++k) {
        const SpriteRecord& sprite = project.Record->Sprites[k];
        // The blanks and tabs before a name are no part of the label: both
        // assemblers skip them.
        QByteArray name = QByteArray::fromStdString(Utf8ToLatin1(sprite.Name));
        while (name.startsWith(' ') || name.startsWith('\t'))
            name.remove(0, 1);
        read.Project.push_back({name, Rows(sprite.HexRows)});
    }
    // The side file's labels, each with the db lines under it: a frame's
    // rows, a scene block's bytes.
    for (std::size_t i = 0; side && i < side->Labels.size(); ++i) {
        Label& label = read.Side.emplace_back(Label{QByteArray::fromStdString(side->Labels[i].Name), {}});
        const int next = i + 1 < side->Labels.size() ? side->Labels[i + 1].Line : side->Lines + 1;
        for (const SideFile::DataLine& data : side->DataLines)
            if (data.Line > side->Labels[i].Line && data.Line < next)
                label.Bytes += Rows(data.Rows);
    }
    return read;
}

// Whether both assemblers accept the files; why not, when they do not.
QStringList Rejections(const Files& files, const EditorLabels& labels)
{
    struct Source {
        const char* What;
        QByteArray Text;
        std::vector<Label> Labels;
    };
    std::vector<Source> sources{{"the project file", files.Project + kGameCode, labels.Project}};
    if (files.Side) {
        std::vector<Label> both = labels.Project;
        both.insert(both.end(), labels.Side.begin(), labels.Side.end());
        sources.push_back({"the side file", *files.Side + kGameCode, labels.Side});
        sources.push_back({"both files", files.Project + *files.Side + kGameCode, both});
    }
    QTemporaryDir scratch;
    QStringList why;
    for (const Source& source : sources)
        for (const auto& [assembler, run] : {std::pair{"VACS", &Vacs}, {"asl", &Asl}}) {
            const QString wrong = Misread(run(scratch.path(), source.Text), source.Labels);
            if (!wrong.isEmpty())
                why << QString("%1 on %2: %3").arg(assembler, source.What, wrong);
        }
    return why;
}

// What `tilewright-cli resave` writes of the files.
std::optional<Files> Resaved(const Files& files, QString& error)
{
    QTemporaryDir dir;
    if (!WriteFile(dir.filePath("in.eap"), files.Project) || (files.Side && !WriteFile(dir.filePath("in.eap.asm"), *files.Side)))
        return error = "cannot write " + dir.path(), std::nullopt;
    int status = -1;
    const QString said = Run(dir.path(), TILEWRIGHT_CLI, {"resave", "in.eap", "out.eap"}, status);
    if (status != 0)
        return error = files.Name + ": resave exit " + QString::number(status) + ": " + said, std::nullopt;
    Files out{files.Name + " resaved", ReadAll(dir.filePath("out.eap")), std::nullopt};
    if (QFile::exists(dir.filePath("out.eap.asm")))
        out.Side = ReadAll(dir.filePath("out.eap.asm"));
    return out;
}

} // namespace

class AssemblersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        for (const char* program : {TILEWRIGHT_VACS, TILEWRIGHT_ASL, TILEWRIGHT_P2BIN})
            QVERIFY2(QFileInfo(program).isExecutable(), program);
    }

    // A case of tests/data/assemblers.txt: the files it names, then what is
    // expected of each.
    void assemblers_data() { CaseRows("assemblers.txt"); }
    void assemblers()
    {
        QFETCH(Case, c);
        QStringList globs, except;
        QString expect, table;
        bool resave = false;
        for (qsizetype i = 0; i < c.Lines.size(); ++i) {
            const QStringList words = QString::fromUtf8(c.Lines[i]).split(' ', Qt::SkipEmptyParts);
            const QString op = words.value(0);
            if (op == "files")
                globs << words.mid(1);
            else if (op == "except")
                except << words.mid(1);
            else if (op == "lint" && words.size() == 2)
                table = words[1];
            else if (op == "resave" && words.size() == 1)
                resave = true;
            else if (op == "expect" && (words.value(1) == "agree" || words.value(1) == "clean") && words.size() == 2)
                expect = words[1];
            else
                QFAIL(qPrintable(c.Where(i) + "unknown step " + c.Lines[i]));
        }
        QVERIFY2(!expect.isEmpty(), qPrintable(c.Name + ": no 'expect agree' or 'expect clean'"));

        // Every glob names files: a misspelt one would test nothing.
        std::vector<Files> named;
        for (const QString& glob : globs) {
            const QString folder = glob.section('/', 0, -2);
            const QStringList found = QDir(Source(folder)).entryList({glob.section('/', -1)}, QDir::Files, QDir::Name);
            QVERIFY2(!found.isEmpty(), qPrintable(glob + " names no file"));
            for (const QString& name : found) {
                const QString path = folder + '/' + name;
                if (except.contains(path))
                    continue;
                Files files{path, ReadAll(Source(path)), std::nullopt};
                if (QFile::exists(Source(path + ".asm")))
                    files.Side = ReadAll(Source(path + ".asm"));
                named.push_back(files);
            }
        }
        // A lint case the editor cannot load has no bytes to compare with.
        int unloaded = 0;
        if (!table.isEmpty())
            for (const Case& lintCase : Cases(table)) {
                const LintCase made = MakeLintCase(lintCase);
                QVERIFY2(made.Wrong.isEmpty(), made.Wrong.constData());
                if (made.Expected.startsWith("not loaded"))
                    ++unloaded;
                else
                    named.push_back({table + ": " + QString::fromUtf8(lintCase.Name), made.Project, made.Side});
            }
        if (resave)
            for (Files& files : named) {
                QString error;
                std::optional<Files> out = Resaved(files, error);
                QVERIFY2(out, qPrintable(error));
                files = *out;
            }
        QVERIFY2(!named.empty(), "the case names no files");

        QStringList wrong;
        int accepted = 0;
        for (const Files& files : named) {
            const EditorLabels labels = ReadLabels(files);
            if (!labels.Error.isEmpty()) {
                wrong << files.Name + ": the editor cannot load it: " + labels.Error;
                continue;
            }
            const LintReport lint = LintProjectFile(View(files.Project), files.Side ? std::optional(View(*files.Side)) : std::nullopt);
            QStringList warnings;
            for (const auto& [lead, list] : {std::pair{"", &lint.Warnings}, {"side ", &lint.SideWarnings}})
                for (const LintWarning& warning : *list)
                    warnings << lead + QString::number(warning.Line) + ": " + QString::fromStdString(warning.Text);
            const QStringList rejections = Rejections(files, labels);
            accepted += rejections.isEmpty();
            if (rejections.isEmpty() != warnings.isEmpty())
                wrong << files.Name + (rejections.isEmpty() ? ": both assemblers accept it, but lint warns:\n    "
                                                            : ": lint is clean, but\n    ") +
                             (rejections.isEmpty() ? warnings : rejections).join("\n    ");
            else if (expect == "clean" && !rejections.isEmpty())
                wrong << files.Name + ": expected clean, but\n    " + (rejections + warnings).join("\n    ");
        }
        qInfo("%d files: %d accepted by both assemblers, %d not%s", int(named.size()), accepted, int(named.size()) - accepted,
              unloaded ? qPrintable(QString(", and %1 cases the editor does not load").arg(unloaded)) : "");
        // One message each: QtTest cuts a long failure message short.
        for (const QString& file : wrong)
            qWarning("%s", qPrintable(file));
        QVERIFY2(wrong.isEmpty(), qPrintable(QString("%1 of the files above").arg(wrong.size())));
    }
};

QTEST_GUILESS_MAIN(AssemblersTest)
#include "test_assemblers.moc"
