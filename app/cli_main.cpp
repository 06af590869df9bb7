// tilewright-cli: the editor's project and cartridge rules for build scripts.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "cli_picture.h"
#include "document/file_kinds.h"
#include "emulator/mame_launch.h"
#include "exit_status.h"
#include "lint/eap_lint.h"
#include "project/latin1.h"
#include "reason.h"
#include "sheet/sheet_layout.h"
#include "storage/storage.h"

namespace {

using namespace tw::app;
using tw::document::FileKind;

QTextStream& Err()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream& Out()
{
    static QTextStream stream(stdout);
    return stream;
}

int Usage(const QString& problem);

// Says what went wrong with a file, as FILE:LINE: reason or FILE: reason.
int Report(const QString& path, const tw::storage::Outcome& outcome)
{
    Err() << (outcome.File.isEmpty() ? path : outcome.File) << ":";
    if (outcome.Line > 0)
        Err() << outcome.Line << ":";
    Err() << " " << tw::app::AsReason(outcome.Reason) << "\n";
    Err().flush();
    return kFailed;
}

// Loads a project file the way the editor's Load Project does, with its side
// file, or says why it cannot. A side file that cannot be used fails the
// command: what a build makes would not be what the editor shows.
bool Load(const QString& path, tw::SpriteProject& project, FileKind kind = FileKind::Project)
{
    const tw::storage::ReadOutcome read = tw::document::Read(path, kind);
    if (!read.Ok)
        return Report(path, read), false;
    if (!read.SideProblem.Ok)
        return Report(path, read.SideProblem), false;
    tw::ApplyProjectRecord(project, read.Record, kind == FileKind::Project ? path.toStdString() : std::string());
    return true;
}

// The png and import commands' picture code, from its module: beside the
// program (a build folder), else where it is installed. Null, after saying
// why, if it cannot be loaded.
const tw::sheet::PictureCode* OpenPictureModule()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(tw::cli::kPictureModuleName);
    const QString installed = QStringLiteral(TILEWRIGHT_PICTURE_MODULE_DIR "/") + name;
    const QStringList candidates = {programFolder.filePath(name), QDir::cleanPath(programFolder.filePath(installed))};
    QString problem = QStringLiteral("cannot find the picture module %1").arg(candidates.join(QStringLiteral(" or ")));
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path); // stays loaded for the rest of the process
        if (const auto entry = reinterpret_cast<tw::cli::PictureModuleEntry>(module.resolve(tw::cli::kPictureModuleEntry)))
            return entry();
        problem = tw::app::AsReason(module.errorString());
        break;
    }
    Err() << "tilewright-cli: " << problem << "\n";
    Err().flush();
    return nullptr;
}

QString Describe(const tw::SpriteProject& project)
{
    const auto color = [](int code) {
        return QStringLiteral("%1 (%2)").arg(QString::fromStdString(tw::Palette()[code].ColorName)).arg(tw::Palette()[code].ColorCode);
    };
    QString text = QStringLiteral("screen %1;").arg(color(project.ScreenBGndColor));
    for (int k = 0; k < tw::kSprites; ++k)
        text += QStringLiteral(" %1: %2%3")
                    .arg(QString::fromStdString(tw::ShownChars(tw::Utf8ToLatin1(project.Sprites[k].Name))), color(project.SpriteFGndColor[k]),
                         k + 1 < tw::kSprites ? QStringLiteral(",") : QString());
    return text;
}

// What a command is given: as many files as its arguments name, and the
// options they allow.
struct Call {
    QStringList Files;
    std::optional<QString> Output; // -o
    std::optional<QString> Scale;  // --scale, as typed
    std::optional<QString> Tv;     // --tv
    std::optional<QString> Colours; // --colours
    std::optional<QString> At;     // --at
    bool Frames = false;           // --frames
};

// What a side file holds, as check reports it: the settings, and each
// sprite's frames and the console frames they take, all of them once.
QString DescribeSideFile(const tw::SpriteProject& project)
{
    QStringList lines, frames, times;
    for (int k = 0; k < tw::kSprites; ++k) {
        lines << QString::number(project.Console.SpriteLines[k]);
        frames << QString::number(project.Sprites[k].Frames());
        times << QString::number(project.Sprites[k].TotalTime());
    }
    const QString separator = QStringLiteral(", ");
    return QStringLiteral("TV %1; sprite lines %2; frames %3; console frames a round %4")
        .arg(project.Console.Tv == tw::TvSystem::Pal ? QStringLiteral("PAL") : QStringLiteral("NTSC"), lines.join(separator),
             frames.join(separator), times.join(separator));
}

int Check(const Call& call)
{
    tw::SpriteProject project;
    if (!Load(call.Files[0], project))
        return kFailed;
    Out() << call.Files[0] << ": " << Describe(project) << "\n";
    if (const QString side = tw::document::Beside(call.Files[0], FileKind::SideFile); QFileInfo::exists(side))
        Out() << side << ": " << DescribeSideFile(project) << "\n";
    return kOk;
}

// The console's screen as the project's test cartridge shows it, as a
// picture: every console pixel a block of `--scale` rows, as wide as the TV
// makes it.
int Screen(const Call& call)
{
    if (!call.Output)
        return Usage(QStringLiteral("screen needs -o OUT.png"));
    int scale = tw::kDefaultScreenScale;
    if (call.Scale) {
        bool ok = false;
        scale = call.Scale->toInt(&ok);
        if (!ok || scale < 1 || scale > tw::kMaxScreenScale)
            return Usage(QStringLiteral("--scale must be a whole number from 1 to %1 for screen").arg(tw::kMaxScreenScale));
    }
    static const QStringList kShapes{QStringLiteral("ntsc"), QStringLiteral("pal"), QStringLiteral("square")};
    static const QStringList kModels{QStringLiteral("mame"), QStringLiteral("names")};
    if (call.Tv && !kShapes.contains(*call.Tv))
        return Usage(QStringLiteral("--tv must be ntsc, pal or square"));
    if (call.Colours && !kModels.contains(*call.Colours))
        return Usage(QStringLiteral("--colours must be mame or names"));
    bool atOk = true;
    const long long at = call.At ? call.At->toLongLong(&atOk) : 0;
    if (!atOk || at < 0)
        return Usage(QStringLiteral("--at must be a console frame, a whole number from 0"));
    const tw::sheet::PictureCode* module = OpenPictureModule();
    if (!module)
        return kFailed;
    const QString& file = call.Files[0];
    const FileKind kind = tw::document::KindOf(file) == FileKind::CartridgeImage ? FileKind::CartridgeImage : FileKind::Project;
    tw::SpriteProject project;
    if (!Load(file, project, kind))
        return kFailed;
    const tw::PixelShape shape = call.Tv ? tw::PixelShape(kShapes.indexOf(*call.Tv)) : tw::TvShape(project.Console.Tv);
    const tw::ColourModel model = call.Colours == QStringLiteral("names") ? tw::ColourModel::Names : tw::ColourModel::Mame;
    const tw::storage::Outcome written = module->WriteScreen(*call.Output, tw::RenderConsoleScreen(tw::ShownAt(project, {at}), model), {scale, shape},
                                                             {file, QStringLiteral("picture"), tw::document::InfoOf(kind).ReadNoun});
    return written.Ok ? kOk : Report(*call.Output, written);
}

// Writes the cartridge image of a project file, as the editor's Create Binary
// does, to `image` or beside the file.
int WriteImage(const QString& path, const std::optional<QString>& image)
{
    tw::SpriteProject project;
    if (!Load(path, project))
        return kFailed;
    const QString target = image.value_or(tw::document::Beside(path, FileKind::CartridgeImage));
    const tw::storage::Outcome written = tw::document::Write(target, FileKind::CartridgeImage, project, {path, FileKind::Project});
    return written.Ok ? kOk : Report(target, written);
}

int Bin(const Call& call) { return WriteImage(call.Files[0], call.Output); }

// MAME on the image of a project file, written as bin writes it, or on an
// image that is there, once it is seen to be a test cartridge image.
int Run(const Call& call)
{
    const QString& file = call.Files[0];
    const bool given = tw::document::KindOf(file) == FileKind::CartridgeImage;
    const QString image = given ? file : tw::document::Beside(file, FileKind::CartridgeImage);
    if (given) {
        if (const tw::storage::ReadOutcome read = tw::document::Read(file, FileKind::CartridgeImage); !read.Ok)
            return Report(file, read);
    } else if (const int written = WriteImage(file, image); written != kOk) {
        return written;
    }
    const tw::emulator::LaunchResult launched = tw::emulator::RunMame(image);
    if (launched.Started)
        return kOk;
    Err() << "tilewright-cli: cannot run MAME: " << launched.Reason << "\n";
    for (const QString& line : launched.Output.split(u'\n', Qt::SkipEmptyParts))
        Err() << "  " << line << "\n";
    Err().flush();
    return kNoMame;
}

int Resave(const Call& call)
{
    tw::SpriteProject project;
    if (!Load(call.Files[0], project))
        return kFailed;
    const tw::storage::Outcome saved = tw::document::Write(call.Files[1], FileKind::Project, project);
    return saved.Ok ? kOk : Report(call.Files[1], saved);
}

// Reads the file and its side file once, as the editor would, then judges
// them as assembler source. The exit status keeps 1 for "warnings found", so
// an unloadable file gets 2.
int Lint(const Call& call)
{
    const QString& path = call.Files[0];
    const tw::storage::ReadOutcome read = tw::document::Read(path, FileKind::Project);
    if (!read.Ok || !read.SideProblem.Ok) {
        Report(path, read.Ok ? read.SideProblem : read);
        return kUsage;
    }
    const auto view = [](const QByteArray& bytes) { return std::string_view(bytes.constData(), std::size_t(bytes.size())); };
    const auto print = [](const QString& file, const std::vector<tw::LintWarning>& warnings) {
        for (const tw::LintWarning& warning : warnings)
            Out() << file << ":" << warning.Line << ": warning: " << QString::fromStdString(warning.Text) << "\n";
    };
    const tw::SideFileRead sideFile = read.SideBytes ? tw::ReadSideFile(view(*read.SideBytes)) : tw::SideFileRead{};
    const std::vector<tw::LintWarning> warnings = tw::LintProject(view(read.FileBytes), read.Record, sideFile.File ? &*sideFile.File : nullptr);
    const std::vector<tw::LintWarning> side = sideFile.File ? tw::LintSideFile(view(*read.SideBytes), *sideFile.File) : std::vector<tw::LintWarning>();
    print(path, warnings);
    print(tw::document::Beside(path, FileKind::SideFile), side);
    Out().flush();
    return warnings.empty() && side.empty() ? kOk : kFailed;
}

int Png(const Call& call)
{
    if (!call.Output)
        return Usage(QStringLiteral("png needs -o SHEET.png"));
    const tw::sheet::PictureCode* module = OpenPictureModule();
    if (!module)
        return kFailed;
    int scale = tw::sheet::kDefaultScale;
    if (call.Scale) {
        bool ok = false;
        scale = call.Scale->toInt(&ok);
        if (!ok || scale < tw::sheet::kMinScale || scale > tw::sheet::kMaxScale)
            return Usage(QStringLiteral("--scale must be a whole number from %1 to %2").arg(tw::sheet::kMinScale).arg(tw::sheet::kMaxScale));
    }
    tw::SpriteProject project;
    if (!Load(call.Files[0], project))
        return kFailed;
    // The frames sheet is the same kind of file, drawn by another writer.
    tw::sheet::PictureCode frames = *module;
    frames.Write = module->WriteFrames;
    const tw::storage::Outcome written = tw::document::Write(*call.Output, FileKind::Picture, project, {call.Files[0], FileKind::Project},
                                                             call.Frames ? &frames : module, scale);
    return written.Ok ? kOk : Report(*call.Output, written);
}

// Anything but a cartridge image is read as a picture; an image needs no
// picture module.
int Import(const Call& call)
{
    const QString& input = call.Files[0];
    const FileKind kind = tw::document::KindOf(input) == FileKind::CartridgeImage ? FileKind::CartridgeImage : FileKind::Picture;
    const tw::sheet::PictureCode* module = kind == FileKind::Picture ? OpenPictureModule() : nullptr;
    if (kind == FileKind::Picture && !module)
        return kFailed;
    const QString output = call.Output.value_or(tw::document::Beside(input, FileKind::Project));
    const tw::storage::ReadOutcome read = tw::document::Read(input, kind, module);
    if (!read.Ok)
        return Report(input, read);
    // The name was not asked for: ship.eap beside ship.bin is most likely the
    // project the image was made from, with the names an import cannot know.
    if (!call.Output && QFileInfo::exists(output))
        return Report(output, {false, QStringLiteral("the file is there already; give -o to write over it"), 0});
    tw::SpriteProject project;
    tw::ApplyProjectRecord(project, read.Record, {});
    const tw::storage::Outcome saved = tw::document::Write(output, FileKind::Project, project, {input, kind});
    return saved.Ok ? kOk : Report(output, saved);
}

// The files a command takes and the options it allows, as its usage shows
// them, files first ("FILE.eap [-o IMAGE.bin]"); and the files in words, for
// a wrong number of them.
struct CommandArguments {
    const char* Synopsis;
    const char* InWords;
};

struct Command {
    const char* Name;
    CommandArguments Arguments;
    QString Usage; // for --help; its lines after the first are indented there
    int (*Handler)(const Call&);

    // Read off the synopsis, so that the usage cannot say other than what is
    // checked: the files are the words before the first option, and the
    // options allowed are those it names, in brackets or not.
    QStringList Words() const { return QString::fromLatin1(Arguments.Synopsis).remove(u'[').remove(u']').split(u' '); }
    qsizetype FileCount() const
    {
        const QStringList words = Words();
        return std::find_if(words.begin(), words.end(), [](const QString& word) { return word.startsWith(u'-'); }) - words.begin();
    }
    bool Takes(const QString& option) const { return Words().contains(option); }
};

const Command kCommands[] = {
    {"check", {"FILE.eap", "one file"}, QStringLiteral("load the file; print a summary, or FILE:LINE: reason"), Check},
    {"bin", {"FILE.eap [-o IMAGE.bin]", "one project file"}, QStringLiteral("write the test cartridge image (default: FILE.bin)"), Bin},
    {"resave", {"IN.eap OUT.eap", "an input and an output file"}, QStringLiteral("load IN and save it as the editor would to OUT"), Resave},
    {"lint", {"FILE.eap", "one file"},
     QStringLiteral("report, as FILE:LINE: warning: text, what a 2650\nassembler would reject or read differently"), Lint},
    {"png", {"FILE.eap -o SHEET.png [--scale N] [--frames]", "one project file"},
     QStringLiteral("draw the four sprites side by side on the screen\ncolour, one block of gap around and between them:\n"
                    "(%1*%2+%3)*N x (%4+2)*N pixels, N = %5..%6, default %7;\n"
                    "--frames: every frame, a row of frames a sprite,\n(%8*n+1)*N x %9*N pixels for n frames at most")
         .arg(tw::kSprites)
         .arg(tw::kRowWidth)
         .arg(tw::sheet::kSheetBlocksWide - tw::kSprites * tw::kRowWidth)
         .arg(tw::kRows)
         .arg(tw::sheet::kMinScale)
         .arg(tw::sheet::kMaxScale)
         .arg(tw::sheet::kDefaultScale)
         .arg(tw::sheet::kSheetSpritePitch)
         .arg(tw::sheet::kFrameSheetBlocksHigh),
     Png},
    {"import", {"FILE [-o OUT.eap]", "one image or picture"},
     QStringLiteral("read the sprites back from a cartridge image (.bin),\nor from a sheet png wrote, or from the four side by\n"
                    "side (%1 x %2) or stacked (%3 x %4), or a whole\nmultiple; write them as a project (default: FILE\nwith .eap)")
         .arg(tw::sheet::kSideBySideWide)
         .arg(tw::sheet::kSideBySideHigh)
         .arg(tw::sheet::kStackedWide)
         .arg(tw::sheet::kStackedHigh),
     Import},
    {"screen", {"FILE.eap|FILE.bin -o OUT.png [--scale N] [--tv SHAPE] [--colours MODEL] [--at T]", "one project file or image"},
     QStringLiteral("draw the console's screen as the test cartridge shows\nit (%2 x %3 console pixels, N pixels a line, default\n"
                    "%1; SHAPE ntsc, pal or square, default the project's TV;\nMODEL mame, the colours MAME shows, or names, the\n"
                    "colours the editor names; default mame), at console\nframe T of the animation (default 0)")
         .arg(tw::kDefaultScreenScale)
         .arg(tw::kScreenWidth)
         .arg(tw::kScreenLines),
     Screen},
    {"run", {"FILE.eap|FILE.bin", "one project file or image"},
     QStringLiteral("write the image as bin does (or take FILE.bin), then\nstart MAME's arcadia driver on it in a window"), Run},
};

const Command* FindCommand(const QString& name)
{
    for (const Command& command : kCommands)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

// The names of the commands that take `option`, or of all with none, as a
// list: "bin, png and import".
QString CommandNames(const QString& lastJoin, const QString& option = {})
{
    QStringList names;
    for (const Command& command : kCommands)
        if (option.isEmpty() || command.Takes(option))
            names << QLatin1String(command.Name);
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + lastJoin + last;
}

// Every command with its arguments, in lines of at most 90 columns.
QString UsageText()
{
    QStringList lines{QStringLiteral("Usage: tilewright-cli")};
    for (const Command& command : kCommands) {
        const QString part = QLatin1String(command.Name) + u' ' + QLatin1String(command.Arguments.Synopsis);
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
        const QString left = QStringLiteral("  %1 %2").arg(QLatin1String(command.Name), QLatin1String(command.Arguments.Synopsis));
        text += left.size() < kIndent ? left.leftJustified(kIndent) : left + u'\n' + indent;
        text += QString(command.Usage).replace(u'\n', u'\n' + indent) + u'\n';
    }
    return text + QStringLiteral("\nExit status: 0 success, 1 the file cannot be loaded or written, 2 wrong arguments,\n"
                                 "3 MAME cannot be started (run only).\n"
                                 "lint: 0 clean, 1 warnings, 2 the file cannot be loaded or wrong arguments.\n"
                                 "run starts the program that %1 names, else the mame on PATH.")
                      .arg(QLatin1String(tw::emulator::kMameVariable));
}

int Usage(const QString& problem)
{
    Err() << "tilewright-cli: " << tw::app::AsReason(problem) << "\n" << UsageText() << "\n";
    Err().flush();
    return kUsage;
}

// How an option is written on the command line: -o, --scale.
QString Spelt(const QCommandLineOption& option)
{
    const QString name = option.names().first();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Run at exit: output that did not reach standard output (a full disk,
// /dev/full) fails the command like any other write, with its reason.
void CloseStandardOutput()
{
    Out().flush();
    QString problem = Out().status() == QTextStream::Ok ? QString() : Out().device()->errorString();
    errno = 0;
    if (problem.isEmpty() && (std::fflush(stdout) != 0 || std::ferror(stdout) || (std::fclose(stdout) != 0 && errno != EBADF)))
        problem = errno ? qt_error_string(errno) : QStringLiteral("write error"); // EBADF: none, and nothing for it
    if (problem.isEmpty())
        return;
    std::fprintf(stderr, "tilewright-cli: standard output: %s\n", qPrintable(tw::app::AsReason(problem)));
    std::_Exit(kFailed);
}

// A write that fails ends the command with a reason and status 1: a file size
// limit too, which would otherwise end the process with SIGXFSZ. The output
// stream is made first, so that it is still there when the check runs.
void FailWritesWithAReason()
{
    std::signal(SIGXFSZ, SIG_IGN);
    Out();
    std::atexit(CloseStandardOutput);
}

} // namespace

int main(int argc, char* argv[])
{
    FailWritesWithAReason();
    // Qt would read such an argument as another name: a file that is there
    // would be missing, and a new one would be written under the wrong name.
    for (int i = 1; i < argc; ++i)
        if (!tw::storage::IsUtf8FileName(argv[i]))
            return Report(QFile::decodeName(argv[i]), {false, tw::storage::kNameNotUtf8, 0});
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tilewright-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(HelpText());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Image path for bin, sheet path for png, project path for import."), QStringLiteral("FILE"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Pixels per block for png (%1 to %2, default %3), per console line for "
                                                        "screen (1 to %4, default %5).")
                                             .arg(tw::sheet::kMinScale)
                                             .arg(tw::sheet::kMaxScale)
                                             .arg(tw::sheet::kDefaultScale)
                                             .arg(tw::kMaxScreenScale)
                                             .arg(tw::kDefaultScreenScale),
                                         QStringLiteral("N"));
    const QCommandLineOption tvOption(QStringLiteral("tv"), QStringLiteral("The shape of a pixel for screen: ntsc, pal or square."),
                                      QStringLiteral("SHAPE"));
    const QCommandLineOption coloursOption(QStringLiteral("colours"),
                                           QStringLiteral("The colours for screen: mame (as MAME shows them) or names."),
                                           QStringLiteral("MODEL"));
    const QCommandLineOption atOption(QStringLiteral("at"), QStringLiteral("The console frame of the animation screen draws (from 0)."),
                                      QStringLiteral("T"));
    const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Every frame of every sprite for png, a row of frames a sprite."));
    parser.addOptions({outputOption, scaleOption, tvOption, coloursOption, atOption, framesOption});
    parser.addPositionalArgument(QStringLiteral("command"), CommandNames(QStringLiteral(" or ")));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"), QStringLiteral("FILE..."));

    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        Out() << parser.helpText();
        return kOk;
    }
    if (parser.isSet(versionOption)) {
        Out() << QCoreApplication::applicationName() << " " << QCoreApplication::applicationVersion() << "\n";
        return kOk;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const Command* command = FindCommand(args.first());
    for (const QCommandLineOption& option : {outputOption, scaleOption, tvOption, coloursOption, atOption, framesOption})
        if (parser.isSet(option) && !(command && command->Takes(Spelt(option))))
            return Usage(QStringLiteral("%1 goes with %2 only").arg(Spelt(option), CommandNames(QStringLiteral(" and "), Spelt(option))));
    if (!command)
        return Usage(QStringLiteral("unknown command '%1'").arg(args.first()));
    const auto value = [&](const QCommandLineOption& option) {
        return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
    };
    const Call call{args.mid(1),          value(outputOption), value(scaleOption), value(tvOption),
                    value(coloursOption), value(atOption),     parser.isSet(framesOption)};
    if (call.Files.size() != command->FileCount())
        return Usage(QStringLiteral("%1 takes %2").arg(QLatin1String(command->Name), QLatin1String(command->Arguments.InWords)));
    return command->Handler(call);
}
