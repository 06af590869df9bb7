#include "storage/storage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "cartridge/cartridge.h"
#include "project/eap_lines.h"
#include "project/eap_writer.h"

namespace tw::storage {
namespace {

Outcome Failure(const QString& reason, int line = 0) { return {false, reason, line}; }

Outcome WriteAtomically(const QString& path, const char* data, qint64 size)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(file.errorString());
    if (file.write(data, size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(reason);
    }
    if (!file.commit())
        return Failure(file.errorString());
    return {};
}

} // namespace

ReadOutcome ReadProject(const QString& path)
{
    ReadOutcome outcome;
    const auto fail = [&](const QString& reason, int line = 0) {
        static_cast<Outcome&>(outcome) = Failure(reason, line);
        return outcome;
    };
    if (QFileInfo(path).isDir())
        return fail(QStringLiteral("Is a directory"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray bytes = file.read(kMaxProjectFileBytes + 1);
    if (bytes.isNull() && file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    const bool truncated = bytes.size() > kMaxProjectFileBytes;
    const std::string_view data(bytes.constData(), static_cast<std::size_t>(bytes.size() - (truncated ? 1 : 0)));
    const ReadResult result = ReadProjectFile(data);
    if (!result.Record) {
        // An error at or after the line the cut fell in is about the cut.
        const int cutLine = truncated ? CountLines(data) : 0;
        if (truncated && result.Error.Line >= cutLine)
            return fail(QStringLiteral("line %1 does not end within the first %2 bytes of the file")
                            .arg(cutLine)
                            .arg(kMaxProjectFileBytes),
                        cutLine);
        return fail(QString::fromStdString(result.Error.Reason), result.Error.Line);
    }
    outcome.Record = *result.Record;
    return outcome;
}

Outcome LoadProject(const QString& path, SpriteProject& project)
{
    const ReadOutcome read = ReadProject(path);
    if (read.Ok)
        ApplyProjectRecord(project, read.Record, path.toStdString(), FileTitle(path).toStdString());
    return read;
}

Outcome SaveProject(const QString& path, const SpriteProject& project)
{
    const std::string bytes = ProjectFileBytes(project);
    return WriteAtomically(path, bytes.data(), static_cast<qint64>(bytes.size()));
}

Outcome WriteCartridgeImage(const QString& path, const SpriteProject& project)
{
    const CartridgeImage image = BuildCartridgeImage(project);
    return WriteAtomically(path, reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
}

QString FileTitle(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace tw::storage
