#pragma once

#include <QPointer>
#include <QString>

#include <optional>

class QFileDialog;
class QWidget;

namespace tw::ui {

// Every modal question the editor asks goes through this interface, so that the
// window can be driven without a person: the program uses the Qt version below,
// the tests a scripted one.
class Dialogs {
public:
    // SaveDiscardCancel: the question before unsaved changes would be lost;
    // ReplaceCancel: before Save replaces a file; ReloadKeep: when the
    // project file was changed by another program.
    enum class Buttons { Ok, OkCancel, SaveDiscardCancel, ReplaceCancel, ReloadKeep };
    enum class Answer { Ok, Cancel, Save, Discard, Replace, Reload, Keep };
    enum class FileMode { Load, Save };

    struct Message {
        QString Title;
        QString Text;            // line breaks as CR LF
        QString InformativeText; // below "File error": the file and the reason, a line each; empty if none
        Buttons Choice = Buttons::Ok;
    };

    virtual ~Dialogs() = default;

    // A modal message box without an icon. An OK-only box answers Ok however
    // it is dismissed; the others answer Cancel (Keep) to Escape and the
    // close box.
    virtual Answer ShowMessage(QWidget* parent, const Message& message) = 0;

    // The project file dialog, offering `file` (the project's own) or, when
    // that is empty, the file last chosen in it. Returns the full path
    // chosen, nothing on Cancel.
    virtual std::optional<QString> ChooseProjectFile(QWidget* parent, FileMode mode, const QString& file) = 0;

    // Any file, for the shapes in its bytes (Import Shapes), offering `file`
    // or, when that is empty, the file last chosen in it; nothing on Cancel.
    virtual std::optional<QString> ChooseBinaryFile(QWidget* parent, const QString& file) = 0;

    // A whole number from `least` to `most`, starting at `value`; nothing on
    // Cancel.
    virtual std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int least,
                                         int most) = 0;
};

class QtDialogs final : public Dialogs {
public:
    QtDialogs() = default;
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    Answer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> ChooseProjectFile(QWidget* parent, FileMode mode, const QString& file) override;
    std::optional<QString> ChooseBinaryFile(QWidget* parent, const QString& file) override;
    std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int least, int most) override;

private:
    // The one dialog serving Load and Save, created on first use.
    QFileDialog* ProjectDialog(QWidget* parent);

    // Shows `dialog` offering `file`, or else `last`; the file chosen.
    static std::optional<QString> Choose(QFileDialog* dialog, const QString& file, QString& last);

    QPointer<QFileDialog> dlgProject_;
    QPointer<QFileDialog> dlgBinary_;
    QString lastChosen_, lastBinary_;
};

} // namespace tw::ui
