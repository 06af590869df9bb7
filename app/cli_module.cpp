// Loading tilewright-cli's picture module, for the commands that need it.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "cli_output.h"
#include "cli_picture.h"
#include "reason.h"

namespace tw::cli {

const sheet::PictureCode* OpenPictureModule()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(kPictureModuleName);
    const QString installed = QStringLiteral(TILEWRIGHT_PICTURE_MODULE_DIR "/") + name;
    const QStringList candidates = {programFolder.filePath(name), QDir::cleanPath(programFolder.filePath(installed))};
    QString problem = QStringLiteral("cannot find the picture module %1").arg(candidates.join(QStringLiteral(" or ")));
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path); // stays loaded for the rest of the process
        if (const auto entry = reinterpret_cast<PictureModuleEntry>(module.resolve(kPictureModuleEntry)))
            return entry();
        problem = app::AsReason(module.errorString());
        break;
    }
    Err() << "tilewright-cli: " << problem << "\n";
    Err().flush();
    return nullptr;
}

} // namespace tw::cli
