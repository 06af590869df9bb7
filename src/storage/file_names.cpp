#include "storage/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw::storage {
namespace {

// True when `folder` holds an entry whose name is not UTF-8 and that Qt
// decodes as `name`. The system's own listing: QDir leaves such names out.
bool HoldsUndecodableName(const QString& folder, const QString& name)
{
    DIR* listing = ::opendir(QFile::encodeName(folder).constData());
    bool found = false;
    for (const dirent* entry; listing && !found && (entry = ::readdir(listing));)
        found = !IsUtf8FileName(entry->d_name) && QFile::decodeName(entry->d_name) == name;
    if (listing)
        ::closedir(listing);
    return found;
}

} // namespace

bool NameLostInDecoding(const QString& path)
{
    // Encoded again, such a name names nothing, and "No such file" would be
    // wrong about a file that is there. A relative path is walked from the
    // current folder as the system sees it.
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    QString folder = path.startsWith(u'/') ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& part : QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts)) {
        const QFileInfo next(QDir(folder).filePath(part));
        if (!next.exists() && !next.isSymLink())
            return HoldsUndecodableName(folder, part);
        folder = next.filePath();
    }
    return false;
}

QString SystemReason(int error, const QString& path)
{
    return error == ENOENT && NameLostInDecoding(path) ? kNameNotUtf8 : qt_error_string(error);
}

QByteArray ResolvedName(const QByteArray& name)
{
    // A relative name is made absolute from the current folder's own bytes,
    // and ".." is taken as written where the folder is not there to resolve.
    // Latin-1 gives each byte a character of its own, so cleaning cannot
    // change a byte that is not '/' or '.'.
    const QByteArray clean = QDir::cleanPath(QString::fromLatin1(AbsoluteName(name))).toLatin1();
    const qsizetype slash = clean.lastIndexOf('/');
    char* canonical = ::realpath(slash > 0 ? clean.left(slash).constData() : "/", nullptr);
    QByteArray folder = canonical ? QByteArray(canonical) : clean.left(slash);
    std::free(canonical);
    if (folder.endsWith('/'))
        folder.chop(1);
    return folder + clean.mid(slash);
}

QByteArray FinalName(QByteArray name)
{
    // A relative target is followed from the link's own folder; a relative
    // name stays relative: the system resolves it in the current folder,
    // whatever bytes name that folder.
    char target[PATH_MAX];
    for (int depth = 0; depth < 40; ++depth) {
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        if (length < 0 || length == sizeof target)
            break; // no link (or no file): this is the name
        const QByteArray link(target, length);
        name = link.startsWith('/') ? link : name.left(name.lastIndexOf('/') + 1) + link;
    }
    return name;
}

QByteArray FolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

bool IsUtf8FileName(const QByteArray& name) { return QFile::encodeName(QFile::decodeName(name)) == name; }

QByteArray AbsoluteName(const QByteArray& name)
{
    if (name.startsWith('/'))
        return name;
    char* folder = ::getcwd(nullptr, 0);
    if (!folder)
        return name; // the current folder is gone: the name can only stay relative
    QByteArray absolute = QByteArray(folder) + (name.isEmpty() || std::string_view(folder) == "/" ? "" : "/") + name;
    std::free(folder);
    return absolute;
}

QString AbsolutePath(const QString& path)
{
    const QByteArray absolute = AbsoluteName(QFile::encodeName(path));
    return IsUtf8FileName(absolute) ? QDir::cleanPath(QFile::decodeName(absolute)) : path;
}

QString NameBeside(const QString& path, std::string_view suffix)
{
    std::filesystem::path name(QFile::encodeName(path).toStdString());
    name.replace_extension(std::string(suffix));
    return QFile::decodeName(QByteArray::fromStdString(name.string()));
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat first {}, second {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return ResolvedName(QFile::encodeName(a)) == ResolvedName(QFile::encodeName(b));
}

bool IsThere(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace tw::storage
