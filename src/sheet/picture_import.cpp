#include "sheet/picture_import.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <variant>

#include "model/row_encoding.h"
#include "project/eap_reader.h"
#include "project/side_file.h"
#include "sheet/picture_gates.h"
#include "sheet/picture_layout.h"
#include "sheet/sprite_sheet.h"

namespace tw::sheet {
namespace {

// The console colour a pixel shows, as the editor paints the eight: the
// nearest in RGB, the lower code on a tie.
int NearestCode(QRgb pixel)
{
    int best = 0, bestDistance = 0;
    for (int code = 0; code < kColorCodes; ++code) {
        const Rgb rgb = DisplayRgb(ToColorNumber(Palette()[code].ColorValue));
        const int dr = qRed(pixel) - rgb.red, dg = qGreen(pixel) - rgb.green, db = qBlue(pixel) - rgb.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (code == 0 || distance < bestDistance)
            best = code, bestDistance = distance;
    }
    return best;
}

// The screen colour of a sheet: the colour of most pixels of its border and
// of the gaps between the cells, which a sheet draws in the screen colour
// whatever its sprites hold; the lower code on a tie.
int SheetScreenCode(const QImage& picture, const Layout& layout)
{
    std::array<int, kColorCodes> count{};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (layout.IsGap(x / layout.Scale, y / layout.Scale))
                ++count[NearestCode(picture.pixel(x, y))];
    return int(std::max_element(count.begin(), count.end()) - count.begin());
}

QString Block(int i) { return QStringLiteral("row %1, column %2").arg(i / kRowWidth + 1).arg(i % kRowWidth + 1); }

// Sprite k, and the frame where the picture has several: "sprite 2, frame 3".
QString SpriteFrame(const Layout& layout, int k, int f)
{
    return layout.Arrangement == Layout::FrameSheet ? QStringLiteral("sprite %1, frame %2").arg(k + 1).arg(f + 1)
                                                    : QStringLiteral("sprite %1").arg(k + 1);
}

storage::ReadOutcome Failure(const QString& reason)
{
    storage::ReadOutcome outcome;
    outcome.Ok = false;
    outcome.Reason = reason;
    return outcome;
}

// What the sheet's text says the project was, if anything.
std::optional<ProjectRecord> SavedProject(const QImage& picture)
{
    const QByteArray text = picture.text(QString::fromLatin1(kProjectTextKey)).toLatin1();
    const ReadResult read = ReadProjectFile(std::string_view(text.constData(), std::size_t(text.size())));
    return text.isEmpty() ? std::nullopt : read.Record;
}

// What the sheet's side file text says of the settings, the times and the
// frames, put into `record`, when the sheet has one that can be read: a text
// that cannot counts as none, as the project's does, and the pixels decide.
bool ReadSavedSide(const QImage& picture, ProjectRecord& record)
{
    const QByteArray text = picture.text(QString::fromLatin1(kSideFileTextKey)).toLatin1();
    const SideFileRead side = ReadSideFile(std::string_view(text.constData(), std::size_t(text.size())));
    if (text.isEmpty() || !side.File)
        return false;
    ApplySideFile(record, *side.File);
    return true;
}

SpriteProject Drawn(const ProjectRecord& record)
{
    SpriteProject project;
    ApplyProjectRecord(project, record, {});
    return project;
}


// Whether the picture is a sheet whose pixels are exactly those that
// `saved`, its texts, draw: untouched since png wrote it.
bool IsUntouched(const QImage& picture, const Layout& layout, const ProjectRecord& saved)
{
    if (!layout.IsSheet())
        return false;
    const SpriteProject drawn = Drawn(saved);
    // Tools tag a picture with a colour space and leave its pixels as
    // they were (ImageMagick adds gAMA and cHRM to every PNG it saves,
    // others sRGB or an iCCP profile). Qt's PNG reader gives the image
    // the space those chunks name, and QImage's == compares it with the
    // pixels, so the sheet is drawn in the picture's space: the pixels'
    // values are the console colours whatever space they are said to be in.
    const auto samePixels = [&](QImage sheet) {
        sheet.setColorSpace(picture.colorSpace());
        return sheet == picture;
    };
    // Compared only at the size the text would draw: a text may claim
    // 64 frames on a picture that has room for one.
    return layout.Arrangement == Layout::Sheet
               ? samePixels(RenderSpriteSheet(drawn, layout.Scale))
               : FrameSheetColumns(drawn) == layout.Columns && samePixels(RenderFrameSheet(drawn, layout.Scale));
}

// The blocks of every cell, frame by frame, as console colour codes.
using Cell = std::array<int, kBlocks>;
using Cells = std::array<std::vector<Cell>, kSprites>;

// Every cell's blocks, or the first block that is not one solid colour.
std::variant<QString, Cells> ReadCells(const QImage& picture, const Layout& layout)
{
    Cells cells;
    for (int k = 0; k < kSprites; ++k)
        for (int f = 0; f < layout.Columns; ++f) {
            Cell& cell = cells[k].emplace_back();
            for (int i = 0; i < kBlocks; ++i) {
                const QPoint origin = layout.Origin(k, f, i);
                const int code = NearestCode(picture.pixel(origin));
                for (int y = 0; y < layout.Scale; ++y)
                    for (int x = 0; x < layout.Scale; ++x)
                        if (NearestCode(picture.pixel(origin + QPoint(x, y))) != code)
                            return QStringLiteral("the block at %1 of %6 (pixels %2,%3 to %4,%5) is not one solid colour")
                                .arg(Block(i))
                                .arg(origin.x())
                                .arg(origin.y())
                                .arg(origin.x() + layout.Scale - 1)
                                .arg(origin.y() + layout.Scale - 1)
                                .arg(SpriteFrame(layout, k, f));
                cell[i] = code;
            }
        }
    return cells;
}

// A sheet's screen colour is in its border and gaps, even when its
// sprites are mostly set; pictures without them have only the blocks, and
// the colour of most of them is the screen's, the lower code on a tie.
int ScreenCode(const QImage& picture, const Layout& layout, const Cells& cells)
{
    if (layout.IsSheet())
        return SheetScreenCode(picture, layout);
    std::array<int, kColorCodes> count{};
    for (const std::vector<Cell>& sprite : cells)
        for (const Cell& cell : sprite)
            for (const int code : cell)
                ++count[code];
    return int(std::max_element(count.begin(), count.end()) - count.begin());
}

// What a sprite is read with besides its cells.
struct SpriteContext {
    const Layout& Where;
    int Screen;               // the screen colour's code
    const SpriteRecord& Told; // what the texts say of the sprite
    bool ProjectSaved;        // the picture has the project's text
    bool SideSaved;           // and a side file text that can be read
};

// The frames the pixels hold: up to the last cell that is not all
// screen colour, and at least the first; the text's count keeps
// frames that are all screen colour, and a frame drawn past it in a
// paint program is taken too, as the pixels say.
std::variant<QString, int> FrameCount(int k, const std::vector<Cell>& cells, const SpriteContext& c)
{
    int frames = 1;
    for (int f = 0; f < c.Where.Columns; ++f)
        if (std::any_of(cells[f].begin(), cells[f].end(), [&](int code) { return code != c.Screen; }))
            frames = f + 1;
    const int toldFrames = 1 + int(c.Told.Later.size());
    if (!c.SideSaved || c.Where.Arrangement != Layout::FrameSheet)
        return frames;
    if (toldFrames > c.Where.Columns)
        return QStringLiteral("the sheet's side file text gives sprite %1 %2 frames, and the sheet has room for %3")
            .arg(k + 1)
            .arg(toldFrames)
            .arg(c.Where.Columns);
    return std::max(frames, toldFrames);
}

// The one colour of the sprite's blocks besides the screen's, over its
// first `frames` frames; none when they are all screen colour.
std::variant<QString, std::optional<int>> Foreground(int k, const std::vector<Cell>& cells, int frames, const SpriteContext& c)
{
    const auto name = [](int code) { return QString::fromStdString(Palette()[code].ColorName); };
    std::optional<int> foreground;
    for (int f = 0; f < frames; ++f)
        for (int i = 0; i < kBlocks; ++i) {
            const int code = cells[f][i];
            if (code == c.Screen)
                continue;
            if (foreground && *foreground != code) {
                const QString frame = c.Where.Arrangement == Layout::FrameSheet ? QStringLiteral(" of frame %1").arg(f + 1) : QString();
                return QStringLiteral("sprite %1 has blocks in %2 and in %3 besides the screen colour %4; a "
                                      "sprite has one colour (the first %3 block is at %5)")
                    .arg(k + 1)
                    .arg(name(*foreground), name(code), name(c.Screen), Block(i) + frame);
            }
            foreground = code;
        }
    return foreground;
}

// A frame's row texts from its cell: a block of any colour but the
// screen's is set.
void PutRows(FrameRecord& frame, const Cell& cell, int screen)
{
    for (int r = 0; r < kRows; ++r) {
        std::uint8_t bits = 0;
        for (int c = 0; c < kRowWidth; ++c)
            if (cell[r * kRowWidth + c] != screen)
                bits |= ColumnBit(c);
        frame.HexRows[r] = RowText(bits);
    }
}

// Sprite k from its cells and what the texts say of it, or why it cannot
// be read.
std::optional<QString> ReadSprite(int k, const std::vector<Cell>& cells, const SpriteContext& c, SpriteRecord& sprite)
{
    sprite.Name = c.ProjectSaved ? c.Told.Name : SpriteProject::DefaultName(k);
    const std::variant<QString, int> counted = FrameCount(k, cells, c);
    if (const QString* refused = std::get_if<QString>(&counted))
        return *refused;
    const int frames = std::get<int>(counted);
    const std::variant<QString, std::optional<int>> foreground = Foreground(k, cells, frames, c);
    if (const QString* refused = std::get_if<QString>(&foreground))
        return *refused;
    sprite.FGndColor = std::uint8_t(std::get<std::optional<int>>(foreground).value_or(c.ProjectSaved ? c.Told.FGndColor : kWhiteCode));
    // The pictures without frames give the first frame alone; the text
    // gives the others.
    if (c.SideSaved)
        sprite.Time = c.Told.Time, sprite.Later = c.Told.Later;
    sprite.Later.resize(std::size_t(std::max(frames, 1 + int(c.Told.Later.size())) - 1));
    for (int f = 0; f < frames; ++f)
        PutRows(f == 0 ? sprite : sprite.Later[std::size_t(f - 1)], cells[f], c.Screen);
    return std::nullopt;
}

} // namespace

storage::ReadOutcome ImportPicture(const QImage& source)
{
    const std::optional<Layout> layout = FindLayout(source.size());
    if (!layout)
        return Failure(NoLayoutFor(source.size()));
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    std::optional<ProjectRecord> saved = SavedProject(source);
    // The side file text goes with the project's; without that, it still
    // gives the frames and their times.
    ProjectRecord texts = saved.value_or(ProjectRecord{});
    const bool sideSaved = ReadSavedSide(source, texts);
    if (saved)
        saved = texts;
    storage::ReadOutcome outcome;
    if (saved && IsUntouched(picture, *layout, *saved)) {
        outcome.Record = *saved; // untouched since png wrote it
        return outcome;
    }
    const std::variant<QString, Cells> read = ReadCells(picture, *layout);
    if (const QString* refused = std::get_if<QString>(&read))
        return Failure(*refused);
    const Cells& cells = std::get<Cells>(read);
    ProjectRecord& record = outcome.Record;
    record.ScreenBGndColor = std::uint8_t(ScreenCode(picture, *layout, cells));
    if (sideSaved)
        record.Console = texts.Console;
    for (int k = 0; k < kSprites; ++k) {
        const SpriteContext context{*layout, record.ScreenBGndColor, texts.Sprites[k], saved.has_value(), sideSaved};
        if (const std::optional<QString> refused = ReadSprite(k, cells[k], context, record.Sprites[k]))
            return Failure(*refused);
    }
    return outcome;
}

} // namespace tw::sheet
