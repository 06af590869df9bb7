// The File menu: Save, Load, New Project and Create Binary, checked on the
// files they write, the messages they show and what the window shows after.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "cartridge/cartridge.h"
#include "storage/storage.h"
#include "ui_test_support.h"

using namespace tw::uitest;

namespace {


QStringList RowTexts(const unsigned char (&rows)[8])
{
    QStringList texts;
    for (const unsigned char row : rows)
        texts << QStringLiteral("%1").arg(row, 2, 16, QLatin1Char('0')).toUpper();
    return texts;
}

const QStringList kClearRows(8, QStringLiteral("00"));

// The cartridge program with its three colour bytes put in, then the rows.
QByteArray ExpectedImage(char sprites12, char sprites34, char screen, const QByteArray& rows)
{
    QByteArray image = QByteArray::fromHex(
        QByteArray(tw::CartridgeTemplate.data(), static_cast<qsizetype>(tw::CartridgeTemplate.size())));
    image[0x55] = sprites12;
    image[0x5A] = sprites34;
    image[0x5F] = screen;
    return image + rows;
}

QByteArray Rows(const unsigned char (&rows)[8]) { return QByteArray(reinterpret_cast<const char*>(rows), 8); }

QByteArray FirstLines(const QByteArray& text, int count)
{
    QByteArray head;
    for (const QByteArray& line : text.split('\n').mid(0, count))
        head += line + '\n';
    return head;
}

const QString kNewProjectQuestion = QStringLiteral(
    "Warning!  Creating a new project will erase all existing data that has not\r\n"
    "been saved and reset the foreground/background color scheme to\r\n"
    "White on Black.  Are you sure you want create a new project?\r\n"
    "Select <OK> to begin a new project, or <Cancel> to return\r\n"
    "to the existing project.");

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        editor_ = std::make_unique<Editor>();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void cleanup()
    {
        QCOMPARE(editor_->Script.Unexpected, 0);
        editor_.reset();
        dir_.reset();
    }

    void saveWritesTheProjectAsDrawn()
    {
        Editor& e = *editor_;
        e.EditWorkedExample();
        const QString path = Path("ship.eap");
        Save(path);
        QCOMPARE(e.Script.FileRequests, QList<Dialogs::FileMode>{Dialogs::FileMode::Save});
        QVERIFY(e.Script.Messages.isEmpty());
        const QByteArray written = ReadAll(path);
        QCOMPARE(written.size(), 298);
        QCOMPARE(written, kWorkedExample);
        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: ship.eap]"));
        QCOMPARE(QString::fromStdString(e.Model().ProjectFileName), path);

        // Saving again, unchanged, gives the same bytes.
        Save(path);
        QCOMPARE(ReadAll(path), kWorkedExample);
    }

    void saveReplacesAnExistingFileWithoutAsking()
    {
        Editor& e = *editor_;
        const QString path = Path("old.eap");
        QVERIFY(WriteAll(path, QByteArray(1000, 'x')));
        Save(path);
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(ReadAll(path), kNewProjectFile);
    }

    void cancelledSaveReportsAFileErrorAndKeepsTheProjectFile()
    {
        Editor& e = *editor_;
        const QString first = Path("first.eap");
        Save(first);
        e.ClickBlock(0, 0);
        const Snapshot before = Take(e);

        e.Script.Files.push_back(std::nullopt);
        e.Trigger("mnuFileSaveProject");
        QCOMPARE(e.Script.Messages.size(), 1);
        CheckFileError(e.Script.Messages[0], QString());
        QCOMPARE(Take(e), before);
        QCOMPARE(QString::fromStdString(e.Model().ProjectFileName), first);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{QStringLiteral("first.eap")});
    }

    void failedSaveShowsTheReasonAndKeepsTheProjectFile()
    {
        Editor& e = *editor_;
        const QString first = Path("first.eap");
        Save(first);
        const QString unwritable = Path("missing/second.eap");
        e.Script.Files.push_back(unwritable);
        e.Trigger("mnuFileSaveProject");

        QCOMPARE(e.Script.Messages.size(), 1);
        const QString reason = tw::storage::SaveProject(unwritable, e.Model()).Reason;
        QVERIFY(!reason.isEmpty());
        CheckFileError(e.Script.Messages[0], reason);
        QCOMPARE(QString::fromStdString(e.Model().ProjectFileName), first);
        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: first.eap]"));
        QVERIFY(!QFileInfo::exists(unwritable));
    }

    void loadRestoresAProjectAndKeepsTheView()
    {
        Editor& e = *editor_;
        e.ClickBlock(3, 0);
        e.Click("cmdThumbNail", 3);
        e.Pick(5);
        const QString path = Path("example.eap");
        QVERIFY(WriteAll(path, kWorkedExample));
        e.Script.Files.push_back(path);
        e.Trigger("mnuFileLoadProject");

        QCOMPARE(e.Script.FileRequests, QList<Dialogs::FileMode>{Dialogs::FileMode::Load});
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(e.NameBox(0)->text(), QStringLiteral("Ship"));
        QCOMPARE(e.NameBox(1)->text(), QStringLiteral("Alien"));
        QCOMPARE(e.NameBox(2)->text(), QStringLiteral("Sprite3"));
        QCOMPARE(e.Rows(0), RowTexts(kShipRows));
        QCOMPARE(e.Rows(1), RowTexts(kAlienRows));
        QCOMPARE(e.Rows(3), kClearRows); // the row clicked before the load is replaced
        QCOMPARE(CellColours(e.Grid(0)), Drawn(kShipRows, kYellow, kBlue));
        QCOMPARE(CellColours(e.Grid(1)), Drawn(kAlienRows, kGreen, kBlue));
        QCOMPARE(CellColours(e.Grid(2)), Repeat(kBlue));
        QCOMPARE(CellColours(e.Grid(3)), Repeat(kBlue));
        const QColor squares[4] = {kYellow, kGreen, kWhite, kWhite};
        const char* labels[4] = {"6", "4", "7", "7"};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_%1").arg(k)), QPoint(8, 8)), squares[k]);
            QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_%1").arg(k)), QString::fromLatin1(labels[k]));
        }
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("1"));
        // The screen colour becomes the selected colour.
        QVERIFY(e.Option(1)->isChecked());
        QVERIFY(!e.Option(5)->isChecked());
        QCOMPARE(e.Model().SelectedColor, 1);
        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: example.eap]"));
        // The view keeps its picture on a surround in the loaded screen colour.
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kBlue);
        QList<QColor> view = Repeat(kBlack);
        view[0] = kWhite;
        QCOMPARE(CellColours(e.View()), view);

        // What was loaded saves back byte for byte.
        const QString copy = Path("copy.eap");
        Save(copy);
        QCOMPARE(ReadAll(copy), kWorkedExample);
    }

    void failedLoadChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file ends after line 6") << FirstLines(kWorkedExample, 6)
                                                << QStringLiteral("Line 7: the file ends before line 7");
        QByteArray badColour = kWorkedExample;
        badColour.replace(";Yellow-6", ";Yellow-x");
        QTest::newRow("colour line without a digit")
            << badColour << QStringLiteral("Line 3: the color line must end in a color code digit, not 'x'");
    }

    void failedLoadChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        Editor& e = *editor_;
        e.EditWorkedExample();
        e.Click("cmdThumbNail", 1);
        const QString saved = Path("saved.eap");
        Save(saved);
        e.Pick(3);
        const Snapshot before = Take(e);

        const QString bad = Path("bad.eap");
        QVERIFY(WriteAll(bad, content));
        e.Script.Files.push_back(bad);
        e.Trigger("mnuFileLoadProject");
        QCOMPARE(e.Script.Messages.size(), 1);
        CheckFileError(e.Script.Messages[0], reason);
        QCOMPARE(Take(e), before);
        QCOMPARE(QString::fromStdString(e.Model().ProjectFileName), saved);
    }

    void cancelledOrUnreadableLoadChangesNothing()
    {
        Editor& e = *editor_;
        e.ClickBlock(0, 5);
        const Snapshot before = Take(e);
        e.Script.Files.push_back(std::nullopt);
        e.Trigger("mnuFileLoadProject");
        e.Script.Files.push_back(Path("gone.eap"));
        e.Trigger("mnuFileLoadProject");

        QCOMPARE(e.Script.Messages.size(), 2);
        CheckFileError(e.Script.Messages[0], QString());
        CheckFileError(e.Script.Messages[1], tw::storage::ReadProject(Path("gone.eap")).Reason);
        QVERIFY(!e.Script.Messages[1].InformativeText.isEmpty());
        QCOMPARE(Take(e), before);
        QVERIFY(e.Model().ProjectFileName.empty());
    }

    void newProjectCancelledKeepsEverything()
    {
        Editor& e = *editor_;
        e.EditWorkedExample();
        e.Click("cmdThumbNail", 0);
        Save(Path("kept.eap"));
        const Snapshot before = Take(e);
        e.Script.Answers.push_back(Dialogs::Answer::Cancel);
        e.Trigger("mnuFileNewProject");

        QCOMPARE(e.Script.Messages.size(), 1);
        const RecordedMessage& question = e.Script.Messages[0];
        QCOMPARE(question.Title, QStringLiteral("New Project Creation"));
        QCOMPARE(question.Text, kNewProjectQuestion);
        QCOMPARE(question.Choice, Dialogs::Buttons::OkCancel);
        QVERIFY(question.InformativeText.isEmpty());
        QCOMPARE(Take(e), before);
    }

    void newProjectConfirmedResetsEverything()
    {
        Editor& e = *editor_;
        e.EditWorkedExample();
        e.Click("cmdThumbNail", 1);
        e.Pick(6);
        Save(Path("old.eap"));
        e.Script.Answers.push_back(Dialogs::Answer::Ok);
        e.Trigger("mnuFileNewProject");
        QCOMPARE(e.Script.Messages.size(), 1);
        QCOMPARE(e.Script.Messages[0].Text, kNewProjectQuestion);

        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: (None)]"));
        QVERIFY(e.Model().ProjectFileName.empty());
        QVERIFY(e.Option(0)->isChecked());
        QCOMPARE(e.Model().SelectedColor, 0);
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("0"));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(e.NameBox(k)->text(), QStringLiteral("Sprite%1").arg(k + 1));
            QCOMPARE(e.Rows(k), kClearRows);
            QCOMPARE(CellColours(e.Grid(k)), Repeat(kBlack));
            QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_%1").arg(k)), QPoint(8, 8)), kWhite);
            QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_%1").arg(k)), QStringLiteral("7"));
        }
        QCOMPARE(CellColours(e.View()), Repeat(kBlack));
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), kBlack);

        // No project file any more: Create Binary refuses.
        e.Trigger("mnuFileCreateBinary");
        QCOMPARE(e.Script.Messages.size(), 2);
        QCOMPARE(e.Script.Messages[1].Title, QStringLiteral("Project error"));

        // Blocks set after the reset take White on Black again.
        e.ClickBlock(0, 0);
        QCOMPARE(CellColours(e.Grid(0)).at(0), kWhite);
        e.ClickBlock(0, 0);
        const QString fresh = Path("fresh.eap");
        Save(fresh);
        QCOMPARE(ReadAll(fresh), kNewProjectFile);
    }

    void createBinaryNeedsAProjectFile()
    {
        Editor& e = *editor_;
        e.ClickBlock(0, 0);
        e.Trigger("mnuFileCreateBinary");
        QCOMPARE(e.Script.Messages.size(), 1);
        const RecordedMessage& message = e.Script.Messages[0];
        QCOMPARE(message.Title, QStringLiteral("Project error"));
        QCOMPARE(message.Text, QStringLiteral("No project file has been chosen!"));
        QCOMPARE(message.Choice, Dialogs::Buttons::Ok);
        QVERIFY(message.InformativeText.isEmpty());
        QVERIFY(e.Script.FileRequests.isEmpty());
        QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
    }

    void createBinaryWritesTheImageBesideTheProject()
    {
        Editor& e = *editor_;
        e.EditWorkedExample();
        const QString project = Path("ship.eap");
        Save(project);
        // Edits after the save go into the image; the project file stays.
        e.ClickBlock(3, 0);
        e.Trigger("mnuFileCreateBinary");
        QVERIFY(e.Script.Messages.isEmpty());

        const QByteArray image = ReadAll(Path("ship.bin"));
        QCOMPARE(image.size(), 133);
        const unsigned char sprite4[8] = {0x80, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(image, ExpectedImage(0x34, 0x3F, 0x01,
                                      Rows(kShipRows) + Rows(kAlienRows) + QByteArray(8, '\0') + Rows(sprite4)));
        QCOMPARE(ReadAll(project), kWorkedExample);

        // Again: the same image over the old one, still without a word.
        e.Trigger("mnuFileCreateBinary");
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(ReadAll(Path("ship.bin")), image);
    }

    void createBinaryAfterLoadUsesTheLoadedFile()
    {
        Editor& e = *editor_;
        const QString path = Path("DEMO.EAP");
        QVERIFY(WriteAll(path, kNewProjectFile));
        e.Script.Files.push_back(path);
        e.Trigger("mnuFileLoadProject");
        e.Trigger("mnuFileCreateBinary");
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(ReadAll(Path("DEMO.bin")), ExpectedImage(0x3F, 0x3F, 0x00, QByteArray(32, '\0')));
    }

    void createBinaryReplacesTheExtension()
    {
        Editor& e = *editor_;
        Save(Path("sprites"));
        e.Trigger("mnuFileCreateBinary");
        QVERIFY(e.Script.Messages.isEmpty());
        QCOMPARE(ReadAll(Path("sprites.bin")).size(), 133);
    }

    void failedCreateBinaryShowsTheReason()
    {
        Editor& e = *editor_;
        Save(Path("blocked.eap"));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("blocked.bin")));
        e.Trigger("mnuFileCreateBinary");
        QCOMPARE(e.Script.Messages.size(), 1);
        const QString reason = tw::storage::WriteCartridgeImage(Path("blocked.bin"), e.Model()).Reason;
        QVERIFY(!reason.isEmpty());
        CheckFileError(e.Script.Messages[0], reason);
        QVERIFY(QFileInfo(Path("blocked.bin")).isDir());
    }

private:
    QString Path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

    void Save(const QString& path)
    {
        editor_->Script.Files.push_back(path);
        editor_->Trigger("mnuFileSaveProject");
    }

    static void CheckFileError(const RecordedMessage& message, const QString& reason)
    {
        QCOMPARE(message.Title, QStringLiteral("File Error"));
        QCOMPARE(message.Text, QStringLiteral("File error"));
        QCOMPARE(message.Choice, Dialogs::Buttons::Ok);
        QCOMPARE(message.InformativeText, reason);
    }

    std::unique_ptr<Editor> editor_;
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(FileCommandsTest)
#include "test_ui_files.moc"
