#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QString>

#include <string>

#include "model/sprite_project.h"

namespace tw::test {

// A 13-line project file: screen Blue; Ship in Yellow, Alien in Green, two
// untouched sprites. 298 bytes.
inline const std::string kWorkedExample =
    ";Screen-Blue-1\r\n"
    "Ship:\r\n"
    ";Yellow-6\r\n"
    "      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\r\n"
    "Alien:\r\n"
    ";Green-4\r\n"
    "      db          81h,42h,3Ch,5Ah,7Eh,24h,42h,81h\r\n"
    "Sprite3:\r\n"
    ";White-7\r\n"
    "      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
    "Sprite4:\r\n"
    ";White-7\r\n"
    "      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n";

inline const std::string kNewProjectFile =
    ";Screen-Black-0\r\n"
    "Sprite1:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
    "Sprite2:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
    "Sprite3:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
    "Sprite4:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n";

// Builds the worked example the way a user does: pick colours, type names,
// click blocks.
inline SpriteProject WorkedExampleByEditing()
{
    SpriteProject project;
    const unsigned char ship[8] = {0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18};
    const unsigned char alien[8] = {0x81, 0x42, 0x3C, 0x5A, 0x7E, 0x24, 0x42, 0x81};
    project.SelectColor(1);
    project.ApplyScreenColor();
    project.SelectColor(6);
    project.ApplySpriteColor(0);
    project.SelectColor(4);
    project.ApplySpriteColor(1);
    project.RenameSprite(0, "Ship");
    project.RenameSprite(1, "Alien");
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            if (ship[r] & (0x80 >> c))
                project.ClickBlock(0, r * 8 + c);
            if (alien[r] & (0x80 >> c))
                project.ClickBlock(1, r * 8 + c);
        }
    return project;
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

#ifdef TILEWRIGHT_CLI
struct Run {
    int exitCode = -1; // -2: crashed; -1: did not finish
    QString out, err;
};

// Runs tilewright-cli to the end and collects what it printed.
inline Run Cli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TILEWRIGHT_CLI), args);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
#endif

} // namespace tw::test
