#include "document/file_kinds.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

#include "project/side_file.h"
#include "storage/cartridge_file.h"
#include "storage/file_names.h"
#include "storage/project_pair.h"

namespace tw::document {
namespace {

storage::Outcome Refused(const QString& reason) { return {false, reason, 0}; }

storage::MadeFrom From(FileKind written, const WriteOptions& options)
{
    return MadeFromFile(options.Source, options.SourceKind, InfoOf(written).WrittenNoun);
}

storage::ReadOutcome ReadProject(const QString& path, const sheet::PictureCode*) { return storage::ReadProjectPair(path); }

storage::ReadOutcome ReadSideFile(const QString& path, const sheet::PictureCode*) { return storage::ReadProjectPair(ProjectFileFor(path, FileKind::SideFile)); }

storage::ReadOutcome ReadImage(const QString& path, const sheet::PictureCode*) { return storage::ReadCartridgeFile(path); }

storage::ReadOutcome ReadPicture(const QString& path, const sheet::PictureCode* pictures)
{
    if (pictures)
        return pictures->Read(path);
    storage::ReadOutcome refused;
    static_cast<storage::Outcome&>(refused) = Refused(QStringLiteral("pictures cannot be read here"));
    return refused;
}

storage::Outcome WriteProject(const QString& path, const SpriteProject& project, const WriteOptions& options)
{
    return storage::SaveProjectPair(path, project, From(FileKind::Project, options));
}

storage::Outcome WriteSideFile(const QString& path, const SpriteProject& project, const WriteOptions& options)
{
    return WriteProject(ProjectFileFor(path, FileKind::SideFile), project, options);
}

storage::Outcome WriteImage(const QString& path, const SpriteProject& project, const WriteOptions& options)
{
    return storage::WriteCartridgeImage(path, project, From(FileKind::CartridgeImage, options));
}

storage::Outcome WritePicture(const QString& path, const SpriteProject& project, const WriteOptions& options)
{
    return options.Pictures ? options.Pictures->WriteSheet(path, project, options.Sheet, From(FileKind::Picture, options))
                            : Refused(QStringLiteral("pictures cannot be written here"));
}

// Indexed by FileKind.
const std::array<FileKindInfo, 4> kKinds{{
    {FileKind::Project, QStringLiteral("project"), QStringLiteral("project"), {QStringLiteral("eap")},
     QStringLiteral("Emerson Arcadia Project (*.eap)"), true, &ReadProject, &WriteProject},
    {FileKind::CartridgeImage, QStringLiteral("image"), QStringLiteral("image"), {QStringLiteral("bin")},
     QStringLiteral("Test cartridge image (*.bin)"), false, &ReadImage, &WriteImage},
    // Named as the picture formats are that a paint program might leave; import
    // itself judges a picture by its bytes.
    {FileKind::Picture, QStringLiteral("picture"), QStringLiteral("sheet"),
     {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("pbm"), QStringLiteral("pgm"),
      QStringLiteral("ppm"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("ico"), QStringLiteral("cur"),
      QStringLiteral("xbm"), QStringLiteral("xpm")},
     QString(), false, &ReadPicture, &WritePicture},
    {FileKind::SideFile, QStringLiteral("side file"), QStringLiteral("side file"), {QString::fromLatin1(kSideFileSuffix.substr(1))}, QString(),
     true, &ReadSideFile, &WriteSideFile},
}};

} // namespace

const FileKindInfo& InfoOf(FileKind kind) { return kKinds.at(std::size_t(kind)); }

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

FileKind KindOf(const QString& path, std::initializer_list<FileKind> taken)
{
    const std::optional<FileKind> named = NamedKind(path);
    return named && std::find(taken.begin(), taken.end(), *named) != taken.end() ? *named : *taken.begin();
}

QString Beside(const QString& path, FileKind kind) { return storage::NameBeside(path, '.' + InfoOf(kind).Suffixes.first().toStdString()); }

QString ProjectFileFor(const QString& path, FileKind kind)
{
    switch (kind) {
    case FileKind::Project: return path;
    case FileKind::SideFile: return path.chopped(QFileInfo(path).suffix().size() + 1); // ship.eap.asm: ship.eap
    default: return Beside(path, FileKind::Project);
    }
}

storage::MadeFrom MadeFromFile(const QString& source, FileKind kind, const QString& written)
{
    // A project read from its files is made from both of them.
    if (source.isEmpty() || !InfoOf(kind).OpensAsProjectFile)
        return {source, written, InfoOf(kind).ReadNoun, {}};
    const QString project = ProjectFileFor(source, kind);
    return {project, written, InfoOf(FileKind::Project).ReadNoun, storage::SideFileOf(project)};
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
