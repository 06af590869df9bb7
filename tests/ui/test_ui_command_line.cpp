// The project file named on the command line (`tilewright FILE.eap`): opened
// after the welcome box exactly as Load Project opens the file chosen in its
// dialog, a bad one shown as the same file error over the start state, and no
// file at all changing nothing.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "storage/storage.h"
#include "ui/editor_startup.h"
#include "ui_test_support.h"

using namespace tw::uitest;

namespace {

// An editor started as the executable starts it, with `file` as the command
// line's project file (empty: none given).
std::unique_ptr<Editor> Started(const QString& file)
{
    auto e = std::make_unique<Editor>();
    e->Script.Messages.clear();
    e->Window = tw::ui::StartEditor(e->Script, file);
    if (!QTest::qWaitForWindowExposed(e->Window.get()))
        qWarning("the editor window was not exposed");
    return e;
}

// An editor started without a file, then given `file` through File > Load
// Project; only the load's own messages are kept.
std::unique_ptr<Editor> LoadedFromMenu(const QString& file)
{
    auto e = Started(QString());
    e->Script.Messages.clear();
    e->Script.Files.push_back(file);
    e->Trigger("mnuFileLoadProject");
    return e;
}

void CheckWelcomeOnly(const ScriptedDialogs& script)
{
    QCOMPARE(script.Messages.size(), 1);
    QCOMPARE(script.Messages[0].Title, QStringLiteral("Welcome"));
    QVERIFY(!script.Messages[0].WindowVisible);
}

QByteArray Latin1Names(QByteArray text)
{
    text.replace("Alien:", "\xC5lien:");
    text.replace("Sprite3:", "S\xFC\xDF:");
    return text;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("my sprites")));
    }

    void cleanup()
    {
        QVERIFY(QDir::setCurrent(startFolder_));
        dir_.reset();
    }

    void openedFileMatchesLoadProject_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::newRow("worked example") << kWorkedExample << QStringLiteral("ship.eap");
        QTest::newRow("new project file") << kNewProjectFile << QStringLiteral("blank.eap");
        QTest::newRow("Latin-1 names, folder with a blank, non-ASCII file name")
            << Latin1Names(kWorkedExample) << QStringLiteral("my sprites/\u00e9t\u00e9.eap");
    }

    void openedFileMatchesLoadProject()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        const QString path = Path(name);
        QVERIFY(WriteAll(path, content));

        const auto opened = Started(path);
        const auto loaded = LoadedFromMenu(path);
        QVERIFY(loaded->Script.Messages.isEmpty()); // the menu load itself succeeded

        // The welcome box first, then the file without a dialog or a message.
        CheckWelcomeOnly(opened->Script);
        QVERIFY(opened->Script.FileRequests.isEmpty());
        QCOMPARE(opened->Script.Unexpected, 0);

        QVERIFY(opened->Model() == loaded->Model());
        QVERIFY(!(opened->Model() == tw::SpriteProject()));
        QCOMPARE(Take(*opened), Take(*loaded));
        QCOMPARE(QString::fromStdString(opened->Model().ProjectFileName), path);
        QCOMPARE(opened->Caption(), QStringLiteral("Sprite Design [Project: %1]").arg(QFileInfo(path).fileName()));
    }

    void createBinaryRunsOnTheOpenedFile()
    {
        const QString path = Path(QStringLiteral("ship.eap"));
        const QString image = Path(QStringLiteral("ship.bin"));
        QVERIFY(WriteAll(path, kWorkedExample));

        const auto loaded = LoadedFromMenu(path);
        loaded->Trigger("mnuFileCreateBinary");
        const QByteArray expected = ReadAll(image);
        QCOMPARE(expected.size(), 133);
        QVERIFY(QFile::remove(image));

        const auto opened = Started(path);
        opened->Script.Messages.clear();
        opened->Trigger("mnuFileCreateBinary");
        QVERIFY(opened->Script.Messages.isEmpty());
        QCOMPARE(ReadAll(image), expected);
    }

    void relativePathIsTakenFromTheCurrentFolder()
    {
        QVERIFY(WriteAll(Path(QStringLiteral("ship.eap")), kWorkedExample));
        QVERIFY(QDir::setCurrent(Path(QStringLiteral("my sprites"))));
        const auto opened = Started(QStringLiteral("../my sprites/../ship.eap"));
        CheckWelcomeOnly(opened->Script);
        // The current folder is a real path (no links), so the name is too.
        QCOMPARE(QString::fromStdString(opened->Model().ProjectFileName),
                 QFileInfo(Path(QStringLiteral("ship.eap"))).canonicalFilePath());
        QCOMPARE(opened->Caption(), QStringLiteral("Sprite Design [Project: ship.eap]"));

        // The image still goes next to the project file once the current
        // folder has changed.
        QVERIFY(QDir::setCurrent(startFolder_));
        opened->Script.Messages.clear();
        opened->Trigger("mnuFileCreateBinary");
        QVERIFY(opened->Script.Messages.isEmpty());
        QCOMPARE(ReadAll(Path(QStringLiteral("ship.bin"))).size(), 133);
    }

    void badFileShowsFileErrorOverTheStartState_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<QString>("name");
        QTest::newRow("no such file") << QByteArray() << QStringLiteral("gone.eap");
        QTest::newRow("a folder") << QByteArray() << QStringLiteral("my sprites");
        QTest::newRow("ends after line 7") << kWorkedExample.left(kWorkedExample.indexOf("Sprite3:"))
                                           << QStringLiteral("short.eap");
        QByteArray badColour = kWorkedExample;
        badColour.replace(";Green-4", ";Green-g");
        QTest::newRow("colour line without a digit") << badColour << QStringLiteral("colour.eap");
    }

    void badFileShowsFileErrorOverTheStartState()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        const QString path = Path(name);
        if (!content.isNull())
            QVERIFY(WriteAll(path, content));

        const auto plain = Started(QString());
        const auto opened = Started(path);
        const auto loaded = LoadedFromMenu(path);

        // The same box as a failed Load Project, shown over the window once
        // the welcome box has gone.
        QCOMPARE(opened->Script.Messages.size(), 2);
        QCOMPARE(opened->Script.Messages[0].Title, QStringLiteral("Welcome"));
        QCOMPARE(loaded->Script.Messages.size(), 1);
        const RecordedMessage& error = opened->Script.Messages[1];
        const RecordedMessage& usual = loaded->Script.Messages[0];
        QCOMPARE(error.Title, QStringLiteral("File Error"));
        QCOMPARE(error.Text, QStringLiteral("File error"));
        QCOMPARE(error.Choice, Dialogs::Buttons::Ok);
        QVERIFY(!error.InformativeText.isEmpty());
        QCOMPARE(error.InformativeText, usual.InformativeText);
        QVERIFY(error.WindowVisible);

        QVERIFY(opened->Model() == tw::SpriteProject());
        QCOMPARE(Take(*opened), Take(*plain));

        // No project file was set, so Create Binary still refuses.
        opened->Script.Messages.clear();
        opened->Trigger("mnuFileCreateBinary");
        QCOMPARE(opened->Script.Messages.size(), 1);
        QCOMPARE(opened->Script.Messages[0].Title, QStringLiteral("Project error"));
    }

    void withoutAFileNothingChanges()
    {
        const auto plain = Started(QString());
        CheckWelcomeOnly(plain->Script);
        QVERIFY(plain->Script.FileRequests.isEmpty());
        QVERIFY(plain->Model() == tw::SpriteProject());
        QCOMPARE(plain->Caption(), QStringLiteral("Sprite Design [Project: (None)]"));

        // The one-argument form, as the start-up benchmark calls it.
        Editor reference;
        reference.Window = tw::ui::StartEditor(reference.Script);
        CheckWelcomeOnly(reference.Script);
        QCOMPARE(Take(*plain), Take(reference));
    }

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }

    const QString startFolder_ = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(CommandLineTest)
#include "test_ui_command_line.moc"
