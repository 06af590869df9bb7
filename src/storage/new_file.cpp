#include "storage/new_file.h"

#include <QRandomGenerator>
#include <QString>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <string_view>
#include <utility>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tw::storage {
namespace {

// A save's new file is named kNewFilePrefix and six of these, and locked
// (flock) for as long as the save has it, so that one a killed save left is
// told from one being written.
constexpr char kNameLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int kNameLetterCount = 6;
// A save's file older than this, by its last write, is not being written.
constexpr time_t kStaleSeconds = 60;

bool IsNewFileName(const char* name)
{
    const std::string_view text(name), prefix(kNewFilePrefix), letters(kNameLetters);
    return text.size() == prefix.size() + kNameLetterCount && text.starts_with(prefix) &&
           text.substr(prefix.size()).find_first_not_of(letters) == std::string_view::npos;
}

// Without unnamed files, a kill between a save's start and its rename leaves
// its .tilewright-XXXXXX behind for good. Before a save names one of its own
// there, it removes those of the folder that are regular files of this user,
// last written over a minute ago, and that no save holds locked: left by a
// process that has ended. A file another user left, or one being written,
// stays.
void RemoveStaleNewFiles(const QByteArray& folder)
{
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = dir < 0 ? nullptr : ::fdopendir(dir);
    if (!listing) {
        if (dir >= 0)
            ::close(dir);
        return;
    }
    const time_t before = std::time(nullptr) - kStaleSeconds;
    for (const dirent* entry; (entry = ::readdir(listing));) {
        // Looked at before it is opened: opening a device can do things.
        struct stat seen {};
        if (!IsNewFileName(entry->d_name) || ::fstatat(dir, entry->d_name, &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode) ||
            seen.st_uid != ::geteuid() || seen.st_mtime >= before)
            continue;
        const int fd = ::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            continue;
        // The file looked at is the one opened, and the name still gives it
        // once it is ours to lock.
        const auto same = [&](const struct stat& other) { return other.st_dev == seen.st_dev && other.st_ino == seen.st_ino; };
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && same(held) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dir, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && same(named))
            ::unlinkat(dir, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing);
}

} // namespace

NewFile::NewFile(const QByteArray& folder, mode_t mode) : folder_(folder)
{
    // Unnamed where the system can make one, so that a kill before it is
    // complete leaves nothing; else, and for the moment between naming it
    // and renaming it, under a free name, after the stale ones of the folder
    // are removed.
    const bool canName = ::access("/proc/self/fd", X_OK) == 0; // how an unnamed file gets a name
    if (canName)
        fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (!canName || (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))) {
        RemoveStaleNewFiles(folder);
        fd_ = OnFreeName([&](const char* name) { return ::open(name, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode); });
    }
    if (fd_ >= 0)
        ::flock(fd_, LOCK_EX);
}

NewFile::~NewFile()
{
    if (!name_.isEmpty())
        ::unlink(name_.constData());
    if (fd_ >= 0)
        ::close(fd_);
}

bool NewFile::Finish()
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
    if (name_.isEmpty() &&
        OnFreeName([&](const char* name) { return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW); }) < 0)
        return false;
    // Closed first, for the error a network file system gives only then;
    // the lock stays with a second handle until the rename.
    const int lock = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    return ::close(std::exchange(fd_, lock)) == 0;
}

bool NewFile::Rename(const QByteArray& target)
{
    if (::rename(name_.constData(), target.constData()) != 0)
        return false;
    name_.clear();
    return true;
}

template <typename Make>
int NewFile::OnFreeName(Make make)
{
    for (int tries = 0; tries < 100; ++tries) {
        name_ = folder_ + '/' + kNewFilePrefix;
        for (int i = 0; i < kNameLetterCount; ++i)
            name_ += kNameLetters[QRandomGenerator::global()->bounded(int(sizeof kNameLetters - 1))];
        const int result = make(name_.constData());
        if (result >= 0)
            return result;
        name_.clear();
        if (errno != EEXIST)
            break;
    }
    return -1;
}

QString KeepOwnerAndMode(int fd, const struct stat& old)
{
    // The owner goes first: changing it clears the set-user and set-group bits.
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return qt_error_string(errno);
    const uid_t owner = now.st_uid == old.st_uid ? uid_t(-1) : old.st_uid;
    const gid_t group = now.st_gid == old.st_gid ? gid_t(-1) : old.st_gid;
    const bool newOwner = owner != uid_t(-1) || group != gid_t(-1);
    if (newOwner && ::fchown(fd, owner, group) != 0)
        return QStringLiteral("cannot keep the file's owner and group: %1").arg(qt_error_string(errno));
    // Only when it differs: some file systems (FAT) refuse any change of mode.
    if ((newOwner || (now.st_mode & 07777) != (old.st_mode & 07777)) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return QStringLiteral("cannot keep the file's mode: %1").arg(qt_error_string(errno));
    return {};
}

FileSizeSignalIgnored::FileSizeSignalIgnored()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &old_);
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &old_, nullptr); }

} // namespace tw::storage
