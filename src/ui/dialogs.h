#pragma once

#include <QPointer>
#include <QString>

#include <functional>
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

    // A whole number from `least` to `most`, starting at `value`, with
    // `note` saying what the number typed comes to (none: nothing); one out
    // of the range is refused as it is typed, the range named, never cut to
    // fit. Nothing on Cancel.
    virtual std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int least, int most,
                                         const std::function<QString(int)>& note = {}) = 0;

    // A file of another kind than a project to open, or to save as, of the
    // kinds `filter` names, offering `file`; nothing on Cancel.
    virtual std::optional<QString> ChooseFile(QWidget* parent, FileMode mode, const QString& caption, const QString& filter,
                                              const QString& file) = 0;

    // Any file, for the shapes in its bytes (Import Shapes), offering `file`
    // or, when that is empty, the file last chosen in it; nothing on Cancel.
    virtual std::optional<QString> ChooseBinaryFile(QWidget* parent, const QString& file) = 0;
};

class QtDialogs final : public Dialogs {
public:
    QtDialogs() = default;
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    Answer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> ChooseProjectFile(QWidget* parent, FileMode mode, const QString& file) override;
    std::optional<int> AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int least, int most,
                                 const std::function<QString(int)>& note = {}) override;
    std::optional<QString> ChooseFile(QWidget* parent, FileMode mode, const QString& caption, const QString& filter,
                                      const QString& file) override;
    std::optional<QString> ChooseBinaryFile(QWidget* parent, const QString& file) override;

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
