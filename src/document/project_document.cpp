#include "document/project_document.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "document/file_kinds.h"
#include "model/project_record.h"
#include "model/row_encoding.h"
#include "project/eap_writer.h"
#include "project/latin1.h"
#include "project/side_file.h"
#include "sheet/sprite_sheet.h"

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

const SpriteProject& EmptyProject()
{
    static const SpriteProject project;
    return project;
}

// As the file dialog gives a path: the project file names the image beside
// it, whatever the current folder is by then.
using storage::AbsolutePath;

} // namespace

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
        // Typed back to where it began: the step goes.
        setObsolete(slice_->IsIn(document_.project_));
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
    const bool modified = !SameProjectFile(project_, saved_) || !SameSideFile(project_, saved_);
    if (modified != modified_) {
        modified_ = modified;
        parts |= Part::Modified;
    }
    Q_EMIT Changed(parts);
}

Outcome ProjectDocument::FileError(const storage::Outcome& failure, const QString& file) const
{
    return {Outcome::Kind::FileError, failure, file};
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

// The keys typed into one box merge into one step, as do the blocks of one
// stroke: a name box's own key, one for each row box, one for each grid.
constexpr int NameTypingKey(int k) { return k; }
constexpr int RowTypingKey(int k, int row) { return kSprites + k * kRows + row; }
constexpr int StrokeKey(int k) { return kSprites + kSprites * kRows + k; }

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
    // Typing is kept as typed (the rule allowing); the row is drawn when the
    // typing ends.
    const std::optional<std::string> typed = TypedRowText(text);
    if (!typed)
        return;
    EditSprite(k, [&](SpriteProject& p) { p.Edited(k).HexRows.at(row) = *typed; }, RowTypingKey(k, row));
    typedRow_ = {k, row};
}

void ProjectDocument::RenameSprite(int k, const std::string& name)
{
    // Only what the project file can hold, so that nothing is saved as "?".
    EditSprite(k, [&](SpriteProject& p) { p.RenameSprite(k, KeepLatin1(name)); }, NameTypingKey(k));
}

void ProjectDocument::EndTyping() { EndRun(); }

void ProjectDocument::EndRun()
{
    if (typedRow_) {
        const auto [k, row] = *std::exchange(typedRow_, std::nullopt);
        // The last step of the typing, merged into it: the text filled to two
        // digits and the row drawn from it.
        EditSprite(k, [&](SpriteProject& p) { p.SetRowText(k, row, FinishedRowText(p.Edited(k).HexRows.at(row))); },
                   RowTypingKey(k, row));
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
    const QString file = AbsolutePath(path);
    const FileKind kind = KindOf(file);
    const storage::ReadOutcome read = Read(file, kind, &sheet::LinkedPictureCode());
    if (!read.Ok)
        return FileError(read, file);
    SpriteProject next = project_;
    if (kind != FileKind::Project && kind != FileKind::SideFile) {
        // An image's or a picture's sprites are a new project, saved nowhere
        // yet; Save offers the project file beside what they were read from.
        ApplyProjectRecord(next, read.Record, {});
        next.ImportedFileName = file.toStdString();
        Replace(std::move(next), EmptyProject(), {});
        return {};
    }
    const QString projectFile = ProjectFileFor(file);
    ApplyProjectRecord(next, read.Record, projectFile.toStdString());
    next.ImportedFileName.clear();
    SpriteProject inFile = next;
    Replace(std::move(next), std::move(inFile), {read.FileBytes, read.SideBytes, !read.SideProblem.Ok});
    // The project file opens without the settings its side file could not give.
    Outcome opened;
    opened.Warning = read.SideProblem;
    return opened;
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

QString ProjectDocument::OfferedFileName() const
{
    if (!project_.ProjectFileName.empty())
        return FileName();
    return project_.ImportedFileName.empty() ? QString() : ProjectFileFor(QString::fromStdString(project_.ImportedFileName));
}

bool ProjectDocument::IsProjectFile(const QString& file) const
{
    if (project_.ProjectFileName.empty())
        return false;
    const QFileInfo own(FileName()), other(file);
    return own.exists() && other.exists() ? own.canonicalFilePath() == other.canonicalFilePath()
                                          : AbsolutePath(FileName()) == AbsolutePath(file);
}

QString ProjectDocument::SideFileName() const { return FileName().isEmpty() ? QString() : Beside(FileName(), FileKind::SideFile); }

bool ProjectDocument::FileChanged() const
{
    // A file gone, or unreadable, holds nothing a save would lose.
    const auto differs = [](const QString& file, const std::optional<QByteArray>& known) {
        const storage::BytesOutcome now = storage::ReadRegularFile(file, storage::kMaxProjectFileBytes);
        return now.Ok && (now.Truncated || now.Bytes != known);
    };
    return differs(FileName(), disk_.Project) || differs(SideFileName(), disk_.Side);
}

Outcome ProjectDocument::Save(const QString& path, Replacing replacing)
{
    EndRun();
    const QString file = AbsolutePath(path);
    const QString side = Beside(file, FileKind::SideFile);
    const bool sideThere = QFileInfo::exists(side) || QFileInfo(side).isSymLink();
    if (replacing == Replacing::AskFirst) {
        if (!IsProjectFile(file) && (QFileInfo::exists(file) || QFileInfo(file).isSymLink()))
            return {Outcome::Kind::AskReplace, {}, file};
        if (IsProjectFile(file) && FileChanged())
            return {Outcome::Kind::AskReplaceChanged, {}, file};
        if (IsProjectFile(file) && disk_.SideUnreadable && sideThere)
            return {Outcome::Kind::AskReplaceSideFile, {}, side};
    }
    const storage::Outcome saved = Write(file, FileKind::Project, project_);
    if (!saved.Ok)
        return FileError(saved, saved.File.isEmpty() ? file : saved.File);
    project_.ProjectFileName = file.toStdString();
    saved_ = project_;
    // What Write wrote: the side file too when it was needed or there.
    disk_ = {QByteArray::fromStdString(ProjectFileBytes(project_)),
             NeedsSideFile(project_) || sideThere ? std::optional(QByteArray::fromStdString(SideFileBytes(project_))) : std::nullopt,
             false};
    WatchFile();
    Announce(Part::File);
    return {};
}

void ProjectDocument::WatchFile()
{
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    told_ = {};
    if (!project_.ProjectFileName.empty())
        watcher_->addPaths({FileName(), SideFileName()}); // a side file made later goes unwatched until the next save
}

void ProjectDocument::FileEvent(const QString& file)
{
    // A file replaced by a rename is watched no more: the new one is.
    watcher_->removePath(file);
    if (file != FileName() && file != SideFileName())
        return;
    watcher_->addPath(file);
    const auto bytes = [](const QString& path) {
        const storage::BytesOutcome now = storage::ReadRegularFile(path, storage::kMaxProjectFileBytes);
        return now.Ok ? std::optional(now.Bytes) : std::nullopt;
    };
    const DiskState now{bytes(FileName()).value_or(disk_.Project), bytes(SideFileName()), disk_.SideUnreadable};
    if (!FileChanged() || now == told_)
        return;
    told_ = now;
    Q_EMIT FileChangedOnDisk(FileName());
}

Outcome ProjectDocument::CreateBinary()
{
    EndRun();
    if (project_.ProjectFileName.empty())
        return {Outcome::Kind::NoProjectFile, {}, {}};
    const QString image = CartridgeImageFile();
    const storage::Outcome written = Write(image, FileKind::CartridgeImage, project_, {FileName(), FileKind::Project});
    return written.Ok ? Outcome{} : FileError(written, image);
}

QString ProjectDocument::CartridgeImageFile() const
{
    return project_.ProjectFileName.empty() ? QString() : Beside(FileName(), FileKind::CartridgeImage);
}

} // namespace tw::document
