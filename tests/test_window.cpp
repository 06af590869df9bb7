// The editor window: the editing scripts by mouse and keyboard on the real
// widgets, read back off the screen; and what only the window can get wrong.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>

#include "script.h"
#include "console/screen_geometry.h"
#include "ui/console_picture.h"
#include "ui/console_view.h"
#include "ui/scene_panel.h"
#include "ui/editor_startup.h"
#include "ui/sprite_clipboard.h"
#include "ui/titled_frame.h"
#include "ui/window_placement.h"
#include "window.h"

using namespace tw;
using namespace tw::test;

namespace {

QString Indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

// Block i of a design grid, at the middle of its 22 x 21 pixels, 24 apart.
QPoint BlockCentre(int i) { return {i % 8 * 24 + 11, i / 8 * 24 + 10}; }

class WindowDriver : public Driver {
public:
    Editor E;

    bool RunsModelOnly() const override { return false; }

    bool Do(const QList<QByteArray>& w, const QString& tail) override
    {
        const QByteArray& c = w[0];
        const int k = w.value(1).toInt() - 1;
        const auto click = [&](const QString& name, QPoint at = {}) {
            QWidget* widget = E.Find(name);
            QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
        };
        if (c == "pick")
            click(Indexed("optColor", k + 1), {7, 8}); // the round indicator
        else if (c == "color" || c == "clear" || c == "view")
            click(Indexed(c == "color" ? "cmdSpriteColor" : c == "clear" ? "cmdSpriteClear" : "cmdThumbNail", k));
        else if (c == "screen")
            click(QStringLiteral("cmdSetBGnd"));
        else if (c == "click")
            for (qsizetype i = 2; i < w.size(); ++i)
                click(QStringLiteral("picSpriteBlock%1").arg(k), BlockCentre(w[i].toInt()));
        else if (c == "name") {
            auto* box = E.Find<QLineEdit>(Indexed("rtbSpriteName", k));
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            for (const QChar ch : tail) // typed as text: QTest spells out ASCII keys only
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        } else if (c == "row") {
            auto* box = E.Find<QLineEdit>(QStringLiteral("rtbSprite%1Hex_%2").arg(k + 1).arg(w[2].toInt()));
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromUtf8(w.value(3)));
            if (w.size() < 5) // "row K R HEX open" leaves the edit unfinished
                QTest::keyClick(box, Qt::Key_Return);
        } else if (c == "key" || c == "press") {
            if (c == "key") // a grid that cannot take the focus does not get the key
                E.Find(QStringLiteral("picSpriteBlock%1").arg(k))->setFocus();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &E.Window;
            const QKeyCombination key = QKeySequence::fromString(c == "press" ? QString::fromUtf8(w[1]) : tail)[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        } else if (c == "menu") {
            // Right-clicked as the platform reports it: the window makes the context menu event.
            QWidget* grid = E.Find(QStringLiteral("picSpriteBlock%1").arg(k));
            QTimer::singleShot(0, grid, [tail] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                for (QAction* item : menu ? menu->actions() : QList<QAction*>())
                    if (item->text() == tail)
                        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            });
            QTest::mouseClick(E.Window.windowHandle(), Qt::RightButton, {}, grid->mapTo(&E.Window, BlockCentre(0)));
            E.Window.activateWindow(); // the offscreen platform leaves it inactive after a popup
            return QTest::qWaitForWindowActive(&E.Window);
        } else if (c == "answer") {
            E.Script.Unsaved << (w[1] == "Save" ? Dialogs::Answer::Save : w[1] == "Discard" ? Dialogs::Answer::Discard : Dialogs::Answer::Cancel);
            if (w.size() > 2)
                E.Script.Files << Dir.filePath(QString::fromUtf8(w[2]));
        } else if (c == "file") {
            E.Script.Files << QString::fromUtf8(w[1]);
        } else if (c == "open") { // as the command line and the desktop open a file
            E.Window.OpenProjectFile(QString::fromUtf8(w[1]));
        } else if (c == "focus") {
            QTest::mouseClick(E.Find(QString::fromUtf8(w[1])), Qt::LeftButton);
        } else if (c == "exit" || c == "close") {
            c == "exit" ? E.Menu("mnuFileExit") : void(E.Window.close());
        } else if (c == "drop") {
            QMimeData files;
            for (const QByteArray& file : w.mid(1))
                files.setUrls(files.urls() << QUrl::fromLocalFile(QString::fromUtf8(file)));
            QDragEnterEvent enter({100, 100}, Qt::CopyAction, &files, Qt::LeftButton, {});
            QDropEvent drop({100, 100}, Qt::CopyAction, &files, Qt::LeftButton, {});
            if (QApplication::sendEvent(&E.Window, &enter), enter.isAccepted())
                QApplication::sendEvent(&E.Window, &drop);
            QCoreApplication::processEvents();
        } else if (c == "frame") { // in sprite K's strip in the Console View, by its keys or a click
            QTest::keyClick(&E.Window, Qt::Key_F6);
            auto* strip = E.Find<ui::FrameStrip>(Indexed("frameStrip", k));
            strip->setFocus();
            static const QHash<QByteArray, QKeyCombination> kKeys{{"add", Qt::Key_Insert}, {"delete", Qt::Key_Delete},
                                                                 {"earlier", Qt::CTRL | Qt::Key_Left}, {"later", Qt::CTRL | Qt::Key_Right},
                                                                 {"time", Qt::Key_T}};
            if (w[2] == "select") {
                QTest::mouseClick(strip, Qt::LeftButton, {}, strip->FrameRect(w[3].toInt() - 1).center());
            } else {
                if (w[2] == "time")
                    E.Script.Numbers << w[3].toInt();
                QTest::keyClick(strip, kKeys.value(w[2]).key(), kKeys.value(w[2]).keyboardModifiers());
            }
        } else if (c == "lines" || c == "tv") { // chosen in the Console View, by the keys of its box
            QTest::keyClick(&E.Window, Qt::Key_F6);
            auto* box = E.Find<QComboBox>(c == "tv" ? QStringLiteral("consoleTv") : Indexed("consoleLines", k));
            const int wanted = (c == "tv" ? w[1] == "PAL" : w[2] == "8") ? 1 : 0;
            box->setFocus();
            QTest::keyClick(box, wanted > box->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
        } else if (c == "reply") {
            static const QHash<QByteArray, Dialogs::Answer> kReplies{{"Replace", Dialogs::Answer::Replace}, {"Cancel", Dialogs::Answer::Cancel},
                                                                     {"Reload", Dialogs::Answer::Reload}, {"Keep", Dialogs::Answer::Keep}};
            E.Script.Replies << kReplies.value(w[1]);
        } else if (c == "outside") { // the file is written by now: the editor is to notice it
            const auto asked = [&] { return !E.Script.Messages.isEmpty() && E.Script.Messages.last().Choice == Dialogs::Buttons::ReloadKeep; };
            (void)QTest::qWaitFor(asked, 10000); // the next line says whether it was
        } else if (c == "drag") {
            QWidget* grid = E.Find(QStringLiteral("picSpriteBlock%1").arg(k));
            const QPoint from = BlockCentre(w[2].toInt()), to = BlockCentre(w[3].toInt());
            QTest::mousePress(grid, Qt::LeftButton, {}, from);
            QTest::mouseMove(grid, to); // one move: the blocks between are crossed all the same
            QTest::mouseRelease(grid, Qt::LeftButton, {}, to);
        } else if (c == "new" || c == "new-cancel") {
            E.Script.Answers << (c == "new" ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
            E.Menu("mnuFileNewProject");
        } else if (c == "load" || c == "save") {
            E.Script.Files << QString::fromUtf8(w[1]);
            if (E.Script.Unsaved.isEmpty()) // a script's load drops what it changed
                E.Script.Unsaved << Dialogs::Answer::Discard;
            E.Menu(c == "load" ? "mnuFileLoadProject" : "mnuFileSaveProject");
            E.Script.Files.clear();
            E.Script.Unsaved.clear();
        } else if (c == "image")
            E.Menu("mnuFileCreateBinary");
        else
            return false;
        return true;
    }

    Shown Show() override
    {
        const SpriteProject& p = E.Project(); // for the two codes no control shows
        const auto text = [&](const QString& name) {
            QWidget* w = E.Find(name);
            return qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : qobject_cast<QLineEdit*>(w)->text();
        };
        const auto image = [&](const QString& name) { return E.Find(name)->grab().toImage(); };
        const QImage view = image(QStringLiteral("picThumbNail"));
        // The file as the caption names it; a caption of another shape shows as it is.
        const QString caption = E.Find<QGroupBox>(QStringLiteral("fmeSpriteGen"))->title();
        const QRegularExpressionMatch named = QRegularExpression(QStringLiteral("^Sprite Design \\[Project: (.*)\\]$")).match(caption);
        const QString file = !named.hasMatch() ? caption : named.captured(1) == "(None)" ? QString() : named.captured(1);
        // The console settings as the Console View shows them, once it is open.
        QString console = ConsoleShown(p.Console);
        if (const auto* tv = E.Window.findChild<QComboBox*>(QStringLiteral("consoleTv"))) {
            console = tv->currentIndex() == 1 ? QStringLiteral("PAL") : QStringLiteral("NTSC");
            for (int k = 0; k < kSprites; ++k)
                console += E.Find<QComboBox>(Indexed("consoleLines", k))->currentIndex() == 1 ? QStringLiteral(" 8") : QStringLiteral(" 16");
        }
        Shown s{p.ScreenBGndColor, -1, text(QStringLiteral("lblBackGroundValue")), Letter(view.pixel(2, 2), true),
                file, E.Window.isWindowModified(), {}, {}, console};
        for (int code = 0; code < 8; ++code)
            if (E.Find<QRadioButton>(Indexed("optColor", code))->isChecked())
                s.Selected = code;
        for (int k = 0; k < kSprites; ++k) {
            const QImage grid = image(QStringLiteral("picSpriteBlock%1").arg(k));
            // The frame edited, of how many, as the panel's caption says it (nothing: one frame).
            const QRegularExpressionMatch frames = QRegularExpression(QStringLiteral("\\(frame (\\d+) of (\\d+)\\)$"))
                                                       .match(E.Find<QGroupBox>(Indexed("fmeSprite", k))->title());
            QList<int> times;
            for (int f = 0; f < p.Sprites[k].Frames(); ++f)
                times << p.Sprites[k].Frame(f).Time;
            s.Sprites[k] = {p.SpriteFGndColor[k], Letter(image(Indexed("picSpriteFGColor", k)).pixel(8, 8), true),
                            text(Indexed("lblForeGroundValue", k)), text(Indexed("rtbSpriteName", k)), {}, {},
                            FramesShown(frames.hasMatch() ? frames.captured(1).toInt() - 1 : 0,
                                        frames.hasMatch() ? frames.captured(2).toInt() : 1, times)};
            for (int i = 0; i < kBlocks; ++i) {
                s.Sprites[k].Blocks[i / 8] += Letter(grid.pixel(BlockCentre(i)), true);
                s.Sprites[k].Rows[i / 8] = text(QStringLiteral("rtbSprite%1Hex_%2").arg(k + 1).arg(i / 8));
                if (k == 0) // view cells: 9 pixels, 8 apart, from 8 inside the surround
                    s.View[i / 8] += Letter(view.pixel(12 + i % 8 * 8, 12 + i / 8 * 8), true);
            }
        }
        return s;
    }
};

// Makes the window the one that takes the keys.
// The offscreen platform leaves the first window active, and a window
// whose parent is active counts as active itself: it is made so here.
void Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    QCOMPARE(QApplication::activeWindow(), window);
}

// Runs `act` on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, qApp, [act] { act(QApplication::activeModalWidget()); });
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void scripts_data() { CaseRows("scripts.txt"); }
    void scripts()
    {
        QFETCH(Case, c);
        WindowDriver window;
        RunScript(window, c);
    }

    // Every undoable operation (the scripts' case of that name) undone by the
    // keys back to the start and redone, state by state; 1,000 steps are kept.
    void history()
    {
        WindowDriver w;
        const auto project = [&] { SpriteProject p = w.E.Project(); p.SelectedColor = 0; return p; }; // picking is no step
        QList<SpriteProject> states{project()};
        for (const Case& c : Cases("scripts.txt"))
            if (c.Name == "every undoable operation")
                RunScript(w, c, [&] { project() == states.last() ? void() : states.append(project()); });
        QCOMPARE(states.size(), 27); // 26 steps: picking a colour and Copy are none
        const auto press = [&](const char* key) { QVERIFY(w.Do({"press", key}, {})); };
        const qsizetype last = states.size() - 1;
        for (qsizetype n = 1; n <= 2 * last; ++n) { // back to the start, then forward to the end again
            press(n <= last ? "Ctrl+Z" : n % 2 ? "Ctrl+Shift+Z" : "Ctrl+Y");
            QVERIFY2(project() == states[std::abs(last - n)], qPrintable(QString::number(n)));
        }
    }

    // Keys, the unsaved-changes question and dropped files (keys.txt): the
    // scripts' commands, and after "=> " what the window shows then.
    void keys_data() { CaseRows("keys.txt"); }
    void keys()
    {
        QFETCH(Case, c);
        WindowDriver w;
        for (qsizetype i = 0; i < c.Lines.size(); ++i) {
            const QByteArray& line = c.Lines[i];
            if (line.split(' ')[0] == "framed") { // on the screen, as the last repaints left it: no grab paints anew
                QCoreApplication::processEvents();
                const QImage screen = w.E.Window.screen()->grabWindow(0).toImage();
                QString framed = QStringLiteral("framed");
                for (int k = 0; k < kSprites; ++k) {
                    QWidget* grid = w.E.Find(QStringLiteral("picSpriteBlock%1").arg(k));
                    if (screen.pixelColor(grid->mapToGlobal(QPoint(-1, -1))) == grid->palette().color(QPalette::Highlight))
                        framed += QStringLiteral(" %1").arg(k + 1);
                }
                QCOMPARE(framed, QString::fromUtf8(line));
                continue;
            }
            if (!line.startsWith("=> ")) {
                RunScript(w, {c.Name, {line}, c.Table, {c.LineNumbers[i]}});
                continue;
            }
            const Shown now = w.Show();
            const QList<Dialogs::Message>& boxes = w.E.Script.Messages;
            const auto asked = std::count_if(boxes.begin(), boxes.end(), [](auto& m) { return m.Choice == Dialogs::Buttons::SaveDiscardCancel; });
            const QString shown = QStringLiteral("modified %1 open %2 help %3 file %4 rows %5 asked %6 last %7")
                         .arg(int(w.E.Window.isWindowModified())).arg(int(w.E.Window.isVisible()))
                         .arg(int(w.E.Find(QStringLiteral("fmeHelp"))->isVisible()))
                         .arg(now.File, QStringList(now.Sprites[0].Rows.begin(), now.Sprites[0].Rows.end()).join("")).arg(asked)
                         .arg(boxes.size() < 2 ? QStringLiteral("-") : boxes.last().Title + ": " + boxes.last().Text.section("\r\n", 0, 0));
            QCOMPARE(shown, QString::fromUtf8(line.mid(3)));
        }
    }

    void layout()
    {
        Editor e;
        for (const QByteArray& row : ReadAll(Data("layout.txt")).split('\n')) {
            const QList<QByteArray> f = row.split('\t');
            if (row.startsWith('#') || row.isEmpty())
                continue;
            QVERIFY2(f.size() >= 6, row.constData());
            QWidget* w = e.Find(QString::fromLatin1(f[0]));
            const auto px = [&](int i) { return (f[i].toInt() + 7) / 15; };
            QCOMPARE(w->parentWidget()->objectName().toLatin1() + ' ' + f[0], f[1] + ' ' + f[0]);
            QCOMPARE(w->geometry(), QRect(px(2), px(3), px(4), px(5)));
            const QVariant caption = w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text"); // frames, buttons, labels, boxes
            if (caption.isValid())
                QCOMPARE(caption.toString(), QString::fromUtf8(f.value(6)));
        }
        for (int code = 0; code < 8; ++code) // the options' captions: white on the four dark colours, black on the rest
            QCOMPARE(e.Find(Indexed("optColor", code))->palette().color(QPalette::WindowText), QColor(code <= 3 ? Qt::white : Qt::black));
        // Fixed: the client area under the menu bar, no resizing, only a close box.
        QCOMPARE(e.Window.centralWidget()->geometry(), QRect(0, e.Window.menuBar()->height(), 675, 549));
        e.Window.resize(900, 700);
        QCOMPARE(e.Window.size(), QSize(675, 549 + e.Window.menuBar()->height()));
        QCOMPARE(e.Window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
                 Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

        // The menus: File with its items, their keys and separators, then
        // Help, a title without items; no access key anywhere.
        QStringList menus;
        const auto shown = [](QAction* a) { return a->isSeparator() ? QStringLiteral("-") : a->text() + '[' + a->shortcut().toString() + ']'; };
        for (QAction* title : e.Window.menuBar()->actions()) {
            menus << title->objectName() + '=' + shown(title);
            for (QAction* item : title->menu() ? title->menu()->actions() : QList<QAction*>())
                menus << item->objectName() + '=' + shown(item);
        }
        QCOMPARE(menus.join(' '), QStringLiteral("=File[] mnuFileNewProject=New Project[Ctrl+N] mnuFileSep1=- mnuFileLoadProject=Load Project[Ctrl+O] "
                                                 "mnuFileSaveProject=Save Project[Ctrl+S] mnuFileSep2=- mnuFileCreateBinary=Create Binary[Ctrl+B] "
                                                 "mnuFileSep3=- mnuFileExit=Exit[Ctrl+Q] mnuHelp=Help[F1]"));
        // F10 and Alt+F open File; the arrows then walk on to Help, which
        // Return or Space opens; Escape leaves the bar, and the keys go back
        // to the grid.
        QWidget* help = e.Find(QStringLiteral("fmeHelp"));
        for (const auto& [key, opens] : {std::pair{QKeyCombination(Qt::Key_F10), Qt::Key_Return}, {Qt::ALT | Qt::Key_F, Qt::Key_Space},
                                         {QKeyCombination(Qt::Key_F10), Qt::Key_Escape}}) {
            QTest::keyClick(&e.Window, key.key(), key.keyboardModifiers());
            QTRY_COMPARE(QApplication::activePopupWidget(), e.Find<QMenu>(QStringLiteral("mnuFile")));
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
            QTRY_COMPARE(e.Window.menuBar()->activeAction(), e.Find<QAction>(QStringLiteral("mnuHelp")));
            QTest::keyClick(QApplication::focusWidget(), opens);
            QVERIFY(!e.Window.menuBar()->activeAction());
            QCOMPARE(help->isVisible(), opens != Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!help->isVisible());
        }
        QCOMPARE(QApplication::focusWidget(), e.Find(QStringLiteral("picSpriteBlock0")));
        // Escape in the open menu leaves the bar too: the next Down is the grid's.
        QTest::keyClick(&e.Window, Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), e.Find<QMenu>(QStringLiteral("mnuFile")));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(!e.Window.menuBar()->activeAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::focusWidget(), e.Find(QStringLiteral("picSpriteBlock0")));
    }

    // The welcome box comes before the window; the window then opens centred
    // with the help hidden and the keys on the first grid, and a file named on
    // the command line is loaded from the current folder, or refused over the
    // start state: missing, or named in bytes that are not UTF-8 (Qt hands
    // such a name over with U+FFFD for those bytes, as it would a missing one).
    void startUp()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Source("fuzz/corpus/ok-worked-example.eap"), dir.filePath("ship.eap")));
        QCOMPARE(Sh(dir.path(), "cp ship.eap \"$(printf 'caf\\351.eap')\""), 0);
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // Also on a failure; the shell, as Qt cannot name that file to remove it.
        const auto undo = qScopeGuard([&] { Sh(dir.path(), "rm caf*.eap"), QDir::setCurrent(before); });
        const QString refused[] = {QString::fromUtf8("missing\xe9.eap"), "No such file", QString::fromUtf8("caf\xe9.eap"), "the file name is not valid UTF-8)"};
        for (const QString& file : {QStringLiteral("ship.eap"), refused[0], refused[2]}) {
            ScriptedDialogs script;
            const auto window = ui::StartEditor(script, file);
            QVERIFY(!script.WindowShownAtFirstMessage);
            QCOMPARE(script.Messages[0].Title + script.Messages[0].Text, "Welcome" + ReadAll(Data("welcome.txt")));
            QVERIFY((window->frameGeometry().center() - window->screen()->availableGeometry().center()).manhattanLength() <= 2);
            QVERIFY(window->findChild<QWidget*>(QStringLiteral("fmeHelp"))->isHidden());
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("picSpriteBlock0"));
            QCOMPARE(window->windowTitle(), file == "ship.eap" ? "ship.eap[*] - Tilewright" : "Tilewright[*]");
            if (file == "ship.eap")
                QCOMPARE(QString::fromStdString(window->Document().Project().ProjectFileName), dir.filePath(file));
            else
                QVERIFY2(script.Last().startsWith("File Error: File error (" + QDir::current().absoluteFilePath(file) + '\n' + refused[file == refused[0] ? 1 : 3]) &&
                             window->Document().Project() == SpriteProject(),
                         qPrintable(script.Last()));
        }
    }

    void help()
    {
        Editor e;
        QWidget* help = e.Find(QStringLiteral("fmeHelp"));
        QAction* file = e.Find<QMenu>(QStringLiteral("mnuFile"))->menuAction();
        for (int round = 0; round < 2; ++round) {
            round == 0 ? QTest::keyClick(&e.Window, Qt::Key_H, Qt::AltModifier) : e.Menu("mnuHelp");
            QVERIFY(help->isVisible() && !file->isEnabled() && !e.Find<QAction>(QStringLiteral("mnuHelp"))->isEnabled());
            QVERIFY(help->isAncestorOf(e.Window.childAt(e.Window.centralWidget()->mapTo(&e.Window, QPoint(100, 100)))));
            const auto* text = e.Find<QPlainTextEdit>(QStringLiteral("rtbHelp"));
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->toPlainText(), QString::fromLatin1(ReadAll(Data("help.txt"))).replace("\r\n", "\n"));
            QTest::mouseClick(e.Find(QStringLiteral("cmdCloseHelp")), Qt::LeftButton);
            QVERIFY(!help->isVisible() && file->isEnabled() && e.Find<QAction>(QStringLiteral("mnuHelp"))->isEnabled());
        }
    }

    // Centred in the screen's available area, but never with the top-left
    // corner (the title bar and the menus) outside it.
    void placement_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("fits") << QRect(0, 0, 1280, 1024) << QPoint(303, 229);
        QTest::newRow("too big (scale 2 on 1280 x 1024)") << QRect(0, 0, 640, 512) << QPoint(0, 0);
        QTest::newRow("too big, below a panel") << QRect(0, 24, 640, 488) << QPoint(0, 24);
        QTest::newRow("too high only") << QRect(100, 0, 1280, 500) << QPoint(403, 0);
    }
    void placement()
    {
        QFETCH(QRect, area);
        QFETCH(QPoint, at);
        QCOMPARE(ui::Centred(QSize(675, 567), area), at);
    }

    // The Console View beside the editor: on the side with more room, level
    // with it, and wholly on the screen where it fits, else its top left.
    void besideTheEditor_data()
    {
        QTest::addColumn<QRect>("editor");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QPoint>("at");
        const QSize view(600, 500);
        QTest::newRow("room on the right") << QRect(100, 100, 500, 400) << view << QPoint(600, 100);
        QTest::newRow("more room on the left") << QRect(700, 100, 500, 400) << view << QPoint(100, 100);
        QTest::newRow("too low: its bottom on the screen's") << QRect(100, 700, 500, 400) << view << QPoint(600, 524);
        QTest::newRow("no room either side: on the screen, on the roomier side") << QRect(400, 0, 500, 400) << QSize(900, 500) << QPoint(0, 0);
        QTest::newRow("larger than the screen: its top left") << QRect(0, 0, 500, 400) << QSize(1400, 1100) << QPoint(0, 0);
    }
    void besideTheEditor()
    {
        QFETCH(QRect, editor);
        QFETCH(QSize, view);
        QFETCH(QPoint, at);
        QCOMPARE(ui::Beside(editor, view, QRect(0, 0, 1280, 1024)), at);
    }

    // The window is shown whole where it fits, frame and all, and else takes
    // what the screen leaves it, its client area scrolled.
    void fitted_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("size");
        QTest::newRow("fits (scale 1 on 1280 x 1024)") << QRect(0, 0, 1280, 1024) << QMargins(1, 22, 1, 1) << QSize(675, 567);
        QTest::newRow("just fits") << QRect(0, 0, 677, 590) << QMargins(1, 22, 1, 1) << QSize(675, 567);
        QTest::newRow("scale 2 on 1280 x 1024") << QRect(0, 0, 640, 512) << QMargins(1, 22, 1, 1) << QSize(638, 489);
        QTest::newRow("too high only") << QRect(100, 24, 1280, 500) << QMargins(0, 0, 0, 0) << QSize(675, 500);
    }
    void fitted()
    {
        QFETCH(QRect, area);
        QFETCH(QMargins, frame);
        QFETCH(QSize, size);
        QCOMPARE(ui::Fitted(QSize(675, 567), area, frame), size);
    }

    // F5: Create Binary, then MAME (a stand-in) on the image. The editor does
    // not wait for it: it takes the next click while MAME runs, a second F5
    // starts a second MAME, and both run on once the editor is closed. A MAME
    // that cannot be started is told in a box.
    void runInMame()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Source("fuzz/corpus/ok-worked-example.eap"), dir.filePath("ship.eap")));
        const QString args = dir.filePath("mame%1.args"), go = dir.filePath("go%1");
        qputenv("TILEWRIGHT_MAME", Data("mame/stand-in.sh").toUtf8());
        const auto undo = qScopeGuard([&] {
            for (const QString& name : {go.arg(0), go.arg(1)})
                QFile(name).open(QIODevice::WriteOnly); // the stand-ins end
            for (const char* name : {"TILEWRIGHT_MAME", "STAND_IN", "STAND_IN_ARGS"})
                qunsetenv(name);
        });
        {
            Editor e;
            e.Window.OpenProjectFile(dir.filePath("ship.eap"));
            for (int run = 0; run < 2; ++run) {
                qputenv("STAND_IN", "wait " + go.arg(run).toUtf8());
                qputenv("STAND_IN_ARGS", args.arg(run).toUtf8());
                QTest::keyClick(&e.Window, Qt::Key_F5);
                QTRY_VERIFY_WITH_TIMEOUT(ReadAll(args.arg(run)).endsWith(".bin\n"), kProgramMilliseconds);
            }
            QCOMPARE(ReadAll(dir.filePath("ship.bin")), ReadAll(Data("worked-example.bin")));
            QCOMPARE(ReadAll(args.arg(0)).split('\n').mid(1).join(' '), "arcadia -window -skip_gameinfo -cart " + dir.filePath("ship.bin").toUtf8() + ' ');
            QTest::mouseClick(e.Find("picSpriteBlock0"), Qt::LeftButton, {}, BlockCentre(0));
            QCOMPARE(e.Project().Sprites[0].HexRows[0], std::string("98"));
            QCOMPARE(e.Script.Messages.size(), 1); // the welcome box alone
        }
        for (int run = 0; run < 2; ++run) {
            QFile(go.arg(run)).open(QIODevice::WriteOnly);
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(go.arg(run) + ".seen"), kProgramMilliseconds);
        }

        Editor e;
        e.Window.OpenProjectFile(dir.filePath("ship.eap"));
        qputenv("STAND_IN", "fail 4 Unknown system 'arcadia'");
        QTest::keyClick(&e.Window, Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(e.Script.Messages.size(), 2, kProgramMilliseconds);
        QVERIFY2(e.Script.Last().startsWith("MAME Error: MAME could not be started (") && e.Script.Last().contains("Unknown system 'arcadia'") &&
                     e.Script.Last().contains("ended at once with status 4; MAME comes in the Debian package mame"),
                 qPrintable(e.Script.Last()));
        qputenv("TILEWRIGHT_MAME", dir.filePath("missing").toUtf8());
        QTest::keyClick(&e.Window, Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(e.Script.Messages.size(), 3, kProgramMilliseconds);
        QVERIFY2(e.Script.Last().contains("missing cannot be started: no such file or directory; MAME comes in the Debian package mame"),
                 qPrintable(e.Script.Last()));
    }

    // F6 shows the console's picture, which follows every edit at once (no
    // event processed between), the undo, the settings and a load; Escape
    // closes it, and its zoom and colours are there again when it reopens.
    void consoleView()
    {
        Editor e;
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Console View[*]"));
        // Sprite 1's top left pixel, row 0 of 16 lines: (53, 112) and (53, 113), at zoom 2 on an NTSC TV.
        const auto pixel = [&](int x, int line) {
            const ScreenScale scale{view->Zoom(), PixelShape::Ntsc};
            return view->Picture().pixelColor(scale.ColumnStart(x), line * view->Zoom());
        };
        const QColor white(255, 255, 255), black(0, 0, 0), blue(0, 0, 255); // MAME's screen code 0 and White's code 7
        QCOMPARE(pixel(53, 112), white);
        QCOMPARE(e.Find<QLineEdit>(QStringLiteral("consoleBytes"))->text(),
                 QStringLiteral("19F9=00 19FA=3F 19FB=3F 18F0=90 18F1=40 18F2=90 18F3=50 18F4=90 18F5=60 18F6=90 18F7=70"));
        QTest::mouseClick(e.Find(QStringLiteral("picSpriteBlock0")), Qt::LeftButton, {}, BlockCentre(0));
        QCOMPARE(pixel(53, 112), black);
        QCOMPARE(pixel(53, 113), black);
        auto* lines = e.Find<QComboBox>(Indexed("consoleLines", 0));
        lines->setFocus();
        QTest::keyClick(lines, Qt::Key_Down);
        QVERIFY(e.Project().Console.SpriteLines[0] == kShortLines && pixel(53, 112) == black && pixel(53, 113) == white);
        QVERIFY(view->ChipBytes().contains(QStringLiteral("19FB=BF"))); // 8 lines: bit 7; White and White
        auto* colours = e.Find<QComboBox>(QStringLiteral("consoleColours"));
        colours->setFocus();
        QTest::keyClick(colours, Qt::Key_Down);
        QVERIFY(pixel(53, 112) == white && pixel(0, 0) == black); // as named: White on Black
        Activate(view);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier); // the project's undo, from this window too
        QCOMPARE(e.Project().Console.SpriteLines[0], kTallLines);
        Activate(&e.Window);
        QCOMPARE(pixel(53, 113), white);
        QTest::keyClick(&e.Window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pixel(53, 112), black);
        const int width = view->Picture().width(), zoom = view->Zoom() + 2;
        Activate(view);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->Zoom(), zoom);
        QCOMPARE(view->Picture().width(), (ScreenScale{zoom, PixelShape::Ntsc}.Width()));
        QVERIFY(view->Picture().width() > width);
        e.Script.Files << Source("tests/data/side/pal.eap");
        e.Menu("mnuFileLoadProject");
        QCOMPARE(view->windowTitle(), QStringLiteral("pal.eap[*] - Console View"));
        QCOMPARE(view->Picture().width(), (ScreenScale{zoom, PixelShape::Pal}.Width()));
        QCOMPARE(pixel(0, 0), blue); // Blue, as named
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        QTest::keyClick(&e.Window, Qt::Key_F6);
        QVERIFY(view->isVisible() && view->Zoom() == zoom);
    }

    // The scene made on the picture: a sprite dragged where the chip puts
    // it, the readout following it before the button is let go; sprites
    // chosen and moved by the keys; a stroke of paint on every cell the
    // mouse passed in one move, a rectangle filled, text typed (its letters
    // not the view's keys), a selection copied and cleared. A stroke, a drag
    // and a word are one step each; the first undone leaves no scene.
    // A point in the picture is the console pixel drawn there, at every
    // column however the pixels' widths round, and past the edges the
    // nearest one.
    void mouseOnThePicture_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("scale");
        QTest::newRow("NTSC at 1") << int(PixelShape::Ntsc) << 1;
        QTest::newRow("NTSC at 3") << int(PixelShape::Ntsc) << 3;
        QTest::newRow("PAL at 2") << int(PixelShape::Pal) << 2;
        QTest::newRow("square at 4") << int(PixelShape::Square) << 4;
    }
    void mouseOnThePicture()
    {
        QFETCH(int, shape);
        QFETCH(int, scale);
        const ScreenScale screen{scale, PixelShape(shape)};
        ui::ConsolePicture picture(nullptr);
        picture.Show(QImage(screen.Width(), screen.Height(), QImage::Format_RGB32), screen, ConsoleShows{});
        for (const int line : {0, 130, kScreenLines - 1})
            for (int x = 0; x < kScreenWidth; ++x) {
                const QRect drawn = picture.PixelRect(x, line);
                QCOMPARE(picture.ConsolePoint(drawn.topLeft()), QPoint(x, line));
                QCOMPARE(picture.ConsolePoint(drawn.bottomRight()), QPoint(x, line));
            }
        QCOMPARE(picture.ConsolePoint(QPoint(screen.Width() + 9, -9)), QPoint(kScreenWidth - 1, 0));
        QCOMPARE(picture.ConsolePoint(QPoint(-9, screen.Height() + 9)), QPoint(0, kScreenLines - 1));
    }

    void sceneOnThePicture()
    {
        Editor e;
        for (int k : {0, 1}) // the top left pixel of sprites 1 and 2
            QTest::mouseClick(e.Find(QStringLiteral("picSpriteBlock%1").arg(k)), Qt::LeftButton, {}, BlockCentre(0));
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        QWidget* picture = e.Find(QStringLiteral("consoleScreen"));
        Activate(view);
        const auto at = [&](QPoint console) {
            const ScreenScale scale{view->Zoom(), PixelShape::Ntsc};
            return QPoint((scale.ColumnStart(console.x()) + scale.ColumnStart(console.x() + 1)) / 2, console.y() * view->Zoom() + view->Zoom() / 2);
        };
        const auto cellAt = [&](int cell) {
            const int lines = CellLines(ChipStateOf(e.Project()));
            return at({kFieldLeft + cell % kFieldColumns * kCellWidth + 3, FieldTopLine(ChipStateOf(e.Project())) + cell / kFieldColumns * lines + lines / 2});
        };
        const auto stroke = [&](QPoint from, QPoint to) {
            QTest::mousePress(picture, Qt::LeftButton, {}, from);
            QTest::mouseMove(picture, to);
            QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
        };
        const auto key = [&](QKeyCombination k) { QTest::keyClick(picture, k.key(), k.keyboardModifiers()); };
        const auto readout = [&] { return e.Find<QLabel>(QStringLiteral("consoleCollisions"))->text(); };
        const auto cells = [&](int from, int count) {
            QString shown;
            for (int c = from; c < from + count; ++c)
                shown += QStringLiteral("%1 ").arg(e.Project().Scene->Cells[std::size_t(c)], 2, 16, QChar('0'));
            return shown.trimmed();
        };
        QVERIFY(readout().endsWith(QStringLiteral("nothing touches")));

        QTest::mousePress(picture, Qt::LeftButton, {}, at({53, 113}));
        QTest::mouseMove(picture, at({69, 113}));
        QVERIFY2(readout().endsWith(QStringLiteral("sprites 1 and 2 touch")), qPrintable(readout()));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, at({69, 113}));
        QCOMPARE(e.Project().Scene->Positions[0], 0x90);
        QCOMPARE(e.Project().Scene->Positions[1], 0x40 + 16);
        const QImage off = picture->grab().toImage();
        key(Qt::Key_C);
        const QImage on = picture->grab().toImage();
        QVERIFY(on.pixel(at({69, 112})) != off.pixel(at({69, 112})) && on.pixel(at({80, 120})) == off.pixel(at({80, 120})));
        key(Qt::CTRL | Qt::Key_Z);
        QVERIFY(!e.Project().Scene);
        key(Qt::CTRL | Qt::Key_Y);
        key(Qt::Key_2);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::SHIFT | Qt::Key_Up);
        QCOMPARE(e.Project().Scene->Positions[2], 0x90 + 16);
        QCOMPARE(e.Project().Scene->Positions[3], 0x50 + 2);

        const std::uint8_t brush = e.Find<ui::ScenePanel>(QStringLiteral("scenePanel"))->Brush();
        QCOMPARE(brush, 0x83); // a solid block in colour bits 10, at first
        const QString b = QStringLiteral("83");
        key(Qt::CTRL | Qt::Key_2);
        stroke(cellAt(0), cellAt(3));
        QCOMPARE(cells(0, 5), QStringList({b, b, b, b, "80"}).join(' '));
        key(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(cells(0, 5), QStringLiteral("80 80 80 80 80"));
        key(Qt::CTRL | Qt::Key_3);
        stroke(cellAt(33), cellAt(50));
        QCOMPARE(cells(32, 4) + ' ' + cells(48, 4), QStringList({"80", b, b, "80", "80", b, b, "80"}).join(' '));

        key(Qt::CTRL | Qt::Key_5);
        QTest::mouseClick(picture, Qt::LeftButton, {}, cellAt(16));
        QTest::keyClicks(picture, QStringLiteral("Ok 1"));
        key(Qt::Key_Backspace);
        const auto coloured = [&](int code) { return QStringLiteral("%1").arg(code | (brush & 0xC0), 2, 16, QChar('0')); };
        QCOMPARE(cells(16, 5), QStringList({coloured(0x28), coloured(0x24), coloured(0), coloured(0), "80"}).join(' '));
        QVERIFY(!view->Playing() && !e.Find<QAction>(QStringLiteral("consoleOnionItem"))->isChecked());
        key(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(cells(16, 4), QStringLiteral("80 80 80 80"));
        key(Qt::CTRL | Qt::Key_Y);
        QTest::mouseClick(picture, Qt::LeftButton, {}, cellAt(0)); // the first cell takes the keys too
        QTest::keyClicks(picture, QStringLiteral("O "));
        QCOMPARE(cells(0, 3), QStringList({coloured(0x28), coloured(0), "80"}).join(' '));
        QVERIFY(!view->Playing() && !e.Find<QAction>(QStringLiteral("consoleOnionItem"))->isChecked());
        key(Qt::CTRL | Qt::Key_Z);

        key(Qt::CTRL | Qt::Key_4);
        stroke(cellAt(34), cellAt(17));
        key(Qt::CTRL | Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral(";cells 2 x 2 from 0x1811\r\n      db          0A4h,80h\r\n      db          83h,83h\r\n"));
        key(Qt::SHIFT | Qt::Key_Delete);
        QCOMPARE(cells(16, 4) + ' ' + cells(32, 4), QStringLiteral("a8 80 80 80 80 80 80 80"));
        key(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        const QString screen = QGuiApplication::clipboard()->text();
        QVERIFY(screen.startsWith(QStringLiteral("SCRN:\r\n")) && screen.count(QStringLiteral("db")) == kCells / 8);
    }

    // A row being typed shows one byte in the grid, the Console View and the
    // strip all the while: "3" is 03 in each, and the box keeps "3" until the
    // typing ends.
    void rowBeingTyped()
    {
        Editor e;
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        auto* box = e.Find<QLineEdit>(QStringLiteral("rtbSprite1Hex_0"));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("3"));
        const QImage grid = e.Find(QStringLiteral("picSpriteBlock0"))->grab().toImage();
        const QImage strip = e.Find(QStringLiteral("frameStrip_0"))->grab().toImage();
        const auto screen = [&](int x) { return view->Picture().pixelColor(ScreenScale{view->Zoom(), PixelShape::Ntsc}.ColumnStart(53 + x), 112 * view->Zoom()); };
        QString shown;
        for (int c = 0; c < 8; ++c) // the grid in its colours, the view and the strip in MAME's: White is black there
            shown += QStringLiteral("%1%2%3 ").arg(Letter(grid.pixel(BlockCentre(c)), true)).arg(screen(c) == QColor(Qt::black) ? 'W' : '.')
                         .arg(strip.pixelColor(6 + 3 * c + 1, 7) == QColor(Qt::black) ? 'W' : '.');
        QCOMPARE(shown, QStringLiteral("... ... ... ... ... ... WWW WWW "));
        QCOMPARE(box->text(), QStringLiteral("3"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("03"));
        QCOMPARE(e.Project().Sprites[0].HexRows[0], std::string("03"));
    }

    // A strip's frames stand side by side, each its own picture; a click
    // selects the frame under it, and nothing right of the last; its keys
    // go on from the frame selected, and its context menu shows them. Play
    // shows console frame 0 at once, before the clock's first tick.
    void frameStrips()
    {
        Editor e;
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        auto* strip = e.Find<ui::FrameStrip>(QStringLiteral("frameStrip_0"));
        QWidget* grid = e.Find(QStringLiteral("picSpriteBlock0"));
        // Frame f has block f of its top row set, and no other.
        QTest::mouseClick(grid, Qt::LeftButton, {}, BlockCentre(0));
        for (int f = 1; f < 4; ++f) {
            strip->setFocus();
            QTest::keyClick(strip, Qt::Key_Insert);
            QTest::mouseClick(grid, Qt::LeftButton, {}, BlockCentre(f - 1));
            QTest::mouseClick(grid, Qt::LeftButton, {}, BlockCentre(f));
        }
        QCOMPARE(e.Project().Sprites[0].Frames(), 4);
        // 8 blocks of 3 pixels, 6 apart and from the edge; a White sprite
        // on Black shows as MAME's black on white.
        const QImage shown = strip->grab().toImage();
        for (int f = 0; f < 4; ++f)
            for (int c = 0; c < 4; ++c)
                QVERIFY2(shown.pixelColor(6 + 30 * f + 3 * c + 1, 7) == (c == f ? QColor(Qt::black) : QColor(Qt::white)),
                         qPrintable(QStringLiteral("frame %1, block %2").arg(f).arg(c)));
        const auto click = [&](QPoint at) { QTest::mouseClick(strip, Qt::LeftButton, {}, at); };
        click(strip->FrameRect(1).center());
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(e.Project().EditedFrame[0], 2);
        click(strip->FrameRect(0).center());
        click(strip->FrameRect(3).center() + QPoint(strip->FrameRect(3).width() / 2 + 10, 0));
        QCOMPARE(e.Project().EditedFrame[0], 0);
        QStringList items;
        QTimer::singleShot(0, strip, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* item : menu ? menu->actions() : QList<QAction*>())
                items << item->text() + '[' + item->shortcut().toString() + ']';
            if (menu)
                menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, strip->FrameRect(0).center(), strip->mapToGlobal(strip->FrameRect(0).center()));
        QApplication::sendEvent(strip, &menuEvent);
        QCOMPARE(items.join(' '), QStringLiteral("Add Frame[Ins] Delete Frame[Del] Move Earlier[Ctrl+Left] Move Later[Ctrl+Right] Set Time...[T]"));
        click(strip->FrameRect(2).center());
        const auto pixel = [&](int x) { return view->Picture().pixelColor(ScreenScale{view->Zoom(), PixelShape::Ntsc}.ColumnStart(x), 112 * view->Zoom()); };
        QVERIFY(pixel(55) == QColor(Qt::black) && pixel(53) == QColor(Qt::white));
        view->Play();
        QVERIFY(pixel(53) == QColor(Qt::black) && pixel(55) == QColor(Qt::white));
        view->Stop();
    }

    // F6 goes from either window to the other; the editor's keys work in the
    // view. A strip of 64 frames scrolls to keep the frame edited in view.
    void betweenTheWindows()
    {
        Editor e;
        QTemporaryDir dir;
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        QTRY_COMPARE(QApplication::activeWindow(), view);
        QTest::keyClick(view, Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), &e.Window);
        QVERIFY(view->isVisible());
        Activate(view);
        auto* strip = e.Find<ui::FrameStrip>(Indexed("frameStrip", 0));
        auto* scroller = e.Find<QScrollArea>(Indexed("frameScroller", 0));
        strip->setFocus();
        const auto inView = [&](int f) {
            return scroller->viewport()->rect().contains(strip->FrameRect(f).translated(strip->mapTo(scroller->viewport(), QPoint())));
        };
        for (int f = 1; f < kMaxFrames; ++f)
            QTest::keyClick(strip, Qt::Key_Insert);
        QVERIFY(e.Project().Sprites[0].Frames() == kMaxFrames && e.Project().EditedFrame[0] == kMaxFrames - 1);
        QVERIFY(inView(kMaxFrames - 1) && !inView(0));
        for (int f = 1; f < kMaxFrames; ++f)
            QTest::keyClick(strip, Qt::Key_Left);
        QVERIFY(e.Project().EditedFrame[0] == 0 && inView(0));
        e.Script.Files << dir.filePath("walk.eap");
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(dir.filePath("walk.eap")) && QFile::exists(dir.filePath("walk.eap.asm")));
        QCOMPARE(view->windowTitle(), QStringLiteral("walk.eap[*] - Console View"));
    }

    // O in a grid shows the frame before faintly under the edited one, in
    // the grid and in the Console View; on frame 0 it shows nothing, and O
    // again takes it away.
    void onionSkin()
    {
        Editor e;
        QWidget* grid = e.Find(QStringLiteral("picSpriteBlock0"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, BlockCentre(0)); // frame 0: block 0 set
        QTest::keyClick(&e.Window, Qt::Key_F6);
        auto* view = e.Window.findChild<ui::ConsoleView*>();
        auto* strip = e.Find<ui::FrameStrip>(QStringLiteral("frameStrip_0"));
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Insert); // frame 1, a copy
        QTest::mouseClick(grid, Qt::LeftButton, {}, BlockCentre(0)); // frame 1: block 0 clear
        const auto cell = [&] { return grid->grab().toImage().pixelColor(BlockCentre(0)); };
        const auto screen = [&] { return view->Picture().pixelColor(ScreenScale{view->Zoom(), PixelShape::Ntsc}.ColumnStart(53), 112 * view->Zoom()); };
        const QColor black(0, 0, 0), white(255, 255, 255);
        const Rgb faintGrid = FaintRgb({255, 255, 255}, {0, 0, 0}), faintScreen = FaintRgb({0, 0, 0}, {255, 255, 255});
        QVERIFY(cell() == black && screen() == white);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_O);
        QCOMPARE(cell(), QColor(faintGrid.red, faintGrid.green, faintGrid.blue));
        QCOMPARE(screen(), QColor(faintScreen.red, faintScreen.green, faintScreen.blue));
        e.Find<ui::FrameStrip>(QStringLiteral("frameStrip_0"))->setFocus();
        QTest::keyClick(strip, Qt::Key_Left); // frame 0 has none before it
        QVERIFY(cell() == white && screen() == black);
        QTest::keyClick(strip, Qt::Key_Right);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_O);
        QVERIFY(cell() == black && screen() == white);
    }

    // What typing, stray clicks and cancelled dialogs must not change.
    void refusedInput()
    {
        Editor e;
        QTest::keyClick(e.Find(QStringLiteral("rtbSpriteName_1")), Qt::Key_End); // a name shows from its start
        QTest::keyClicks(e.Find(QStringLiteral("rtbSpriteName_1")), QStringLiteral("ABCDEFGHI"));
        QCOMPARE(e.Project().Sprites[1].Name, std::string("Sprite2A"));
        QWidget* grid = e.Find(QStringLiteral("picSpriteBlock0"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, {22, 10}); // between two blocks
        QTest::mouseClick(grid, Qt::RightButton, {}, BlockCentre(0));
        QTest::mousePress(grid, Qt::LeftButton, {}, {22, 10}); // a stroke begun in a gap paints nothing
        QTest::mouseMove(grid, BlockCentre(2));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, BlockCentre(2));
        const SpriteProject before = e.Project();
        QVERIFY(before.Sprites[0] == SpriteProject().Sprites[0] && before.Sprites[2] == SpriteProject().Sprites[2]);
        e.Menu("mnuFileCreateBinary");
        QCOMPARE(e.Script.Last(), QStringLiteral("Project error: No project file has been chosen! ()"));
        e.Script.Unsaved << Dialogs::Answer::Discard; // the typed name
        for (const char* menu : {"mnuFileLoadProject", "mnuFileSaveProject"}) {
            const qsizetype boxes = e.Script.Messages.size();
            e.Menu(menu);
            QCOMPARE(QString::number(e.Script.Messages.size() - boxes) + e.Script.Last(), QString::number(menu == QByteArray("mnuFileLoadProject") ? 2 : 1) + "File Error: File error ()"); // Load asks first
        }
        e.Menu("mnuFileNewProject");
        QCOMPARE(e.Script.Messages.last().Title + e.Script.Messages.last().Text, "New Project Creation" + ReadAll(Data("new-project.txt")));
        QVERIFY(e.Project() == before);
    }

    // A name wider than its box shows from its first letter whenever the box
    // is not being edited: set by a load, or typed and left for a grid.
    void namesShowFromTheirStart()
    {
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.Window));
        const auto shownFromStart = [&](int k) {
            auto* box = e.Find<QLineEdit>(Indexed("rtbSpriteName", k));
            box->grab(); // the scroll is worked out when painting
            return box->cursorPosition() == 0 && box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() >= 0;
        };
        e.Script.Files << Source("fuzz/corpus/ok-long-name.eap");
        e.Menu("mnuFileLoadProject");
        QVERIFY(shownFromStart(0));
        auto* box = e.Find<QLineEdit>(Indexed("rtbSpriteName", 1));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("ABCDEFGH"));
        QVERIFY(!shownFromStart(1)); // being edited: the cursor at the end
        QTest::mouseClick(e.Find(QStringLiteral("picSpriteBlock2")), Qt::LeftButton, {}, BlockCentre(0)); // takes the focus
        QVERIFY(shownFromStart(1));
    }

    // Without changes, Exit and the close box both end the event loop at once.
    void exitAndClose()
    {
        for (bool viaMenu : {true, false}) {
            Editor e;
            QTimer::singleShot(0, [&] { viaMenu ? e.Menu("mnuFileExit") : void(e.Window.close()); });
            QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
            const qsizetype boxes = e.Script.Messages.size();
            QCOMPARE(QApplication::exec(), 0);
            QCOMPARE(e.Script.Messages.size(), boxes);
        }
    }

    // The Qt boxes: OK-only answers OK however dismissed; Escape cancels an
    // OK/Cancel box; no icons. The one file dialog serves Load and Save.
    void qtDialogs()
    {
        ui::QtDialogs dialogs;
        for (int how = 0; how < 3; ++how) {
            QString seen;
            WhenModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                seen = box->text() + '|' + box->informativeText() + '|' + QString::number(box->icon());
                how == 0 ? QTest::keyClick(box, Qt::Key_Escape) : how == 1 ? void(box->close()) : QTest::keyClick(box, Qt::Key_Return);
            });
            const auto buttons = how == 2 ? Dialogs::Buttons::OkCancel : Dialogs::Buttons::Ok;
            QCOMPARE(dialogs.ShowMessage(nullptr, {"T", "a\r\nb", "why", buttons}), Dialogs::Answer::Ok);
            QCOMPARE(seen, QStringLiteral("a\nb|why|0"));
        }
        WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialogs.ShowMessage(nullptr, {"T", "?", "", Dialogs::Buttons::OkCancel}), Dialogs::Answer::Cancel);
        // The unsaved-changes question: Save is the default, Escape cancels.
        for (const auto& [key, answer] : {std::pair{Qt::Key_Escape, Dialogs::Answer::Cancel}, {Qt::Key_Return, Dialogs::Answer::Save},
                                          {Qt::Key_D, Dialogs::Answer::Discard}}) {
            WhenModal([key = key](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QCOMPARE(box->standardButtons(), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
                key == Qt::Key_D ? box->button(QMessageBox::Discard)->click() : QTest::keyClick(box, key);
            });
            QCOMPARE(dialogs.ShowMessage(nullptr, {"T", "?", "", Dialogs::Buttons::SaveDiscardCancel}), answer);
        }

        // A number asked for: every digit typed stays, and one out of range
        // says so and cannot be taken.
        WhenModal([](QWidget* w) {
            auto* box = w->findChild<QLineEdit*>(QStringLiteral("numberBox"));
            auto* ok = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            const auto note = [w] { return w->findChild<QLabel*>(QStringLiteral("numberNote"))->text(); };
            QTest::keyClicks(box, QStringLiteral("999"));
            QVERIFY(box->text() == "999" && !ok->isEnabled() && note() == "Give a whole number from 1 to 255.");
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(w->isVisible());
            QTest::keyClick(box, Qt::Key_Backspace);
            QVERIFY(ok->isEnabled() && note() == "99 frames");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(dialogs.AskNumber(nullptr, "T", "?", 6, 1, 255, [](int n) { return QStringLiteral("%1 frames").arg(n); }), std::optional(99));

        QTemporaryDir dir;
        const QString file = dir.filePath("one.eap");
        QFile(file).open(QIODevice::WriteOnly);
        QFileDialog* first = nullptr;
        WhenModal([&](QWidget* w) {
            first = qobject_cast<QFileDialog*>(w);
            QVERIFY(first->fileMode() == QFileDialog::ExistingFile && first->acceptMode() == QFileDialog::AcceptOpen);
            first->selectFile(file);
            static_cast<QDialog*>(first)->accept();
        });
        QWidget parent;
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Load, QString()), std::optional(file));
        QCOMPARE(first->nameFilters(), QStringList({"Emerson Arcadia Project (*.eap)", "Test cartridge image (*.bin)", "All files (*)"}));
        WhenModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d == first && d->acceptMode() == QFileDialog::AcceptSave && d->fileMode() == QFileDialog::AnyFile);
            QVERIFY(d->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(d->nameFilters(), QStringList{"Emerson Arcadia Project (*.eap)"});
            QCOMPARE(d->selectedFiles(), QStringList{file}); // the file last chosen
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); // typed without an extension
            name->setText(QStringLiteral("arrow"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Save, QString()), std::optional(dir.filePath("arrow.eap")));
        WhenModal([](QWidget* w) { w->close(); });
        QCOMPARE(dialogs.ChooseProjectFile(&parent, Dialogs::FileMode::Load, QString()), std::nullopt);
    }

    // A frame serves small repaints from kept copies of its pixels; after its
    // look changes, such a repaint must show what a full repaint does. (The
    // Windows style draws the frame line in palette colours, so a stale copy
    // shows.)
    void framesRepaintFromFreshCopies()
    {
        QWidget top;
        top.resize(300, 200);
        ui::TitledFrame frame(QStringLiteral("Frame"), &top);
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        frame.setStyle(windows.get());
        frame.setGeometry(10, 10, 250, 150);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        const QRect edge(frame.width() - 8, 70, 8, 8);
        const auto screen = [&] {
            QCoreApplication::processEvents();
            const QRect area = top.geometry();
            return top.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        };
        for (const auto& change : std::initializer_list<std::function<void()>>{
                 [&] { frame.setPalette(QPalette(Qt::darkCyan)); }, [&] { frame.setFlat(true); }, [&] { frame.resize(240, 150); }}) {
            frame.repaint(edge);
            change();
            screen();
            frame.repaint(edge);
            const QImage pieces = screen();
            top.repaint();
            QCOMPARE(screen(), pieces);
        }
        for (int i = 0; i < 100; ++i) // pieces enough to pass the bound on what is kept
            frame.repaint(4 + i, 40, 32, 32);
        QVERIFY(frame.KeptPieces() > 0 && frame.KeptPieces() * 32 * 32 <= ui::TitledFrame::kMaxKeptPixels);
    }

    // Copy puts the sprite on the clipboard, as text its db line; Paste takes
    // only a sprite of ours, whole.
    void clipboard()
    {
        WindowDriver w;
        RunScript(w, {"", {"draw 1 18 3C 7E FF FF 7E 3C 18", "key 1 Ctrl+C"}, "clipboard", {1, 2}});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"));
        const QByteArray sprite = QGuiApplication::clipboard()->mimeData()->data(ui::kSpriteMimeType);
        for (const QByteArray& foreign : {sprite.chopped(1), sprite + '\0', sprite.chopped(1) + '\x08'}) {
            auto* data = new QMimeData;
            data->setData(ui::kSpriteMimeType, foreign);
            QGuiApplication::clipboard()->setMimeData(data);
            RunScript(w, {"", {"key 2 Ctrl+V"}, "clipboard", {3}});
            QVERIFY(w.E.Project().Sprites[1] == SpriteProject().Sprites[1]);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
