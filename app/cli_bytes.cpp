// tilewright-cli's commands on bytes: the shapes of any file drawn as a
// sheet, sprites imported from its bytes, and a project's graphics exported
// for other tools.
#include <QFileInfo>

#include <cstdio>

#include "cli_commands.h"
#include "cli_output.h"
#include "cli_picture.h"
#include "exit_status.h"
#include "storage/project_pair.h"

namespace tw::cli {
namespace {

using namespace app;

std::span<const std::uint8_t> Span(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

QString Offset(long long offset) { return QStringLiteral("%1 (0x%2)").arg(offset).arg(QString::number(offset, 16).toUpper().rightJustified(4, u'0')); }

// The largest scale at which `count` shapes fit a sheet, from `scale` down.
int FittingScale(int count, int scale)
{
    while (scale > sheet::kMinScale && sheet::ShapesSheetPixels(count, scale) > sheet::kMaxShapesSheetPixels)
        --scale;
    return scale;
}

} // namespace

storage::ReadOutcome ReadShapesAt(const QString& path, const std::vector<long long>& offsets)
{
    storage::ReadOutcome outcome;
    const storage::BytesOutcome read = storage::ReadBinaryFile(path);
    if (!read.Ok)
        return static_cast<storage::Outcome&>(outcome) = read, outcome;
    std::array<std::size_t, kSprites> at{};
    for (int k = 0; k < kSprites; ++k) {
        at[k] = std::size_t(offsets.size() == 1 ? offsets[0] + k * kShapeBytes : offsets.at(std::size_t(k)));
        if (ShapeRowsHeld(Span(read.Bytes), at[k]) < kShapeBytes)
            return static_cast<storage::Outcome&>(outcome) =
                       {false, QStringLiteral("sprite %1's rows at offset %2 run past the end of the file, which has %3 bytes")
                                   .arg(k + 1)
                                   .arg(Offset(qint64(at[k])))
                                   .arg(read.Bytes.size())},
                   outcome;
    }
    outcome.Record = ShapesRecord(Span(read.Bytes), at);
    return outcome;
}

int Shapes(const Call& call)
{
    const QString& file = call.Files[0];
    const QString& output = *call.Given.Output;
    const storage::BytesOutcome read = storage::ReadBinaryFile(file);
    if (!read.Ok)
        return Report(file, read);
    const long long offset = call.Given.Offset.value_or(0);
    if (offset >= read.Bytes.size())
        return Report(file, {false, QStringLiteral("--offset %1 is past the end of the file, which has %2 bytes").arg(Offset(offset)).arg(read.Bytes.size())});
    const long long held = (read.Bytes.size() - offset + kShapeBytes - 1) / kShapeBytes;
    const int count = int(std::min<long long>({held, call.Given.Count.value_or(sheet::kMaxSheetShapes), sheet::kMaxSheetShapes}));
    const int scale = call.Given.Scale.value_or(sheet::kDefaultShapesScale);
    if (const int fits = FittingScale(count, scale); fits != scale)
        return Report(output, {false, QStringLiteral("a sheet of %1 shapes at scale %2 is %3 x %4 pixels, more than the %5 Mi pixels a sheet may have; scale %6 fits")
                                          .arg(count)
                                          .arg(scale)
                                          .arg(sheet::kShapesSheetBlocksWide * scale)
                                          .arg(sheet::ShapesSheetBlocksHigh(count) * scale)
                                          .arg(sheet::kMaxShapesSheetPixels >> 20)
                                          .arg(fits)});
    const sheet::PictureCode* module = OpenPictureModule();
    if (!module)
        return kFailed;
    const sheet::ShapesSheet shapes{Span(read.Bytes).subspan(std::size_t(offset)), count, scale};
    const storage::Outcome written = module->WriteShapes(output, shapes, {file, QStringLiteral("sheet"), QStringLiteral("file"), {}});
    return written.Ok ? kOk : Report(output, written);
}

int Export(const Call& call)
{
    SpriteProject project;
    if (!Load(call, project))
        return kFailed;
    const std::string text = tw::Export(ExportBlocks(project), *call.Given.Form);
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    if (const std::optional<QString>& output = call.Given.Output) {
        const storage::Outcome written = storage::WriteFileAtomically(*output, bytes, document::MadeFromFile(call.Files[0], call.Kind, QStringLiteral("export")));
        return written.Ok ? kOk : Report(*output, written);
    }
    // Bytes as they are, past the text stream: a raw export is no text. The
    // check at exit tells a write that did not reach standard output.
    Out().flush();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    return kOk;
}

} // namespace tw::cli
