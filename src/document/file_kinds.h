#pragma once

// The kinds of file a project is read from and written as, and the one place
// each kind's facts live: its names, its dialog filter, how it is read into a
// project and how a project is written as it. The editor's Open, its drop, its
// file dialogs and tilewright-cli all decide what a path is here. QtCore only:
// the picture kind's code comes from whoever has QtGui at hand.

#include <QString>
#include <QStringList>

#include <optional>

#include "model/sprite_project.h"
#include "sheet/picture_code.h"
#include "sheet/sheet_layout.h"
#include "storage/storage.h"

namespace tw::document {

// A side file (NAME.eap.asm) holds what the project file beside it cannot;
// opening one opens that project file.
enum class FileKind { Project, CartridgeImage, Picture, SideFile };

struct FileKindInfo {
    FileKind Kind;
    // What messages call a file of the kind that is read, and one that is
    // written ("the sheet would replace the project it is made from").
    QString ReadNoun, WrittenNoun;
    // Lower case, without the dot; a new file of the kind gets the first.
    QStringList Suffixes;
    // For the file dialog; empty when Load does not list the kind apart.
    QString Filter;
};

const FileKindInfo& InfoOf(FileKind kind);

// The kind a file is by its name (the suffix, in any case) alone: its bytes
// are not looked at, so that a FIFO cannot hold the caller up. Nothing for a
// name of no known kind.
std::optional<FileKind> NamedKind(const QString& path);
// The same, with a name of no known kind read as a project file, as Load has
// always read any file it was given.
FileKind KindOf(const QString& path);

// The file of `kind` that belongs beside `path`: its name with its suffix, if
// it has one, replaced by the kind's (ship.eap gives ship.bin).
QString Beside(const QString& path, FileKind kind);

// What Save offers for a project opened from `path`: a project file itself,
// NAME.eap beside an image or a picture, the project file of a side file.
QString ProjectFileFor(const QString& path);

// Reads a file as a file of `kind` into the record it holds; nothing is put
// into any project. A picture needs `pictures`.
storage::ReadOutcome Read(const QString& path, FileKind kind, const sheet::PictureCode* pictures = nullptr);

// The file a project was read from, and as what: a file written from it
// never takes its place.
struct Source {
    QString Path; // empty: none
    FileKind Kind = FileKind::Project;
};

// Writes `project` to `path` as a file of `kind` (a picture as a sheet at
// `scale`), replacing `path` only once all of it is written and never when it
// is `source`. A project file gets its side file too, when its settings
// differ from the defaults or one is there already (the outcome's File names
// the side file when that is what could not be written).
storage::Outcome Write(const QString& path, FileKind kind, const SpriteProject& project, const Source& source = {},
                       const sheet::PictureCode* pictures = nullptr, int scale = sheet::kDefaultScale);

// The Load dialog's filters, the project files first: each kind's that has
// one, then all files.
QStringList LoadFilters();

} // namespace tw::document
