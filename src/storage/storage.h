#pragma once

#include <QString>

#include <optional>
#include <utility>

#include "model/sprite_project.h"
#include "model/project_record.h"

namespace tw::storage {

// A project file is 13 short lines; reading stops at this many bytes, so a
// huge or endless file cannot exhaust memory.
inline constexpr qint64 kMaxProjectFileBytes = 1 << 20;

struct Outcome {
    Outcome(bool ok = true, QString reason = {}, int line = 0, QString file = {})
        : Ok(ok), Reason(std::move(reason)), Line(line), File(std::move(file))
    {
    }
    bool Ok;
    QString Reason; // the system's or the reader's reason, when not Ok
    int Line;       // the file line the reason is about; 0 for the whole file
    QString File;   // the file it is about, when not the one asked for (a side file)
};

struct ReadOutcome : Outcome {
    ProjectRecord Record; // complete when Ok
    QByteArray FileBytes; // a project file's bytes as they were read
    // Its side file's bytes, when there is one, and when that cannot be used
    // (the project file is read all the same), why.
    std::optional<QByteArray> SideBytes;
    Outcome SideProblem;
};

struct BytesOutcome : Outcome {
    QByteArray Bytes;       // at most the limit asked for, when Ok
    bool Truncated = false; // the file goes on past the limit
};

// Reads up to `limit` bytes of a regular file. Anything else (a FIFO, a
// socket, a device, a folder) is refused before it is opened, so no read can
// block or run on for ever. Every file the programs read comes through here.
BytesOutcome ReadRegularFile(const QString& path, qint64 limit);

// Reads and parses a project file. Nothing is applied to any project.
ReadOutcome ReadProject(const QString& path);
// The same for a file already read, up to kMaxProjectFileBytes.
ReadOutcome ReadProject(const BytesOutcome& read);

// What an output is made from: a file written from another must never take
// that file's place. `Output` and `Input` name the two in the reason.
struct MadeFrom {
    QString Source; // empty: made from no file
    QString Output; // e.g. "image"
    QString Input;  // e.g. "project"
};

// Writes the project file, replacing `path` only once everything is written:
// on failure the old file is left as it was. A file that is replaced keeps
// its owner, group and mode; one without write permission for its owner is
// refused as write-protected. A project made from another file (`from`, a
// picture) never takes that file's place; resaving a project onto itself
// rewrites it.
Outcome SaveProject(const QString& path, const SpriteProject& project, const MadeFrom& from = {});

// Refuses `target` when it is `from.Source` itself: the same file after
// following links (device and inode) where both exist, else the same cleaned
// absolute path.
Outcome CheckNotItsSource(const QString& target, const MadeFrom& from);

// Writes the project's test cartridge image, with the same rules.
Outcome WriteCartridgeImage(const QString& path, const SpriteProject& project, const MadeFrom& from = {});

// Writes `bytes` to `path` with the same rules as SaveProject, after
// CheckNotItsSource.
Outcome WriteFileAtomically(const QString& path, const QByteArray& bytes, const MadeFrom& from = {});

// Qt takes file names from the system as UTF-8; a name that is not cannot be
// turned back into the bytes that name the file, so it is refused with this
// reason rather than reported missing or written under another name.
inline const QString kNameNotUtf8 = QStringLiteral("the file name is not valid UTF-8");
bool IsUtf8FileName(const QByteArray& name);

// `name` made absolute from the current folder's own bytes (getcwd), never
// from a name Qt decoded: a folder whose name is not UTF-8 stays what it is.
// Relative still when the current folder is gone.
QByteArray AbsoluteName(const QByteArray& name);

// For a file to keep by its name (the project file): `path` made absolute
// and cleaned where the whole absolute name is UTF-8, else `path` as it is,
// relative, which the system still finds from the current folder.
QString AbsolutePath(const QString& path);

} // namespace tw::storage
