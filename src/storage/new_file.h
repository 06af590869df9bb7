#pragma once

// The file a save writes before it takes its target's place: beside the
// target, unnamed where the system can make one, locked for as long as the
// save has it, and gone again unless it took the target's place.

#include <QByteArray>
#include <QString>

#include <csignal>

#include <sys/stat.h>
#include <sys/types.h>

namespace tw::storage {

// What a save writes has this name until it takes the target's place: short
// and its own, never the target's name with a suffix (which could be longer
// than a name may be), and recognisable should a kill leave it behind.
inline constexpr char kNewFilePrefix[] = ".tilewright-";

class NewFile {
public:
    NewFile(const QByteArray& folder, mode_t mode);
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    int Handle() const { return fd_; }
    // Gives the complete file a name and closes it, its lock kept: all that
    // can fail before it takes the target's place. errno says why not.
    bool Finish();
    // Puts the finished file in the place of `target`; errno says why not.
    bool Rename(const QByteArray& target);

private:
    template <typename Make>
    int OnFreeName(Make make);

    QByteArray folder_;
    QByteArray name_; // empty while the file has no name
    int fd_ = -1;
};

// The new file takes the old one's owner, group and mode before it takes its
// place, so that a save never changes who can read or write the file. The
// reason when it cannot; empty when it did.
QString KeepOwnerAndMode(int fd, const struct stat& old);

// A file size limit would end the process at the write that crosses it: the
// editor would lose its project and the command line tool say nothing.
// Ignored for as long as this lives, the write fails with EFBIG instead.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored();
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;
    ~FileSizeSignalIgnored();

private:
    struct sigaction old_ {};
};

} // namespace tw::storage
