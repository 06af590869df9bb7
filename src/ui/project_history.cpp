#include "ui/project_history.h"

#include <QUndoStack>

#include <utility>

namespace tw::ui {

class ProjectHistory::Step final : public QUndoCommand {
public:
    Step(ProjectHistory& history, const SpriteProject& before, Scope scope, int typingKey)
        : history_(history), other_(before), scope_(scope), key_(typingKey), typing_(history.typing_)
    {
    }

    void undo() override { history_.Swap(other_, scope_); }
    void redo() override
    {
        // The first redo comes from the push, after the change was made.
        if (done_)
            history_.Swap(other_, scope_);
        done_ = true;
    }

    int id() const override { return key_; }
    bool mergeWith(const QUndoCommand* next) override
    {
        if (static_cast<const Step*>(next)->typing_ != typing_)
            return false;
        // Typed back to where it began: the step goes.
        setObsolete(other_ == history_.model_);
        return true;
    }

private:
    ProjectHistory& history_;
    SpriteProject other_; // before the change while it is done, after it while undone
    Scope scope_;
    int key_;
    int typing_;
    bool done_ = false;
};

ProjectHistory::ProjectHistory(SpriteProject& model, std::function<void()> restored, QObject* parent)
    : QObject(parent), model_(model), restored_(std::move(restored)), stack_(new QUndoStack(this))
{
    stack_->setUndoLimit(kSteps);
    connect(stack_, &QUndoStack::indexChanged, this, &ProjectHistory::UpdateModified);
    connect(stack_, &QUndoStack::cleanChanged, this, &ProjectHistory::UpdateModified);
}

void ProjectHistory::Record(const SpriteProject& before, Scope scope, int typingKey)
{
    if (model_ == before)
        return;
    if (typingKey < 0)
        EndTyping();
    stack_->push(new Step(*this, before, scope, typingKey));
}

void ProjectHistory::Undo()
{
    EndTyping();
    stack_->undo();
}

void ProjectHistory::Redo()
{
    EndTyping();
    stack_->redo();
}

void ProjectHistory::MarkSaved()
{
    EndTyping();
    stack_->setClean();
    UpdateModified();
}

void ProjectHistory::Swap(SpriteProject& other, Scope scope)
{
    SpriteProject restored = other;
    if (scope == Scope::Content) {
        restored.ProjectFileName = model_.ProjectFileName;
        restored.ProjectFileTitle = model_.ProjectFileTitle;
        restored.FrameCaption = model_.FrameCaption;
        restored.SelectedColor = model_.SelectedColor;
    }
    other = std::exchange(model_, std::move(restored));
    restored_();
}

void ProjectHistory::UpdateModified()
{
    const bool modified = !stack_->isClean();
    if (modified != modified_)
        Q_EMIT ModifiedChanged(modified_ = modified);
}

} // namespace tw::ui
