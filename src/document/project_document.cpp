#include "document/project_document.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

#include <memory>
#include <optional>
#include <utility>

#include "cartridge/cartridge.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "project/latin1.h"
#include "sheet/picture_import.h"
#include "storage/cartridge_file.h"

namespace tw::document {
namespace {

// One sprite's share of the project: all that an edit of that sprite alone
// changes. About 0.7 KiB, against 3.4 KiB for the whole project, so that a
// full history of clicks stays under 1 MiB.
struct Slice {
    int Index = 0;
    SpriteState State;
    std::uint8_t Color = kWhiteCode;

    static Slice Of(const SpriteProject& project, int k) { return {k, project.Sprites.at(k), project.SpriteFGndColor.at(k)}; }
    bool IsIn(const SpriteProject& project) const
    {
        return project.Sprites.at(Index) == State && project.SpriteFGndColor.at(Index) == Color;
    }
};

const SpriteProject& EmptyProject()
{
    static const SpriteProject project;
    return project;
}

// As the file dialog gives a path: the project file names the image beside
// it, whatever the current folder is by then.
QString AbsolutePath(const QString& path) { return storage::AbsolutePath(path); }

} // namespace

struct ProjectDocument::Saved {
    SpriteProject Project;
    SpriteProject InFile;
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
        : document_(document), slice_(std::move(before)), key_(typingKey), typing_(document.typing_)
    {
    }
    Step(ProjectDocument& document, Saved before)
        : document_(document), whole_(std::make_unique<Saved>(std::move(before))), typing_(document.typing_)
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
            document_.Announce(SpritePart(slice_->Index));
            return;
        }
        if (whole_->WithFile) {
            std::swap(document_.saved_, whole_->InFile);
        } else {
            whole_->Project.ProjectFileName = project.ProjectFileName;
            whole_->Project.SelectedColor = project.SelectedColor;
        }
        std::swap(project, whole_->Project);
        document_.Announce(kAllProject);
    }

    ProjectDocument& document_;
    std::optional<Slice> slice_;
    std::unique_ptr<Saved> whole_;
    int key_ = -1;
    int typing_;
    bool done_ = false;
};

ProjectDocument::ProjectDocument(QObject* parent)
    : QObject(parent), saved_(EmptyProject()), history_(new QUndoStack(this))
{
    history_->setUndoLimit(kUndoSteps);
}

ProjectDocument::~ProjectDocument()
{
    // The steps refer to this document: they go first.
    delete history_;
}

template <typename Edit>
void ProjectDocument::EditSprite(int k, Edit edit, int typingKey)
{
    Slice before = Slice::Of(project_, k);
    edit(project_);
    if (before.IsIn(project_))
        return;
    if (typingKey < 0)
        EndTyping();
    history_->push(new Step(*this, std::move(before), typingKey));
    Announce(SpritePart(k));
}

template <typename Edit>
void ProjectDocument::EditProject(Edit edit)
{
    Saved before{project_, {}, false};
    edit(project_);
    if (project_ == before.Project)
        return;
    EndTyping();
    history_->push(new Step(*this, std::move(before)));
    Announce(kAllProject);
}

void ProjectDocument::Replace(SpriteProject next, SpriteProject inFile)
{
    EndTyping();
    if (next == project_ && inFile == saved_)
        return;
    Saved before{std::exchange(project_, std::move(next)), std::exchange(saved_, std::move(inFile)), true};
    history_->push(new Step(*this, std::move(before)));
    Announce(kAllProject);
}

void ProjectDocument::Announce(Parts parts)
{
    const bool modified = !SameProjectFile(project_, saved_);
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

void ProjectDocument::SetRowText(int k, int row, const std::string& text)
{
    EditSprite(k, [&](SpriteProject& p) { p.SetRowText(k, row, text); });
}

void ProjectDocument::RenameSprite(int k, const std::string& name)
{
    // Only what the project file can hold, so that nothing is saved as "?".
    EditSprite(k, [&](SpriteProject& p) { p.RenameSprite(k, KeepLatin1(name)); }, k);
}

void ProjectDocument::EndTyping() { ++typing_; }

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
    EndTyping();
    history_->undo();
}

void ProjectDocument::Redo()
{
    EndTyping();
    history_->redo();
}

void ProjectDocument::NewProject()
{
    SpriteProject next = project_;
    next.NewProject();
    Replace(std::move(next), EmptyProject());
}

Outcome ProjectDocument::Open(const QString& path)
{
    const QString file = AbsolutePath(path);
    SpriteProject next = project_;
    const bool image = IsCartridgeImageName(file.toStdString());
    if (image || sheet::IsPictureName(file)) {
        const storage::ReadOutcome read = image ? storage::ReadCartridgeFile(file) : sheet::ImportPictureFile(file);
        if (!read.Ok)
            return FileError(read, file);
        ApplyProjectRecord(next, read.Record, {});
        Replace(std::move(next), EmptyProject());
        return {};
    }
    const storage::Outcome loaded = storage::LoadProject(file, next);
    if (!loaded.Ok)
        return FileError(storage::ExplainUnreadableProject(file, loaded), file);
    SpriteProject inFile = next;
    Replace(std::move(next), std::move(inFile));
    return {};
}

Outcome ProjectDocument::Save(const QString& path)
{
    EndTyping();
    const QString file = AbsolutePath(path);
    const storage::Outcome saved = storage::SaveProject(file, project_);
    if (!saved.Ok)
        return FileError(saved, file);
    project_.ProjectFileName = file.toStdString();
    saved_ = project_;
    Announce(Part::File);
    return {};
}

Outcome ProjectDocument::CreateBinary()
{
    EndTyping();
    if (project_.ProjectFileName.empty())
        return {Outcome::Kind::NoProjectFile, {}, {}};
    const QString image = CartridgeImageFile();
    const storage::Outcome written = storage::WriteCartridgeImage(image, project_);
    return written.Ok ? Outcome{} : FileError(written, image);
}

QString ProjectDocument::CartridgeImageFile() const
{
    return project_.ProjectFileName.empty() ? QString() : QString::fromStdString(CartridgeImagePath(project_.ProjectFileName));
}

} // namespace tw::document
