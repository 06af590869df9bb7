// The document's file actions: opening, saving, the image, and the watch on
// the project's files.
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "document/file_kinds.h"
#include "document/project_document.h"
#include "project/eap_writer.h"
#include "project/side_file.h"
#include "sheet/sprite_sheet.h"
#include "storage/file_names.h"
#include "storage/project_pair.h"

namespace tw::document {
namespace {

// As the file dialog gives a path: the project file names the image beside
// it, whatever the current folder is by then.
using storage::AbsolutePath;

Outcome FileError(const storage::Outcome& failure, const QString& file) { return {Outcome::Kind::FileError, failure, file}; }

} // namespace

Outcome ProjectDocument::Open(const QString& path)
{
    EndRun();
    const QString file = AbsolutePath(path);
    const FileKind kind = KindOf(file);
    const storage::ReadOutcome read = Read(file, kind, &sheet::LinkedPictureCode());
    if (!read.Ok)
        return FileError(read, file);
    SpriteProject next = project_;
    if (!InfoOf(kind).OpensAsProjectFile) {
        // An image's or a picture's sprites are a new project, saved nowhere
        // yet; Save offers the project file beside what they were read from.
        ApplyProjectRecord(next, read.Record, {});
        next.ImportedFileName = file.toStdString();
        Replace(std::move(next), EmptyProject(), {});
        return {};
    }
    ApplyProjectRecord(next, read.Record, ProjectFileFor(file, kind).toStdString());
    next.ImportedFileName.clear();
    SpriteProject inFile = next;
    Replace(std::move(next), std::move(inFile), {read.FileBytes, read.SideBytes, !read.SideProblem.Ok});
    // The project file opens without what its side file could not give, or
    // with what it gives but was not saved with it.
    Outcome opened;
    opened.Warning = read.SideProblem;
    opened.SideWarning = read.SideWarning;
    return opened;
}

Outcome ProjectDocument::Reload() { return Open(FileName()); }

QString ProjectDocument::OfferedFileName() const
{
    if (!project_.ProjectFileName.empty())
        return FileName();
    return project_.ImportedFileName.empty() ? QString() : ProjectFileFor(QString::fromStdString(project_.ImportedFileName));
}

bool ProjectDocument::IsProjectFile(const QString& file) const
{
    return !project_.ProjectFileName.empty() && storage::IsSameFile(FileName(), file);
}

QString ProjectDocument::SideFileName() const { return FileName().isEmpty() ? QString() : storage::SideFileOf(FileName()); }

ProjectDocument::DiskState ProjectDocument::ReadDisk() const
{
    // A file gone, or unreadable, holds nothing a save would lose: it counts
    // as holding what it held. One past the limit is none Tilewright wrote.
    const auto bytes = [](const QString& path, const std::optional<QByteArray>& held) {
        const storage::BytesOutcome now = storage::ReadRegularFile(path, storage::kMaxProjectFileBytes);
        return now.Ok ? std::optional(now.Truncated ? now.Bytes + '\0' : now.Bytes) : held;
    };
    if (project_.ProjectFileName.empty())
        return {};
    return {*bytes(FileName(), disk_.Project), bytes(SideFileName(), disk_.Side), disk_.SideUnreadable};
}

QString ProjectDocument::ChangedFile() const
{
    if (project_.ProjectFileName.empty())
        return {};
    const DiskState now = ReadDisk();
    return now.Project != disk_.Project ? FileName() : now.Side != disk_.Side ? SideFileName() : QString();
}

bool ProjectDocument::WouldChangeFiles() const
{
    // While the disk holds what the project was read from or saved as, the
    // project compared with that is quick; after another program changed
    // the files, what Save would write is compared with what they hold.
    if (now_ == disk_)
        return !SameProjectFile(project_, saved_) || !SameSideFile(project_, saved_);
    const bool withSide = NeedsSideFile(project_) || now_.Side;
    return QByteArray::fromStdString(ProjectFileBytes(project_)) != now_.Project ||
           (withSide ? std::optional(QByteArray::fromStdString(SideFileBytes(project_))) : std::nullopt) != now_.Side;
}

Outcome ProjectDocument::Save(const QString& path, Replacing replacing)
{
    EndRun();
    const QString file = AbsolutePath(path);
    const QString side = storage::SideFileOf(file);
    if (replacing == Replacing::AskFirst) {
        const bool own = IsProjectFile(file), fileThere = storage::IsThere(file), sideThere = storage::IsThere(side);
        if (!own && (fileThere || sideThere)) {
            Outcome ask{Outcome::Kind::AskReplace, {}, fileThere ? file : side};
            ask.OtherFile = fileThere && sideThere ? side : QString();
            return ask;
        }
        if (own)
            if (const QString changed = ChangedFile(); !changed.isEmpty())
                return {Outcome::Kind::AskReplaceChanged, {}, changed};
        if (own && disk_.SideUnreadable && sideThere)
            return {Outcome::Kind::AskReplaceSideFile, {}, side};
    }
    const storage::SavedPair saved = storage::SaveProjectPair(file, project_, {}, FileName());
    if (!saved.Ok)
        return FileError(saved, saved.File.isEmpty() ? file : saved.File);
    project_.ProjectFileName = file.toStdString();
    saved_ = project_;
    disk_ = {saved.Project, saved.Side, false};
    WatchFile();
    Announce(Part::File);
    return {};
}

void ProjectDocument::WatchFile()
{
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    told_ = {};
    now_ = ReadDisk();
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
    const DiskState now = ReadDisk();
    const bool seen = now != now_;
    now_ = now;
    if (seen)
        Announce({}); // whether the project is modified follows what the disk holds
    const QString changed = ChangedFile();
    if (changed.isEmpty() || now == told_)
        return;
    told_ = now;
    Q_EMIT FileChangedOnDisk(changed);
}

Outcome ProjectDocument::CreateBinary()
{
    EndRun();
    if (project_.ProjectFileName.empty())
        return {Outcome::Kind::NoProjectFile, {}, {}};
    const QString image = CartridgeImageFile();
    const storage::Outcome written = Write(image, FileKind::CartridgeImage, project_, {FileName(), FileKind::Project, nullptr, {}});
    return written.Ok ? Outcome{} : FileError(written, image);
}

QString ProjectDocument::CartridgeImageFile() const
{
    return project_.ProjectFileName.empty() ? QString() : Beside(FileName(), FileKind::CartridgeImage);
}

} // namespace tw::document
