#pragma once

#include <QObject>

#include <functional>

#include "model/sprite_project.h"

class QUndoStack;

namespace tw::ui {

// The project's undo history, kept on a QUndoStack. A step holds one copy of
// the project as it stands on the other side of the step and swaps it with
// the model to undo or redo: about 3.3 KiB a step, so a full history of
// kSteps stays under 4 MiB.
class ProjectHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int kSteps = 1000;

    enum class Scope {
        // An edit: undone, it gives back what the project held, never which
        // file it is saved in (a Save in between stays in force), nor the
        // colour option picked since.
        Content,
        // New Project and Load Project: the previous project comes back whole,
        // with its file and caption.
        WholeProject,
    };

    // `restored` is called after an undo or redo has replaced the model.
    ProjectHistory(SpriteProject& model, std::function<void()> restored, QObject* parent);

    // The model was changed from `before` by one user action. Nothing is
    // recorded when the action changed nothing. Steps with the same
    // `typingKey` (0 or more) merge into one until EndTyping().
    void Record(const SpriteProject& before, Scope scope = Scope::Content, int typingKey = -1);
    void EndTyping() { ++typing_; }

    void Undo();
    void Redo();

    // The model is now what its project file holds: after a save, a load and
    // New Project.
    void MarkSaved();
    bool IsModified() const { return modified_; }

Q_SIGNALS:
    void ModifiedChanged(bool modified);

private:
    class Step;

    void Swap(SpriteProject& other, Scope scope);
    void UpdateModified();

    SpriteProject& model_;
    std::function<void()> restored_;
    QUndoStack* stack_;
    int typing_ = 0;
    bool modified_ = false;
};

} // namespace tw::ui
