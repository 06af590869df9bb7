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
//
// A case may take instead what `tilewright-cli export` writes of the files:
// the hex and binary forms go to both assemblers as one source (asl with the
// options the form's first line names, ";asl: ..."), the C form to gcc with
// every warning an error and to a program that prints its arrays, and the
// raw form is compared as it is: each must hold the editor's bytes, label by
// label.
#include <map>

#include <QStandardPaths>

#include "assemblers.h"
#include "lint/eap_lint.h"
#include "lint_cases.h"
#include "model/row_encoding.h"
#include "project/eap_reader.h"
#include "project/latin1.h"
#include "project/side_file.h"

using namespace tw;
using namespace tw::test;

namespace {

std::string_view View(const QByteArray& bytes) { return {bytes.constData(), std::size_t(bytes.size())}; }

// A project file and its side file, when it has one.
struct Files {
    QString Name;
    QByteArray Project;
    std::optional<QByteArray> Side;
};

QByteArray Rows(const std::array<std::string, kRows>& hexRows)
{
    QByteArray rows;
    for (int r = 0; r < kRows; ++r)
        rows += char(RowTextValue(hexRows[r]));
    return rows;
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

// What tilewright-cli `args` says of the files as in.eap and in.eap.asm.
std::optional<QString> RunCli(const QTemporaryDir& dir, const Files& files, const QStringList& args, QString& error)
{
    if (!WriteFile(dir.filePath("in.eap"), files.Project) || (files.Side && !WriteFile(dir.filePath("in.eap.asm"), *files.Side)))
        return error = "cannot write " + dir.path(), std::nullopt;
    int status = -1;
    const QString said = Run(dir.path(), TILEWRIGHT_CLI, args, status);
    if (status != 0)
        return error = files.Name + ": " + args.join(' ') + ": exit " + QString::number(status) + ": " + said, std::nullopt;
    return said;
}

// What `tilewright-cli resave` writes of the files.
std::optional<Files> Resaved(const Files& files, QString& error)
{
    QTemporaryDir dir;
    if (!RunCli(dir, files, {"resave", "in.eap", "out.eap"}, error))
        return std::nullopt;
    Files out{files.Name + " resaved", ReadAll(dir.filePath("out.eap")), std::nullopt};
    if (QFile::exists(dir.filePath("out.eap.asm")))
        out.Side = ReadAll(dir.filePath("out.eap.asm"));
    return out;
}

// Why what `tilewright-cli export --as FORM` writes of the files is not what
// the editor reads of them; empty when it is.
QStringList ExportRejections(const Files& files, const QString& form, const EditorLabels& labels)
{
    QTemporaryDir dir;
    QString error;
    if (!RunCli(dir, files, {"export", "in.eap", "--as", form, "-o", "out"}, error))
        return {error};
    const QByteArray exported = ReadAll(dir.filePath("out"));
    std::vector<Label> all = labels.Project;
    all.insert(all.end(), labels.Side.begin(), labels.Side.end());
    if (form == "raw") {
        QByteArray bytes;
        for (const Label& label : all)
            bytes += label.Bytes;
        return exported == bytes ? QStringList() : QStringList{"raw: " + exported.toHex(' ') + ", the editor reads " + bytes.toHex(' ')};
    }
    if (form == "c") {
        const QString wrong = Miscompiled(dir.path(), exported, all);
        return wrong.isEmpty() ? QStringList() : QStringList{"gcc: " + wrong};
    }
    QStringList why;
    for (const auto& [assembler, run] : {std::pair{"VACS", &Vacs}, {"asl", &Asl}})
        if (const QString wrong = Misread(run(dir.path(), exported + kGameCode), all); !wrong.isEmpty())
            why << QString("%1 on the %2 export: %3").arg(assembler, form, wrong);
    return why;
}

// A case: the files it names, what is done with them, what is expected.
struct Plan {
    QStringList Globs, Except;
    QString Table, Form, Expect;
    bool Resave = false;
};

std::optional<Plan> ReadPlan(const Case& c, QString& error)
{
    Plan plan;
    for (qsizetype i = 0; i < c.Lines.size(); ++i) {
        const QStringList words = QString::fromUtf8(c.Lines[i]).split(' ', Qt::SkipEmptyParts);
        const QString op = words.value(0);
        if (op == "files")
            plan.Globs << words.mid(1);
        else if (op == "except")
            plan.Except << words.mid(1);
        else if (op == "lint" && words.size() == 2)
            plan.Table = words[1];
        else if (op == "resave" && words.size() == 1)
            plan.Resave = true;
        else if (op == "export" && words.size() == 2 && QStringList{"hex", "binary", "c", "raw"}.contains(words[1]))
            plan.Form = words[1];
        else if (op == "expect" && QStringList{"agree", "clean", "accepted"}.contains(words.value(1)) && words.size() == 2)
            plan.Expect = words[1];
        else
            return error = c.Where(i) + "unknown step " + c.Lines[i], std::nullopt;
    }
    if (plan.Expect.isEmpty() || (plan.Expect == "accepted") != !plan.Form.isEmpty())
        return error = c.Name + ": 'expect agree' or 'expect clean', or with an export 'expect accepted'", std::nullopt;
    return plan;
}

// The files the plan names: every glob names some (a misspelt one would test
// nothing), and the lint table's cases the editor loads (`unloaded` counts
// the others: they have no bytes to compare with).
std::vector<Files> NamedFiles(const Plan& plan, int& unloaded, QString& error)
{
    std::vector<Files> named;
    for (const QString& glob : plan.Globs) {
        const QString folder = glob.section('/', 0, -2);
        const QStringList found = QDir(Source(folder)).entryList({glob.section('/', -1)}, QDir::Files, QDir::Name);
        if (found.isEmpty())
            return error = glob + " names no file", std::vector<Files>();
        for (const QString& name : found)
            if (const QString path = folder + '/' + name; !plan.Except.contains(path))
                named.push_back({path, ReadAll(Source(path)), QFile::exists(Source(path + ".asm")) ? std::optional(ReadAll(Source(path + ".asm"))) : std::nullopt});
    }
    for (const Case& lintCase : plan.Table.isEmpty() ? QList<Case>() : Cases(plan.Table)) {
        const LintCase made = MakeLintCase(lintCase);
        if (!made.Wrong.isEmpty())
            return error = made.Wrong, std::vector<Files>();
        if (made.Expected.startsWith("not loaded"))
            ++unloaded;
        else
            named.push_back({plan.Table + ": " + QString::fromUtf8(lintCase.Name), made.Project, made.Side});
    }
    return named;
}

// What is wrong with the files as the plan expects them; `accepted` says
// whether both assemblers (or, for an export, the tools of its form) took them.
QStringList Judged(const Files& files, const EditorLabels& labels, const Plan& plan, bool& accepted)
{
    if (!plan.Form.isEmpty()) {
        const QStringList rejections = ExportRejections(files, plan.Form, labels);
        accepted = rejections.isEmpty();
        return accepted ? QStringList() : QStringList{files.Name + ":\n    " + rejections.join("\n    ")};
    }
    const LintReport lint = LintProjectFile(View(files.Project), files.Side ? std::optional(View(*files.Side)) : std::nullopt);
    QStringList warnings;
    for (const auto& [lead, list] : {std::pair{"", &lint.Warnings}, {"side ", &lint.SideWarnings}})
        for (const LintWarning& warning : *list)
            warnings << lead + QString::number(warning.Line) + ": " + QString::fromStdString(warning.Text);
    const QStringList rejections = Rejections(files, labels);
    accepted = rejections.isEmpty();
    if (rejections.isEmpty() != warnings.isEmpty())
        return {files.Name + (accepted ? ": both assemblers accept it, but lint warns:\n    " : ": lint is clean, but\n    ") +
                (accepted ? warnings : rejections).join("\n    ")};
    if (plan.Expect == "clean" && !accepted)
        return {files.Name + ": expected clean, but\n    " + (rejections + warnings).join("\n    ")};
    return {};
}

} // namespace

class AssemblersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        for (const char* program : {TILEWRIGHT_VACS, TILEWRIGHT_ASL, TILEWRIGHT_P2BIN})
            QVERIFY2(QFileInfo(program).isExecutable(), program);
        QVERIFY2(!QStandardPaths::findExecutable("gcc").isEmpty(), "gcc, for the C export");
    }

    // A case of tests/data/assemblers.txt: the files it names, then what is
    // expected of each.
    void assemblers_data() { CaseRows("assemblers.txt"); }
    void assemblers()
    {
        QFETCH(Case, c);
        QString error;
        const std::optional<Plan> plan = ReadPlan(c, error);
        QVERIFY2(plan, qPrintable(error));
        int unloaded = 0;
        std::vector<Files> named = NamedFiles(*plan, unloaded, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        if (plan->Resave)
            for (Files& files : named) {
                std::optional<Files> out = Resaved(files, error);
                QVERIFY2(out, qPrintable(error));
                files = *out;
            }
        QVERIFY2(!named.empty(), "the case names no files");

        QStringList wrong;
        int accepted = 0;
        for (const Files& files : named) {
            const EditorLabels labels = ReadLabels(files);
            bool took = false;
            wrong << (labels.Error.isEmpty() ? Judged(files, labels, *plan, took) : QStringList{files.Name + ": the editor cannot load it: " + labels.Error});
            accepted += took;
        }
        qInfo("%d files: %d accepted by %s, %d not%s", int(named.size()), accepted,
              plan->Form.isEmpty() ? "both assemblers" : qPrintable("the tools of the " + plan->Form + " form"), int(named.size()) - accepted,
              unloaded ? qPrintable(QString(", and %1 cases the editor does not load").arg(unloaded)) : "");
        // One message each: QtTest cuts a long failure message short.
        for (const QString& file : wrong)
            qWarning("%s", qPrintable(file));
        QVERIFY2(wrong.isEmpty(), qPrintable(QString("%1 of the files above").arg(wrong.size())));
    }
};

QTEST_GUILESS_MAIN(AssemblersTest)
#include "test_assemblers.moc"
