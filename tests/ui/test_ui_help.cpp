// The help panel: its text, built afresh each time, and the menus it disables
// while it covers the design frame.
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "ui/help_text.h"
#include "ui_test_support.h"

using namespace tw::uitest;

namespace {

QStringList Paragraphs(const QString& text, const QString& separator)
{
    QStringList parts = text.split(separator);
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    return parts;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { editor_ = std::make_unique<Editor>(); }
    void cleanup() { editor_.reset(); }

    void helpTextIsTwentyParagraphsApart()
    {
        const QString text = tw::ui::BuildHelpText();
        QCOMPARE(text.size(), 4896);
        QVERIFY(text.startsWith(QStringLiteral("OVERVIEW:\r\n\r\nTilewright allows quick")));
        QVERIFY(text.endsWith(QStringLiteral("needing to be updated.\r\n\r\n")));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n\r\n")));
        const QStringList paragraphs = Paragraphs(text, QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 20);
        for (const QString& paragraph : paragraphs) {
            QVERIFY(!paragraph.isEmpty());
            QVERIFY2(!paragraph.contains(QLatin1Char('\r')) && !paragraph.contains(QLatin1Char('\n')),
                     qPrintable(paragraph));
        }
        QCOMPARE(paragraphs[0], QStringLiteral("OVERVIEW:"));
        QCOMPARE(paragraphs[4], QStringLiteral("DETAILS:"));
        QCOMPARE(paragraphs[11],
                 QStringLiteral("If the background and foreground colors are accidentally made identical, change"
                                " the foreground color on the sprite, set at least one block to the new color, "
                                "then change the background color.  If the new background color is not the desired "
                                "color, simply change it again."));
        QCOMPARE(paragraphs[12], QStringLiteral("To clear a sprite (reset its' bits to the background color), use "
                                                "the Clear button."));
        QCOMPARE(paragraphs[19],
                 QStringLiteral("Note#2: Tilewright will NOT CHECK for an existing file when performing a "
                                "<Save Project>; the existing file will be overwritten.  This is consistent with "
                                "the concept of an unfinished project needing to be updated."));
        // Built afresh, the same every time.
        QCOMPARE(tw::ui::BuildHelpText(), text);
    }

    void helpCoversTheDesignFrameAndDisablesTheMenus()
    {
        Editor& e = *editor_;
        const Snapshot before = Take(e);
        ClickMenuBar(HelpAction());

        auto* panel = e.Find<QGroupBox>(QStringLiteral("fmeHelp"));
        QVERIFY(panel->isVisible());
        QVERIFY(OnTop(panel));
        // Opaque: below the text, where the name box of sprite 3 lies, the
        // window shows the help panel alone.
        auto* design = e.Find<QGroupBox>(QStringLiteral("fmeSpriteGen"));
        QWidget* nameBox = e.NameBox(2);
        const QPoint underHelp = nameBox->mapTo(design, nameBox->rect().center());
        QVERIFY(!e.Find(QStringLiteral("rtbHelp"))->geometry().contains(panel->mapFrom(design, underHelp)));
        QCOMPARE(design->grab().toImage().pixelColor(underHelp),
                 panel->grab().toImage().pixelColor(panel->mapFrom(design, underHelp)));
        QCOMPARE(Shown(), Expected());
        QVERIFY(!FileMenu()->menuAction()->isEnabled());
        QVERIFY(!HelpAction()->isEnabled());

        // Neither menu reacts now.
        ClickMenuBar(FileMenu()->menuAction());
        QVERIFY(!FileMenu()->isVisible());
        auto* box = e.Find<QPlainTextEdit>(QStringLiteral("rtbHelp"));
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        const int scrolled = box->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        ClickMenuBar(HelpAction());
        QCOMPARE(box->verticalScrollBar()->value(), scrolled);

        // Close gives everything back.
        e.Click(e.Button(QStringLiteral("cmdCloseHelp")));
        QVERIFY(panel->isHidden());
        QVERIFY(!OnTop(panel));
        QVERIFY(FileMenu()->menuAction()->isEnabled());
        QVERIFY(HelpAction()->isEnabled());
        ClickMenuBar(FileMenu()->menuAction());
        QTRY_VERIFY(FileMenu()->isVisible());
        FileMenu()->close();
        QCOMPARE(Take(e), before); // the help leaves the project alone
    }

    void helpAgainShowsTheSameTextFromItsStart()
    {
        Editor& e = *editor_;
        auto* box = e.Find<QPlainTextEdit>(QStringLiteral("rtbHelp"));
        ClickMenuBar(HelpAction());
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        e.Click(e.Button(QStringLiteral("cmdCloseHelp")));
        // The text stays in the box while the panel is hidden.
        QCOMPARE(Shown(), Expected());

        ClickMenuBar(HelpAction());
        QCOMPARE(Shown(), Expected());
        QCOMPARE(box->document()->blockCount(), Expected().count(QLatin1Char('\n')) + 1);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!FileMenu()->menuAction()->isEnabled());
    }

    void shownParagraphsMatchTheBuiltText()
    {
        ClickMenuBar(HelpAction());
        const QStringList shown = Paragraphs(Shown(), QStringLiteral("\n\n"));
        QCOMPARE(shown, Paragraphs(tw::ui::BuildHelpText(), QStringLiteral("\r\n\r\n")));
    }

private:
    QMenu* FileMenu() const { return editor_->Find<QMenu>(QStringLiteral("mnuFile")); }
    QAction* HelpAction() const { return editor_->Window->findChild<QAction*>(QStringLiteral("mnuHelp")); }

    void ClickMenuBar(QAction* entry) const
    {
        QMenuBar* bar = editor_->Window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
    }

    // The box turns each CR LF into one line break.
    static QString Expected() { return tw::ui::BuildHelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
    QString Shown() const { return editor_->Find<QPlainTextEdit>(QStringLiteral("rtbHelp"))->toPlainText(); }

    // Whether `panel` is what shows in the middle of the first sprite panel.
    bool OnTop(QWidget* panel) const
    {
        auto* design = editor_->Find<QGroupBox>(QStringLiteral("fmeSpriteGen"));
        QWidget* hit = design->childAt(editor_->Find(QStringLiteral("fmeSprite_0"))->geometry().center());
        return hit && (hit == panel || panel->isAncestorOf(hit));
    }

    std::unique_ptr<Editor> editor_;
};

QTEST_MAIN(HelpTest)
#include "test_ui_help.moc"
