#include "storage/cartridge_file.h"

#include "cartridge/cartridge.h"

namespace tw::storage {

ReadOutcome ReadCartridgeFile(const QString& path)
{
    ReadOutcome outcome;
    // One byte more than the longest image holds, to tell a longer file from an image.
    const BytesOutcome file = ReadRegularFile(path, qint64(MaxCartridgeImageBytes()) + 1);
    if (!file.Ok) {
        static_cast<Outcome&>(outcome) = file;
        return outcome;
    }
    const ImageReadResult read = ReadCartridgeImage(std::string_view(file.Bytes.constData(), std::size_t(file.Bytes.size())));
    if (!read.Record)
        static_cast<Outcome&>(outcome) = {false, QString::fromStdString(read.Error), 0};
    else
        outcome.Record = *read.Record;
    return outcome;
}

Outcome ExplainUnreadableProject(const QString& path, const Outcome& failure)
{
    if (failure.Ok || !ReadCartridgeFile(path).Ok)
        return failure;
    return {false, QStringLiteral("the file is a test cartridge image, not a project file (rename it to .bin to import it)"), 0};
}

} // namespace tw::storage
