// tilewright-cli's commands: each reads its files through the kinds table,
// as the editor does, and writes through it.
#include "cli_commands.h"

#include <QFileInfo>

#include <numeric>
#include <variant>

#include "cli_output.h"
#include "cli_picture.h"
#include "console/chip_state.h"
#include "console/collisions.h"
#include "emulator/mame_launch.h"
#include "exit_status.h"
#include "lint/eap_lint.h"
#include "project/latin1.h"
#include "storage/file_names.h"
#include "storage/project_pair.h"

namespace tw::cli {
namespace {

using document::FileKind;
using namespace app;

} // namespace

bool Load(const Call& call, SpriteProject& project, storage::ReadOutcome* kept)
{
    const QString& path = call.Files[0];
    storage::ReadOutcome read = document::Read(path, call.Kind);
    if (!read.Ok)
        return Report(path, read), false;
    if (!read.SideProblem.Ok)
        return Report(path, read.SideProblem), false;
    const bool own = document::InfoOf(call.Kind).OpensAsProjectFile;
    ApplyProjectRecord(project, read.Record, own ? document::ProjectFileFor(path, call.Kind).toStdString() : std::string());
    if (kept)
        *kept = std::move(read);
    return true;
}

namespace {

QString Describe(const SpriteProject& project)
{
    const auto color = [](int code) {
        return QStringLiteral("%1 (%2)").arg(QString::fromStdString(Palette()[code].ColorName)).arg(Palette()[code].ColorCode);
    };
    QString text = QStringLiteral("screen %1;").arg(color(project.ScreenBGndColor));
    for (int k = 0; k < kSprites; ++k)
        text += QStringLiteral(" %1: %2%3")
                    .arg(QString::fromStdString(ShownChars(Utf8ToLatin1(project.Sprites[k].Name))), color(project.SpriteFGndColor[k]),
                         k + 1 < kSprites ? QStringLiteral(",") : QString());
    return text;
}

// What a side file holds, as check reports it: the settings, and each
// sprite's frames and the console frames they take, all of them once.
QString DescribeSideFile(const SpriteProject& project)
{
    QStringList lines, frames, times;
    for (int k = 0; k < kSprites; ++k) {
        lines << QString::number(project.Console.SpriteLines[k]);
        frames << QString::number(project.Sprites[k].Frames());
        times << QString::number(project.Sprites[k].TotalTime());
    }
    const QString separator = QStringLiteral(", ");
    return QStringLiteral("TV %1; sprite lines %2; frames %3; console frames a round %4")
        .arg(QString::fromLatin1(NameOf(kTvNames, project.Console.Tv).data()), lines.join(separator), frames.join(separator),
             times.join(separator));
}

// The scene, and the chip's registers as the image leaves them.
QString DescribeScene(const SpriteProject& project)
{
    const ConsoleScene& scene = *project.Scene;
    const auto shown = std::count_if(scene.Cells.begin(), scene.Cells.end(), [](std::uint8_t cell) { return cell != kBlankCell; });
    return QStringLiteral("scene: %1-line cells, colour set %2; %3 cells other than blank; the chip gets %4")
        .arg(scene.CellLines)
        .arg(scene.SecondColourSet ? 1 : 0)
        .arg(shown)
        .arg(QString::fromStdString(RegisterText(ShownAt(project, {}).Chip)));
}

// Writes the cartridge image of the call's project, as the editor's Create
// Binary does, to `image` or beside the file.
int WriteImage(const Call& call, const std::optional<QString>& image)
{
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    const QString file = document::ProjectFileFor(call.Files[0], call.Kind);
    const QString target = image.value_or(document::Beside(file, FileKind::CartridgeImage));
    const storage::Outcome written = document::Write(target, FileKind::CartridgeImage, project, {file, FileKind::Project, nullptr, {}});
    return written.Ok ? kOk : Report(target, written);
}

// The length of the GIF that screen writes, or why there is none: one round
// unless --for says otherwise, never more than sheet::kMaxAnimationSeconds.
std::variant<long long, QString> AnimationLength(const SpriteProject& project, const Options& given)
{
    const int rate = FrameRate(project.Console.Tv);
    const long long most = sheet::kMaxAnimationSeconds * rate;
    const QString bound = QStringLiteral("the %1 of %2 minutes that a GIF may hold").arg(most).arg(sheet::kMaxAnimationSeconds / 60);
    if (given.For && *given.For > most)
        return QStringLiteral("--for %1 is more console frames than %2").arg(*given.For).arg(bound);
    const long long round = AnimationRound(project);
    if (!given.For && round > most)
        return QStringLiteral("one round of the animation is %1 console frames, more than %2; --for N writes N of them").arg(round).arg(bound);
    return given.For.value_or(round);
}

// Writes screen's GIF: the animation from console frame --at on.
int WriteAnimation(const Call& call, const sheet::PictureCode& module, const SpriteProject& project, const ScreenScale& scale,
                   const storage::MadeFrom& from)
{
    const Options& given = call.Given;
    const std::variant<long long, QString> length = AnimationLength(project, given);
    if (const QString* refused = std::get_if<QString>(&length))
        return Report(*given.Output, {false, *refused});
    const ColourModel colours = given.Colours.value_or(ColourModel::Mame);
    // Every sprite is back at its first frame after each round, so a start
    // far into the animation is the same moment of its first round, and no
    // frame counted from there runs past the largest number.
    const long long start = given.At.value_or(0) % AnimationRound(project);
    const sheet::ScreenAnimation animation{std::get<long long>(length), FrameRate(project.Console.Tv), colours,
                                           [&](long long frame) { return RenderConsoleScreen(ShownAt(project, {start + frame}), colours); }};
    const storage::Outcome written = module.WriteScreenAnimation(*given.Output, animation, scale, from);
    return written.Ok ? kOk : Report(*given.Output, written);
}

} // namespace

int Check(const Call& call)
{
    SpriteProject project;
    storage::ReadOutcome read;
    if (!Load(call, project, &read))
        return kFailed;
    // As the editor opens it: NAME.eap for NAME.eap.asm.
    const QString file = document::ProjectFileFor(call.Files[0], call.Kind);
    Out() << file << ": " << Describe(project) << "\n";
    if (read.SideBytes) {
        const QString side = storage::SideFileOf(file);
        Out() << side << ": " << DescribeSideFile(project) << "\n";
        if (project.Scene)
            Out() << side << ": " << DescribeScene(project) << "\n";
        if (!read.SideWarning.Ok)
            Out() << side << ": warning: " << read.SideWarning.Reason << "\n";
    }
    return kOk;
}

int Bin(const Call& call) { return WriteImage(call, call.Given.Output); }

int Resave(const Call& call)
{
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    // Onto the input itself it rewrites it; its side file never takes the
    // input's place.
    const storage::SavedPair saved = storage::SaveProjectPair(call.Files[1], project, {}, document::ProjectFileFor(call.Files[0], call.Kind));
    return saved.Ok ? kOk : Report(call.Files[1], saved);
}

int Lint(const Call& call)
{
    // Read once, as the editor would, then judged as assembler source. The
    // exit status keeps 1 for "warnings found", so an unloadable file gets 2.
    SpriteProject project;
    storage::ReadOutcome read;
    if (!Load(call, project, &read))
        return kUsage;
    const auto view = [](const QByteArray& bytes) { return std::string_view(bytes.constData(), std::size_t(bytes.size())); };
    const auto print = [](const QString& file, const std::vector<LintWarning>& warnings) {
        for (const LintWarning& warning : warnings)
            Out() << file << ":" << warning.Line << ": warning: " << QString::fromStdString(warning.Text) << "\n";
    };
    const QString file = document::ProjectFileFor(call.Files[0], call.Kind);
    const std::vector<LintWarning> warnings = LintProject(view(read.FileBytes), read.Record, read.Side ? &*read.Side : nullptr);
    const std::vector<LintWarning> side = read.Side ? LintSideFile(view(*read.SideBytes), *read.Side) : std::vector<LintWarning>();
    print(file, warnings);
    print(storage::SideFileOf(file), side);
    Out().flush();
    return warnings.empty() && side.empty() ? kOk : kFailed;
}

int Png(const Call& call)
{
    const sheet::PictureCode* module = OpenPictureModule();
    if (!module)
        return kFailed;
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    const QString file = document::ProjectFileFor(call.Files[0], call.Kind);
    const sheet::SheetOptions sheet{call.Given.Scale.value_or(sheet::kDefaultScale), call.Given.Frames};
    const storage::Outcome written = document::Write(*call.Given.Output, FileKind::Picture, project, {file, FileKind::Project, module, sheet});
    return written.Ok ? kOk : Report(*call.Given.Output, written);
}

int Import(const Call& call)
{
    // With --at, the sprites are bytes of any file, read as they are.
    const QString& input = call.Files[0];
    const bool bytes = !call.Given.Offsets.empty();
    const sheet::PictureCode* module = call.Kind == FileKind::Picture && !bytes ? OpenPictureModule() : nullptr;
    if (call.Kind == FileKind::Picture && !bytes && !module)
        return kFailed;
    const QString output = call.Given.Output.value_or(document::Beside(input, FileKind::Project));
    const storage::ReadOutcome read = bytes ? ReadShapesAt(input, call.Given.Offsets) : document::Read(input, call.Kind, module);
    if (!read.Ok)
        return Report(input, read);
    // The name was not asked for: ship.eap beside ship.bin is most likely the
    // project the image was made from, with the names an import cannot know,
    // and a side file beside it that project's frames.
    if (!call.Given.Output)
        for (const QString& there : {output, storage::SideFileOf(output)})
            if (storage::IsThere(there))
                return Report(there, {false, QStringLiteral("the file is there already; give -o to write over it"), 0});
    SpriteProject project;
    ApplyProjectRecord(project, read.Record, {});
    const storage::MadeFrom from = bytes ? storage::MadeFrom{input, QStringLiteral("project"), QStringLiteral("file"), {}}
                                         : document::MadeFromFile(input, call.Kind, QStringLiteral("project"));
    const storage::Outcome saved = storage::SaveProjectPair(output, project, from);
    return saved.Ok ? kOk : Report(output, saved);
}

int Screen(const Call& call)
{
    const Options& given = call.Given;
    const bool gif = given.Output->endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive);
    if (given.For && !gif)
        return Usage(QStringLiteral("--for goes with an animation only, -o NAME.gif"));
    const sheet::PictureCode* module = OpenPictureModule();
    if (!module)
        return kFailed;
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    const ScreenScale scale{given.Scale.value_or(kDefaultScreenScale), given.Tv.value_or(TvShape(project.Console.Tv))};
    const storage::MadeFrom from = document::MadeFromFile(call.Files[0], call.Kind, QStringLiteral("picture"));
    if (gif)
        return WriteAnimation(call, *module, project, scale, from);
    const ConsoleScreen screen = RenderConsoleScreen(ShownAt(project, {given.At.value_or(0)}), given.Colours.value_or(ColourModel::Mame));
    const storage::Outcome written = module->WriteScreen(*given.Output, screen, scale, from);
    return written.Ok ? kOk : Report(*given.Output, written);
}

int Run(const Call& call)
{
    // MAME on the image of a project file, written as bin writes it, or on an
    // image that is there, once it is seen to be a test cartridge image.
    const QString& file = call.Files[0];
    const bool given = call.Kind == FileKind::CartridgeImage;
    const QString image = given ? file : document::Beside(document::ProjectFileFor(file, call.Kind), FileKind::CartridgeImage);
    if (given) {
        if (const storage::ReadOutcome read = document::Read(file, FileKind::CartridgeImage); !read.Ok)
            return Report(file, read);
    } else if (const int written = WriteImage(call, image); written != kOk) {
        return written;
    }
    const emulator::LaunchResult launched = emulator::RunMame(image);
    if (launched.Started)
        return kOk;
    Err() << "tilewright-cli: cannot run MAME: " << launched.Reason << "\n";
    for (const QString& line : launched.Output.split(u'\n', Qt::SkipEmptyParts))
        Err() << "  " << Shown(line) << "\n";
    Err().flush();
    return kNoMame;
}

int Collisions(const Call& call)
{
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    // The registers as a program reads them, then each touch they hold.
    const tw::Collisions found = CollisionsOf(ShownAt(project, {call.Given.At.value_or(0)}));
    const auto hex = [](unsigned value, int digits) { return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper(); };
    QStringList touches;
    for (int k = 0; k < kSprites; ++k)
        if (found.TouchesCharacters(k))
            touches << QStringLiteral("sprite %1 touches characters").arg(k + 1);
    for (int p = 0; p < kSpritePairs; ++p)
        if (const auto [a, b] = kPairSprites[std::size_t(p)]; found.PairTouches(p))
            touches << QStringLiteral("sprites %1 and %2 touch").arg(a + 1).arg(b + 1);
    Out() << hex(kCharacterCollisionRegister, 4) << "=" << hex(found.Characters, 2) << " " << hex(kPairCollisionRegister, 4) << "="
          << hex(found.Pairs, 2) << "\n"
          << (touches.isEmpty() ? QStringLiteral("nothing touches") : touches.join(u'\n')) << "\n";
    return kOk;
}

} // namespace tw::cli
