#include "storage/storage.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cartridge/cartridge.h"
#include "project/eap_lines.h"
#include "project/eap_reader.h"
#include "storage/file_names.h"
#include "storage/new_file.h"

namespace tw::storage {
namespace {

Outcome Failure(const QString& reason, int line = 0) { return {false, reason, line}; }

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

BytesOutcome ReadBinaryFile(const QString& path)
{
    BytesOutcome read = ReadRegularFile(path, kMaxBinaryBytes);
    if (read.Ok && read.Truncated)
        static_cast<Outcome&>(read) = Failure(QStringLiteral("the file is larger than the %1 MiB that shapes are read from").arg(kMaxBinaryBytes >> 20));
    return read;
}

ReadOutcome ReadProject(const BytesOutcome& read)
{
    ReadOutcome outcome;
    const auto fail = [&](const QString& reason, int line = 0) {
        static_cast<Outcome&>(outcome) = Failure(reason, line);
        return outcome;
    };
    if (!read.Ok)
        return fail(read.Reason);
    const std::string_view data(read.Bytes.constData(), static_cast<std::size_t>(read.Bytes.size()));
    const ReadResult result = ReadProjectFile(data);
    outcome.FileBytes = read.Bytes;
    if (!result.Record) {
        // An error at or after the line the cut fell in is about the cut.
        const int cutLine = read.Truncated ? CountLines(data) : 0;
        if (read.Truncated && result.Error.Line >= cutLine)
            return fail(QStringLiteral("the line does not end within the first %1 bytes of the file").arg(kMaxProjectFileBytes), cutLine);
        return fail(QString::fromStdString(result.Error.Reason), result.Error.Line);
    }
    outcome.Record = *result.Record;
    return outcome;
}

Outcome CheckNotItsSource(const QString& target, const MadeFrom& from)
{
    if (!from.Source.isEmpty() && IsSameFile(target, from.Source))
        return Failure(QStringLiteral("the %1 would replace the %2 it is made from").arg(from.Output, from.Input));
    if (!from.Side.isEmpty() && IsSameFile(target, from.Side))
        return Failure(QStringLiteral("the %1 would replace the side file of the %2 it is made from").arg(from.Output, from.Input));
    return {};
}

PendingWrite::PendingWrite(const QString& path, const QByteArray& bytes, const MadeFrom& from, const timespec* modified)
{
    status_ = Prepare(path, bytes, from, modified);
}

Outcome PendingWrite::Prepare(const QString& path, const QByteArray& bytes, const MadeFrom& from, const timespec* modified)
{
    const auto fail = [](const QString& reason) { return Failure(reason); };
    if (const Outcome allowed = CheckNotItsSource(path, from); !allowed.Ok)
        return allowed;
    struct stat old {};
    const int missing = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? 0 : errno;
    if (missing && missing != ENOENT)
        return fail(qt_error_string(missing));
    if (missing == ENOENT && NameLostInDecoding(path))
        return fail(kNameNotUtf8);
    // Renamed over a FIFO, a device or a folder, the new file would take its
    // place: a reader waiting on the FIFO would get nothing, and /dev/null
    // would become a regular file.
    if (!missing && !S_ISREG(old.st_mode))
        return fail(QStringLiteral("not a regular file"));
    const bool replacing = !missing;
    // Root could write it anyway; the owner's write bit says it is to be kept.
    if (replacing && !(old.st_mode & S_IWUSR))
        return fail(QStringLiteral("the file is write-protected"));
    target_ = FinalName(QFile::encodeName(path));
    // Only its owner can read it until it has the old file's owner and mode.
    file_ = std::make_unique<NewFile>(FolderOf(target_), replacing ? 0600 : 0666);
    const int fd = file_->Handle();
    if (fd < 0)
        return fail(qt_error_string(errno));
    if (replacing)
        if (const QString kept = KeepOwnerAndMode(fd, old); !kept.isEmpty())
            return fail(kept);
    // Every write reaches the file here, so a full disk or a file size limit
    // is seen with its reason; a short write is followed by another, which
    // then fails with it.
    const FileSizeSignalIgnored sizeLimitIsAnError;
    for (qint64 written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n < 0 && errno != EINTR)
            return fail(qt_error_string(errno));
        written += std::max<ssize_t>(n, 0);
    }
    if (modified) {
        const timespec times[2] = {{0, UTIME_OMIT}, *modified};
        if (::futimens(fd, times) != 0)
            return fail(qt_error_string(errno));
    }
    // On the disk before it has the old file's name, so that a crash cannot
    // leave that name to an empty file. EINVAL: a file system that cannot.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return fail(qt_error_string(errno));
    if (!file_->Finish())
        return fail(qt_error_string(errno));
    return {};
}

PendingWrite::PendingWrite(PendingWrite&&) noexcept = default;
PendingWrite::~PendingWrite() = default;

Outcome PendingWrite::Commit()
{
    if (status_.Ok && !file_->Rename(target_))
        status_ = Failure(qt_error_string(errno));
    return status_;
}

Outcome WriteFileAtomically(const QString& path, const QByteArray& bytes, const MadeFrom& from)
{
    PendingWrite write(path, bytes, from);
    return write.Commit();
}

Outcome WriteCartridgeImage(const QString& path, const SpriteProject& project, const MadeFrom& from)
{
    const CartridgeImage image = BuildCartridgeImage(project);
    return WriteFileAtomically(path, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), from);
}

} // namespace tw::storage
