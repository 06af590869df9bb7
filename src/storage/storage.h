#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <memory>
#include <optional>
#include <utility>

#include "model/project_record.h"
#include "model/sprite_project.h"
#include "project/side_file.h"

namespace tw::storage {

class NewFile;

// A project file is 13 short lines and a side file at most a few hundred;
// reading either stops at this many bytes, so that a huge or endless file
// cannot exhaust memory.
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
    // Its side file's bytes, when there is one, and what they hold when they
    // can be used; when they cannot (the project file is read all the same),
    // why, and nothing of them is in the record.
    std::optional<QByteArray> SideBytes;
    std::optional<SideFile> Side;
    Outcome SideProblem;
    // Read and used, but something to tell (a side file not saved with its
    // project file).
    Outcome SideWarning;
};

struct BytesOutcome : Outcome {
    QByteArray Bytes;       // at most the limit asked for, when Ok
    bool Truncated = false; // the file goes on past the limit
};

// Reads up to `limit` bytes of a regular file. Anything else (a FIFO, a
// socket, a device, a folder) is refused before it is opened, so no read can
// block or run on for ever. Every file the programs read comes through here.
BytesOutcome ReadRegularFile(const QString& path, qint64 limit);

// A binary read for the shapes in it (tilewright-cli shapes and import --at,
// the editor's Import Shapes) is read whole, up to this: the console's 2650
// addresses 32 KiB, and a cartridge or a memory dump is at most a few times
// that, so 16 MiB is room for any of them and little memory.
inline constexpr qint64 kMaxBinaryBytes = qint64(16) << 20;

// Reads a whole binary of any kind; one larger than kMaxBinaryBytes is
// refused, with the limit as its reason.
BytesOutcome ReadBinaryFile(const QString& path);

// Parses a project file already read, up to kMaxProjectFileBytes. Nothing is
// applied to any project.
ReadOutcome ReadProject(const BytesOutcome& read);

// What an output is made from: a file written from another must never take
// that file's place. `Output` and `Input` name the two in the reason.
struct MadeFrom {
    QString Source; // empty: made from no file
    QString Output; // e.g. "image"
    QString Input;  // e.g. "project"
    QString Side;   // the source's side file, which goes with it (empty: none)
};

// Refuses `target` when it is `from.Source` itself, or its side file: the
// same file after following links (device and inode) where both exist, else
// the same cleaned absolute name.
Outcome CheckNotItsSource(const QString& target, const MadeFrom& from);

// A new file made ready to take a target's place: the target checked (not
// its source, a regular file or none, not write-protected), every byte
// written and on the disk, owner, group and mode those of the file it
// replaces, under a name of its own. Nothing is replaced until Commit; a
// write dropped before that leaves nothing behind.
class PendingWrite {
public:
    // `modified`, when given, is the time the new file says it was written.
    PendingWrite(const QString& path, const QByteArray& bytes, const MadeFrom& from = {}, const timespec* modified = nullptr);
    PendingWrite(PendingWrite&&) noexcept;
    ~PendingWrite();

    const Outcome& Status() const { return status_; }
    // Puts the file in its target's place.
    Outcome Commit();

private:
    Outcome Prepare(const QString& path, const QByteArray& bytes, const MadeFrom& from, const timespec* modified);

    Outcome status_;
    QByteArray target_;
    std::unique_ptr<NewFile> file_;
};

// Writes `bytes` to `path` as a PendingWrite does, then replaces it: on
// failure the old file is left as it was. A file that is replaced keeps its
// owner, group and mode; one without write permission for its owner is
// refused as write-protected.
Outcome WriteFileAtomically(const QString& path, const QByteArray& bytes, const MadeFrom& from = {});

// Writes the project's test cartridge image, with the same rules.
Outcome WriteCartridgeImage(const QString& path, const SpriteProject& project, const MadeFrom& from = {});

} // namespace tw::storage
