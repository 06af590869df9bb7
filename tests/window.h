#pragma once

// The editor window, driven offscreen: a scripted stand-in for its message
// boxes and file dialog, and the window after start-up.

#include <QAction>

#include "support.h"
#include "ui/dialogs.h"
#include "ui/frm_tilewright.h"

namespace tw::test {

using ui::Dialogs;

// Records every box; answers OK/Cancel boxes from Answers, the unsaved-changes
// question from Unsaved, Save's question before it replaces a file and the
// question about a change on disk from Replies (Cancel, or Keep, when none is
// left) and the file dialog from Files (Cancel when none is left, or ""; "="
// takes the file it offers, or else the one chosen last).
class ScriptedDialogs final : public Dialogs {
public:
    QList<Message> Messages;
    QList<Answer> Answers, Unsaved, Replies;
    QStringList Files;
    bool WindowShownAtFirstMessage = true;

    Answer ShowMessage(QWidget* parent, const Message& message) override
    {
        if (Messages.isEmpty())
            WindowShownAtFirstMessage = parent && parent->isVisible();
        Messages << message;
        if (message.Choice == Buttons::Ok)
            return Answer::Ok;
        QList<Answer>& answers = message.Choice == Buttons::OkCancel ? Answers : message.Choice == Buttons::SaveDiscardCancel ? Unsaved : Replies;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.Choice == Buttons::ReloadKeep ? Answer::Keep : Answer::Cancel;
    }

    // As the dialog does: "=" takes the file offered, or the one chosen last.
    std::optional<QString> ChooseProjectFile(QWidget*, FileMode, const QString& offered) override
    {
        QString file = Files.isEmpty() ? QString() : Files.takeFirst();
        if (file == "=")
            file = offered.isEmpty() ? LastChosen : offered;
        if (file.isEmpty())
            return std::nullopt;
        return LastChosen = file;
    }
    QString LastChosen;
    // Import Shapes' dialog takes from Files too.
    std::optional<QString> ChooseBinaryFile(QWidget* parent, const QString& offered) override
    {
        return ChooseProjectFile(parent, FileMode::Load, offered);
    }

    // Numbers asked for, answered from Numbers (Cancel when none is left).
    QList<int> Numbers;
    // As the dialog does, which takes nothing out of the range.
    std::optional<int> AskNumber(QWidget*, const QString&, const QString&, int, int least, int most, const std::function<QString(int)>&) override
    {
        if (Numbers.isEmpty())
            return std::nullopt;
        const int number = Numbers.takeFirst();
        return number >= least && number <= most ? std::optional(number) : std::nullopt;
    }
    // Other files asked for: from Files too.
    std::optional<QString> ChooseFile(QWidget*, FileMode, const QString&, const QString&, const QString&) override
    {
        return Files.isEmpty() ? std::nullopt : std::optional(Files.takeFirst());
    }

    // "Title: Text (reason)" of the last box.
    QString Last() const
    {
        return Messages.isEmpty() ? QStringLiteral("no box") : Messages.last().Title + ": " + Messages.last().Text + " (" + Messages.last().InformativeText + ")";
    }
};

struct Editor {
    ScriptedDialogs Script;
    ui::frmTilewright Window{Script};

    Editor()
    {
        // What an earlier test's Console View remembered (zoom, colours) is not this one's.
        QSettings(QStringLiteral("Tilewright"), QStringLiteral("Tilewright")).clear();
        Window.Form_Load();
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        Window.activateWindow(); // for the keys
        QVERIFY(QTest::qWaitForWindowActive(&Window));
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* widget = Window.findChild<T*>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }

    void Menu(const char* action) { Find<QAction>(QString::fromLatin1(action))->trigger(); }
    const SpriteProject& Project() const { return Window.Document().Project(); }
};

} // namespace tw::test
