#pragma once

// Names of files as the system knows them: bytes, which Qt's QString must
// never spell anew.

#include <QByteArray>
#include <QString>

#include <string_view>

namespace tw::storage {

// Qt takes file names from the system as UTF-8; a name that is not cannot be
// turned back into the bytes that name the file, so it is refused with this
// reason rather than reported missing or written under another name.
inline const QString kNameNotUtf8 = QStringLiteral("the file name is not valid UTF-8");
bool IsUtf8FileName(const QByteArray& name);

// `name` made absolute from the current folder's own bytes (getcwd), never
// from a name Qt decoded: a folder whose name is not UTF-8 stays what it is.
// Relative still when the current folder is gone.
QByteArray AbsoluteName(const QByteArray& name);

// For a file to keep by its name (the project file): `path` made absolute
// and cleaned where the whole absolute name is UTF-8, else `path` as it is,
// relative, which the system still finds from the current folder.
QString AbsolutePath(const QString& path);

// The system's reason for a failure on `path`: a name lost in Qt's decoding
// is told as such, not as a missing file.
QString SystemReason(int error, const QString& path);

// True when `path` holds a name that Qt decoded with U+FFFD for bytes that
// are not UTF-8 and that stands in its folder.
bool NameLostInDecoding(const QString& path);

// The name a file has or would have, as bytes: the canonical name of its
// folder, where that exists, and its own.
QByteArray ResolvedName(const QByteArray& name);

// The file that writing to `name` would replace, named as the system would
// find it: symbolic links followed, to a file not made yet too.
QByteArray FinalName(QByteArray name);

// The folder a file of that name is in, as the system would find it.
QByteArray FolderOf(const QByteArray& name);

// The file beside `path` with its suffix, if it has one, replaced by
// `suffix` (ship.eap and ".bin" give ship.bin), in the bytes that name it.
QString NameBeside(const QString& path, std::string_view suffix);

// Whether two names name the same file: the same device and inode after
// following links where both exist, else the same cleaned absolute name.
bool IsSameFile(const QString& a, const QString& b);

// Whether the name is taken: by a file of any kind, or by a symbolic link,
// also one that leads nowhere (writing there would make its target).
bool IsThere(const QString& path);

} // namespace tw::storage
