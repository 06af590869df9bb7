#include "storage/storage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <utility>
#include <dirent.h>
#include <fcntl.h>
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
// nothing, and "No such file" would be wrong about a file that is there.
bool NameLostInDecoding(const QString& path)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    QString folder = QStringLiteral("/");
    for (const QString& part : QDir::cleanPath(QFileInfo(path).absoluteFilePath()).split(u'/', Qt::SkipEmptyParts)) {
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

// The path a file has or would have: the canonical path of its folder, where
// that exists, and its name.
QString ResolvedPath(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    return (folder.isEmpty() ? info.path() : folder) + u'/' + info.fileName();
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

// The file that writing to `path` would replace: symbolic links are followed,
// as the system would follow them, and so is one to a file not made yet.
QString FinalPath(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// The new file in the target's folder. Unnamed where the system can make one,
// so that a kill before it is complete leaves nothing; else, and for the
// moment between naming it and renaming it, under a free name
// .tilewright-XXXXXX. Gone again unless it took the target's place.
class NewFile {
public:
    NewFile(const QByteArray& folder, mode_t mode) : folder_(folder)
    {
        const bool canName = ::access("/proc/self/fd", X_OK) == 0; // how an unnamed file gets a name
        if (canName)
            fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (!canName || (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)))
            fd_ = OnFreeName([&](const char* name) { return ::open(name, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode); });
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }

    int Handle() const { return fd_; }

    // Puts the complete file in the place of `target`; errno says why not.
    bool Replace(const QByteArray& target)
    {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        if (name_.isEmpty() &&
            OnFreeName([&](const char* name) { return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW); }) < 0)
            return false;
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0 || ::rename(name_.constData(), target.constData()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    // Calls `make` with free names until one is taken; its result.
    template <typename Make>
    int OnFreeName(Make make)
    {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int tries = 0; tries < 100; ++tries) {
            name_ = folder_ + '/' + kNewFilePrefix;
            for (int i = 0; i < 6; ++i)
                name_ += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
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
    const QString target = FinalPath(path);
    // Only its owner can read it until it has the old file's owner and mode.
    NewFile file(QFile::encodeName(QFileInfo(target).path()), replacing ? 0600 : 0666);
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
    if (!file.Replace(QFile::encodeName(target)))
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
                          : ResolvedPath(target) == ResolvedPath(from.Source);
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

} // namespace tw::storage
