#pragma once

// A project file and its side file, found, read and written as one: the one
// place that knows the side file goes with the project file.

#include <QString>

#include <optional>

#include "model/sprite_project.h"
#include "storage/storage.h"

namespace tw::storage {

// The side file of a project file: ship.eap.asm beside ship.eap.
QString SideFileOf(const QString& projectFile);

// Reads a project file and, when one is there, its side file, each bounded.
// A side file that cannot be used leaves nothing of it in the record (the
// project file is read all the same; SideProblem says why, and its File
// names the side file); one not saved with the project file is used, and
// SideWarning says so.
ReadOutcome ReadProjectPair(const QString& projectFile);

// The one rule for when a save writes a side file: when the project needs
// one, or one is there already (left as it was, it would give the project
// file another project's frames).
bool WritesSideFile(const SpriteProject& project, const QString& projectFile);

// What a save left on the disk: the two files' bytes.
struct SavedPair : Outcome {
    QByteArray Project;
    std::optional<QByteArray> Side; // none: no side file was written
};

// Saves the project file and, by WritesSideFile, its side file as one. Both
// are made ready in full before either is replaced (every target checked,
// every byte written and on the disk); a failure until then replaces
// nothing, and the outcome's File names the side file when it is that one.
// Then the project file takes its place, and the side file right after it,
// both with the same time of writing, so that a pair a crash leaves half
// replaced is told when it is read. The side file may never be, through any
// link, the project file itself, nor `readFrom`, the project file the
// project was read from, nor `from.Source`.
SavedPair SaveProjectPair(const QString& projectFile, const SpriteProject& project, const MadeFrom& from = {},
                          const QString& readFrom = {});

} // namespace tw::storage
