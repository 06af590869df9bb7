#pragma once

#include <QObject>

#include <functional>

#include "model/sprite_project.h"

class QUndoStack;

namespace tw::ui {

// One sprite's share of the project: all that an edit of that sprite alone
// changes (its blocks, row texts, name, square, label and colour code).
struct SpritePart {
    int Index = 0;
    SpriteState State;
    std::uint8_t Color = 7;

    static SpritePart Of(const SpriteProject& project, int k) { return {k, project.Sprites.at(k), project.SpriteFGndColor.at(k)}; }
    bool IsIn(const SpriteProject& project) const
    {
        return project.Sprites.at(Index) == State && project.SpriteFGndColor.at(Index) == Color;
    }
};

// The project's undo history, kept on a QUndoStack. A step holds a copy of
// what it changed as it stands on the other side of the step, and swaps it
// with the model to undo or redo: one sprite (about 0.7 KiB) for the edits
// of a sprite, the whole project (about 3.4 KiB) for the others. A full
// history of kSteps clicks takes under 1 MiB.
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

    // `restored` is called after an undo or redo has changed the model.
    ProjectHistory(SpriteProject& model, std::function<void()> restored, QObject* parent);

    // The model was changed from `before` by one user action. Nothing is
    // recorded when the action changed nothing. Edits of one sprite with the
    // same `typingKey` (0 or more) merge into one step until EndTyping().
    void Record(SpritePart before, int typingKey = -1);
    void Record(SpriteProject before, Scope scope = Scope::Content);
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

    void Swap(SpritePart& other);
    void Swap(SpriteProject& other, Scope scope);
    void UpdateModified();

    SpriteProject& model_;
    std::function<void()> restored_;
    QUndoStack* stack_;
    int typing_ = 0;
    bool modified_ = false;
};

} // namespace tw::ui
