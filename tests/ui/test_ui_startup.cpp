// Start-up, Exit and the Qt side of the dialogs: the welcome box before the
// window, the start state, ending the program, and how the real message boxes
// and the one project file dialog are set up and answer.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ui_test_support.h"

using namespace tw::uitest;
using tw::ui::QtDialogs;

namespace {

const QString kWelcome =
    QStringLiteral("Welcome to Tilewright.  This program allows you to easily create up to 4\r\n"
                   "sprites with full color control for the Emerson Arcadia 2001 Video game console.\r\n\r\n"
                   "Tilewright defaults to a color scheme of White on Black.");

// Runs `act` on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            qWarning("no modal dialog is up");
            return;
        }
        act(modal);
    });
}

// Runs the event loop until the program ends it; a guard stops a loop that
// would otherwise never end, so that the failure shows.
int RunEventLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    return QApplication::exec();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Only the window's own termination may end the loop in these tests.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void welcomeComesBeforeTheWindow()
    {
        ScriptedDialogs script;
        frmTilewright window(script);
        window.Form_Load();
        QCOMPARE(script.Messages.size(), 1);
        const RecordedMessage& welcome = script.Messages[0];
        QCOMPARE(welcome.Title, QStringLiteral("Welcome"));
        QCOMPARE(welcome.Text, kWelcome);
        QCOMPARE(welcome.Choice, Dialogs::Buttons::Ok);
        QVERIFY(welcome.InformativeText.isEmpty());
        QVERIFY(!welcome.WindowVisible);
        QCOMPARE(window.UserResponse(), Dialogs::Answer::Ok);
        QVERIFY(window.findChild<QGroupBox*>(QStringLiteral("fmeHelp"))->isHidden());
    }

    void startStateIsWhiteOnBlack()
    {
        Editor e;
        QVERIFY(e.Script.Messages.isEmpty());
        const tw::SpriteProject& model = e.Model();
        QCOMPARE(model.ScreenBGndColor, 0);
        QCOMPARE(model.SelectedColor, 0);
        QVERIFY(e.Option(0)->isChecked());
        QCOMPARE(e.Caption(), QStringLiteral("Sprite Design [Project: (None)]"));
        QCOMPARE(e.LabelText(QStringLiteral("lblBackGroundValue")), QStringLiteral("0"));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(model.SpriteFGndColor[k], 7);
            QCOMPARE(CellColours(e.Grid(k)), Repeat(CodeRgb(0)));
            QCOMPARE(e.Rows(k), QStringList(8, QStringLiteral("00")));
            QCOMPARE(e.NameBox(k)->text(), QStringLiteral("Sprite%1").arg(k + 1));
            QCOMPARE(PixelAt(e.Find(QStringLiteral("picSpriteFGColor_%1").arg(k)), QPoint(8, 8)), CodeRgb(7));
            QCOMPARE(e.LabelText(QStringLiteral("lblForeGroundValue_%1").arg(k)), QStringLiteral("7"));
        }
        QCOMPARE(CellColours(e.View()), Repeat(CodeRgb(0)));
        QCOMPARE(PixelAt(e.View(), QPoint(2, 2)), CodeRgb(0));

        // The design frame shows its panels; the help panel is out of the way.
        auto* design = e.Find<QGroupBox>(QStringLiteral("fmeSpriteGen"));
        QWidget* panel = e.Find(QStringLiteral("fmeSprite_0"));
        QWidget* hit = design->childAt(panel->geometry().center());
        QVERIFY(hit == panel || panel->isAncestorOf(hit));
    }

    void exitEndsTheProgramWithoutAQuestion()
    {
        Editor e;
        e.ClickBlock(0, 0); // unsaved work is not asked about
        QTimer::singleShot(0, qApp, [&e] { e.Trigger("mnuFileExit"); });
        QCOMPARE(RunEventLoop(), 0);
        QVERIFY(!e.Window->isVisible());
        QVERIFY(e.Script.Messages.isEmpty());
        QVERIFY(e.Script.FileRequests.isEmpty());
    }

    void closingTheWindowEndsTheProgramToo()
    {
        Editor e;
        e.TypeName(1, QStringLiteral("Lost"));
        QTimer::singleShot(0, qApp, [&e] { e.Window->close(); });
        QCOMPARE(RunEventLoop(), 0);
        QVERIFY(!e.Window->isVisible());
        QVERIFY(e.Script.Messages.isEmpty());
    }

    void messageBoxWithOkOnlyAnswersOkHoweverDismissed_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void messageBoxWithOkOnlyAnswersOkHoweverDismissed()
    {
        QFETCH(int, how);
        QtDialogs dialogs;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QString title, text, informative;
        QMessageBox::StandardButtons buttons;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            informative = box->informativeText();
            buttons = box->standardButtons();
            if (how == 0)
                box->button(QMessageBox::Ok)->click();
            else if (how == 1)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        const Dialogs::Answer answer = dialogs.ShowMessage(
            nullptr, {QStringLiteral("Welcome"), kWelcome, QStringLiteral("Line 2: why"), Dialogs::Buttons::Ok});
        QCOMPARE(answer, Dialogs::Answer::Ok);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(title, QStringLiteral("Welcome"));
        // Shown with plain line breaks, so that no CR appears as a glyph.
        QCOMPARE(text, QString(kWelcome).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(informative, QStringLiteral("Line 2: why"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void messageBoxWithOkAndCancel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Return takes the default, OK") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << false;
    }

    void messageBoxWithOkAndCancel()
    {
        QFETCH(int, key);
        QFETCH(bool, ok);
        QtDialogs dialogs;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Critical;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            buttons = box->standardButtons();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key(key));
        });
        const Dialogs::Answer answer =
            dialogs.ShowMessage(nullptr, {QStringLiteral("New Project Creation"), QStringLiteral("Sure?"), QString(),
                                          Dialogs::Buttons::OkCancel});
        QCOMPARE(answer, ok ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
        QCOMPARE(buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void oneFileDialogServesLoadAndSave()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString existing = dir.filePath(QStringLiteral("one.eap"));
        QVERIFY(WriteAll(existing, kNewProjectFile));
        QWidget parent;
        QtDialogs dialogs;

        QFileDialog* seen = nullptr;
        QStringList filters;
        QFileDialog::FileMode fileMode = QFileDialog::Directory;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
        WhenModal([&](QWidget* modal) {
            seen = qobject_cast<QFileDialog*>(modal);
            if (!seen)
                return;
            filters = seen->nameFilters();
            fileMode = seen->fileMode();
            acceptMode = seen->acceptMode();
            seen->selectFile(existing);
            static_cast<QDialog*>(seen)->accept(); // as the Open button does
        });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Load), std::optional<QString>(existing));
        QVERIFY(seen);
        QCOMPARE(seen->objectName(), QStringLiteral("dlgProject"));
        QCOMPARE(filters, QStringList{QStringLiteral("Emerson Arcadia Project (*.eap)")});
        QCOMPARE(fileMode, QFileDialog::ExistingFile); // only existing files are admitted
        QCOMPARE(acceptMode, QFileDialog::AcceptOpen);

        // Save: the same dialog, offering the file last chosen, which an
        // accept takes as it stands; an existing file is not questioned and
        // no suffix is added to a typed name.
        QFileDialog* again = nullptr;
        QStringList offered;
        WhenModal([&](QWidget* modal) {
            again = qobject_cast<QFileDialog*>(modal);
            if (!again)
                return;
            fileMode = again->fileMode();
            acceptMode = again->acceptMode();
            offered = again->selectedFiles();
            static_cast<QDialog*>(again)->accept();
        });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Save), std::optional<QString>(existing));
        QCOMPARE(again, seen);
        QCOMPARE(offered, QStringList{existing});
        QCOMPARE(acceptMode, QFileDialog::AcceptSave);
        QVERIFY(fileMode != QFileDialog::ExistingFile);
        QVERIFY(again->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(again->defaultSuffix().isEmpty());
        QCOMPARE(again->nameFilters(), filters);

        // Cancel, or closing the dialog, gives no path.
        WhenModal([&](QWidget* modal) { modal->close(); });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Save), std::nullopt);
        WhenModal([&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Load), std::nullopt);
    }
};

QTEST_MAIN(StartupTest)
#include "test_ui_startup.moc"
