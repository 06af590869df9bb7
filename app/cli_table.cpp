// The command table of tilewright-cli, and the usage and help it gives.
#include <QCoreApplication>

#include <algorithm>

#include "cli_commands.h"
#include "console/collisions.h"
#include "emulator/mame_launch.h"
#include "sheet/sheet_layout.h"

namespace tw::cli {
namespace {

using document::FileKind;

const std::vector<FileKind> kProjectFiles{FileKind::Project, FileKind::SideFile};
const std::vector<FileKind> kProjectFilesOrImages{FileKind::Project, FileKind::SideFile, FileKind::CartridgeImage};

const Command kCommands[] = {
    {"check", "FILE.eap", "one file", kProjectFiles, {}, QStringLiteral("load the file; print a summary, or FILE:LINE: reason"), Check},
    {"bin", "FILE.eap [-o IMAGE.bin]", "one project file", kProjectFiles, {},
     QStringLiteral("write the test cartridge image (default: FILE.bin)"), Bin},
    {"resave", "IN.eap OUT.eap", "an input and an output file", kProjectFiles, {},
     QStringLiteral("load IN and save it as the editor would to OUT"), Resave},
    {"lint", "FILE.eap", "one file", kProjectFiles, {},
     QStringLiteral("report, as FILE:LINE: warning: text, what a 2650\nassembler would reject or read differently"), Lint},
    {"png", "FILE.eap -o SHEET.png [--scale N] [--frames]", "one project file", kProjectFiles, {sheet::kMinScale, sheet::kMaxScale},
     QStringLiteral("draw the four sprites side by side on the screen\ncolour, one block of gap around and between them:\n"
                    "(%1*%2+%3)*N x (%4+2)*N pixels, N = %5..%6, default %7;\n"
                    "--frames: every frame, a row of frames a sprite,\n(%8*n+1)*N x %9*N pixels for n frames at most")
         .arg(kSprites)
         .arg(kRowWidth)
         .arg(sheet::kSheetBlocksWide - kSprites * kRowWidth)
         .arg(kRows)
         .arg(sheet::kMinScale)
         .arg(sheet::kMaxScale)
         .arg(sheet::kDefaultScale)
         .arg(sheet::kSheetSpritePitch)
         .arg(sheet::kFrameSheetBlocksHigh),
     Png},
    {"import", "FILE [--at N[,N2,N3,N4]] [-o OUT.eap]", "one image or picture", {FileKind::Picture, FileKind::CartridgeImage}, {},
     QStringLiteral("read the sprites back from a cartridge image (.bin),\nor from a sheet png wrote, or from the four side by\n"
                    "side (%1 x %2) or stacked (%3 x %4), or a whole\nmultiple; write them as a project (default: FILE\nwith .eap); "
                    "--at: sprite k's rows are the 8 bytes\nat offset Nk of any file (N alone: 4 shapes from N)")
         .arg(sheet::kSideBySideWide)
         .arg(sheet::kSideBySideHigh)
         .arg(sheet::kStackedWide)
         .arg(sheet::kStackedHigh),
     Import},
    {"screen", "FILE.eap|FILE.bin -o OUT.png|OUT.gif [--scale N] [--tv SHAPE] [--colours MODEL] [--at T] [--for N]",
     "one project file or image", kProjectFilesOrImages, {1, kMaxScreenScale},
     QStringLiteral("draw the console's screen as the test cartridge shows\nit (%2 x %3 console pixels, N pixels a line, default\n"
                    "%1; SHAPE %4, default the project's TV;\nMODEL mame, the colours MAME shows, or names, the\n"
                    "colours the editor names; default mame), at console\nframe T of the animation (default 0); to a .gif, the\n"
                    "animation from T, looping, N console frames long\n(default one round of it, at most %5 minutes)")
         .arg(kDefaultScreenScale)
         .arg(kScreenWidth)
         .arg(kScreenLines)
         .arg(QString::fromStdString(NamesInWords(kPixelShapeNames)))
         .arg(sheet::kMaxAnimationSeconds / 60),
     Screen},
    {"run", "FILE.eap|FILE.bin", "one project file or image", kProjectFilesOrImages, {},
     QStringLiteral("write the image as bin does (or take FILE.bin), then\nstart MAME's arcadia driver on it in a window"), Run},
    {"collisions", "FILE.eap|FILE.bin [--at T]", "one project file or image", kProjectFilesOrImages, {},
     QStringLiteral("print the bytes the collision registers 0x%1 and\n0x%2 hold at console frame T of the animation\n"
                    "(default 0), then each sprite that touches\ncharacters and each pair of sprites that touch, or\nnothing touches")
         .arg(QString::number(kCharacterCollisionRegister, 16).toUpper(), QString::number(kPairCollisionRegister, 16).toUpper()),
     Collisions},
    {"shapes", "FILE -o SHEET.png [--offset N] [--count K] [--scale S]", "one file", {FileKind::CartridgeImage},
     {sheet::kMinScale, sheet::kMaxScale},
     QStringLiteral("draw the bytes of any file from offset N (default 0)\nas 8 x 8 shapes, 8 bytes each, bit 7 the left pixel,\n"
                    "%1 a row: row r starts at N + %2r; K shapes\n(default and at most what the file holds, up to %3);\n"
                    "S pixels a pixel, default %4")
         .arg(kShapesPerRow)
         .arg(kShapeRowBytes)
         .arg(sheet::kMaxSheetShapes)
         .arg(sheet::kDefaultShapesScale),
     Shapes},
    {"export", "FILE.eap --as FORM [-o OUT]", "one project file or image", kProjectFilesOrImages, {},
     QStringLiteral("write the sprites, frames and scene for other tools\n(default: to standard output), FORM %1:\n"
                    "db lines, db lines of binary items, C arrays, or\nthe bytes alone")
         .arg(QString::fromStdString(NamesInWords(kExportFormNames))),
     Export},
};

} // namespace

QStringList Command::Words() const { return QString::fromLatin1(Synopsis).remove(u'[').remove(u']').split(u' '); }

qsizetype Command::FileCount() const
{
    const QStringList words = Words();
    return std::find_if(words.begin(), words.end(), [](const QString& word) { return word.startsWith(u'-'); }) - words.begin();
}

bool Command::Takes(const QString& option) const { return Words().contains(option); }

QString Command::Argument(const QString& option) const
{
    const QStringList words = Words();
    const qsizetype at = words.indexOf(option);
    return at >= 0 && at + 1 < words.size() ? words[at + 1] : QString();
}

QString Command::Needs(const QString& option) const
{
    const QStringList words = QString::fromLatin1(Synopsis).split(u' ');
    const qsizetype at = words.indexOf(option);
    return at >= 0 && at + 1 < words.size() ? words[at + 1] : QString();
}

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(const QString& name)
{
    for (const Command& command : kCommands)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

QString CommandNames(const QString& lastJoin, const QString& option)
{
    QStringList names;
    for (const Command& command : kCommands)
        if (option.isEmpty() || command.Takes(option))
            names << QLatin1String(command.Name);
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + lastJoin + last;
}

QString UsageText()
{
    // Every command with its arguments, in lines of at most 90 columns.
    QStringList lines{QStringLiteral("Usage: tilewright-cli")};
    for (const Command& command : kCommands) {
        const QString part = QLatin1String(command.Name) + u' ' + QLatin1String(command.Synopsis);
        if (&command == kCommands)
            lines.last() += u' ' + part;
        else if (lines.last().size() + 3 + part.size() > 90)
            lines << QStringLiteral("       | ") + part;
        else
            lines.last() += QStringLiteral(" | ") + part;
    }
    return lines.join(u'\n');
}

QString HelpText()
{
    constexpr qsizetype kIndent = 30;
    const QString indent(kIndent, u' ');
    QString text = QStringLiteral("Checks Tilewright project files (.eap) and builds their test cartridge images.\n\nCommands:\n");
    for (const Command& command : kCommands) {
        const QString left = QStringLiteral("  %1 %2").arg(QLatin1String(command.Name), QLatin1String(command.Synopsis));
        text += left.size() < kIndent ? left.leftJustified(kIndent) : left + u'\n' + indent;
        text += QString(command.Usage).replace(u'\n', u'\n' + indent) + u'\n';
    }
    return text + QStringLiteral("\nExit status: 0 success, 1 the file cannot be loaded or written, 2 wrong arguments,\n"
                                 "3 MAME cannot be started (run only).\n"
                                 "lint: 0 clean, 1 warnings, 2 the file cannot be loaded or wrong arguments.\n"
                                 "run starts the program that %1 names, else the mame on PATH.")
                      .arg(QLatin1String(emulator::kMameVariable));
}

} // namespace tw::cli
