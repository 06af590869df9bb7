#include <QtTest>

#include <unistd.h>

#include "cartridge/cartridge.h"
#include "project/eap_writer.h"
#include "storage/storage.h"
#include "test_support.h"

using namespace tw;
using test::ReadAll;
using test::WriteAll;

class StorageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAndLoadThroughFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ship.eap");
        const SpriteProject edited = test::WorkedExampleByEditing();
        QVERIFY(storage::SaveProject(path, edited).Ok);
        QCOMPARE(ReadAll(path), test::Bytes(test::kWorkedExample));

        SpriteProject loaded;
        QVERIFY(storage::LoadProject(path, loaded).Ok);
        QCOMPARE(loaded.ProjectFileName, path.toStdString());
        QCOMPARE(loaded.ProjectFileTitle, std::string("ship.eap"));
        QCOMPARE(loaded.Sprites, [&] {
            SpriteProject expected = edited;
            return expected.Sprites;
        }());
        // Saving over an existing file replaces it.
        QVERIFY(storage::SaveProject(path, SpriteProject()).Ok);
        QCOMPARE(ReadAll(path), test::Bytes(test::kNewProjectFile));
    }

    void failedLoadLeavesTheProjectAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\x02\xff\r\n\x7f", 7) << 3;
        QTest::newRow("seven lines") << test::Bytes(test::kWorkedExample.substr(0, 154)) << 8;
    }
    void failedLoadLeavesTheProjectAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.eap");
        QVERIFY(WriteAll(path, content));
        SpriteProject p = test::WorkedExampleByEditing();
        p.SetProjectFile("/old/path.eap", "path.eap");
        const SpriteProject before = p;
        const storage::Outcome outcome = storage::LoadProject(path, p);
        QVERIFY(!outcome.Ok);
        QCOMPARE(outcome.Line, line);
        QVERIFY(!outcome.Reason.isEmpty());
        QVERIFY(p == before);
    }

    void unreadableFilesGiveTheSystemsReason()
    {
        QTemporaryDir dir;
        SpriteProject p;
        const SpriteProject before = p;
        storage::Outcome missing = storage::LoadProject(dir.filePath("none.eap"), p);
        QVERIFY(!missing.Ok);
        QCOMPARE(missing.Line, 0);
        QVERIFY2(missing.Reason.contains("No such file", Qt::CaseInsensitive), qPrintable(missing.Reason));
        storage::Outcome folder = storage::LoadProject(dir.path(), p);
        QVERIFY(!folder.Ok);
        QCOMPARE(folder.Reason, QString("Is a directory"));
        QVERIFY(p == before);
    }

    void readingStopsAtTheThirteenthLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.eap");
        // Lines after the 13th are never looked at, however much follows.
        QVERIFY(WriteAll(path, test::Bytes(test::kWorkedExample) + QByteArray(3 << 20, 'x')));
        SpriteProject p;
        QVERIFY(storage::LoadProject(path, p).Ok);
        QCOMPARE(p.Sprites[1].Name, std::string("Alien"));

        // A line that never ends is refused without reading the whole file.
        QVERIFY(WriteAll(path, test::Bytes(test::kWorkedExample.substr(0, 60)) + QByteArray(3 << 20, '1')));
        const storage::Outcome outcome = storage::LoadProject(path, p);
        QVERIFY(!outcome.Ok);
        QCOMPARE(outcome.Line, 4);
        QVERIFY2(outcome.Reason.contains("does not end"), qPrintable(outcome.Reason));
    }

    void failedWritesLeaveNothingBehind()
    {
        QTemporaryDir dir;
        const SpriteProject p;
        const QString missingFolder = dir.filePath("no/such/folder/x.eap");
        storage::Outcome outcome = storage::SaveProject(missingFolder, p);
        QVERIFY(!outcome.Ok);
        QVERIFY(!outcome.Reason.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("no")));
        QVERIFY(!storage::WriteCartridgeImage(dir.filePath("no/x.bin"), p).Ok);

        // A folder in the way stays a folder, with its contents.
        QVERIFY(QDir(dir.path()).mkpath("taken.eap/inner"));
        QVERIFY(!storage::SaveProject(dir.filePath("taken.eap"), p).Ok);
        QVERIFY(QFileInfo(dir.filePath("taken.eap/inner")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        if (geteuid() == 0)
            QSKIP("root may write into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.eap");
        QVERIFY(WriteAll(path, "old contents"));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const storage::Outcome outcome = storage::SaveProject(path, SpriteProject());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!outcome.Ok);
        QCOMPARE(ReadAll(path), QByteArray("old contents"));
    }

    void imageIsAlways133Bytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("demo.bin");
        QVERIFY(WriteAll(path, QByteArray(4096, '\x55')));
        const SpriteProject p = test::WorkedExampleByEditing();
        QVERIFY(storage::WriteCartridgeImage(path, p).Ok);
        const QByteArray bytes = ReadAll(path);
        const CartridgeImage image = BuildCartridgeImage(p);
        QCOMPARE(bytes, QByteArray(reinterpret_cast<const char*>(image.data()), 133));
    }

    void fileTitleIsTheBareName()
    {
        QCOMPARE(storage::FileTitle("/a/b/Demo File.eap"), QString("Demo File.eap"));
        QCOMPARE(storage::FileTitle("demo.eap"), QString("demo.eap"));
    }
};

QTEST_GUILESS_MAIN(StorageTest)
#include "test_storage.moc"
