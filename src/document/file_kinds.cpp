#include "document/file_kinds.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <filesystem>

#include "project/side_file.h"
#include "storage/cartridge_file.h"

namespace tw::document {
namespace {

const std::array<FileKindInfo, 4> kKinds{{
    {FileKind::Project, QStringLiteral("project"), QStringLiteral("project"), {QStringLiteral("eap")},
     QStringLiteral("Emerson Arcadia Project (*.eap)")},
    {FileKind::CartridgeImage, QStringLiteral("image"), QStringLiteral("image"), {QStringLiteral("bin")},
     QStringLiteral("Test cartridge image (*.bin)")},
    // Named as the picture formats are that a paint program might leave; import
    // itself judges a picture by its bytes.
    {FileKind::Picture, QStringLiteral("picture"), QStringLiteral("sheet"),
     {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("pbm"), QStringLiteral("pgm"),
      QStringLiteral("ppm"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("ico"), QStringLiteral("cur"),
      QStringLiteral("xbm"), QStringLiteral("xpm")},
     QString()},
    {FileKind::SideFile, QStringLiteral("side file"), QStringLiteral("side file"), {QStringLiteral("eap.asm")}, QString()},
}};

storage::ReadOutcome Refused(const QString& reason)
{
    storage::ReadOutcome outcome;
    static_cast<storage::Outcome&>(outcome) = {false, reason, 0};
    return outcome;
}

} // namespace

const FileKindInfo& InfoOf(FileKind kind)
{
    for (const FileKindInfo& info : kKinds)
        if (info.Kind == kind)
            return info;
    return kKinds[0];
}

std::optional<FileKind> NamedKind(const QString& path)
{
    // The longest suffix that fits: a side file's name ends in a project
    // file's suffix and one more.
    const QString name = QFileInfo(path).fileName();
    std::optional<FileKind> kind;
    qsizetype longest = 0;
    for (const FileKindInfo& info : kKinds)
        for (const QString& suffix : info.Suffixes)
            if (suffix.size() > longest && name.size() > suffix.size() + 1 && name.endsWith(u'.' + suffix, Qt::CaseInsensitive))
                kind = info.Kind, longest = suffix.size();
    return kind;
}

FileKind KindOf(const QString& path) { return NamedKind(path).value_or(FileKind::Project); }

QString Beside(const QString& path, FileKind kind)
{
    // In the bytes that name the file, so that a name is never spelt anew.
    std::filesystem::path name(QFile::encodeName(path).toStdString());
    name.replace_extension('.' + InfoOf(kind).Suffixes.first().toStdString());
    return QFile::decodeName(QByteArray::fromStdString(name.string()));
}

QString ProjectFileFor(const QString& path)
{
    switch (KindOf(path)) {
    case FileKind::Project: return path;
    case FileKind::SideFile: return path.chopped(QFileInfo(path).suffix().size() + 1); // ship.eap.asm: ship.eap
    default: return Beside(path, FileKind::Project);
    }
}

namespace {

// Reads the side file of a project file into `read`, when there is one; one
// that cannot be used does not stop the project file from opening.
void ReadSide(const QString& projectFile, storage::ReadOutcome& read)
{
    const QString path = Beside(projectFile, FileKind::SideFile);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return;
    const storage::BytesOutcome file = storage::ReadRegularFile(path, storage::kMaxProjectFileBytes);
    read.SideBytes = file.Bytes;
    if (!file.Ok || file.Truncated) {
        // No side file is near the limit: a longer one is not ours, and
        // reading a part of it would drop frames without a word.
        read.SideProblem = {false, file.Ok ? QStringLiteral("the file is larger than %1 bytes").arg(storage::kMaxProjectFileBytes) : file.Reason, 0, path};
        return;
    }
    const SideFileRead side = ReadSideFile(std::string_view(file.Bytes.constData(), std::size_t(file.Bytes.size())));
    if (side.File)
        ApplySideFile(read.Record, *side.File);
    else
        read.SideProblem = {false, QString::fromStdString(side.Error.Reason), side.Error.Line, path};
}

} // namespace

storage::ReadOutcome Read(const QString& path, FileKind kind, const sheet::PictureCode* pictures)
{
    switch (kind) {
    case FileKind::Project: {
        const storage::BytesOutcome file = storage::ReadRegularFile(path, storage::kMaxProjectFileBytes);
        storage::ReadOutcome read = storage::ReadProject(file);
        static_cast<storage::Outcome&>(read) = storage::ExplainUnreadableProject(path, read);
        read.FileBytes = file.Bytes;
        if (read.Ok)
            ReadSide(path, read);
        return read;
    }
    case FileKind::SideFile:
        return Read(ProjectFileFor(path), FileKind::Project, pictures);
    case FileKind::CartridgeImage:
        return storage::ReadCartridgeFile(path);
    case FileKind::Picture:
        break;
    }
    return pictures ? pictures->Read(path) : Refused(QStringLiteral("pictures cannot be read here"));
}

storage::Outcome Write(const QString& path, FileKind kind, const SpriteProject& project, const Source& source,
                       const sheet::PictureCode* pictures, int scale)
{
    const storage::MadeFrom from{source.Path, InfoOf(kind).WrittenNoun, InfoOf(source.Kind).ReadNoun};
    switch (kind) {
    case FileKind::Project: {
        storage::Outcome saved = storage::SaveProject(path, project, from);
        const QString side = Beside(path, FileKind::SideFile);
        if (saved.Ok && (NeedsSideFile(project) || QFileInfo::exists(side) || QFileInfo(side).isSymLink())) {
            saved = storage::WriteFileAtomically(side, QByteArray::fromStdString(SideFileBytes(project)));
            saved.File = saved.Ok ? QString() : side;
        }
        return saved;
    }
    case FileKind::SideFile:
        return Write(ProjectFileFor(path), FileKind::Project, project, source, pictures, scale);
    case FileKind::CartridgeImage:
        return storage::WriteCartridgeImage(path, project, from);
    case FileKind::Picture:
        break;
    }
    return pictures ? pictures->Write(path, project, scale, from)
                    : storage::Outcome{false, QStringLiteral("pictures cannot be written here"), 0};
}

QStringList LoadFilters()
{
    QStringList filters;
    for (const FileKindInfo& info : kKinds)
        if (!info.Filter.isEmpty())
            filters << info.Filter;
    return filters << QStringLiteral("All files (*)");
}

} // namespace tw::document
