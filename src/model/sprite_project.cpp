#include "model/sprite_project.h"

#include <algorithm>
#include <filesystem>

#include "model/row_encoding.h"

namespace tw {

long long SpriteState::TotalTime() const
{
    long long total = Time;
    for (const SpriteFrame& frame : Later)
        total += frame.Time;
    return total;
}

int SpriteState::FrameAt(long long t) const
{
    const long long total = TotalTime();
    t = (t % total + total) % total;
    int f = 0;
    for (; t >= Frame(f).Time; ++f)
        t -= Frame(f).Time;
    return f;
}

SpriteProject::SpriteProject() : ColorSchemes(Palette())
{
    for (int k = 0; k < kSprites; ++k) {
        Sprites[k].HexRows.fill("00");
        Sprites[k].Name = DefaultName(k);
    }
}

void SpriteProject::SelectColor(int index) { SelectedColor = static_cast<std::uint8_t>(index); }

void SpriteProject::ClickBlock(int k, int i)
{
    ColorNumber& block = Edited(k).Blocks.at(i);
    // Anything that is not screen-coloured counts as set, stray colours included.
    block = block == ScreenValue() ? ForegroundValue(k) : ScreenValue();
    EncodeRow(k, i / kRowWidth);
}

void SpriteProject::PaintBlock(int k, int i, ColorNumber color)
{
    Edited(k).Blocks.at(i) = color;
    EncodeRow(k, i / kRowWidth);
}

void SpriteProject::EncodeRow(int k, int r)
{
    SpriteFrame& frame = Edited(k);
    frame.HexRows.at(r) = RowText(EncodeRowByte(&frame.Blocks.at(r * kRowWidth), ForegroundValue(k)));
}

void SpriteProject::ClearSprite(int k)
{
    SpriteFrame& frame = Edited(k);
    frame.Blocks.fill(ScreenValue());
    frame.HexRows.fill("00");
}

void SpriteProject::ApplySpriteColor(int k)
{
    SpriteState& sprite = Sprites.at(k);
    SpriteFGndColor.at(k) = SelectedColor;
    for (int f = 0; f < sprite.Frames(); ++f)
        for (ColorNumber& block : sprite.Frame(f).Blocks)
            if (block != ScreenValue())
                block = ForegroundValue(k);
}

void SpriteProject::ApplyScreenColor()
{
    ScreenBGndColor = SelectedColor;
    for (int k = 0; k < kSprites; ++k)
        for (int f = 0; f < Sprites[k].Frames(); ++f)
            for (ColorNumber& block : Sprites[k].Frame(f).Blocks)
                if (block != ForegroundValue(k))
                    block = ScreenValue();
}

void SpriteProject::SetRowText(int k, int r, const std::string& text)
{
    Edited(k).HexRows.at(r) = text;
    DrawRow(k, r);
}

void DrawFrameRow(SpriteFrame& frame, int r, ColorNumber foreground, ColorNumber screen)
{
    const std::uint8_t rowByte = RowTextValue(frame.HexRows.at(r));
    for (int c = 0; c < kRowWidth; ++c)
        frame.Blocks[r * kRowWidth + c] = (rowByte & ColumnBit(c)) ? foreground : screen;
}

void SpriteProject::DrawRow(int k, int r) { DrawFrameRow(Edited(k), r, ForegroundValue(k), ScreenValue()); }

RowBytes SpriteProject::SpriteRows(int k) const
{
    RowBytes rows;
    for (int r = 0; r < kRows; ++r)
        rows[r] = EncodeRowByte(&Edited(k).Blocks[r * kRowWidth], ForegroundValue(k));
    return rows;
}

void SpriteProject::DrawSprite(int k, const RowBytes& rows)
{
    SpriteFrame& frame = Edited(k);
    for (int i = 0; i < kBlocks; ++i)
        frame.Blocks[i] = (rows[i / kRowWidth] & ColumnBit(i % kRowWidth)) ? ForegroundValue(k) : ScreenValue();
    // Encoded from the blocks, as a click encodes: with the foreground equal
    // to the screen colour every block counts as set.
    for (int r = 0; r < kRows; ++r)
        EncodeRow(k, r);
}

void SpriteProject::TransformSprite(int k, SpriteTransform transform) { DrawSprite(k, TransformRows(SpriteRows(k), transform)); }

void SpriteProject::PasteSprite(int k, const SpriteClip& clip)
{
    SpriteFGndColor.at(k) = clip.Color < kColorCodes ? clip.Color : kWhiteCode;
    // The new colour for every frame, as Color gives it.
    for (int f = 0; f < Sprites.at(k).Frames(); ++f)
        for (ColorNumber& block : Sprites[k].Frame(f).Blocks)
            if (block != ScreenValue())
                block = ForegroundValue(k);
    DrawSprite(k, clip.Rows);
}

RowBytes TransformRows(const RowBytes& rows, SpriteTransform transform)
{
    const auto bit = [&](int r, int c) { return (rows[r] >> (7 - c)) & 1; };
    RowBytes out{};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kRowWidth; ++c) {
            int from = 0;
            switch (transform) {
            case SpriteTransform::ShiftUp: from = bit((r + 1) % 8, c); break;
            case SpriteTransform::ShiftDown: from = bit((r + 7) % 8, c); break;
            case SpriteTransform::ShiftLeft: from = bit(r, (c + 1) % 8); break;
            case SpriteTransform::ShiftRight: from = bit(r, (c + 7) % 8); break;
            case SpriteTransform::FlipHorizontal: from = bit(r, 7 - c); break;
            case SpriteTransform::FlipVertical: from = bit(7 - r, c); break;
            case SpriteTransform::Rotate: from = bit(7 - c, r); break; // the left column becomes the top row
            case SpriteTransform::Invert: from = !bit(r, c); break;
            }
            out[r] |= static_cast<std::uint8_t>(from << (7 - c));
        }
    return out;
}

void SpriteProject::ViewSprite(int k) { ThumbNailCells = Edited(k).Blocks; }

void SpriteProject::SelectFrame(int k, int f) { EditedFrame.at(k) = std::clamp(f, 0, Sprites.at(k).Frames() - 1); }

void SpriteProject::AddFrame(int k)
{
    SpriteState& sprite = Sprites.at(k);
    if (sprite.Frames() >= kMaxFrames)
        return;
    const int f = EditedFrame.at(k);
    const SpriteFrame copy = sprite.Frame(f);
    sprite.Later.insert(sprite.Later.begin() + f, copy);
    EditedFrame[k] = f + 1;
}

void SpriteProject::DeleteFrame(int k)
{
    SpriteState& sprite = Sprites.at(k);
    if (sprite.Frames() <= 1)
        return;
    const int f = EditedFrame.at(k);
    // Frame 0 is the project file's: the one after it takes its place.
    if (f == 0)
        static_cast<SpriteFrame&>(sprite) = sprite.Later.front();
    sprite.Later.erase(sprite.Later.begin() + std::max(f, 1) - 1);
    // The frame that took the deleted one's place, or the new last one.
    EditedFrame[k] = std::min(f, sprite.Frames() - 1);
}

void SpriteProject::MoveFrame(int k, int by)
{
    SpriteState& sprite = Sprites.at(k);
    const int f = EditedFrame.at(k), to = f + by;
    if (to < 0 || to >= sprite.Frames())
        return;
    std::swap(sprite.Frame(f), sprite.Frame(to));
    EditedFrame[k] = to;
}

void SpriteProject::SetFrameTime(int k, int time) { Edited(k).Time = std::uint8_t(std::clamp(time, kMinFrameTime, kMaxFrameTime)); }

void SpriteProject::NewProject()
{
    ProjectFileName.clear();
    ImportedFileName.clear();
    SelectColor(kBlackCode);
    SpriteFGndColor.fill(kWhiteCode);
    ScreenBGndColor = kBlackCode;
    for (int k = 0; k < kSprites; ++k) {
        SpriteState& sprite = Sprites[k];
        sprite.Blocks.fill(ColorValue(kBlackCode));
        sprite.HexRows.fill("00");
        sprite.Name = DefaultName(k);
        sprite.Time = kDefaultFrameTime;
        sprite.Later.clear();
    }
    EditedFrame.fill(0);
    ThumbNailCells.fill(ColorValue(kBlackCode));
    Console = {};
    Scene.reset();
}

bool Animates(const SpriteProject& project)
{
    return std::any_of(project.Sprites.begin(), project.Sprites.end(), [](const SpriteState& s) { return s.Frames() > 1; });
}

std::string SpriteProject::ProjectFileTitle() const { return std::filesystem::path(ProjectFileName).filename().string(); }

} // namespace tw
