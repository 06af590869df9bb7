// tilewright: the sprite editor for the Emerson Arcadia 2001.
//
//   tilewright [FILE.eap | IMAGE.bin | PICTURE.png]
//
// With a file, the editor opens it after the welcome box as Load Project
// would; a cartridge image or a picture is imported as tilewright-cli import
// reads it, into a new unsaved project. Qt's own options (-platform, -style,
// ...) are taken as usual.
#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

#include "exit_status.h"
#include "reason.h"
#include "ui/dialogs.h"
#include "ui/editor_startup.h"

namespace {

// The name of the installed .desktop file and icon.
const QString kDesktopId = QStringLiteral("io.github.tilewright.Tilewright");

void DescribeArguments(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Sprite editor for the Emerson Arcadia 2001.\n"
                                                    "Opens FILE.eap, or the sprites of IMAGE.bin or PICTURE.png, when given,\n"
                                                    "after the welcome box."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Project file, cartridge image or picture, to open."),
                                 QStringLiteral("[FILE.eap | IMAGE.bin | PICTURE.png]"));
}

// Wrong arguments end the editor as they end tilewright-cli: with the reason
// and status 2. (QCommandLineParser::process would end it with 1.)
int RefuseArguments(const QString& problem)
{
    std::fprintf(stderr, "tilewright: %s\n", qPrintable(tw::app::AsReason(problem)));
    return tw::app::kUsage;
}

// True when the arguments ask for --help or --version. Those are answered
// before the window system is opened, so that they work without a display.
bool AsksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            return false;
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

// The arguments as the editor reads them once QApplication has taken out
// its own (-platform xcb, -style=fusion, --reverse ...), so that wrong
// arguments are told before anything needs a display.
QStringList WithoutQtOptions(int argc, char* argv[])
{
    static const QStringList withValue{"style", "stylesheet", "qmljsdebugger", "platform", "platformpluginpath", "platformtheme",
                                       "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                                       "geometry", "dialogs", "fontengine", "name", "title", "visual"};
    static const QStringList flags{"widgetcount", "reverse", "nograb", "dograb", "sync"};
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString option = arg.startsWith(QLatin1String("--")) ? arg.mid(2) : arg.startsWith(u'-') ? arg.mid(1) : QString();
        const QString name = option.section(u'=', 0, 0);
        if (arg == QLatin1String("--") || option.isEmpty() || !(withValue.contains(name) || flags.contains(name)))
            arguments << arg;
        else if (withValue.contains(name) && !option.contains(u'='))
            ++i; // its value
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // A file size limit makes a save fail with its reason, instead of ending
    // the editor and its unsaved project.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("Tilewright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILEWRIGHT_VERSION));
    QCommandLineParser parser;
    DescribeArguments(parser);

    if (AsksForHelpOrVersion(argc, argv)) {
        // --help-all lists the options of the kind of application that runs:
        // Qt's own (-platform, ...) take a QApplication, here on a platform
        // that needs no display. The arguments are read as given.
        int qtArgc = 3;
        char platform[] = "-platform", minimal[] = "minimal";
        char* qtArgv[] = {argv[0], platform, minimal, nullptr};
        const bool all = std::any_of(argv + 1, argv + argc, [](const char* arg) { return qstrcmp(arg, "--help-all") == 0; });
        // What that platform has to say of itself (no runtime folder for root,
        // say) is no part of the help.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const std::unique_ptr<QCoreApplication> app =
            all ? std::make_unique<QApplication>(qtArgc, qtArgv) : std::make_unique<QCoreApplication>(argc, argv);
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (!parser.parse(arguments))
            return RefuseArguments(parser.errorText());
        parser.process(arguments); // prints the text and ends the process
        return 0;
    }

    if (!parser.parse(WithoutQtOptions(argc, argv)))
        return RefuseArguments(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return RefuseArguments(QStringLiteral("give at most one project file"));

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(QIcon::fromTheme(kDesktopId));
    parser.process(app); // answers --help or --version in a form AsksForHelpOrVersion misses (-hv)

    tw::ui::QtDialogs dialogs;
    const auto window = tw::ui::StartEditor(dialogs, files.value(0));
    return QApplication::exec();
}
