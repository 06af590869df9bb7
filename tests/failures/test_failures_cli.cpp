// Failures injected under tilewright-cli, run as a child process: folders and
// files that refuse writes (as the unprivileged user "nobody" when the tests
// run as root, since root ignores permissions), the immutable attribute, a
// missing folder, a folder in the way, a full or read-only disk, a file size
// limit with and without SIGXFSZ, files that are no project file, and unusual
// file names. A refusal must exit 1 with "FILE: reason" on standard error and
// leave every file as it was; a project file that cannot be loaded must not be
// read to its end nor held in memory.
#include <QTemporaryDir>
#include <QTest>

#include "cartridge/cartridge.h"
#include "failure_support.h"
#include "storage/storage.h"
#include "test_support.h"

using namespace tw;
using namespace tw::failtest;

namespace {

QByteArray WorkedImage()
{
    const CartridgeImage image = BuildCartridgeImage(test::WorkedExampleByEditing());
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
}

} // namespace

class CliFailuresTest : public QObject {
    Q_OBJECT

    QString cli_ = QStringLiteral(TILEWRIGHT_CLI);
    QByteArray goodImage_;
    QString nobodyProblem_; // why "nobody" cannot run the CLI, if it cannot

private Q_SLOTS:
    void initTestCase()
    {
        goodImage_ = WorkedImage();
        QCOMPARE(goodImage_.size(), 133);
        if (IsRoot()) {
            ChildOptions options;
            options.AsNobody = true;
            const ChildRun run = RunChild(cli_, {QStringLiteral("--version")}, options);
            if (run.ExitCode != 0)
                nobodyProblem_ = QStringLiteral("the user nobody cannot run %1 where it was built (exit %2): "
                                                "root ignores file permissions, so they cannot be tested")
                                     .arg(cli_)
                                     .arg(run.ExitCode);
        }
    }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        OpenToAll(dir_->path());
        good_ = Path("good.eap");
        QVERIFY(test::WriteAll(good_, test::Bytes(test::kWorkedExample)));
    }

    void cleanup() { dir_.reset(); }

    // A folder the running user may not write into, holding an old project
    // and its image: as root, the child runs as nobody and the folder stays
    // root's; otherwise the folder loses its write permission.
    void folderWithoutWritePermission()
    {
        if (!nobodyProblem_.isEmpty())
            QSKIP(qPrintable(nobodyProblem_));
        const QString folder = Path("theirs");
        const QString project = OldProjectIn(folder);
        std::unique_ptr<ReadOnly> readOnly;
        if (!IsRoot()) {
            readOnly = std::make_unique<ReadOnly>(folder);
            QVERIFY2(readOnly->Ok(), qPrintable(readOnly->Problem()));
        }
        const QString notWritable = QStringLiteral("Existing file %1 is not writable");
        const QString denied = SystemReason(EACCES);
        ExpectRefused({"resave", good_, folder + "/new.eap"}, folder + "/new.eap", denied);
        ExpectRefused({"bin", project, "-o", folder + "/new.bin"}, folder + "/new.bin", denied);
        ExpectRefused({"png", project, "-o", folder + "/sheet.png"}, folder + "/sheet.png", denied);
        if (IsRoot()) {
            // The old files are root's: not writable to nobody either.
            ExpectRefused({"resave", good_, project}, project, notWritable.arg(project));
            ExpectRefused({"bin", project}, folder + "/old.bin", notWritable.arg(folder + "/old.bin"));
        } else {
            ExpectRefused({"resave", good_, project}, project, denied);
            ExpectRefused({"bin", project}, folder + "/old.bin", denied);
        }
    }

    // Read-only files in a folder the user may write into: the user's own
    // files without write permission (nobody's, when running as root).
    void filesWithoutWritePermission()
    {
        if (!nobodyProblem_.isEmpty())
            QSKIP(qPrintable(nobodyProblem_));
        const QString folder = Path("mine");
        const QString project = OldProjectIn(folder);
        const QString image = folder + "/old.bin";
        if (IsRoot())
            for (const QString& path : {folder, project, image})
                QVERIFY2(chown(QFile::encodeName(path).constData(), kNobody, kNoGroup) == 0, qPrintable(path));
        const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(project, readable));
        QVERIFY(QFile::setPermissions(image, readable));
        const QString notWritable = QStringLiteral("Existing file %1 is not writable");
        ExpectRefused({"resave", good_, project}, project, notWritable.arg(project));
        ExpectRefused({"bin", project}, image, notWritable.arg(image));
        ExpectRefused({"png", project, "-o", image}, image, notWritable.arg(image));
    }

    // The immutable attribute: refused even to root.
    void immutableFilesAndFolder()
    {
        if (!IsRoot())
            QSKIP("setting the immutable attribute needs root (CAP_LINUX_IMMUTABLE)");
        const QString folder = Path("locked");
        const QString project = OldProjectIn(folder);
        const QString image = folder + "/old.bin";
        {
            ReadOnly projectLocked(project), imageLocked(image);
            if (!projectLocked.Ok())
                QSKIP(qPrintable(projectLocked.Problem()));
            const QString notWritable = QStringLiteral("Existing file %1 is not writable");
            ExpectRefused({"resave", good_, project}, project, notWritable.arg(project), false);
            ExpectRefused({"bin", project}, image, notWritable.arg(image), false);
        }
        ReadOnly folderLocked(folder);
        QVERIFY2(folderLocked.Ok(), qPrintable(folderLocked.Problem()));
        const QString refused = SystemReason(EPERM);
        ExpectRefused({"resave", good_, project}, project, refused, false);
        ExpectRefused({"resave", good_, folder + "/new.eap"}, folder + "/new.eap", refused, false);
        ExpectRefused({"bin", project}, image, refused, false);
    }

    void unreadableProjectFile()
    {
        if (!nobodyProblem_.isEmpty())
            QSKIP(qPrintable(nobodyProblem_));
        const QString secret = Path("secret.eap");
        QVERIFY(test::WriteAll(secret, test::Bytes(test::kWorkedExample)));
        QVERIFY(QFile::setPermissions(secret, {}));
        const QMap<QString, QByteArray> before = Contents(dir_->path());
        for (const char* command : {"check", "bin"}) {
            const ChildRun run = Cli({QString::fromLatin1(command), secret}, AsNobody());
            QCOMPARE(run.ExitCode, 1);
            QCOMPARE(QString::fromUtf8(run.Err), secret + ": " + SystemReason(EACCES) + "\n");
        }
        QCOMPARE(Contents(dir_->path()), before);
    }

    void missingFolderAndFolderInTheWay()
    {
        const QString missing = SystemReason(ENOENT);
        ExpectRefused({"resave", good_, Path("gone/new.eap")}, Path("gone/new.eap"), missing, false);
        ExpectRefused({"bin", good_, "-o", Path("gone/new.bin")}, Path("gone/new.bin"), missing, false);
        ExpectRefused({"png", good_, "-o", Path("gone/sheet.png")}, Path("gone/sheet.png"), missing, false);

        QVERIFY(QDir(Path("taken.eap")).mkpath(QStringLiteral("inside")));
        QVERIFY(QDir(Path("taken.bin")).mkpath(QStringLiteral("inside")));
        const QString folder = QStringLiteral("Filename refers to a directory");
        ExpectRefused({"resave", good_, Path("taken.eap")}, Path("taken.eap"), folder, false);
        ExpectRefused({"bin", good_, "-o", Path("taken.bin")}, Path("taken.bin"), folder, false);
    }

    void fullDisk()
    {
        SmallDisk disk(Path("disk"), 16);
        if (!disk.Ok())
            QSKIP(qPrintable(disk.Problem()));
        const QString project = OldProjectIn(Path("disk"));
        QVERIFY2(disk.Fill(), "the tmpfs did not fill up");
        const QString full = SystemReason(ENOSPC);
        ExpectRefused({"resave", good_, project}, project, full, false);
        ExpectRefused({"resave", good_, Path("disk/new.eap")}, Path("disk/new.eap"), full, false);
        ExpectRefused({"bin", project}, Path("disk/old.bin"), full, false);
        ExpectRefused({"png", project, "-o", Path("disk/sheet.png")}, Path("disk/sheet.png"), full, false);
    }

    void readOnlyDisk()
    {
        SmallDisk disk(Path("disk"), 64);
        if (!disk.Ok())
            QSKIP(qPrintable(disk.Problem()));
        const QString project = OldProjectIn(Path("disk"));
        QVERIFY(disk.RemountReadOnly());
        // Existing files are found not writable before anything is tried.
        const QString notWritable = QStringLiteral("Existing file %1 is not writable");
        ExpectRefused({"resave", good_, project}, project, notWritable.arg(project), false);
        ExpectRefused({"bin", project}, Path("disk/old.bin"), notWritable.arg(Path("disk/old.bin")), false);
        const QString readOnly = SystemReason(EROFS);
        ExpectRefused({"resave", good_, Path("disk/new.eap")}, Path("disk/new.eap"), readOnly, false);
        ExpectRefused({"bin", project, "-o", Path("disk/new.bin")}, Path("disk/new.bin"), readOnly, false);
    }

    // ulimit -f: with SIGXFSZ ignored a write past the limit fails (EFBIG) and
    // must be reported; with SIGXFSZ at its default the process dies, and
    // must leave the old files as they were all the same.
    void fileSizeLimit()
    {
        const QString project = OldProjectIn(Path("project"));
        ChildOptions limited;
        limited.FileSizeLimit = 100;
        limited.IgnoreFileSizeSignal = true;
        const QString tooLarge = SystemReason(EFBIG);
        ExpectRefused({"resave", good_, project}, project, tooLarge, false, limited);
        ExpectRefused({"resave", good_, Path("project/new.eap")}, Path("project/new.eap"), tooLarge, false, limited);
        ExpectRefused({"bin", project}, Path("project/old.bin"), tooLarge, false, limited);
        ExpectRefused({"png", project, "-o", Path("project/sheet.png")}, Path("project/sheet.png"), tooLarge, false,
                      limited);

        limited.IgnoreFileSizeSignal = false;
        const QMap<QString, QByteArray> before = Contents(dir_->path());
        for (const QStringList& args : {QStringList{"resave", good_, project}, QStringList{"bin", project},
                                        QStringList{"resave", good_, Path("project/new.eap")}}) {
            const ChildRun run = Cli(args, limited);
            QVERIFY2(run.Signal == SIGXFSZ, qPrintable(args.join(' ') + ": " + Describe(run)));
            QCOMPARE(Contents(dir_->path()), before);
        }
    }

    void unloadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << ": Is a directory";
        QTest::newRow("empty") << "empty" << ":1: the file is empty";
        QTest::newRow("binary garbage") << "garbage" << ":2: the label line is empty: there is no sprite name";
        QTest::newRow("100 MB of zero bytes, no line end")
            << "sparse" << ":1: line 1 does not end within the first 1048576 bytes of the file";
        QTest::newRow("100 MB of text, no line end")
            << "text" << ":1: line 1 does not end within the first 1048576 bytes of the file";
        QTest::newRow("100 MB, line 4 never ends")
            << "long line" << ":4: line 4 does not end within the first 1048576 bytes of the file";
    }

    void unloadableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString bad = Path("bad.eap");
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(bad).mkpath(QStringLiteral("inside")));
        else if (kind == QLatin1String("empty"))
            QVERIFY(test::WriteAll(bad, QByteArray()));
        else if (kind == QLatin1String("garbage"))
            QVERIFY(test::WriteAll(bad, QByteArray::fromHex("89504e470d0a0a0d0a1a0a00000000ff00fe01fd7f80c0ffee")));
        else if (kind == QLatin1String("sparse"))
            QVERIFY(MakeBigFile(bad, 100 << 20));
        else if (kind == QLatin1String("text"))
            QVERIFY(MakeBigFile(bad, 100 << 20, 'x'));
        else if (kind == QLatin1String("long line")) {
            QVERIFY(MakeBigFile(bad, 100 << 20, '1'));
            QFile file(bad);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.write(test::Bytes(test::kWorkedExample.substr(0, 60))) == 60);
        }
        const QMap<QString, QByteArray> before = Contents(dir_->path());

        // What a good file costs, to compare the bad one with.
        const ChildRun baseline = Cli({"check", good_});
        QCOMPARE(baseline.ExitCode, 0);
        for (const char* command : {"check", "bin", "resave", "png", "lint"}) {
            QStringList args{QString::fromLatin1(command), bad};
            if (args[0] == QLatin1String("resave"))
                args << Path("out.eap");
            if (args[0] == QLatin1String("png"))
                args << "-o" << Path("out.png");
            const ChildRun run = Cli(args);
            QVERIFY2(run.ExitCode == (args[0] == QLatin1String("lint") ? 2 : 1), qPrintable(Describe(run)));
            QCOMPARE(QString::fromUtf8(run.Err), bad + reason + "\n");
            QCOMPARE(run.Out, QByteArray());
            // Refused after the first MiB: the file is neither read whole
            // nor held in memory.
            const long grownKiB = run.PeakRssKiB - baseline.PeakRssKiB;
            QVERIFY2(grownKiB < 32 * 1024,
                     qPrintable(QStringLiteral("%1: peak memory %2 KiB, %3 KiB more than for a good file")
                                    .arg(args[0])
                                    .arg(run.PeakRssKiB)
                                    .arg(grownKiB)));
            QCOMPARE(Contents(dir_->path()), before);
        }
    }

    void unusualFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("my  sprites v2 ");
        QTest::newRow("Latin-1 letters") << QStringLiteral("Raumschiff Größe ä");
        QTest::newRow("beyond Latin-1") << QStringLiteral("宇宙 ω – ship");
        QTest::newRow("quotes and an apostrophe") << QStringLiteral("it's \"quoted\"");
    }

    void unusualFileNames()
    {
        QFETCH(QString, name);
        const QString project = Path(name + ".eap");
        ChildRun run = Cli({"resave", good_, project});
        QVERIFY2(run.ExitCode == 0, qPrintable(Describe(run)));
        QCOMPARE(test::ReadAll(project), test::Bytes(test::kWorkedExample));

        run = Cli({"check", project});
        QVERIFY2(run.ExitCode == 0, qPrintable(Describe(run)));
        QVERIFY2(run.Out.startsWith((project + ": screen Blue (1);").toUtf8()), run.Out.constData());

        run = Cli({"bin", project});
        QVERIFY2(run.ExitCode == 0, qPrintable(Describe(run)));
        QCOMPARE(test::ReadAll(Path(name + ".bin")), goodImage_);

        run = Cli({"lint", project});
        QVERIFY2(run.ExitCode == 0, qPrintable(Describe(run)));

        run = Cli({"png", project, "-o", Path(name + ".png")});
        QVERIFY2(run.ExitCode == 0, qPrintable(Describe(run)));
        QVERIFY(test::ReadAll(Path(name + ".png")).startsWith("\x89PNG\r\n\x1a\n"));

        // A failure names the file as given.
        run = Cli({"check", Path(name + ".missing")});
        QCOMPARE(run.ExitCode, 1);
        QCOMPARE(QString::fromUtf8(run.Err), Path(name + ".missing") + ": " + SystemReason(ENOENT) + "\n");
    }

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    QString Path(const char* name) const { return Path(QString::fromUtf8(name)); }

    static void OpenToAll(const QString& folder)
    {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    }

    static ChildOptions AsNobody()
    {
        ChildOptions options;
        options.AsNobody = true;
        return options;
    }

    ChildRun Cli(const QStringList& args, const ChildOptions& options = {}) const
    {
        return RunChild(cli_, args, options);
    }

    static QString Describe(const ChildRun& run)
    {
        return QStringLiteral("started %1, timed out %2, exit %3, signal %4, stdout '%5', stderr '%6'")
            .arg(run.Started)
            .arg(run.TimedOut)
            .arg(run.ExitCode)
            .arg(run.Signal)
            .arg(QString::fromUtf8(run.Out), QString::fromUtf8(run.Err));
    }

    // old.eap (the worked example) and its image old.bin in a new `folder`.
    QString OldProjectIn(const QString& folder)
    {
        QDir().mkpath(folder);
        OpenToAll(folder);
        const QString project = folder + "/old.eap";
        if (!test::WriteAll(project, test::Bytes(test::kNewProjectFile)) ||
            !test::WriteAll(folder + "/old.bin", QByteArray(133, '\x55')))
            QTest::qFail(qPrintable(QStringLiteral("cannot write the old files in %1").arg(folder)), __FILE__, __LINE__);
        return project;
    }

    // Runs the CLI (as nobody when `asNobody` and root) and checks that it
    // refused with "target: reason" and left every file as it was.
    void ExpectRefused(const QStringList& args, const QString& target, const QString& reason, bool asNobody = true,
                       ChildOptions options = {})
    {
        options.AsNobody = asNobody;
        const QMap<QString, QByteArray> before = Contents(dir_->path());
        const ChildRun run = Cli(args, options);
        const QString what = args.join(' ');
        QVERIFY2(run.ExitCode == 1, qPrintable(what + ": " + Describe(run)));
        QVERIFY2(QString::fromUtf8(run.Err) == target + ": " + reason + "\n",
                 qPrintable(what + ": stderr '" + QString::fromUtf8(run.Err) + "', want '" + target + ": " + reason +
                            "'"));
        QVERIFY2(Contents(dir_->path()) == before, qPrintable(what + ": the files changed"));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString good_;
};

QTEST_GUILESS_MAIN(CliFailuresTest)
#include "test_failures_cli.moc"
