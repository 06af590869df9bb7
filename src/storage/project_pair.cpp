#include "storage/project_pair.h"

#include <QFile>

#include <ctime>
#include <sys/stat.h>

#include "project/eap_writer.h"
#include "project/side_file.h"
#include "storage/cartridge_file.h"
#include "storage/file_names.h"

namespace tw::storage {
namespace {

// The side file is older than its project file: a save that replaced the
// project file and was cut off before the side file, or another program
// that changed the project file since. Tilewright gives both files the same
// time of writing; older versions wrote the side file last.
bool SavedApart(const QString& projectFile, const QString& sideFile)
{
    struct stat project {}, side {};
    if (::stat(QFile::encodeName(projectFile).constData(), &project) != 0 || ::stat(QFile::encodeName(sideFile).constData(), &side) != 0)
        return false;
    const timespec &p = project.st_mtim, &s = side.st_mtim;
    return p.tv_sec > s.tv_sec || (p.tv_sec == s.tv_sec && p.tv_nsec > s.tv_nsec);
}

void ReadSide(const QString& projectFile, ReadOutcome& read)
{
    const QString path = SideFileOf(projectFile);
    if (!IsThere(path))
        return;
    const BytesOutcome file = ReadRegularFile(path, kMaxProjectFileBytes);
    read.SideBytes = file.Bytes;
    if (!file.Ok || file.Truncated) {
        // No side file is near the limit: a longer one is not ours, and
        // reading a part of it would drop frames without a word.
        read.SideProblem = {false, file.Ok ? QStringLiteral("the file is larger than %1 bytes").arg(kMaxProjectFileBytes) : file.Reason, 0, path};
        return;
    }
    SideFileRead side = ReadSideFile(std::string_view(file.Bytes.constData(), std::size_t(file.Bytes.size())));
    if (!side.File) {
        read.SideProblem = {false, QString::fromStdString(side.Error.Reason), side.Error.Line, path};
        return;
    }
    ApplySideFile(read.Record, *side.File);
    read.Side = std::move(side.File);
    if (SavedApart(projectFile, path))
        read.SideWarning = {false,
                            QStringLiteral("the side file is older than its project file: they were not saved together (a save was cut off, or "
                                           "another program changed the project file); its settings and frames are used as they are"),
                            0, path};
}

} // namespace

QString SideFileOf(const QString& projectFile) { return NameBeside(projectFile, kSideFileSuffix); }

ReadOutcome ReadProjectPair(const QString& projectFile)
{
    ReadOutcome read = ReadProject(ReadRegularFile(projectFile, kMaxProjectFileBytes));
    if (!read.Ok) {
        static_cast<Outcome&>(read) = ExplainUnreadableProject(projectFile, read);
        return read;
    }
    ReadSide(projectFile, read);
    return read;
}

bool WritesSideFile(const SpriteProject& project, const QString& projectFile)
{
    return NeedsSideFile(project) || IsThere(SideFileOf(projectFile));
}

SavedPair SaveProjectPair(const QString& projectFile, const SpriteProject& project, const MadeFrom& from, const QString& readFrom)
{
    SavedPair saved;
    const QString side = SideFileOf(projectFile);
    const auto fail = [&](const Outcome& failure, const QString& file) {
        static_cast<Outcome&>(saved) = failure;
        saved.File = file;
        return saved;
    };
    const bool withSide = WritesSideFile(project, projectFile);
    if (withSide) {
        if (IsSameFile(side, projectFile))
            return fail({false, QStringLiteral("the side file would replace the project file it goes with")}, side);
        for (const QString& input : {readFrom, from.Source})
            if (!input.isEmpty() && IsSameFile(side, input))
                return fail({false, QStringLiteral("the side file would replace the project file the project was read from")}, side);
    }
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const QByteArray projectBytes = QByteArray::fromStdString(ProjectFileBytes(project));
    PendingWrite projectWrite(projectFile, projectBytes, from, &now);
    if (!projectWrite.Status().Ok)
        return fail(projectWrite.Status(), {});
    const QByteArray sideBytes = withSide ? QByteArray::fromStdString(SideFileBytes(project)) : QByteArray();
    std::optional<PendingWrite> sideWrite;
    if (withSide && !sideWrite.emplace(side, sideBytes, MadeFrom{}, &now).Status().Ok)
        return fail(sideWrite->Status(), side);
    if (const Outcome committed = projectWrite.Commit(); !committed.Ok)
        return fail(committed, {});
    if (sideWrite)
        if (const Outcome committed = sideWrite->Commit(); !committed.Ok)
            return fail(committed, side);
    saved.Project = projectBytes;
    if (withSide)
        saved.Side = sideBytes;
    return saved;
}

} // namespace tw::storage
