// The window as laid out: every control's place and size, captions, colours,
// fonts, the menu bar and the name box limit.
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include <cmath>

#include "ui_test_support.h"

using namespace tw::uitest;

namespace {

// The layout is given in twips; 15 of them make a pixel, rounded to nearest.
QRect FromTwips(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

QString ShownText(const QWidget* widget)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    return QStringLiteral("<no text>");
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { editor_ = std::make_unique<Editor>(); }
    void cleanup() { editor_.reset(); }

    void windowIsFixedWithCaptionAndCloseBoxOnly()
    {
        frmTilewright* window = editor_->Window.get();
        QCOMPARE(window->windowTitle(), QStringLiteral("Tilewright"));
        QCOMPARE(window->centralWidget()->size(), QSize(675, 549));
        QCOMPARE(window->centralWidget()->geometry().top(), window->menuBar()->geometry().bottom() + 1);
        QCOMPARE(window->size(), QSize(675, 549 + window->menuBar()->height()));
        QCOMPARE(window->minimumSize(), window->maximumSize());

        const QSize before = window->size();
        window->resize(before + QSize(120, 90));
        QCOMPARE(window->size(), before);

        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void windowIsCentredWhenFirstShown()
    {
        ScriptedDialogs script;
        frmTilewright window(script);
        window.ShowCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint screenCentre = window.screen()->availableGeometry().center();
        const QPoint windowCentre = window.frameGeometry().center();
        QVERIFY2(std::abs(screenCentre.x() - windowCentre.x()) <= 1 && std::abs(screenCentre.y() - windowCentre.y()) <= 1,
                 qPrintable(QStringLiteral("window centre %1,%2 screen centre %3,%4")
                                .arg(windowCentre.x())
                                .arg(windowCentre.y())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
    }

    void controlSitsAtItsTwipsPlace_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("expected");
        const auto row = [](const QString& name, const QString& container, int l, int t, int w, int h) {
            QTest::newRow(qPrintable(name)) << container << FromTwips(l, t, w, h);
        };
        const QString gen = QStringLiteral("fmeSpriteGen");
        row(gen, QStringLiteral("clientArea"), 120, 120, 9900, 8055);
        const int panelCorners[4][2] = {{240, 360}, {3960, 360}, {240, 4200}, {3960, 4200}};
        for (int k = 0; k < 4; ++k) {
            const QString panel = QStringLiteral("fmeSprite_%1").arg(k);
            row(panel, gen, panelCorners[k][0], panelCorners[k][1], 3525, 3735);
            for (int r : {0, 3, 7})
                row(QStringLiteral("rtbSprite%1Hex_%2").arg(k + 1).arg(r), panel, 3015, 360 + 360 * r, 360, 315);
            row(QStringLiteral("lblName_%1").arg(k), panel, 75, 3360, 570, 255);
            row(QStringLiteral("rtbSpriteName_%1").arg(k), panel, 600, 3360, 735, 255);
            row(QStringLiteral("picSpriteFGColor_%1").arg(k), panel, 1350, 3360, 255, 255);
            row(QStringLiteral("cmdThumbNail_%1").arg(k), panel, 1680, 3360, 570, 255);
            row(QStringLiteral("cmdSpriteColor_%1").arg(k), panel, 2280, 3360, 510, 255);
            row(QStringLiteral("cmdSpriteClear_%1").arg(k), panel, 2880, 3360, 550, 255);
        }
        const QString color = QStringLiteral("fmeColor");
        row(color, gen, 7875, 360, 1770, 3735);
        const int optionTops[8] = {2760, 2415, 2040, 1680, 1320, 960, 600, 240};
        for (int code = 0; code < 8; ++code)
            row(QStringLiteral("optColor_%1").arg(code), color, 210, optionTops[code], 1185, 240);
        row(QStringLiteral("cmdSetBGnd"), color, 315, 3255, 1095, 255);

        const QString view = QStringLiteral("fmeThumbNail");
        row(view, gen, 7770, 4215, 1980, 3720);
        row(QStringLiteral("picThumbNail"), view, 420, 240, 1215, 1215);
        row(QStringLiteral("lblBackGround"), view, 105, 1680, 975, 255);
        row(QStringLiteral("lblBackGroundValue"), view, 1785, 1680, 150, 255);
        for (int k = 0; k < 4; ++k) {
            row(QStringLiteral("lblForeGround_%1").arg(k), view, 105, 1995 + 315 * k, 1620, 255);
            row(QStringLiteral("lblForeGroundValue_%1").arg(k), view, 1785, 1995 + 315 * k, 150, 255);
        }

        const QString help = QStringLiteral("fmeHelp");
        row(help, gen, 0, 0, 9855, 8055);
        row(QStringLiteral("rtbHelp"), help, 120, 240, 9615, 7335);
        row(QStringLiteral("cmdCloseHelp"), help, 4200, 7680, 1215, 255);
    }

    void controlSitsAtItsTwipsPlace()
    {
        QFETCH(QString, container);
        QFETCH(QRect, expected);
        const QWidget* widget = editor_->Find(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        QVERIFY(widget->parentWidget());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), expected);
    }

    void designBlocksSitAtTheirTwipsPlace()
    {
        for (int k = 0; k < 4; ++k) {
            BlockGrid* grid = editor_->Grid(k);
            QVERIFY(grid);
            QCOMPARE(grid->parentWidget()->objectName(), QStringLiteral("fmeSprite_%1").arg(k));
            for (int i = 0; i < 64; ++i) {
                const int row = i / 8, column = i % 8;
                const QRect cell = grid->CellRect(i);
                const QRect inPanel(grid->mapToParent(cell.topLeft()), cell.size());
                QCOMPARE(inPanel, FromTwips(120 + 360 * column, 360 + 360 * row, 330, 315));
            }
        }
        // The clicking area ends with the last block; the row boxes stay free.
        const BlockGrid* grid = editor_->Grid(0);
        QVERIFY(grid->geometry().right() < editor_->RowBox(0, 0)->geometry().left());
    }

    void viewCellsOverlapByOnePixel()
    {
        BlockGrid* view = editor_->View();
        QVERIFY(view);
        for (int i = 0; i < 64; ++i)
            QCOMPARE(view->CellRect(i), FromTwips(120 + 120 * (i % 8), 120 + 120 * (i / 8), 135, 135));
        QCOMPARE(view->CellRect(0).intersected(view->CellRect(1)).width(), 1);
        QCOMPARE(view->CellRect(0).intersected(view->CellRect(8)).height(), 1);
        // A band of surround stays on every side.
        QVERIFY(view->CellRect(0).left() > 0 && view->CellRect(0).top() > 0);
        QVERIFY(view->CellRect(63).right() < view->width() - 1 && view->CellRect(63).bottom() < view->height() - 1);
    }

    void captionsAreExact_data()
    {
        QTest::addColumn<QString>("text");
        const auto row = [](const QString& name, const QString& text) { QTest::newRow(qPrintable(name)) << text; };
        row(QStringLiteral("fmeSpriteGen"), QStringLiteral("Sprite Design [Project: (None)]"));
        row(QStringLiteral("fmeColor"), QStringLiteral("Color Select"));
        row(QStringLiteral("fmeThumbNail"), QStringLiteral("Sprite View"));
        row(QStringLiteral("fmeHelp"), QStringLiteral("Help"));
        row(QStringLiteral("cmdCloseHelp"), QStringLiteral("Close"));
        row(QStringLiteral("cmdSetBGnd"), QStringLiteral("Screen Color"));
        row(QStringLiteral("lblName_0"), QStringLiteral(" Name:"));
        for (int k = 0; k < 4; ++k) {
            row(QStringLiteral("fmeSprite_%1").arg(k), QStringLiteral("Sprite #%1").arg(k + 1));
            if (k > 0)
                row(QStringLiteral("lblName_%1").arg(k), QStringLiteral("Name:"));
            row(QStringLiteral("rtbSpriteName_%1").arg(k), QStringLiteral("Sprite%1").arg(k + 1));
            row(QStringLiteral("cmdThumbNail_%1").arg(k), QStringLiteral("View"));
            row(QStringLiteral("cmdSpriteColor_%1").arg(k), QStringLiteral("Color"));
            row(QStringLiteral("cmdSpriteClear_%1").arg(k), QStringLiteral("Clear"));
            row(QStringLiteral("lblForeGround_%1").arg(k), QStringLiteral("Sprite #%1 FGnd Value:").arg(k + 1));
            row(QStringLiteral("lblForeGroundValue_%1").arg(k), QStringLiteral("7"));
            for (int r = 0; r < 8; ++r)
                row(QStringLiteral("rtbSprite%1Hex_%2").arg(k + 1).arg(r), QStringLiteral("00"));
        }
        row(QStringLiteral("lblBackGround"), QStringLiteral("BGnd Value:"));
        row(QStringLiteral("lblBackGroundValue"), QStringLiteral("0"));
        const char* options[8] = {"Black = 0", "Blue = 1",   "Red = 2 ", "Majenta = 3",
                                  "Green = 4", "Cyan = 5", "Yellow = 6", "White = 7"};
        for (int code = 0; code < 8; ++code)
            row(QStringLiteral("optColor_%1").arg(code), QString::fromLatin1(options[code]));
    }

    void captionsAreExact()
    {
        QFETCH(QString, text);
        const QWidget* widget = editor_->Find(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        QCOMPARE(ShownText(widget), text);
    }

    void colourOptionsAreFilledWithTheirColour()
    {
        for (int code = 0; code < 8; ++code) {
            QRadioButton* option = editor_->Option(code);
            QVERIFY(option);
            QVERIFY(option->autoFillBackground());
            const QColor text = option->palette().color(QPalette::WindowText);
            QCOMPARE(text, code <= 3 ? QColor(Qt::white) : QColor(Qt::black));
            // Painted: a corner of the button, clear of the indicator and text.
            QCOMPARE(PixelAt(option, QPoint(option->width() - 2, 1)), CodeRgb(code));
        }
    }

    void panelTextBoxesUseTheClassicFace()
    {
        QList<QLineEdit*> boxes;
        for (int k = 0; k < 4; ++k) {
            boxes << editor_->NameBox(k) << editor_->RowBox(k, 0) << editor_->RowBox(k, 7);
        }
        for (const QLineEdit* box : boxes) {
            QVERIFY(box);
            const QFont font = box->font();
            QCOMPARE(font.families().value(0), QStringLiteral("MS Sans Serif"));
            QCOMPARE(font.pointSizeF(), 8.5);
            QCOMPARE(font.styleHint(), QFont::SansSerif);
            QVERIFY(!QFontInfo(font).family().isEmpty());
        }
    }

    void nameBoxStopsAtEightCharacters()
    {
        editor_->TypeName(2, QStringLiteral("ABCDEFGHI"));
        QCOMPARE(editor_->NameBox(2)->text(), QStringLiteral("ABCDEFGH"));
        QCOMPARE(editor_->Model().Sprites[2].Name, std::string("ABCDEFGH"));
        // The other names are untouched.
        QCOMPARE(editor_->NameBox(1)->text(), QStringLiteral("Sprite2"));
        QCOMPARE(editor_->Model().Sprites[3].Name, std::string("Sprite4"));
    }

    void rowBoxesRefuseTyping()
    {
        QLineEdit* box = editor_->RowBox(1, 4);
        QVERIFY(box->isReadOnly());
        QTest::keyClicks(box, QStringLiteral("FF"));
        QCOMPARE(box->text(), QStringLiteral("00"));
        QCOMPARE(editor_->Model().Sprites[1].HexRows[4], std::string("00"));
    }

    void menuBarHoldsFileAndHelp()
    {
        QMenuBar* bar = editor_->Window->menuBar();
        auto* file = editor_->Find<QMenu>(QStringLiteral("mnuFile"));
        auto* help = editor_->Window->findChild<QAction*>(QStringLiteral("mnuHelp"));
        QVERIFY(file && help);
        QCOMPARE(file->title(), QStringLiteral("File"));
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QVERIFY(!help->menu());
        QCOMPARE(bar->actions(), (QList<QAction*>{file->menuAction(), help}));

        QStringList items;
        for (const QAction* action : file->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text()) + QLatin1Char('/') +
                         action->objectName();
        QCOMPARE(items, (QStringList{QStringLiteral("New Project/mnuFileNewProject"), QStringLiteral("-/mnuFileSep1"),
                                     QStringLiteral("Load Project/mnuFileLoadProject"),
                                     QStringLiteral("Save Project/mnuFileSaveProject"), QStringLiteral("-/mnuFileSep2"),
                                     QStringLiteral("Create Binary/mnuFileCreateBinary"),
                                     QStringLiteral("-/mnuFileSep3"), QStringLiteral("Exit/mnuFileExit")}));
    }

    void nothingHasAShortcutOrAccessKey()
    {
        QList<QAction*> actions = editor_->Window->findChildren<QAction*>();
        actions << editor_->Window->menuBar()->actions();
        for (const QMenu* menu : editor_->Window->findChildren<QMenu*>())
            actions << menu->actions();
        QVERIFY(actions.size() >= 10);
        for (const QAction* action : actions) {
            QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->objectName()));
            QVERIFY2(!action->text().contains(QLatin1Char('&')), qPrintable(action->text()));
            QVERIFY2(QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(action->text()));
            QVERIFY2(QKeySequence::mnemonic(action->iconText()).isEmpty(), qPrintable(action->iconText()));
        }
        for (const QMenu* menu : editor_->Window->findChildren<QMenu*>())
            QVERIFY(QKeySequence::mnemonic(menu->title()).isEmpty());
        const QList<QAbstractButton*> buttons = editor_->Window->findChildren<QAbstractButton*>();
        QVERIFY(buttons.size() >= 4 * 3 + 8 + 2);
        for (const QAbstractButton* button : buttons) {
            QVERIFY2(button->shortcut().isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(QKeySequence::mnemonic(button->text()).isEmpty(), qPrintable(button->text()));
        }
        for (const QGroupBox* frame : editor_->Window->findChildren<QGroupBox*>())
            QVERIFY2(QKeySequence::mnemonic(frame->title()).isEmpty(), qPrintable(frame->title()));
        for (const QLabel* label : editor_->Window->findChildren<QLabel*>())
            QVERIFY2(!label->buddy(), qPrintable(label->objectName()));
    }

    void helpBoxIsPlainAndReadOnly()
    {
        auto* help = editor_->Find<QPlainTextEdit>(QStringLiteral("rtbHelp"));
        QVERIFY(help);
        QVERIFY(help->isReadOnly());
        QVERIFY(help->toPlainText().isEmpty());
    }

private:
    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(WindowLayoutTest)
#include "test_ui_layout.moc"
