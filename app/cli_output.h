#pragma once

// Where tilewright-cli writes, and how it words what went wrong.

#include <QString>
#include <QTextStream>

#include "storage/storage.h"

namespace tw::cli {

QTextStream& Out();
QTextStream& Err();

// Says what went wrong with a file, as FILE:LINE: reason or FILE: reason;
// kFailed.
int Report(const QString& path, const storage::Outcome& outcome);

// Says what is wrong with the arguments, then the usage; kUsage.
int Usage(const QString& problem);

// Text another program wrote, as check shows a file's bytes: each control
// character as \xNN, so that nothing it holds reaches the terminal raw.
QString Shown(const QString& text);

// Run at exit: output that did not reach standard output (a full disk,
// /dev/full) fails the command like any other write, with its reason; a
// file size limit fails a write with its reason instead of ending the
// process.
void FailWritesWithAReason();

} // namespace tw::cli
