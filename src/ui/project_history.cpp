#include "ui/project_history.h"

#include <QUndoStack>

#include <memory>
#include <optional>
#include <utility>

namespace tw::ui {

class ProjectHistory::Step final : public QUndoCommand {
public:
    Step(ProjectHistory& history, SpritePart before, int typingKey)
        : history_(history), part_(std::move(before)), key_(typingKey), typing_(history.typing_)
    {
    }
    Step(ProjectHistory& history, SpriteProject before, Scope scope)
        : history_(history), whole_(std::make_unique<SpriteProject>(std::move(before))), scope_(scope), typing_(history.typing_)
    {
    }

    void undo() override { Swap(); }
    void redo() override
    {
        // The first redo comes from the push, after the change was made.
        if (done_)
            Swap();
        done_ = true;
    }

    int id() const override { return key_; }
    bool mergeWith(const QUndoCommand* next) override
    {
        if (static_cast<const Step*>(next)->typing_ != typing_)
            return false;
        // Typed back to where it began: the step goes.
        setObsolete(part_->IsIn(history_.model_));
        return true;
    }

private:
    void Swap() { part_ ? history_.Swap(*part_) : history_.Swap(*whole_, scope_); }

    ProjectHistory& history_;
    // What the step changed, as it was before the step while the step is
    // done, and as it was after it while it is undone.
    std::optional<SpritePart> part_;
    std::unique_ptr<SpriteProject> whole_;
    Scope scope_ = Scope::Content;
    int key_ = -1;
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

void ProjectHistory::Record(SpritePart before, int typingKey)
{
    if (before.IsIn(model_))
        return;
    if (typingKey < 0)
        EndTyping();
    stack_->push(new Step(*this, std::move(before), typingKey));
}

void ProjectHistory::Record(SpriteProject before, Scope scope)
{
    if (model_ == before)
        return;
    EndTyping();
    stack_->push(new Step(*this, std::move(before), scope));
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

void ProjectHistory::Swap(SpritePart& other)
{
    std::swap(model_.Sprites.at(other.Index), other.State);
    std::swap(model_.SpriteFGndColor.at(other.Index), other.Color);
    restored_();
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
