#include "document/file_kinds.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <filesystem>

#include "storage/cartridge_file.h"

namespace tw::document {
namespace {

const std::array<FileKindInfo, 3> kKinds{{
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
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FileKindInfo& info : kKinds)
        if (info.Suffixes.contains(suffix))
            return info.Kind;
    return std::nullopt;
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
    return KindOf(path) == FileKind::Project ? path : Beside(path, FileKind::Project);
}

storage::ReadOutcome Read(const QString& path, FileKind kind, const sheet::PictureCode* pictures)
{
    switch (kind) {
    case FileKind::Project: {
        const storage::BytesOutcome file = storage::ReadRegularFile(path, storage::kMaxProjectFileBytes);
        storage::ReadOutcome read = storage::ReadProject(file);
        static_cast<storage::Outcome&>(read) = storage::ExplainUnreadableProject(path, read);
        read.FileBytes = file.Bytes;
        return read;
    }
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
    case FileKind::Project:
        return storage::SaveProject(path, project, from);
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
