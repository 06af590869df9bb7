#include "storage/storage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cartridge/cartridge.h"
#include "project/eap_lines.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"

namespace tw::storage {
namespace {

Outcome Failure(const QString& reason, int line = 0) { return {false, reason, line}; }

// True when `folder` holds an entry whose name is not UTF-8 and that Qt
// decodes as `name`. The system's own listing: QDir leaves such names out.
bool HoldsUndecodableName(const QString& folder, const QString& name)
{
    DIR* listing = ::opendir(QFile::encodeName(folder).constData());
    bool found = false;
    for (const dirent* entry; listing && !found && (entry = ::readdir(listing));)
        found = !IsUtf8FileName(entry->d_name) && QFile::decodeName(entry->d_name) == name;
    if (listing)
        ::closedir(listing);
    return found;
}

// True when `path` holds a name that Qt decoded with U+FFFD for bytes that
// are not UTF-8 and that stands in its folder: encoded again, it names
// nothing, and "No such file" would be wrong about a file that is there. A
// relative path is walked from the current folder as the system sees it.
bool NameLostInDecoding(const QString& path)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    QString folder = path.startsWith(u'/') ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& part : QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts)) {
        const QFileInfo next(QDir(folder).filePath(part));
        if (!next.exists() && !next.isSymLink())
            return HoldsUndecodableName(folder, part);
        folder = next.filePath();
    }
    return false;
}

// The system's reason for a failure on `path`.
QString SystemReason(int error, const QString& path)
{
    return error == ENOENT && NameLostInDecoding(path) ? kNameNotUtf8 : qt_error_string(error);
}

// The name a file has or would have, as bytes: the canonical name of its
// folder, where that exists, and its own. A relative name is made absolute
// from the current folder's own bytes, and ".." is taken as written where
// the folder is not there to resolve.
QByteArray ResolvedName(const QByteArray& name)
{
    // Latin-1 gives each byte a character of its own, so cleaning cannot
    // change a byte that is not '/' or '.'.
    const QByteArray clean = QDir::cleanPath(QString::fromLatin1(AbsoluteName(name))).toLatin1();
    const qsizetype slash = clean.lastIndexOf('/');
    char* canonical = ::realpath(slash > 0 ? clean.left(slash).constData() : "/", nullptr);
    QByteArray folder = canonical ? QByteArray(canonical) : clean.left(slash);
    std::free(canonical);
    if (folder.endsWith('/'))
        folder.chop(1);
    return folder + clean.mid(slash);
}

// The new file takes the old one's owner, group and mode before it takes its
// place, so that a save never changes who can read or write the file. The
// owner goes first: changing it clears the set-user and set-group bits.
Outcome KeepOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return Failure(qt_error_string(errno));
    const uid_t owner = now.st_uid == old.st_uid ? uid_t(-1) : old.st_uid;
    const gid_t group = now.st_gid == old.st_gid ? gid_t(-1) : old.st_gid;
    const bool newOwner = owner != uid_t(-1) || group != gid_t(-1);
    if (newOwner && ::fchown(fd, owner, group) != 0)
        return Failure(QStringLiteral("cannot keep the file's owner and group: %1").arg(qt_error_string(errno)));
    // Only when it differs: some file systems (FAT) refuse any change of mode.
    if ((newOwner || (now.st_mode & 07777) != (old.st_mode & 07777)) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return Failure(QStringLiteral("cannot keep the file's mode: %1").arg(qt_error_string(errno)));
    return {};
}

// What a save writes has this name until it takes the target's place: short
// and its own, never the target's name with a suffix (which could be longer
// than a name may be), and recognisable should a kill leave it behind.
constexpr char kNewFilePrefix[] = ".tilewright-";

// The file that writing to `name` would replace, named as the system would
// find it: symbolic links are followed, a relative target from the link's own
// folder, and so is one to a file not made yet. A relative name stays
// relative: the system resolves it in the current folder, whatever bytes
// name that folder.
QByteArray FinalName(QByteArray name)
{
    char target[PATH_MAX];
    for (int depth = 0; depth < 40; ++depth) {
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        if (length < 0 || length == sizeof target)
            break; // no link (or no file): this is the name
        const QByteArray link(target, length);
        name = link.startsWith('/') ? link : name.left(name.lastIndexOf('/') + 1) + link;
    }
    return name;
}

// The folder a file of that name is in, as the system would find it.
QByteArray FolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

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

// The new file in the target's folder. Unnamed where the system can make one,
// so that a kill before it is complete leaves nothing; else, and for the
// moment between naming it and renaming it, under a free name
// .tilewright-XXXXXX, after the stale ones of the folder are removed. Locked
// from its making until it is renamed or removed. Gone again unless it took
// the target's place.
class NewFile {
public:
    NewFile(const QByteArray& folder, mode_t mode) : folder_(folder)
    {
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
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile()
    {
        if (!name_.isEmpty())
            ::unlink(name_.constData());
        if (fd_ >= 0)
            ::close(fd_);
    }

    int Handle() const { return fd_; }

    // Puts the complete file in the place of `target`; errno says why not.
    bool Replace(const QByteArray& target)
    {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        if (name_.isEmpty() &&
            OnFreeName([&](const char* name) { return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW); }) < 0)
            return false;
        // Closed first, for the error a network file system gives only
        // then; the lock stays with a second handle until the rename.
        const int lock = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        const bool closed = ::close(std::exchange(fd_, lock)) == 0;
        if (!closed || ::rename(name_.constData(), target.constData()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    // Calls `make` with free names until one is taken; its result.
    template <typename Make>
    int OnFreeName(Make make)
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

    QByteArray folder_;
    QByteArray name_; // empty while the file has no name
    int fd_ = -1;
};

// A file size limit would end the process at the write that crosses it: the
// editor would lose its project and the command line tool say nothing.
// Ignored, the write fails with EFBIG and the save gives that reason.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &old_);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;
    ~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &old_, nullptr); }

private:
    struct sigaction old_ {};
};

Outcome WriteAtomically(const QString& path, const char* data, qint64 size, const MadeFrom& from)
{
    if (const Outcome allowed = CheckNotItsSource(path, from); !allowed.Ok)
        return allowed;
    struct stat old {};
    const int missing = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? 0 : errno;
    if (missing && missing != ENOENT)
        return Failure(qt_error_string(missing));
    if (missing == ENOENT && NameLostInDecoding(path))
        return Failure(kNameNotUtf8);
    // Renamed over a FIFO, a device or a folder, the new file would take its
    // place: a reader waiting on the FIFO would get nothing, and /dev/null
    // would become a regular file.
    if (!missing && !S_ISREG(old.st_mode))
        return Failure(QStringLiteral("not a regular file"));
    const bool replacing = !missing;
    // Root could write it anyway; the owner's write bit says it is to be kept.
    if (replacing && !(old.st_mode & S_IWUSR))
        return Failure(QStringLiteral("the file is write-protected"));
    const QByteArray target = FinalName(QFile::encodeName(path));
    // Only its owner can read it until it has the old file's owner and mode.
    NewFile file(FolderOf(target), replacing ? 0600 : 0666);
    if (file.Handle() < 0)
        return Failure(qt_error_string(errno));
    if (replacing)
        if (const Outcome kept = KeepOwnerAndMode(file.Handle(), old); !kept.Ok)
            return kept;
    // Every write reaches the file here, so a full disk or a file size limit
    // is seen with its reason; a short write is followed by another, which
    // then fails with it.
    const FileSizeSignalIgnored sizeLimitIsAnError;
    for (qint64 written = 0; written < size;) {
        const ssize_t n = ::write(file.Handle(), data + written, std::size_t(size - written));
        if (n < 0 && errno != EINTR)
            return Failure(qt_error_string(errno));
        written += std::max<ssize_t>(n, 0);
    }
    // On the disk before it has the old file's name, so that a crash cannot
    // leave that name to an empty file. EINVAL: a file system that cannot.
    if (::fsync(file.Handle()) != 0 && errno != EINVAL)
        return Failure(qt_error_string(errno));
    if (!file.Replace(target))
        return Failure(qt_error_string(errno));
    return {};
}

} // namespace

BytesOutcome ReadRegularFile(const QString& path, qint64 limit)
{
    BytesOutcome outcome;
    const auto fail = [&](const QString& reason) {
        static_cast<Outcome&>(outcome) = Failure(reason);
        return outcome;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return fail(SystemReason(errno, path));
    if (!S_ISREG(info.st_mode))
        return fail(QStringLiteral("not a regular file"));
    // Without blocking, and looked at again once open: a FIFO put in the
    // file's place since the check cannot hold the open or the read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(SystemReason(errno, path));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    if (::fstat(fd, &info) != 0)
        return fail(qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return fail(QStringLiteral("not a regular file"));
    // Room for the file as it is and one byte more, which tells a file past
    // the limit: QIODevice::read(limit + 1) would set aside the whole limit,
    // 128 MiB for a picture of a few bytes. A file that grows meanwhile is
    // read on in larger steps, up to the limit.
    QByteArray& bytes = outcome.Bytes;
    bytes.resize(std::min<qint64>(limit, info.st_size) + 1);
    qint64 got = 0;
    for (qint64 n = 1; n > 0 && got <= limit; got += n) {
        if (got == bytes.size())
            bytes.resize(std::min(limit + 1, 2 * got));
        if ((n = file.read(bytes.data() + got, bytes.size() - got)) < 0)
            return fail(file.errorString());
    }
    outcome.Truncated = got > limit;
    bytes.truncate(std::min(got, limit));
    return outcome;
}

ReadOutcome ReadProject(const QString& path) { return ReadProject(ReadRegularFile(path, kMaxProjectFileBytes)); }

ReadOutcome ReadProject(const BytesOutcome& read)
{
    ReadOutcome outcome;
    const auto fail = [&](const QString& reason, int line = 0) {
        static_cast<Outcome&>(outcome) = Failure(reason, line);
        return outcome;
    };
    if (!read.Ok)
        return fail(read.Reason);
    const bool truncated = read.Truncated;
    const std::string_view data(read.Bytes.constData(), static_cast<std::size_t>(read.Bytes.size()));
    const ReadResult result = ReadProjectFile(data);
    if (!result.Record) {
        // An error at or after the line the cut fell in is about the cut.
        const int cutLine = truncated ? CountLines(data) : 0;
        if (truncated && result.Error.Line >= cutLine)
            return fail(QStringLiteral("the line does not end within the first %1 bytes of the file").arg(kMaxProjectFileBytes),
                        cutLine);
        return fail(QString::fromStdString(result.Error.Reason), result.Error.Line);
    }
    outcome.Record = *result.Record;
    return outcome;
}

Outcome SaveProject(const QString& path, const SpriteProject& project, const MadeFrom& from)
{
    const std::string bytes = ProjectFileBytes(project);
    return WriteAtomically(path, bytes.data(), static_cast<qint64>(bytes.size()), from);
}

Outcome CheckNotItsSource(const QString& target, const MadeFrom& from)
{
    if (from.Source.isEmpty())
        return {};
    struct stat t {}, s {};
    const bool same = ::stat(QFile::encodeName(target).constData(), &t) == 0 &&
                              ::stat(QFile::encodeName(from.Source).constData(), &s) == 0
                          ? t.st_dev == s.st_dev && t.st_ino == s.st_ino
                          : ResolvedName(QFile::encodeName(target)) == ResolvedName(QFile::encodeName(from.Source));
    if (same)
        return Failure(QStringLiteral("the %1 would replace the %2 it is made from").arg(from.Output, from.Input));
    return {};
}

Outcome WriteCartridgeImage(const QString& path, const SpriteProject& project, const MadeFrom& from)
{
    const CartridgeImage image = BuildCartridgeImage(project);
    return WriteAtomically(path, reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()), from);
}

Outcome WriteFileAtomically(const QString& path, const QByteArray& bytes, const MadeFrom& from)
{
    return WriteAtomically(path, bytes.constData(), bytes.size(), from);
}

bool IsUtf8FileName(const QByteArray& name) { return QFile::encodeName(QFile::decodeName(name)) == name; }

QByteArray AbsoluteName(const QByteArray& name)
{
    if (name.startsWith('/'))
        return name;
    char* folder = ::getcwd(nullptr, 0);
    if (!folder)
        return name; // the current folder is gone: the name can only stay relative
    QByteArray absolute = QByteArray(folder) + (name.isEmpty() || std::string_view(folder) == "/" ? "" : "/") + name;
    std::free(folder);
    return absolute;
}

QString AbsolutePath(const QString& path)
{
    const QByteArray absolute = AbsoluteName(QFile::encodeName(path));
    return IsUtf8FileName(absolute) ? QDir::cleanPath(QFile::decodeName(absolute)) : path;
}

} // namespace tw::storage
