#include "cli_output.h"

#include <QIODevice>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "cli_commands.h"
#include "exit_status.h"
#include "reason.h"

namespace tw::cli {

QTextStream& Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Err()
{
    static QTextStream stream(stderr);
    return stream;
}

int Report(const QString& path, const storage::Outcome& outcome)
{
    Err() << (outcome.File.isEmpty() ? path : outcome.File) << ":";
    if (outcome.Line > 0)
        Err() << outcome.Line << ":";
    Err() << " " << app::AsReason(outcome.Reason) << "\n";
    Err().flush();
    return app::kFailed;
}

int Usage(const QString& problem)
{
    Err() << "tilewright-cli: " << app::AsReason(problem) << "\n" << UsageText() << "\n";
    Err().flush();
    return app::kUsage;
}

QString Shown(const QString& text)
{
    QString shown;
    for (const QChar c : text)
        shown += c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)
                     ? QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0')
                     : QString(c);
    return shown;
}

namespace {

void CloseStandardOutput()
{
    Out().flush();
    QString problem = Out().status() == QTextStream::Ok ? QString() : Out().device()->errorString();
    errno = 0;
    if (problem.isEmpty() && (std::fflush(stdout) != 0 || std::ferror(stdout) || (std::fclose(stdout) != 0 && errno != EBADF)))
        problem = errno ? qt_error_string(errno) : QStringLiteral("write error"); // EBADF: none, and nothing for it
    if (problem.isEmpty())
        return;
    std::fprintf(stderr, "tilewright-cli: standard output: %s\n", qPrintable(app::AsReason(problem)));
    std::_Exit(app::kFailed);
}

} // namespace

void FailWritesWithAReason()
{
    // The output stream is made first, so that it is still there when the
    // check runs.
    std::signal(SIGXFSZ, SIG_IGN);
    Out();
    std::atexit(CloseStandardOutput);
}

} // namespace tw::cli
