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
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "storage/file_names.h"

extern char** environ;

namespace tw::emulator {
namespace {

// Where the Debian package puts MAME: /usr/games, which root's PATH lacks.
const QString kDebianMame = QStringLiteral("/usr/games/mame");
const QString kPackage = QStringLiteral("MAME comes in the Debian package mame (apt install mame)");

// The most of MAME's standard error that a failure shows: the end of it,
// kept as it comes in a buffer of this size, the rest let go.
constexpr int kShownOutput = 1500;

// What the drainer says once, in one write: MAME's program could not be
// executed (errno), MAME ended (its wait status), or it is running still;
// then the end of what it wrote, Tail bytes of it (Cut: more came before).
// The child that execs MAME says only ExecFailed, with no tail.
struct Report {
    enum Kind : int { ExecFailed, Ended, Running } What;
    int Value;
    int Tail = 0;
    int Cut = 0;
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
// says why it cannot be started. Absolute, from the current folder's own
// bytes, which need not be UTF-8.
QByteArray FindProgram(const QByteArray& name)
{
    const auto absolute = [](QByteArray found) {
        while (found.startsWith("./"))
            found.remove(0, 2);
        return storage::AbsoluteName(found);
    };
    if (name.contains('/'))
        return absolute(name);
    QByteArray unexecutable;
    for (const QByteArray& folder : qgetenv("PATH").split(':')) {
        const QByteArray candidate = (folder.isEmpty() ? QByteArray(".") : folder) + '/' + name;
        struct stat info {};
        if (::stat(candidate.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (::access(candidate.constData(), X_OK) == 0)
            return absolute(candidate);
        if (unexecutable.isEmpty())
            unexecutable = absolute(candidate);
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

// The last kShownOutput bytes of what came in, in a buffer of its own: what
// MAME writes costs this and the pipe's buffer, however much it writes.
class Tail {
public:
    void Add(const char* data, ssize_t size)
    {
        const ssize_t skipped = std::max<ssize_t>(0, size - kShownOutput);
        seen_ += skipped;
        for (ssize_t i = skipped; i < size; ++i)
            ring_[seen_++ % kShownOutput] = data[i];
    }

    // Reads what `fd` has; false at its end or on an error other than EINTR.
    bool Read(int fd)
    {
        char chunk[16384];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0)
            Add(chunk, n);
        return n > 0 || (n < 0 && errno == EINTR);
    }

    // The report and the tail, oldest byte first, in `message`; its size.
    std::size_t Message(Report said, char (&message)[sizeof(Report) + kShownOutput]) const
    {
        const long long kept = std::min<long long>(seen_, kShownOutput);
        said.Tail = int(kept), said.Cut = seen_ > kShownOutput;
        std::memcpy(message, &said, sizeof said);
        for (long long i = 0; i < kept; ++i)
            message[sizeof said + i] = ring_[(seen_ - kept + i) % kShownOutput];
        return sizeof said + std::size_t(kept);
    }

private:
    char ring_[kShownOutput];
    long long seen_ = 0;
};

long long Milliseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1'000'000;
}

// Standard input, output and error from these three, and nothing else of the
// starting program's but `a` and `b`: a window system connection it held
// would outlive it.
void KeepOnly(int in, int out, int error, int a, int b)
{
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(error, STDERR_FILENO);
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        ::fcntl(fd, F_SETFD, 0); // kept open across exec, even where dup2 had nothing to do
    const unsigned low = unsigned(std::min(a, b)), high = unsigned(std::max(a, b));
    bool closed = true;
    for (const auto& [from, to] : {std::pair{STDERR_FILENO + 1U, low - 1}, std::pair{low + 1, high - 1}, std::pair{high + 1, ~0U}})
        if (from <= to)
            closed = ::close_range(from, to, 0) == 0 && closed;
    for (int fd = STDERR_FILENO + 1; !closed && fd < 4096; ++fd)
        if (fd != a && fd != b)
            ::close(fd);
}

// MAME itself: null input and output, the pipe as its standard error. The
// report stays open until exec closes it, or says why exec failed.
[[noreturn]] void ExecMame(char* const argv[], int nullDevice, int errors, int report)
{
    KeepOnly(nullDevice, nullDevice, errors, report, report);
    ::execve(argv[0], argv, environ);
    const Report said{Report::ExecFailed, errno};
    (void)!::write(report, &said, sizeof said);
    ::_exit(127);
}

// The drainer: MAME's parent, and the reader of its standard error for as
// long as anything writes there, so that MAME never waits on a full pipe nor
// dies of a closed one. Once MAME has run for kSettleMilliseconds, or ended
// sooner, it reports how, with the end of what MAME wrote, and closes the
// report; then it only reads and lets go until the pipe's last writer is
// gone. Only system calls here: whatever the starting program's other threads
// held (locks, the heap) may be in any state.
[[noreturn]] void Drain(char* const argv[], int nullDevice, int errors[2], int report)
{
    const pid_t mame = ::fork();
    if (mame == 0)
        ExecMame(argv, nullDevice, errors[1], report);
    Report said{mame < 0 ? Report::ExecFailed : Report::Running, mame < 0 ? errno : 0};
    KeepOnly(nullDevice, nullDevice, nullDevice, errors[0], report);
    // Nobody may read the report any more (the program that started MAME
    // has ended): that write must fail, not end the drainer.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);

    Tail tail;
    bool open = true;
    for (const long long deadline = Milliseconds() + kSettleMilliseconds; mame > 0;) {
        int status = 0;
        if (::waitpid(mame, &status, WNOHANG) == mame) {
            said = {Report::Ended, status};
            // What it wrote before it ended is in the pipe by now; what a
            // process it left writes on is not waited for.
            pollfd ready{errors[0], POLLIN, 0};
            for (int reads = 0; open && reads < 64 && ::poll(&ready, 1, 0) > 0; ++reads)
                open = tail.Read(errors[0]);
            break;
        }
        const long long left = deadline - Milliseconds();
        if (left <= 0)
            break;
        pollfd ready{open ? errors[0] : -1, POLLIN, 0};
        if (::poll(&ready, 1, int(std::min(left, 50LL))) > 0)
            open = tail.Read(errors[0]);
    }
    char message[sizeof(Report) + kShownOutput];
    (void)!::write(report, message, tail.Message(said, message));
    ::close(report);
    for (char discard[16384]; open;) {
        const ssize_t n = ::read(errors[0], discard, sizeof discard);
        open = n > 0 || (n < 0 && errno == EINTR);
    }
    ::_exit(0);
}

// The first child: a session of its own for MAME and the drainer, which it
// forks and leaves at once, so that the starting program reaps it without
// waiting and nobody waits for MAME. No signal for the starting program's
// terminal or process group reaches MAME, and what the program ignores or
// blocks, MAME does not inherit.
[[noreturn]] void StartSession(char* const argv[], int nullDevice, int errors[2], int report)
{
    ::setsid();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (const int signal : {SIGCHLD, SIGPIPE, SIGXFSZ, SIGHUP, SIGINT, SIGQUIT, SIGTERM})
        ::sigaction(signal, &standard, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    const pid_t drainer = ::fork();
    if (drainer == 0)
        Drain(argv, nullDevice, errors, report);
    if (drainer < 0) {
        const Report said{Report::ExecFailed, errno};
        (void)!::write(report, &said, sizeof said);
    }
    ::_exit(0);
}

// The end of what MAME wrote, from its first whole line on when the start
// was cut.
QString OutputText(QByteArray text, bool cut)
{
    if (cut)
        text.remove(0, text.indexOf('\n') + 1);
    return QString::fromLocal8Bit(text).trimmed();
}

} // namespace

QList<QByteArray> MameArguments(const QString& image)
{
    QByteArray cart = QFile::encodeName(image);
    while (cart.startsWith("./"))
        cart.remove(0, 2);
    return {"arcadia", "-window", "-skip_gameinfo", "-cart", storage::AbsoluteName(cart)};
}

MameLaunch::MameLaunch() : QObject(QCoreApplication::instance()) {}

MameLaunch::~MameLaunch()
{
    if (report_ >= 0)
        ::close(report_);
}

MameLaunch* MameLaunch::Start(const QString& image)
{
    auto* launch = new MameLaunch;
    launch->Begin(image);
    return launch;
}

void MameLaunch::Begin(const QString& image)
{
    const QByteArray named = qgetenv(kMameVariable);
    const QByteArray program = FindProgram(named.isEmpty() ? QByteArray("mame") : named);
    program_ = QFile::decodeName(program);
    if (program.isEmpty())
        return Finish({false, NotFound(QFile::decodeName(named)), {}});

    // All that the children use is made before the fork.
    QList<QByteArray> words{program};
    words += MameArguments(image);
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int nullDevice = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    int errors[2] = {-1, -1}, ends[2] = {-1, -1};
    const bool ready = nullDevice >= 0 && ::pipe2(errors, O_CLOEXEC) == 0 && ::pipe2(ends, O_CLOEXEC) == 0;
    const pid_t first = ready ? ::fork() : -1;
    if (first == 0)
        StartSession(argv.data(), nullDevice, errors, ends[1]);
    const int error = errno;
    for (const int fd : {nullDevice, errors[0], errors[1], ends[1]})
        if (fd >= 0)
            ::close(fd);
    report_ = ends[0];
    if (first < 0)
        return Finish({false, QStringLiteral("cannot start a process for MAME: %1").arg(SystemText(error)), {}});
    // It forks the drainer and ends at once.
    while (::waitpid(first, nullptr, 0) < 0 && errno == EINTR) {
    }
    ::fcntl(report_, F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(report_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MameLaunch::ReadReport);
}

void MameLaunch::ReadReport()
{
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(report_, buffer, sizeof buffer)) > 0 && received_.size() < qsizetype(2 * sizeof(Report) + kShownOutput))
        received_.append(buffer, n);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The drainer has closed its end: it has said all it will.
    notifier_->setEnabled(false);
    ::close(report_);
    report_ = -1;

    LaunchResult result{false, QStringLiteral("the process that starts MAME ended without a word; %1").arg(kPackage), {}};
    for (qsizetype at = 0; at + qsizetype(sizeof(Report)) <= received_.size();) {
        Report said{};
        std::memcpy(&said, received_.constData() + at, sizeof said);
        at += qsizetype(sizeof said);
        const QByteArray tail = received_.mid(at, std::clamp(said.Tail, 0, kShownOutput));
        at += tail.size();
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
        if (!result.Started)
            result.Output = OutputText(tail, said.Cut != 0);
    }
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
