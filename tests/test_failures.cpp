// Files that cannot be read or written, made so for real (tests/data/failures.txt),
// met by the window and by tilewright-cli alike: each shows the reason, leaves
// every file as it was and the open project as it was. A row with a check
// after its reason is one that must work: the shell check then holds after
// each command.
#include <QDirIterator>
#include <QGroupBox>
#include <QRegularExpression>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include "window.h"

using namespace tw;
using namespace tw::test;

namespace {

// Every file under `root` with its bytes (big ones by size): what a failed
// command must leave exactly as it found.
QStringList Contents(const QString& root)
{
    QStringList contents;
    for (QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        const QFileInfo& info = it.fileInfo(); // a FIFO or a device is not opened: it could block
        contents << path + '=' + (info.isDir() ? "folder" : !info.isFile() ? "special" : info.size() > 4096 ? QString::number(info.size()) : ReadAll(path).toHex());
    }
    return contents;
}

// The unprivileged user that reads are tried as, when the tests run as root.
constexpr uid_t kNobody = 65534;

// The condition of a row that is not a property of the files: a lowered file
// size limit (with SIGXFSZ as it comes: the programs must not die of it), an
// address space of 300,000 KiB (the window, in this far bigger process, gets
// 64 MiB more than it holds), and reading as nobody when root. This one sets
// them in this process, for the window.
void Limit(const QList<QByteArray>& flags)
{
    const rlimit size{100, RLIM_INFINITY};
    if (flags.contains("limit"))
        setrlimit(RLIMIT_FSIZE, &size);
    const rlim_t held = ReadAll("/proc/self/statm").split(' ')[0].toULongLong() * getpagesize();
    const rlimit space{held + (64 << 20), RLIM_INFINITY};
    if (flags.contains("as"))
        setrlimit(RLIMIT_AS, &space);
    if (flags.contains("nobody") && geteuid() == 0)
        setfsuid(kNobody), setfsgid(kNobody);
}

// The command that runs the command line tool under the same conditions. Not
// a child process modifier: QProcess starts children with vfork semantics, and
// an instrumented modifier running on this process's stack can clobber it.
QStringList Limited(const QList<QByteArray>& flags)
{
    QStringList command;
    if (flags.contains("nobody") && geteuid() == 0)
        command << "setpriv" << QStringLiteral("--reuid=%1").arg(kNobody) << QStringLiteral("--regid=%1").arg(kNobody) << "--clear-groups" << "--";
    if (flags.contains("limit") || flags.contains("as")) {
        command << "prlimit";
        if (flags.contains("limit"))
            command << "--fsize=100";
        if (flags.contains("as"))
            command << QStringLiteral("--as=%1").arg(300000 << 10);
        command << "--";
    }
    return command << QStringLiteral(TILEWRIGHT_CLI);
}

} // namespace

class FailuresTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failures_data()
    {
        QTest::addColumn<QByteArray>("row");
        for (const QByteArray& row : ReadAll(Data("failures.txt")).split('\n'))
            if (!row.startsWith('#') && !row.isEmpty())
                QTest::newRow(row.split('\t')[0].constData()) << row;
    }
    void failures()
    {
        QFETCH(QByteArray, row);
        const QList<QByteArray> f = row.split('\t');
        const QList<QByteArray> ops = f[1].split(' ');
        const QRegularExpression reason(QString::fromUtf8(f[3]));
        const QString works = QString::fromUtf8(f.value(4));
        const bool binNamed = ops.contains("bin-named"); // the open project is sub/p.bin, its image's own name
        for (const QByteArray& op : ops)
            QVERIFY2(QByteArrayList({"load", "save", "image", "import", "limit", "as", "nobody", "bin-named"}).contains(op), op.constData());
#ifdef __SANITIZE_ADDRESS__
        if (ops.contains("as"))
            QSKIP("AddressSanitizer needs terabytes of address space");
#endif
        QTemporaryDir dir;
        const QString project = Source("fuzz/corpus/ok-worked-example.eap");
        QVERIFY(QDir(dir.path()).mkdir("sub") && QFile::copy(project, dir.filePath("good.eap")) &&
                QFile::copy(Source("tests/data/worked-example-sheet.png"), dir.filePath("sub/p.png")) &&
                QFile::copy(project, dir.filePath("sub/p.eap")) && QFile::copy(Source("fuzz/corpus/ok-new-project.eap"), dir.filePath("sub/q.eap")) &&
                QFile::copy(binNamed ? project : Source("tests/data/worked-example.bin"), dir.filePath("sub/p.bin")));

        Editor e;
        e.Script.Files << dir.filePath("sub/p.eap");
        e.Menu("mnuFileLoadProject");
        if (binNamed) { // saved there: the editor opens a .bin as an image
            e.Script.Files << dir.filePath("sub/p.bin");
            e.Script.Replies << Dialogs::Answer::Replace;
            e.Menu("mnuFileSaveProject");
        }
        const SpriteProject before = e.Project();
        const QString caption = e.Find<QGroupBox>(QStringLiteral("fmeSpriteGen"))->title();
        const int setup = Sh(dir.path(), QString::fromUtf8(f[2]));
        const auto undo = qScopeGuard([&] { Sh(dir.path(), "chattr -R -i . 2>/dev/null; umount -l sub 2>/dev/null; chmod -R u+rwx ."); });
        if (setup == 77)
            QSKIP("this needs root");
        QCOMPARE(setup, 0);
        const QStringList files = Contents(dir.path());

        for (const QByteArray op : {"load", "save", "image", "import"}) {
            if (!ops.contains(op))
                continue;
            const QString target = dir.filePath(op == "load" ? "sub/p.eap" : op == "save" ? "sub/q.eap" : op == "image" ? "sub/p.bin" : "sub/p.png");
            // The window, its limits set around the one command.
            if (op != "image") // Create Binary asks for no file
                e.Script.Files << target;
            e.Script.Replies = {Dialogs::Answer::Replace}; // a save over another file asks first
            rlimit oldSize{}, oldSpace{};
            getrlimit(RLIMIT_FSIZE, &oldSize), getrlimit(RLIMIT_AS, &oldSpace);
            const qsizetype boxes = e.Script.Messages.size();
            Limit(ops);
            e.Menu(op == "save" ? "mnuFileSaveProject" : op == "image" ? "mnuFileCreateBinary" : "mnuFileLoadProject");
            setrlimit(RLIMIT_FSIZE, &oldSize), setrlimit(RLIMIT_AS, &oldSpace);
            setfsuid(0), setfsgid(0);
            if (works.isEmpty()) {
                QVERIFY2(e.Script.Last().startsWith("File Error: File error (") && e.Script.Last().contains(reason), qPrintable(e.Script.Last()));
                QVERIFY(e.Project() == before);
                QCOMPARE(e.Find<QGroupBox>(QStringLiteral("fmeSpriteGen"))->title(), caption);
                QCOMPARE(Contents(dir.path()), files);
            } else {
                // No box but the question before a file is replaced.
                QVERIFY2(std::all_of(e.Script.Messages.begin() + boxes, e.Script.Messages.end(),
                                     [](const Dialogs::Message& m) { return m.Choice == Dialogs::Buttons::ReplaceCancel; }),
                         qPrintable(e.Script.Last()));
                QVERIFY2(Sh(dir.path(), works) == 0, qPrintable(works));
            }

            // The command line tool, in a process of its own with the same limits.
            QProcess cli;
            QStringList args = Limited(ops);
            args += op == "load"     ? QStringList{"check", target}
                    : op == "save"   ? QStringList{"resave", dir.filePath("good.eap"), target}
                    : op == "import" ? QStringList{"import", target, "-o", dir.filePath("sub/new.eap")}
                    : binNamed       ? QStringList{"bin", target}
                                     : QStringList{"bin", dir.filePath("good.eap"), "-o", target};
            cli.start(args.takeFirst(), args);
            QVERIFY(cli.waitForFinished(kProgramMilliseconds));
            const QString err = QString::fromUtf8(cli.readAllStandardError());
            if (!works.isEmpty()) {
                QVERIFY2(cli.exitCode() == 0 && Sh(dir.path(), works) == 0, qPrintable(err));
                continue;
            }
            QVERIFY2(cli.exitCode() == 1 && err.startsWith(target + ':') && err.contains(reason), qPrintable(err));
            QCOMPARE(Contents(dir.path()), files);
        }
    }
};

QTEST_MAIN(FailuresTest)
#include "test_failures.moc"
