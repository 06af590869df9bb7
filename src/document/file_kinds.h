#pragma once

// The kinds of file a project is read from and written as, and the one place
// each kind's facts and behaviour live: its names, its dialog filter, what
// it can be (the project's own file, read, written), how it is read into a
// project and how a project is written as it. The editor's Open, its drop,
// its file dialogs and tilewright-cli's commands all decide what a path is
// here. QtCore only: the picture kind's code comes from whoever has QtGui at
// hand.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

#include "model/sprite_project.h"
#include "sheet/picture_code.h"
#include "storage/storage.h"

namespace tw::document {

// A side file (NAME.eap.asm) holds what the project file beside it cannot;
// opening one opens that project file. The table is indexed by these.
enum class FileKind { Project, CartridgeImage, Picture, SideFile };

// How a project is written as a file of some kind.
struct WriteOptions {
    // The file the project was read from, and as what: a file written from
    // it never takes its place (empty: none).
    QString Source;
    FileKind SourceKind = FileKind::Project;
    const sheet::PictureCode* Pictures = nullptr;
    sheet::SheetOptions Sheet;
};

struct FileKindInfo {
    FileKind Kind;
    // What messages call a file of the kind that is read, and one that is
    // written ("the sheet would replace the project it is made from").
    QString ReadNoun, WrittenNoun;
    // Lower case, without the dot; a new file of the kind gets the first.
    QStringList Suffixes;
    // For the file dialog; empty when Load does not list the kind apart.
    QString Filter;
    // Opened, its project file becomes the project's own.
    bool OpensAsProjectFile;
    // Reads a file of the kind into the record it holds, nothing put into any
    // project (a picture needs the picture code).
    storage::ReadOutcome (*Read)(const QString& path, const sheet::PictureCode* pictures);
    // Writes a project as a file of the kind, replacing `path` only once all
    // of it is written.
    storage::Outcome (*Write)(const QString& path, const SpriteProject& project, const WriteOptions& options);
};

const FileKindInfo& InfoOf(FileKind kind);

// The kind a file is by its name (the suffix, in any case) alone: its bytes
// are not looked at, so that a FIFO cannot hold the caller up. Nothing for a
// name of no known kind.
std::optional<FileKind> NamedKind(const QString& path);
// The kind a file is taken as, of those a reader takes: its named kind when
// that is one of them, else the first of them (Load has always read any
// file it was given as a project file).
FileKind KindOf(const QString& path, std::initializer_list<FileKind> taken = {FileKind::Project, FileKind::CartridgeImage,
                                                                              FileKind::Picture, FileKind::SideFile});

// The file of `kind` that belongs beside `path`: its name with its suffix, if
// it has one, replaced by the kind's (ship.eap gives ship.bin).
QString Beside(const QString& path, FileKind kind);

// What Save offers for a project opened from `path`, read as `kind`: a
// project file itself, NAME.eap beside an image or a picture, the project
// file of a side file.
QString ProjectFileFor(const QString& path, FileKind kind);
inline QString ProjectFileFor(const QString& path) { return ProjectFileFor(path, KindOf(path)); }

// Reads `path` as a file of its kind.
inline storage::ReadOutcome Read(const QString& path, FileKind kind, const sheet::PictureCode* pictures = nullptr)
{
    return InfoOf(kind).Read(path, pictures);
}

// Writes `project` to `path` as a file of `kind`.
inline storage::Outcome Write(const QString& path, FileKind kind, const SpriteProject& project, const WriteOptions& options = {})
{
    return InfoOf(kind).Write(path, project, options);
}

// What a file written from `source`, read as `kind`, is made from: never to
// take the place of that file, nor of its side file. `written` names it.
storage::MadeFrom MadeFromFile(const QString& source, FileKind kind, const QString& written);

// The Load dialog's filters, the project files first: each kind's that has
// one, then all files.
QStringList LoadFilters();

} // namespace tw::document
