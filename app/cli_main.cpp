// tilewright-cli: the editor's project and cartridge rules for build scripts.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include "cli_commands.h"
#include "cli_output.h"
#include "exit_status.h"
#include "storage/file_names.h"

namespace {

using namespace tw::cli;
using tw::app::kOk;

// How an option is written on the command line: -o, --scale.
QString Spelt(const QCommandLineOption& option)
{
    const QString name = option.names().first();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

template <typename E, std::size_t N>
std::optional<E> Named(const std::array<tw::Named<E>, N>& names, const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    return tw::ValueNamed(names, std::string_view(latin1.constData(), std::size_t(latin1.size())));
}

std::optional<long long> WholeNumber(const QString& text, Range range)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok && value >= range.Least && value <= range.Most ? std::optional(value) : std::nullopt;
}

// An offset into a file: a whole number, or hexadecimal digits after 0x.
std::optional<long long> ByteOffset(const QString& text, Range range)
{
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return WholeNumber(text, range);
    const QString digits = text.mid(2);
    bool ok = !digits.isEmpty() && digits.size() <= 15;
    for (const QChar c : digits)
        ok = ok && QStringLiteral("0123456789abcdefABCDEF").contains(c);
    const long long value = ok ? digits.toLongLong(&ok, 16) : 0;
    return ok && value >= range.Least && value <= range.Most ? std::optional(value) : std::nullopt;
}

// import --at: the offsets of the four sprites' rows, or of the first.
QString ReadOffsets(const QString& value, Options& into)
{
    const QStringList given = value.split(u',');
    for (const QString& text : given)
        if (const std::optional<long long> offset = ByteOffset(text, {0, tw::storage::kMaxBinaryBytes - tw::kShapeBytes}))
            into.Offsets.push_back(*offset);
    return (given.size() == 1 || given.size() == tw::kSprites) && into.Offsets.size() == std::size_t(given.size())
               ? QString()
               : QStringLiteral("--at must be one offset or four, N or N1,N2,N3,N4, each a whole number from 0 "
                                "(hexadecimal after 0x)");
}

// --at: for import, bytes at offsets; for screen, a moment of the animation.
QString ReadAt(const QString& value, const Command& command, Options& into)
{
    if (command.Argument(QStringLiteral("--at")).contains(u','))
        return ReadOffsets(value, into);
    into.At = WholeNumber(value, {0, std::numeric_limits<long long>::max()});
    return into.At ? QString() : QStringLiteral("--at must be a console frame, a whole number from 0");
}

// The options, each with what it may be and how it is read into Options.
struct OptionRule {
    QCommandLineOption Option;
    // Reads the value given into `into`; the problem when it cannot.
    QString (*Read)(const QString& value, const Command& command, Options& into);
};

// The options of the commands on bytes, shapes and export.
std::vector<OptionRule> ByteOptionRules()
{
    return {
        {QCommandLineOption(QStringLiteral("offset"), QStringLiteral("The byte of the file the first shape of shapes starts at (default 0)."),
                            QStringLiteral("N")),
         [](const QString& value, const Command&, Options& into) {
             into.Offset = ByteOffset(value, {0, tw::storage::kMaxBinaryBytes - 1});
             return into.Offset ? QString() : QStringLiteral("--offset must be a whole number from 0 (hexadecimal after 0x)");
         }},
        {QCommandLineOption(QStringLiteral("count"), QStringLiteral("The shapes shapes draws (1 to %1).").arg(tw::sheet::kMaxSheetShapes),
                            QStringLiteral("K")),
         [](const QString& value, const Command&, Options& into) {
             const std::optional<long long> count = WholeNumber(value, {1, tw::sheet::kMaxSheetShapes});
             into.Count = count ? std::optional(int(*count)) : std::nullopt;
             return count ? QString() : QStringLiteral("--count must be a whole number from 1 to %1").arg(tw::sheet::kMaxSheetShapes);
         }},
        {QCommandLineOption(QStringLiteral("as"), QStringLiteral("The form export writes: %1.")
                                                      .arg(QString::fromStdString(tw::NamesInWords(tw::kExportFormNames))),
                            QStringLiteral("FORM")),
         [](const QString& value, const Command&, Options& into) {
             into.Form = Named(tw::kExportFormNames, value);
             return into.Form ? QString()
                              : QStringLiteral("--as must be %1").arg(QString::fromStdString(tw::NamesInWords(tw::kExportFormNames)));
         }},
    };
}

std::vector<OptionRule> Joined(std::vector<OptionRule> rules, const std::vector<OptionRule>& more)
{
    rules.insert(rules.end(), more.begin(), more.end());
    return rules;
}

const std::vector<OptionRule>& OptionRules()
{
    static const std::vector<OptionRule> rules = Joined({
        {QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("Image path for bin, sheet path for png and shapes, project path for import, picture path for screen "
                                           "(.png, or .gif for the animation), file for export (default: standard output)."),
                            QStringLiteral("FILE")),
         [](const QString& value, const Command&, Options& into) { return into.Output = value, QString(); }},
        {QCommandLineOption(QStringLiteral("scale"),
                            QStringLiteral("Pixels per block for png (%1 to %2, default %3) and shapes (default %6), per console line for screen "
                                               "(1 to %4, default %5).")
                                .arg(tw::sheet::kMinScale)
                                .arg(tw::sheet::kMaxScale)
                                .arg(tw::sheet::kDefaultScale)
                                .arg(tw::kMaxScreenScale)
                                .arg(tw::kDefaultScreenScale)
                                .arg(tw::sheet::kDefaultShapesScale),
                            QStringLiteral("N")),
         [](const QString& value, const Command& command, Options& into) {
             const std::optional<long long> scale = WholeNumber(value, command.Scale);
             into.Scale = scale ? std::optional(int(*scale)) : std::nullopt;
             return scale ? QString()
                          : QStringLiteral("--scale must be a whole number from %1 to %2 for %3")
                                .arg(command.Scale.Least)
                                .arg(command.Scale.Most)
                                .arg(QLatin1String(command.Name));
         }},
        {QCommandLineOption(QStringLiteral("tv"), QStringLiteral("The shape of a pixel for screen: %1.")
                                                      .arg(QString::fromStdString(tw::NamesInWords(tw::kPixelShapeNames))),
                            QStringLiteral("SHAPE")),
         [](const QString& value, const Command&, Options& into) {
             into.Tv = Named(tw::kPixelShapeNames, value);
             return into.Tv ? QString() : QStringLiteral("--tv must be %1").arg(QString::fromStdString(tw::NamesInWords(tw::kPixelShapeNames)));
         }},
        {QCommandLineOption(QStringLiteral("colours"), QStringLiteral("The colours for screen: mame (as MAME shows them) or names."),
                            QStringLiteral("MODEL")),
         [](const QString& value, const Command&, Options& into) {
             into.Colours = Named(tw::kColourModelNames, value);
             return into.Colours ? QString()
                                 : QStringLiteral("--colours must be %1").arg(QString::fromStdString(tw::NamesInWords(tw::kColourModelNames)));
         }},
        {QCommandLineOption(QStringLiteral("at"),
                            QStringLiteral("The console frame of the animation that screen draws or collisions reads (from 0); the "
                                           "offsets of the bytes import takes as the four sprites' rows (N, or N1,N2,N3,N4)."),
                            QStringLiteral("T|N")),
         &ReadAt},
        {QCommandLineOption(QStringLiteral("for"),
                            QStringLiteral("The console frames of the animation screen writes as a GIF (from 1; default one round)."),
                            QStringLiteral("N")),
         [](const QString& value, const Command&, Options& into) {
             into.For = WholeNumber(value, {1, std::numeric_limits<long long>::max()});
             return into.For ? QString() : QStringLiteral("--for must be a number of console frames, a whole number from 1");
         }},
        {QCommandLineOption(QStringLiteral("frames"), QStringLiteral("Every frame of every sprite for png, a row of frames a sprite.")),
         [](const QString&, const Command&, Options& into) { return into.Frames = true, QString(); }},
    }, ByteOptionRules());
    return rules;
}

// The command and its call from the arguments, or the status to end with.
std::variant<int, std::pair<const Command*, Call>> ReadArguments()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(HelpText());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    for (const OptionRule& rule : OptionRules())
        parser.addOption(rule.Option);
    parser.addPositionalArgument(QStringLiteral("command"), CommandNames(QStringLiteral(" or ")));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"), QStringLiteral("FILE..."));
    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        Out() << (parser.isSet(helpOption) ? parser.helpText()
                                           : QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return kOk;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const Command* command = FindCommand(args.first());
    for (const OptionRule& rule : OptionRules())
        if (parser.isSet(rule.Option) && !(command && command->Takes(Spelt(rule.Option))))
            return Usage(QStringLiteral("%1 goes with %2 only").arg(Spelt(rule.Option), CommandNames(QStringLiteral(" and "), Spelt(rule.Option))));
    if (!command)
        return Usage(QStringLiteral("unknown command '%1'").arg(args.first()));
    Call call{args.mid(1), {}, {}};
    for (const OptionRule& rule : OptionRules()) {
        const QString spelt = Spelt(rule.Option);
        if (parser.isSet(rule.Option)) {
            if (const QString problem = rule.Read(parser.value(rule.Option), *command, call.Given); !problem.isEmpty())
                return Usage(problem);
        } else if (const QString needed = command->Needs(spelt); !needed.isEmpty()) {
            return Usage(QStringLiteral("%1 needs %2 %3").arg(QLatin1String(command->Name), spelt, needed));
        }
    }
    if (call.Files.size() != command->FileCount())
        return Usage(QStringLiteral("%1 takes %2").arg(QLatin1String(command->Name), QLatin1String(command->InWords)));
    const std::vector<tw::document::FileKind>& reads = command->Reads;
    const std::optional<tw::document::FileKind> named = tw::document::NamedKind(call.Files[0]);
    call.Kind = named && std::find(reads.begin(), reads.end(), *named) != reads.end() ? *named : reads.front();
    return std::pair{command, call};
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
    const auto read = ReadArguments();
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const auto& [command, call] = std::get<std::pair<const Command*, Call>>(read);
    return command->Handler(call);
}
