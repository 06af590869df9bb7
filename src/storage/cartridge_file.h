#pragma once

#include <QString>

#include "storage/storage.h"

namespace tw::storage {

// Reads a test cartridge image back into the project it shows (the names
// those of a new project). Read as every file is, so a FIFO or a folder is
// refused before it is opened; a file that is no test cartridge image is
// refused with the offset of its first wrong byte.
ReadOutcome ReadCartridgeFile(const QString& path);

// A project file that cannot be read may be a cartridge image under a
// project's name: then that is the reason given for `failure`.
Outcome ExplainUnreadableProject(const QString& path, const Outcome& failure);

} // namespace tw::storage
