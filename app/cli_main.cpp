// tilewright-cli: the editor's project and cartridge rules for build scripts.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cartridge/cartridge.h"
#include "cli_png.h"
#include "lint/eap_lint.h"
#include "storage/storage.h"

namespace {

enum ExitCode { kOk = 0, kFailed = 1, kUsage = 2 };

const char* const kUsageLine = "Usage: tilewright-cli check FILE.eap | bin FILE.eap [-o IMAGE.bin] | resave IN.eap OUT.eap\n"
                               "       | lint FILE.eap | png FILE.eap -o SHEET.png [--scale N]\n"
                               "       | import PICTURE [-o OUT.eap]";

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

int Usage(const QString& problem)
{
    Err() << "tilewright-cli: " << problem << "\n" << kUsageLine << "\n";
    Err().flush();
    return kUsage;
}

int Report(const QString& path, const tw::storage::Outcome& outcome)
{
    Err() << path << ":";
    if (outcome.Line > 0)
        Err() << outcome.Line << ":";
    Err() << " " << outcome.Reason << "\n";
    Err().flush();
    return kFailed;
}

// Loads a file the way the editor's Load Project does.
bool Load(const QString& path, tw::SpriteProject& project, int& exitCode)
{
    const tw::storage::Outcome loaded = tw::storage::LoadProject(path, project);
    if (!loaded.Ok)
        exitCode = Report(path, loaded);
    return loaded.Ok;
}

// Loads the file as the editor would, then judges it as assembler source. The
// exit status keeps 1 for "warnings found", so an unloadable file gets 2.
int Lint(const QString& path)
{
    tw::SpriteProject project;
    int exitCode = kOk;
    if (!Load(path, project, exitCode))
        return kUsage;
    const tw::storage::BytesOutcome read = tw::storage::ReadRegularFile(path, tw::storage::kMaxProjectFileBytes);
    if (!read.Ok) {
        Report(path, read);
        return kUsage;
    }
    const QByteArray& bytes = read.Bytes;
    const tw::LintReport report = tw::LintProjectFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!report.Loaded) { // changed on disk since it was loaded
        Report(path, {false, QString::fromStdString(report.Error.Reason), report.Error.Line});
        return kUsage;
    }
    for (const tw::LintWarning& warning : report.Warnings)
        Out() << path << ":" << warning.Line << ": warning: " << QString::fromStdString(warning.Text) << "\n";
    Out().flush();
    return report.Warnings.empty() ? kOk : kFailed;
}

// The png and import commands' picture code, from its module: beside the
// program (a build folder), else where it is installed. Null, with the
// reason, if it cannot be loaded.
const tw::cli::PictureModule* LoadPictureModule(QString& problem)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(tw::cli::kPngModuleName);
    const QString installed = QStringLiteral(TILEWRIGHT_PNG_MODULE_DIR "/") + name;
    const QStringList candidates = {programFolder.filePath(name), QDir::cleanPath(programFolder.filePath(installed))};
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path); // stays loaded for the rest of the process
        const auto entry = reinterpret_cast<tw::cli::PngModuleEntry>(module.resolve(tw::cli::kPngModuleEntry));
        if (!entry) {
            problem = module.errorString();
            return nullptr;
        }
        return entry();
    }
    problem = QStringLiteral("cannot find the PNG writer %1").arg(candidates.join(QStringLiteral(" or ")));
    return nullptr;
}

// The picture module, or nothing after saying why it cannot be loaded.
const tw::cli::PictureModule* OpenPictureModule()
{
    QString problem;
    const tw::cli::PictureModule* module = LoadPictureModule(problem);
    if (!module) {
        Err() << "tilewright-cli: " << problem << "\n";
        Err().flush();
    }
    return module;
}

QString Describe(const tw::SpriteProject& project)
{
    const auto color = [&](int code) {
        return QStringLiteral("%1 (%2)")
            .arg(QString::fromStdString(project.ColorSchemes[code].ColorName))
            .arg(project.ColorSchemes[code].ColorCode);
    };
    QString text = QStringLiteral("screen %1;").arg(color(project.ScreenBGndColor));
    for (int k = 0; k < tw::kSprites; ++k)
        text += QStringLiteral(" %1: %2%3")
                    .arg(QString::fromStdString(project.Sprites[k].Name), color(project.SpriteFGndColor[k]),
                         k + 1 < tw::kSprites ? QStringLiteral(",") : QString());
    return text;
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
    std::fprintf(stderr, "tilewright-cli: standard output: %s\n", qPrintable(problem));
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
    parser.setApplicationDescription(QStringLiteral(
        "Checks Tilewright project files (.eap) and builds their test cartridge images.\n\n"
        "Commands:\n"
        "  check FILE.eap              load the file; print a summary, or FILE:LINE: reason\n"
        "  bin FILE.eap [-o IMAGE.bin] write the 133-byte cartridge image (default: FILE.bin)\n"
        "  resave IN.eap OUT.eap       load IN and save it as the editor would to OUT\n"
        "  lint FILE.eap               report, as FILE:LINE: warning: text, what a 2650\n"
        "                              assembler would reject or read differently\n"
        "  png FILE.eap -o SHEET.png [--scale N]\n"
        "                              draw the four sprites side by side on the screen\n"
        "                              colour, one block of gap around and between them:\n"
        "                              (4*8+5)*N x (8+2)*N pixels, N = 1..64, default 8\n"
        "  import PICTURE [-o OUT.eap] read the sprites from a sheet png wrote, or from the\n"
        "                              four side by side (32 x 8) or stacked (8 x 32), or a\n"
        "                              whole multiple; write them as a project (default:\n"
        "                              PICTURE with .eap)\n\n"
        "Exit status: 0 success, 1 the file cannot be loaded or written, 2 wrong arguments.\n"
        "lint: 0 clean, 1 warnings, 2 the file cannot be loaded or wrong arguments."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Image path for bin, sheet path for png, project path for import."), QStringLiteral("FILE"));
    parser.addOption(outputOption);
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Pixels per block for png (1 to 64, default 8)."),
                                         QStringLiteral("N"));
    parser.addOption(scaleOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("check, bin, resave, lint, png or import"));
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
    const QString command = args.first();
    const QStringList files = args.mid(1);
    if (parser.isSet(outputOption) && command != QLatin1String("bin") && command != QLatin1String("png") &&
        command != QLatin1String("import"))
        return Usage(QStringLiteral("-o goes with bin, png and import only"));
    if (parser.isSet(scaleOption) && command != QLatin1String("png"))
        return Usage(QStringLiteral("--scale goes with png only"));

    int exitCode = kOk;
    tw::SpriteProject project;
    if (command == QLatin1String("check")) {
        if (files.size() != 1)
            return Usage(QStringLiteral("check takes one file"));
        if (!Load(files[0], project, exitCode))
            return exitCode;
        Out() << files[0] << ": " << Describe(project) << "\n";
        return kOk;
    }
    if (command == QLatin1String("bin")) {
        if (files.size() != 1)
            return Usage(QStringLiteral("bin takes one project file"));
        if (!Load(files[0], project, exitCode))
            return exitCode;
        const QString image = parser.isSet(outputOption)
                                  ? parser.value(outputOption)
                                  : QString::fromStdString(tw::CartridgeImagePath(files[0].toStdString()));
        const tw::storage::Outcome written = tw::storage::WriteCartridgeImage(image, project);
        return written.Ok ? kOk : Report(image, written);
    }
    if (command == QLatin1String("resave")) {
        if (files.size() != 2)
            return Usage(QStringLiteral("resave takes an input and an output file"));
        if (!Load(files[0], project, exitCode))
            return exitCode;
        const tw::storage::Outcome saved = tw::storage::SaveProject(files[1], project);
        return saved.Ok ? kOk : Report(files[1], saved);
    }
    if (command == QLatin1String("lint")) {
        if (files.size() != 1)
            return Usage(QStringLiteral("lint takes one file"));
        return Lint(files[0]);
    }
    if (command == QLatin1String("png")) {
        if (files.size() != 1)
            return Usage(QStringLiteral("png takes one project file"));
        if (!parser.isSet(outputOption))
            return Usage(QStringLiteral("png needs -o SHEET.png"));
        const tw::cli::PictureModule* writer = OpenPictureModule();
        if (!writer)
            return kFailed;
        int scale = writer->DefaultScale;
        if (parser.isSet(scaleOption)) {
            bool ok = false;
            scale = parser.value(scaleOption).toInt(&ok);
            if (!ok || scale < writer->MinScale || scale > writer->MaxScale)
                return Usage(QStringLiteral("--scale must be a whole number from %1 to %2")
                                 .arg(writer->MinScale)
                                 .arg(writer->MaxScale));
        }
        if (!Load(files[0], project, exitCode))
            return exitCode;
        const QString sheet = parser.value(outputOption);
        const tw::storage::Outcome written = writer->Write(sheet, project, scale);
        return written.Ok ? kOk : Report(sheet, written);
    }
    if (command == QLatin1String("import")) {
        if (files.size() != 1)
            return Usage(QStringLiteral("import takes one picture"));
        const tw::cli::PictureModule* module = OpenPictureModule();
        if (!module)
            return kFailed;
        const QString output = parser.isSet(outputOption)
                                   ? parser.value(outputOption)
                                   : QString::fromStdString(std::filesystem::path(files[0].toStdString()).replace_extension(".eap").string());
        const tw::storage::ReadOutcome read = module->Import(files[0]);
        if (!read.Ok)
            return Report(files[0], read);
        tw::ApplyProjectRecord(project, read.Record, {}, {});
        const tw::storage::Outcome saved =
            tw::storage::SaveProject(output, project, {files[0], QStringLiteral("project"), QStringLiteral("picture")});
        return saved.Ok ? kOk : Report(output, saved);
    }
    return Usage(QStringLiteral("unknown command '%1'").arg(command));
}
