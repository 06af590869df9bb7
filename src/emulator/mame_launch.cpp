#include "emulator/mame_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tw::emulator {
namespace {

// Where the Debian package puts MAME: /usr/games, which root's PATH lacks.
const QString kDebianMame = QStringLiteral("/usr/games/mame");
const QString kPackage = QStringLiteral("MAME comes in the Debian package mame (apt install mame)");

// The most of MAME's standard error that a failure shows.
constexpr qint64 kShownOutput = 1500;

// What the monitor process says, one write each: MAME's program could not be
// executed (errno), MAME ended (its wait status), or it is running still.
struct Report {
    enum Kind : int { ExecFailed, Ended, Running } What;
    int Value;
};

QString SystemText(int error)
{
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// The program as the shell finds it: as given when the name holds a slash,
// else in the folders of PATH (an empty one is the current folder). One found
// that is not executable is kept in case no other is, so that starting it
// says why it cannot be started.
QString FindProgram(const QString& name)
{
    if (name.contains(u'/'))
        return QFileInfo(name).absoluteFilePath();
    QString unexecutable;
    for (const QString& folder : qEnvironmentVariable("PATH").split(u':')) {
        const QFileInfo candidate(QDir(folder.isEmpty() ? QStringLiteral(".") : folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
        if (candidate.isFile() && unexecutable.isEmpty())
            unexecutable = candidate.absoluteFilePath();
    }
    return unexecutable;
}

QString NotFound(const QString& named)
{
    if (!named.isEmpty())
        return QStringLiteral("%1 names '%2', which is not on PATH; %3").arg(QLatin1String(kMameVariable), named, kPackage);
    if (QFileInfo(kDebianMame).isExecutable())
        return QStringLiteral("there is no program 'mame' on PATH, but the Debian package mame installed %1: add "
                              "/usr/games to PATH, or set %2=%1")
            .arg(kDebianMame, QLatin1String(kMameVariable));
    return QStringLiteral("there is no program 'mame' on PATH; %1, or set %2 to the MAME program").arg(kPackage, QLatin1String(kMameVariable));
}

// The forked child that starts MAME in a session of its own and tells, once
// MAME has run for kSettleMilliseconds or ended sooner, how it went; then it
// ends, and MAME is nobody's to wait for. Between fork and exec only system
// calls are made: whatever else the starting program's threads held (locks,
// the heap) may be in any state here.
[[noreturn]] void Monitor(char* const argv[], int nullDevice, int errors, int report)
{
    // No signal for the starting program's terminal or process group reaches
    // MAME, and what the program ignores or blocks, MAME does not inherit.
    ::setsid();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (const int signal : {SIGCHLD, SIGPIPE, SIGXFSZ, SIGHUP, SIGINT, SIGQUIT, SIGTERM})
        ::sigaction(signal, &standard, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);

    Report said{Report::Running, 0};
    const pid_t mame = ::fork();
    if (mame == 0) {
        ::dup2(nullDevice, STDIN_FILENO);
        ::dup2(nullDevice, STDOUT_FILENO);
        ::dup2(errors, STDERR_FILENO);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            ::fcntl(fd, F_SETFD, 0); // kept open across exec, even where dup2 had nothing to do
        // Nothing else of the starting program's goes to MAME: a window system
        // connection it held would outlive the program. The report stays
        // open until exec closes it, or says why exec failed.
        const unsigned lastBefore = unsigned(report) - 1, firstAfter = unsigned(report) + 1;
        if ((report > STDERR_FILENO + 1 && ::close_range(STDERR_FILENO + 1, lastBefore, 0) != 0) ||
            ::close_range(firstAfter, ~0U, 0) != 0)
            for (int fd = STDERR_FILENO + 1; fd < 4096; ++fd)
                if (fd != report)
                    ::close(fd);
        ::execve(argv[0], argv, environ);
        said = {Report::ExecFailed, errno};
        (void)!::write(report, &said, sizeof said);
        ::_exit(127);
    }
    if (mame < 0)
        said = {Report::ExecFailed, errno};
    for (int waited = 0; mame > 0 && waited < kSettleMilliseconds; waited += 50) {
        int status = 0;
        if (::waitpid(mame, &status, WNOHANG) == mame) {
            said = {Report::Ended, status};
            break;
        }
        const timespec step{0, 50'000'000};
        ::nanosleep(&step, nullptr);
    }
    (void)!::write(report, &said, sizeof said);
    ::_exit(0);
}

// The end of what MAME wrote, from its first whole line on.
QString OutputTail(int errors)
{
    const off_t size = ::lseek(errors, 0, SEEK_END);
    if (size <= 0)
        return {};
    const off_t from = std::max<off_t>(0, size - kShownOutput);
    QByteArray text(qsizetype(size - from), '\0');
    text.truncate(std::max<qsizetype>(0, ::pread(errors, text.data(), std::size_t(text.size()), from)));
    if (from > 0)
        text.remove(0, text.indexOf('\n') + 1);
    return QString::fromLocal8Bit(text).trimmed();
}

} // namespace

QStringList MameArguments(const QString& image)
{
    return {QStringLiteral("arcadia"), QStringLiteral("-window"), QStringLiteral("-skip_gameinfo"), QStringLiteral("-cart"),
            QFileInfo(image).absoluteFilePath()};
}

MameLaunch::MameLaunch() : QObject(QCoreApplication::instance()) {}

MameLaunch::~MameLaunch()
{
    for (const int fd : {report_, errors_})
        if (fd >= 0)
            ::close(fd);
    if (monitor_ > 0)
        ::waitpid(pid_t(monitor_), nullptr, WNOHANG);
}

MameLaunch* MameLaunch::Start(const QString& image)
{
    auto* launch = new MameLaunch;
    launch->Begin(image);
    return launch;
}

void MameLaunch::Begin(const QString& image)
{
    const QString named = qEnvironmentVariable(kMameVariable);
    program_ = FindProgram(named.isEmpty() ? QStringLiteral("mame") : named);
    if (program_.isEmpty())
        return Finish({false, NotFound(named), {}});

    // All that the children use is made before the fork.
    QList<QByteArray> words{QFile::encodeName(program_)};
    for (const QString& argument : MameArguments(image))
        words << QFile::encodeName(argument);
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int nullDevice = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    errors_ = ::memfd_create("mame-errors", MFD_CLOEXEC);
    int ends[2] = {-1, -1};
    const bool ready = nullDevice >= 0 && errors_ >= 0 && ::pipe2(ends, O_CLOEXEC) == 0;
    const pid_t monitor = ready ? ::fork() : -1;
    if (monitor == 0)
        Monitor(argv.data(), nullDevice, errors_, ends[1]);
    const int error = errno;
    for (const int fd : {nullDevice, ends[1]})
        if (fd >= 0)
            ::close(fd);
    report_ = ends[0];
    if (monitor < 0)
        return Finish({false, QStringLiteral("cannot start a process for MAME: %1").arg(SystemText(error)), {}});
    monitor_ = monitor;
    ::fcntl(report_, F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(report_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MameLaunch::ReadReport);
}

void MameLaunch::ReadReport()
{
    char buffer[64];
    ssize_t n;
    while ((n = ::read(report_, buffer, sizeof buffer)) > 0)
        received_.append(buffer, n);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The monitor has closed its end: it is ending.
    notifier_->setEnabled(false);
    ::close(report_);
    report_ = -1;
    ::waitpid(pid_t(monitor_), nullptr, 0);
    monitor_ = -1;

    LaunchResult result{false, QStringLiteral("the process that starts MAME ended without a word; %1").arg(kPackage), {}};
    for (qsizetype at = 0; at + qsizetype(sizeof(Report)) <= received_.size(); at += sizeof(Report)) {
        Report said{};
        std::memcpy(&said, received_.constData() + at, sizeof said);
        if (said.What == Report::ExecFailed) {
            result = {false, QStringLiteral("%1 cannot be started: %2; %3").arg(program_, SystemText(said.Value), kPackage), {}};
            break; // its own exit, reported next, says less
        }
        if (said.What == Report::Running || (WIFEXITED(said.Value) && WEXITSTATUS(said.Value) == 0))
            result = {true, {}, {}};
        else if (WIFEXITED(said.Value))
            result.Reason = QStringLiteral("%1 ended at once with status %2; %3").arg(program_).arg(WEXITSTATUS(said.Value)).arg(kPackage);
        else
            result.Reason = QStringLiteral("%1 ended at once on signal %2 (%3); %4")
                                .arg(program_)
                                .arg(WTERMSIG(said.Value))
                                .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(said.Value))), kPackage);
    }
    if (!result.Started)
        result.Output = OutputTail(errors_);
    ::close(errors_);
    errors_ = -1;
    Finish(result);
}

void MameLaunch::Finish(const LaunchResult& result)
{
    // Always from the event loop: the caller connects to Finished after Start.
    QTimer::singleShot(0, this, [this, result] {
        Q_EMIT Finished(result);
        deleteLater();
    });
}

LaunchResult RunMame(const QString& image)
{
    LaunchResult result;
    QEventLoop loop;
    QObject::connect(MameLaunch::Start(image), &MameLaunch::Finished, &loop, [&](const LaunchResult& finished) {
        result = finished;
        loop.quit();
    });
    loop.exec();
    return result;
}

} // namespace tw::emulator
