#pragma once

// Shared by the failure tests: ways to make the system refuse a file operation
// for real, for root as for anyone else, and ways to see that nothing changed.
//
// Root ignores file permissions, so a read-only file or folder is made with
// the immutable attribute (chattr +i) when running as root, and with the write
// permission taken away otherwise. A full or read-only disk is a small tmpfs
// mounted for the test (root only). A file size limit (setrlimit) works for
// anyone. A child process can be run as the unprivileged user "nobody".

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace tw::failtest {

// The unprivileged user and group that children are run as, when root.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

inline bool IsRoot() { return geteuid() == 0; }

// The system's text for an errno value, as Qt reports it.
inline QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Every file and folder under `root`, hidden ones included: the file's bytes,
// or "<folder>". Comparing two of these shows whether anything was written,
// replaced, left behind or removed.
inline QMap<QString, QByteArray> Contents(const QString& root)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            contents.insert(name, "<folder>");
            continue;
        }
        QFile file(path);
        // Big files are compared by size: reading them would hide what is
        // being measured.
        if (it.fileInfo().size() > (4 << 20))
            contents.insert(name, "<" + QByteArray::number(it.fileInfo().size()) + " bytes>");
        else
            contents.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return contents;
}

// Makes a file or a folder refuse writes: the immutable attribute for root (the
// kernel then refuses even root), the write permission bits otherwise. Undone
// on destruction.
class ReadOnly {
public:
    explicit ReadOnly(const QString& path) : path_(path)
    {
        if (IsRoot()) {
            const int flags = QFileInfo(path).isDir() ? O_RDONLY | O_DIRECTORY : O_RDONLY;
            const int fd = open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC);
            int attributes = 0;
            if (fd < 0 || ioctl(fd, FS_IOC_GETFLAGS, &attributes) != 0) {
                problem_ = QStringLiteral("cannot read the file attributes of %1: %2").arg(path, SystemReason(errno));
            } else {
                attributes |= FS_IMMUTABLE_FL;
                if (ioctl(fd, FS_IOC_SETFLAGS, &attributes) != 0)
                    problem_ = QStringLiteral("the file system does not take the immutable attribute (chattr +i) "
                                              "on %1: %2")
                                   .arg(path, SystemReason(errno));
                else
                    immutable_ = true;
            }
            if (fd >= 0)
                close(fd);
            return;
        }
        permissions_ = QFile::permissions(path);
        const QFileDevice::Permissions writable =
            QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!QFile::setPermissions(path, permissions_ & ~writable))
            problem_ = QStringLiteral("cannot take the write permission from %1").arg(path);
        else
            restorePermissions_ = true;
    }

    ~ReadOnly()
    {
        if (immutable_) {
            const int flags = QFileInfo(path_).isDir() ? O_RDONLY | O_DIRECTORY : O_RDONLY;
            const int fd = open(QFile::encodeName(path_).constData(), flags | O_NONBLOCK | O_CLOEXEC);
            int attributes = 0;
            if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &attributes) == 0) {
                attributes &= ~FS_IMMUTABLE_FL;
                ioctl(fd, FS_IOC_SETFLAGS, &attributes);
            }
            if (fd >= 0)
                close(fd);
        }
        if (restorePermissions_)
            QFile::setPermissions(path_, permissions_);
    }

    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;

    bool Ok() const { return problem_.isEmpty(); }
    QString Problem() const { return problem_; }
    // What the kernel answers a write into a read-only folder: EPERM for an
    // immutable one, EACCES for one without write permission.
    int FolderErrno() const { return immutable_ ? EPERM : EACCES; }
    QString How() const { return immutable_ ? QStringLiteral("immutable") : QStringLiteral("no write permission"); }

private:
    QString path_;
    QString problem_;
    bool immutable_ = false;
    bool restorePermissions_ = false;
    QFileDevice::Permissions permissions_;
};

// A tmpfs of `kib` KiB mounted on a new folder, for a full or a read-only
// disk. Needs root; Problem() says why it could not be had. Unmounted on
// destruction.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kib) : folder_(folder), options_(QStringLiteral("size=%1k,mode=0777").arg(kib))
    {
        if (!QDir().mkpath(folder)) {
            problem_ = QStringLiteral("cannot make %1").arg(folder);
            return;
        }
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options_.toLatin1().constData()) != 0) {
            problem_ = QStringLiteral("cannot mount a %1 KiB tmpfs (needs root with CAP_SYS_ADMIN): %2")
                           .arg(kib)
                           .arg(SystemReason(errno));
            return;
        }
        mounted_ = true;
    }

    ~SmallDisk()
    {
        if (mounted_)
            umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }

    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Ok() const { return mounted_; }
    QString Problem() const { return problem_; }

    // Writes a filler file until the disk is full; true when it is.
    bool Fill() const
    {
        const QByteArray path = QFile::encodeName(folder_ + QStringLiteral("/.filler"));
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        const std::vector<char> block(512, 'f');
        bool full = false;
        for (int i = 0; i < 1 << 16 && !full; ++i)
            full = write(fd, block.data(), block.size()) < 0 && errno == ENOSPC;
        close(fd);
        return full;
    }

    bool RemountReadOnly() const
    {
        return mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                     options_.toLatin1().constData()) == 0;
    }

private:
    QString folder_;
    QString options_;
    QString problem_;
    bool mounted_ = false;
};

// Lowers this process's file size limit to `bytes`, with SIGXFSZ ignored so
// that a write past the limit fails with EFBIG rather than ending the process.
// Undone on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &oldAction_);
        struct rlimit lower = old_;
        lower.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Ok() const { return ok_; }

private:
    struct rlimit old_ {};
    struct sigaction oldAction_ {};
    bool ok_ = false;
};

// A file of `bytes` bytes made quickly: sparse (all zero bytes) or filled with
// `fill`, written 1 MiB at a time.
inline bool MakeBigFile(const QString& path, qint64 bytes, char fill = '\0')
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (fill == '\0')
        return file.resize(bytes);
    const QByteArray chunk(1 << 20, fill);
    for (qint64 written = 0; written < bytes; written += chunk.size())
        if (file.write(chunk.constData(), qMin<qint64>(chunk.size(), bytes - written)) < 0)
            return false;
    return true;
}

// What a child process did.
struct ChildRun {
    bool Started = false;
    bool TimedOut = false;
    int ExitCode = -1; // when it exited
    int Signal = 0;    // when a signal ended it
    QByteArray Out;
    QByteArray Err;
    long PeakRssKiB = 0; // its own peak resident set size
};

struct ChildOptions {
    bool AsNobody = false;            // drop to nobody:nogroup first (when root)
    rlim_t FileSizeLimit = RLIM_INFINITY;
    bool IgnoreFileSizeSignal = false; // SIGXFSZ ignored: EFBIG instead of death
    QString WorkingFolder;
    int TimeoutSeconds = 120; // only against a hang: nothing is asserted on time
};

// Runs `program` with `args` and waits for it, collecting its output and its
// own resource usage (wait4), which QProcess cannot give.
inline ChildRun RunChild(const QString& program, const QStringList& args, const ChildOptions& options = {})
{
    ChildRun run;
    std::vector<std::string> argv{QFile::encodeName(program).toStdString()};
    for (const QString& arg : args)
        argv.push_back(QFile::encodeName(arg).toStdString());
    std::vector<char*> argp;
    for (std::string& arg : argv)
        argp.push_back(arg.data());
    argp.push_back(nullptr);
    const std::string folder = QFile::encodeName(options.WorkingFolder).toStdString();

    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        return run;
    const pid_t pid = fork();
    if (pid < 0)
        return run;
    if (pid == 0) {
        // Only async-signal-safe calls from here to exec.
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        if (!folder.empty() && chdir(folder.c_str()) != 0)
            _exit(126);
        if (options.IgnoreFileSizeSignal)
            signal(SIGXFSZ, SIG_IGN);
        else
            signal(SIGXFSZ, SIG_DFL);
        if (options.FileSizeLimit != RLIM_INFINITY) {
            struct rlimit limit {};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = options.FileSizeLimit;
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(126);
        }
        if (options.AsNobody && geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
                setresuid(kNobody, kNobody, kNobody) != 0)
                _exit(126);
        }
        execv(argp[0], argp.data());
        _exit(127);
    }
    run.Started = true;
    close(out[1]);
    close(err[1]);

    struct timespec start {};
    clock_gettime(CLOCK_MONOTONIC, &start);
    bool outOpen = true, errOpen = true;
    int status = 0;
    struct rusage usage {};
    for (;;) {
        struct pollfd fds[2] = {{outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}};
        poll(fds, 2, 100);
        char buffer[4096];
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0)
                (i == 0 ? run.Out : run.Err).append(buffer, n);
            else
                (i == 0 ? outOpen : errOpen) = false;
        }
        if (!outOpen && !errOpen) {
            wait4(pid, &status, 0, &usage);
            break;
        }
        struct timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec > options.TimeoutSeconds) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            run.TimedOut = true;
            break;
        }
    }
    close(out[0]);
    close(err[0]);
    if (WIFEXITED(status))
        run.ExitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        run.Signal = WTERMSIG(status);
    run.PeakRssKiB = usage.ru_maxrss;
    return run;
}

// Bytes this process has read through read() and its kin so far (rchar of
// /proc/self/io); -1 when the kernel does not say.
inline qint64 BytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// This process's peak resident set size so far, in KiB.
inline long PeakRssKiB()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace tw::failtest
