#include "document/project_document.h"

#include <QFileSystemWatcher>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "document/file_kinds.h"
#include "document/run_keys.h"
#include "model/project_record.h"
#include "sheet/sprite_sheet.h"
#include "model/row_encoding.h"
#include "project/latin1.h"

namespace tw::document {
namespace {

// One sprite's share of the project: all that an edit of that sprite alone
// changes, its frames and the frame edited included. About 0.7 KiB a frame,
// against 3.4 KiB for a whole project of one frame a sprite, so that a full
// history of clicks stays under 1 MiB.
struct Slice {
    int Index = 0;
    SpriteState State;
    std::uint8_t Color = kWhiteCode;
    int Edited = 0;

    static Slice Of(const SpriteProject& project, int k)
    {
        return {k, project.Sprites.at(k), project.SpriteFGndColor.at(k), project.EditedFrame.at(k)};
    }
    bool IsIn(const SpriteProject& project) const
    {
        return project.Sprites.at(Index) == State && project.SpriteFGndColor.at(Index) == Color && project.EditedFrame.at(Index) == Edited;
    }
};

// The scene's share of the project: all that an edit of the scene changes.
struct SceneSlice {
    std::optional<ConsoleScene> Scene;
    bool IsIn(const SpriteProject& project) const { return project.Scene == Scene; }
};

} // namespace

const SpriteProject& ProjectDocument::EmptyProject()
{
    static const SpriteProject project;
    return project;
}

struct ProjectDocument::Saved {
    SpriteProject Project;
    SpriteProject InFile;
    DiskState Disk;
    // New Project and Open give back the project before them whole: its
    // file, what the file held and the colour picked. An edit's step leaves
    // those as they are now (a Save in between stays in force).
    bool WithFile = false;
};

// A step holds what it changed as it stands on the other side of the step,
// and swaps it with the document's to undo or redo.
class ProjectDocument::Step final : public QUndoCommand {
public:
    Step(ProjectDocument& document, Slice before, int typingKey)
        : document_(document), slice_(std::move(before)), key_(typingKey), run_(document.run_)
    {
    }
    Step(ProjectDocument& document, Saved before)
        : document_(document), whole_(std::make_unique<Saved>(std::move(before))), run_(document.run_)
    {
    }
    Step(ProjectDocument& document, SceneSlice before, int runKey)
        : document_(document), scene_(std::move(before)), key_(runKey), run_(document.run_)
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
        if (static_cast<const Step*>(next)->run_ != run_)
            return false;
        // Typed or dragged back to where it began: the step goes.
        setObsolete(slice_ ? slice_->IsIn(document_.project_) : scene_->IsIn(document_.project_));
        return true;
    }

private:
    void Swap()
    {
        SpriteProject& project = document_.project_;
        if (slice_) {
            std::swap(project.Sprites.at(slice_->Index), slice_->State);
            std::swap(project.SpriteFGndColor.at(slice_->Index), slice_->Color);
            std::swap(project.EditedFrame.at(slice_->Index), slice_->Edited);
            document_.Announce(SpritePart(slice_->Index));
            return;
        }
        if (scene_) {
            std::swap(project.Scene, scene_->Scene);
            document_.Announce(Part::Scene);
            return;
        }
        if (whole_->WithFile) {
            std::swap(document_.saved_, whole_->InFile);
            std::swap(document_.disk_, whole_->Disk);
        } else {
            whole_->Project.ProjectFileName = project.ProjectFileName;
            whole_->Project.ImportedFileName = project.ImportedFileName;
            whole_->Project.SelectedColor = project.SelectedColor;
        }
        std::swap(project, whole_->Project);
        document_.WatchFile();
        document_.Announce(kAllProject);
    }

    ProjectDocument& document_;
    std::optional<Slice> slice_;
    std::optional<SceneSlice> scene_;
    std::unique_ptr<Saved> whole_;
    int key_ = -1;
    int run_;
    bool done_ = false;
};

ProjectDocument::ProjectDocument(QObject* parent)
    : QObject(parent), saved_(EmptyProject()), history_(new QUndoStack(this)), watcher_(new QFileSystemWatcher(this))
{
    history_->setUndoLimit(kUndoSteps);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &ProjectDocument::FileEvent);
}

ProjectDocument::~ProjectDocument()
{
    // The steps refer to this document: they go first.
    delete history_;
}

template <typename Edit>
void ProjectDocument::EditSprite(int k, Edit edit, int typingKey)
{
    // An edit that does not go on with the run under way ends it first: a
    // typed row is drawn before anything else happens.
    if (typingKey < 0 || typingKey != runKey_)
        EndRun();
    Slice before = Slice::Of(project_, k);
    edit(project_);
    if (before.IsIn(project_))
        return;
    runKey_ = typingKey;
    history_->push(new Step(*this, std::move(before), typingKey));
    Announce(SpritePart(k));
}

template <typename Edit>
void ProjectDocument::EditProject(Edit edit)
{
    EndRun();
    Saved before{project_, {}, {}, false};
    edit(project_);
    if (project_ == before.Project)
        return;
    history_->push(new Step(*this, std::move(before)));
    Announce(kAllProject);
}

void ProjectDocument::PushSceneStep(std::optional<ConsoleScene> before, int runKey)
{
    runKey_ = runKey;
    history_->push(new Step(*this, SceneSlice{std::move(before)}, runKey));
    Announce(Part::Scene);
}

void ProjectDocument::Replace(SpriteProject next, SpriteProject inFile, DiskState disk)
{
    EndRun();
    if (next == project_ && inFile == saved_ && disk == disk_)
        return;
    Saved before{std::exchange(project_, std::move(next)), std::exchange(saved_, std::move(inFile)),
                 std::exchange(disk_, std::move(disk)), true};
    history_->push(new Step(*this, std::move(before)));
    WatchFile();
    Announce(kAllProject);
}

void ProjectDocument::Announce(Parts parts)
{
    const bool modified = WouldChangeFiles();
    if (modified != modified_) {
        modified_ = modified;
        parts |= Part::Modified;
    }
    Q_EMIT Changed(parts);
}

void ProjectDocument::SelectColor(int code)
{
    if (project_.SelectedColor == code)
        return;
    project_.SelectColor(code);
    Announce(Part::Shared);
}

void ProjectDocument::ClickBlock(int k, int block)
{
    EditSprite(k, [&](SpriteProject& p) { p.ClickBlock(k, block); });
}

void ProjectDocument::ApplySpriteColor(int k)
{
    EditSprite(k, [&](SpriteProject& p) { p.ApplySpriteColor(k); });
}

void ProjectDocument::ApplyScreenColor()
{
    EditProject([](SpriteProject& p) { p.ApplyScreenColor(); });
}

void ProjectDocument::ClearSprite(int k)
{
    EditSprite(k, [&](SpriteProject& p) { p.ClearSprite(k); });
}

void ProjectDocument::ViewSprite(int k)
{
    EditProject([&](SpriteProject& p) { p.ViewSprite(k); });
}

void ProjectDocument::StrokeStart(int k, int block)
{
    EndRun(); // a stroke never goes on with another
    EditSprite(k, [&](SpriteProject& p) { p.ClickBlock(k, block); }, StrokeKey(k));
    runKey_ = StrokeKey(k); // also when the click changed nothing
    strokeColor_ = project_.Edited(k).Blocks.at(block);
}

void ProjectDocument::StrokeOver(int k, int block)
{
    if (runKey_ == StrokeKey(k))
        EditSprite(k, [&](SpriteProject& p) { p.PaintBlock(k, block, strokeColor_); }, StrokeKey(k));
}

void ProjectDocument::EndStroke() { EndRun(); }

void ProjectDocument::SetRowText(int k, int row, const std::string& text)
{
    // Each key gives the row the text the typing would end with, filled to
    // two digits, and draws it: the grid, the Console View and the strips
    // show one byte all the while ("3" is 03, never 33 for a moment).
    const std::optional<std::string> typed = TypedRowText(text);
    if (!typed)
        return;
    EditSprite(k, [&](SpriteProject& p) { p.SetRowText(k, row, FinishedRowText(*typed)); }, RowTypingKey(k, row));
}

void ProjectDocument::RenameSprite(int k, const std::string& name)
{
    // Only what the project file can hold, so that nothing is saved as "?".
    EditSprite(k, [&](SpriteProject& p) { p.RenameSprite(k, KeepLatin1(name)); }, NameTypingKey(k));
}

void ProjectDocument::EndTyping() { EndRun(); }

std::optional<int> ProjectDocument::TypedRow(int k) const
{
    const int row = runKey_ - RowTypingKey(k, 0);
    return row >= 0 && row < kRows ? std::optional(row) : std::nullopt;
}

void ProjectDocument::EndRun()
{
    // A row box typed in shows its text filled to two digits once the
    // typing is over, however it ended.
    for (int k = 0; k < kSprites; ++k)
        if (TypedRow(k)) {
            runKey_ = -1;
            Announce(SpritePart(k));
        }
    runKey_ = -1;
    ++run_;
}

void ProjectDocument::TransformSprite(int k, SpriteTransform transform)
{
    EditSprite(k, [&](SpriteProject& p) { p.TransformSprite(k, transform); });
}

void ProjectDocument::PasteSprite(int k, const SpriteClip& clip)
{
    EditSprite(k, [&](SpriteProject& p) { p.PasteSprite(k, clip); });
}

void ProjectDocument::PutShapeInSprite(int k, const RowBytes& rows)
{
    EditSprite(k, [&](SpriteProject& p) {
        for (int r = 0; r < kRows; ++r)
            p.SetRowText(k, r, RowText(rows[r]));
    });
}

void ProjectDocument::Undo()
{
    EndRun();
    history_->undo();
}

void ProjectDocument::Redo()
{
    EndRun();
    history_->redo();
}

void ProjectDocument::NewProject()
{
    SpriteProject next = project_;
    next.NewProject();
    Replace(std::move(next), EmptyProject(), {});
}

Outcome ProjectDocument::Open(const QString& path)
{
    EndRun();
    const OpenedFile opened = OpenFile(path, &sheet::LinkedPictureCode());
    if (!opened.Read.Ok)
        return FileError(opened.Read, opened.File);
    SpriteProject next = project_;
    ApplyProjectRecord(next, opened.Read.Record, opened.ProjectFile.toStdString());
    if (opened.ProjectFile.isEmpty()) {
        // An image's or a picture's sprites are a new project, saved nowhere
        // yet; Save offers the project file beside what they were read from.
        next.ImportedFileName = opened.File.toStdString();
        Replace(std::move(next), EmptyProject(), {});
        return {};
    }
    next.ImportedFileName.clear();
    SpriteProject inFile = next;
    Replace(std::move(next), std::move(inFile), {opened.Read.FileBytes, opened.Read.SideBytes, !opened.Read.SideProblem.Ok});
    // The project file opens without what its side file could not give, or
    // with what it gives but was not saved with it.
    Outcome result;
    result.Warning = opened.Read.SideProblem;
    result.SideWarning = opened.Read.SideWarning;
    return result;
}

Outcome ProjectDocument::Reload() { return Open(FileName()); }

void ProjectDocument::SetSpriteLines(int k, int lines)
{
    EditProject([&](SpriteProject& p) { p.Console.SpriteLines.at(k) = std::uint8_t(lines == kShortLines ? kShortLines : kTallLines); });
}

void ProjectDocument::SetTv(TvSystem tv)
{
    EditProject([&](SpriteProject& p) { p.Console.Tv = tv; });
}

void ProjectDocument::SelectFrame(int k, int f)
{
    EndRun();
    if (project_.EditedFrame.at(k) == std::clamp(f, 0, project_.Sprites.at(k).Frames() - 1))
        return;
    project_.SelectFrame(k, f);
    Announce(SpritePart(k));
}

void ProjectDocument::AddFrame(int k)
{
    EditSprite(k, [&](SpriteProject& p) { p.AddFrame(k); });
}

void ProjectDocument::DeleteFrame(int k)
{
    EditSprite(k, [&](SpriteProject& p) { p.DeleteFrame(k); });
}

void ProjectDocument::MoveFrame(int k, int by)
{
    EditSprite(k, [&](SpriteProject& p) { p.MoveFrame(k, by); });
}

void ProjectDocument::SetFrameTime(int k, int time)
{
    EditSprite(k, [&](SpriteProject& p) { p.SetFrameTime(k, time); });
}

} // namespace tw::document
