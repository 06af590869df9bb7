// Failures injected under the editor window, each through the File menu as a
// user meets it: folders and files that refuse writes, a missing folder, a
// folder where the file should be, a full or read-only disk, a file size limit,
// and project files that are no project file (a folder, empty, binary garbage,
// 100 MB without a line end, unreadable). Every one must end in the one "File
// error" box with the system's or the reader's reason below it, the files on
// disk exactly as they were, and the window and its project unchanged.
// Unusual file names (spaces, letters beyond ASCII) must simply work.
#include <QTemporaryDir>
#include <QTest>

#include <sys/fsuid.h>

#include "cartridge/cartridge.h"
#include "failure_support.h"
#include "ui_test_support.h"

using namespace tw::uitest;
using namespace tw::failtest;

namespace {

QByteArray Image(const tw::SpriteProject& project)
{
    const tw::CartridgeImage image = tw::BuildCartridgeImage(project);
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
}

// File system checks made as "nobody" while alive (root only): the kernel then
// refuses what the file permissions refuse, as it does for any user.
class AsNobodyForFiles {
public:
    AsNobodyForFiles()
    {
        if (IsRoot()) {
            setfsgid(kNoGroup);
            setfsuid(kNobody);
        }
    }
    ~AsNobodyForFiles()
    {
        if (IsRoot()) {
            setfsuid(0);
            setfsgid(0);
        }
    }
};

} // namespace

class WindowFailuresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        editor_ = std::make_unique<Editor>();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // Open to every user, so that checks made as "nobody" reach the files.
        QVERIFY(QFile::setPermissions(dir_->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                        QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                        QFileDevice::ExeGroup));
    }

    void cleanup()
    {
        QCOMPARE(editor_->Script.Unexpected, 0);
        editor_.reset();
        dir_.reset();
    }

    void readOnlyFolder()
    {
        Editor& e = *editor_;
        const QString folder = Path("project");
        const QString project = SaveOldProject(folder);
        QCOMPARE(e.Script.Messages.size(), 0);
        ReadOnly readOnly(folder);
        if (!readOnly.Ok())
            QSKIP(qPrintable(readOnly.Problem()));
        const QString reason = SystemReason(readOnly.FolderErrno());

        ExpectRefused("Save over the old file", [&] { Save(project); }, reason);
        ExpectRefused("Save under a new name", [&] { Save(folder + QStringLiteral("/new.eap")); }, reason);
        ExpectRefused("Create Binary", [&] { e.Trigger("mnuFileCreateBinary"); }, reason);
    }

    void readOnlyTargets()
    {
        Editor& e = *editor_;
        const QString folder = Path("project");
        const QString project = SaveOldProject(folder);
        const QString image = folder + QStringLiteral("/old.bin");
        ReadOnly projectReadOnly(project);
        ReadOnly imageReadOnly(image);
        if (!projectReadOnly.Ok() || !imageReadOnly.Ok())
            QSKIP(qPrintable(projectReadOnly.Problem() + imageReadOnly.Problem()));

        ExpectRefused("Save", [&] { Save(project); }, QStringLiteral("Existing file %1 is not writable").arg(project));
        ExpectRefused("Create Binary", [&] { e.Trigger("mnuFileCreateBinary"); },
                      QStringLiteral("Existing file %1 is not writable").arg(image));
    }

    void missingFolder()
    {
        Editor& e = *editor_;
        const QString folder = Path("project");
        const QString project = SaveOldProject(folder);
        const QString reason = SystemReason(ENOENT);
        ExpectRefused("Save into a missing folder", [&] { Save(Path("gone/sprites.eap")); }, reason);

        // The project's own folder removed behind the editor's back.
        QVERIFY(QDir(folder).removeRecursively());
        ExpectRefused("Create Binary beside a project whose folder is gone", [&] { e.Trigger("mnuFileCreateBinary"); },
                      reason);
        QVERIFY(!QFileInfo::exists(folder));
    }

    void folderInTheWay()
    {
        const QString folder = Path("project");
        SaveOldProject(folder);
        QVERIFY(QDir(folder).mkpath(QStringLiteral("taken.eap/inside")));
        QVERIFY(WriteAll(folder + QStringLiteral("/taken.eap/inside/keep.txt"), "kept"));
        ExpectRefused("Save over a folder", [&] { Save(folder + QStringLiteral("/taken.eap")); },
                      QStringLiteral("Filename refers to a directory"));
    }

    void fullDisk()
    {
        Editor& e = *editor_;
        SmallDisk disk(Path("disk"), 16);
        if (!disk.Ok())
            QSKIP(qPrintable(disk.Problem()));
        const QString project = SaveOldProject(Path("disk"));
        QVERIFY2(disk.Fill(), "the tmpfs did not fill up");
        const QString reason = SystemReason(ENOSPC);

        ExpectRefused("Save over the old file", [&] { Save(project); }, reason);
        ExpectRefused("Save under a new name", [&] { Save(Path("disk/new.eap")); }, reason);
        ExpectRefused("Create Binary", [&] { e.Trigger("mnuFileCreateBinary"); }, reason);
    }

    void readOnlyDisk()
    {
        Editor& e = *editor_;
        SmallDisk disk(Path("disk"), 64);
        if (!disk.Ok())
            QSKIP(qPrintable(disk.Problem()));
        const QString project = SaveOldProject(Path("disk"));
        QVERIFY(disk.RemountReadOnly());

        // Existing files are found not writable before anything is tried.
        ExpectRefused("Save", [&] { Save(project); }, QStringLiteral("Existing file %1 is not writable").arg(project));
        ExpectRefused("Create Binary", [&] { e.Trigger("mnuFileCreateBinary"); },
                      QStringLiteral("Existing file %1 is not writable").arg(Path("disk/old.bin")));
        ExpectRefused("Save under a new name", [&] { Save(Path("disk/new.eap")); }, SystemReason(EROFS));
    }

    void fileSizeLimit()
    {
        Editor& e = *editor_;
        const QString project = SaveOldProject(Path("project"));
        // Room for neither the 298-byte project file nor the 133-byte image.
        const auto limited = [&](auto&& act) {
            FileSizeLimit limit(100);
            QVERIFY(limit.Ok());
            act();
        };
        const QString reason = SystemReason(EFBIG);
        ExpectRefused("Save", [&] { limited([&] { Save(project); }); }, reason);
        ExpectRefused("Create Binary", [&] { limited([&] { e.Trigger("mnuFileCreateBinary"); }); }, reason);
    }

    void unloadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << "Is a directory";
        QTest::newRow("empty") << "empty" << "Line 1: the file is empty";
        QTest::newRow("binary garbage") << "garbage"
                                        << "Line 2: the label line is empty: there is no sprite name";
        QTest::newRow("100 MB of zero bytes, no line end")
            << "sparse" << "Line 1: line 1 does not end within the first 1048576 bytes of the file";
        QTest::newRow("100 MB of text, no line end")
            << "text" << "Line 1: line 1 does not end within the first 1048576 bytes of the file";
        QTest::newRow("unreadable") << "unreadable" << SystemReason(EACCES);
    }

    void unloadableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        SaveOldProject(Path("project"));
        const QString bad = Path(QStringLiteral("bad.eap"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(bad).mkpath(QStringLiteral("inside")));
        else if (kind == QLatin1String("empty"))
            QVERIFY(WriteAll(bad, QByteArray()));
        else if (kind == QLatin1String("garbage"))
            // A PNG header and bytes no text editor writes; its second line is empty.
            QVERIFY(WriteAll(bad, QByteArray::fromHex("89504e470d0a0a0d0a1a0a00000000ff00fe01fd7f80c0ffee")));
        else if (kind == QLatin1String("sparse"))
            QVERIFY(MakeBigFile(bad, 100 << 20));
        else if (kind == QLatin1String("text"))
            QVERIFY(MakeBigFile(bad, 100 << 20, '1'));
        else if (kind == QLatin1String("unreadable")) {
            QVERIFY(WriteAll(bad, tw::uitest::kWorkedExample));
            QVERIFY(QFile::setPermissions(bad, {}));
        }

        const long rssBefore = PeakRssKiB();
        const qint64 readBefore = BytesReadSoFar();
        ExpectRefused("Load", [&] {
            AsNobodyForFiles nobody; // without it, root reads the unreadable file
            Load(bad);
        }, reason);
        const qint64 readAfter = BytesReadSoFar();
        const long grownKiB = PeakRssKiB() - rssBefore;

        if (QFileInfo(bad).size() > (64 << 20)) {
            // Refused after the first MiB: neither held in memory nor read to the end.
            QVERIFY2(grownKiB < 32 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(grownKiB)));
            if (readBefore < 0 || readAfter < 0)
                QSKIP("/proc/self/io is not readable here: the bytes read cannot be counted");
            const qint64 read = readAfter - readBefore;
            QVERIFY2(read < (4 << 20), qPrintable(QStringLiteral("%1 bytes were read").arg(read)));
        }
    }

    void unusualFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("my  sprites v2 .eap");
        QTest::newRow("Latin-1 letters") << QStringLiteral("Raumschiff Größe ä.eap");
        QTest::newRow("beyond Latin-1") << QStringLiteral("宇宙 ω – ship.eap");
        QTest::newRow("quotes and an apostrophe") << QStringLiteral("it's \"quoted\".eap");
    }

    void unusualFileNames()
    {
        QFETCH(QString, name);
        Editor& e = *editor_;
        e.EditWorkedExample();
        const QString path = Path(name);
        Save(path);
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(ReadAll(path), kWorkedExample);
        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: %1]").arg(name));
        QCOMPARE(QString::fromStdString(e.Model().ProjectFileName), path);

        e.Trigger("mnuFileCreateBinary");
        QVERIFY(e.Script.Messages.isEmpty());
        const QString image = path.chopped(4) + QStringLiteral(".bin");
        QCOMPARE(ReadAll(image), Image(e.Model()));
        const Snapshot saved = Take(e);

        e.Script.Answers.push_back(Dialogs::Answer::Ok);
        e.Trigger("mnuFileNewProject");
        Load(path);
        QCOMPARE(e.Script.Messages.size(), 1); // the New Project question only
        QCOMPARE(Take(e), saved);
        QStringList expected{name, QFileInfo(image).fileName()};
        expected.sort();
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files, QDir::Name), expected);
    }

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    QString Path(const char* name) const { return Path(QString::fromUtf8(name)); }

    void Save(const QString& path)
    {
        editor_->Script.Files.push_back(path);
        editor_->Trigger("mnuFileSaveProject");
    }

    void Load(const QString& path)
    {
        editor_->Script.Files.push_back(path);
        editor_->Trigger("mnuFileLoadProject");
    }

    // The worked example saved as old.eap in `folder` with its image old.bin,
    // then edited after the save, so that a write getting through would show.
    QString SaveOldProject(const QString& folder)
    {
        Editor& e = *editor_;
        if (!QDir().mkpath(folder))
            QTest::qFail(qPrintable(QStringLiteral("cannot make %1").arg(folder)), __FILE__, __LINE__);
        const QString project = folder + QStringLiteral("/old.eap");
        e.EditWorkedExample();
        Save(project);
        e.Trigger("mnuFileCreateBinary");
        if (!e.Script.Messages.isEmpty() || ReadAll(project) != kWorkedExample ||
            ReadAll(folder + QStringLiteral("/old.bin")) != Image(e.Model()))
            QTest::qFail(qPrintable(QStringLiteral("the old project could not be saved in %1").arg(folder)), __FILE__,
                         __LINE__);
        e.ClickBlock(3, 0);
        e.TypeName(2, QStringLiteral("Edited"));
        e.Pick(5);
        e.Click(e.Button("cmdSpriteColor", 1));
        e.Click(e.Button("cmdThumbNail", 1));
        return project;
    }

    // Runs `act` and checks that it ended in the one file error box with
    // `reason`, with the files on disk and the window as they were.
    template <typename Act>
    void ExpectRefused(const char* what, Act act, const QString& reason)
    {
        Editor& e = *editor_;
        e.Script.Messages.clear();
        const Snapshot before = Take(e);
        const QMap<QString, QByteArray> files = Contents(dir_->path());
        act();
        QVERIFY2(e.Script.Messages.size() == 1,
                 qPrintable(QStringLiteral("%1: %2 message boxes").arg(what).arg(e.Script.Messages.size())));
        const RecordedMessage& message = e.Script.Messages[0];
        QCOMPARE(message.Title, QStringLiteral("File Error"));
        QCOMPARE(message.Text, QStringLiteral("File error"));
        QCOMPARE(message.Choice, Dialogs::Buttons::Ok);
        QVERIFY2(message.InformativeText == reason,
                 qPrintable(QStringLiteral("%1: reason '%2', want '%3'").arg(what, message.InformativeText, reason)));
        QVERIFY2(Take(e) == before, what);
        QVERIFY2(Contents(dir_->path()) == files, what);
        e.Script.Messages.clear();
    }

    std::unique_ptr<Editor> editor_;
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(WindowFailuresTest)
#include "test_failures_window.moc"
