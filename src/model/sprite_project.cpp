#include "model/sprite_project.h"

#include <filesystem>

#include "model/row_encoding.h"

namespace tw {

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
    ColorNumber& block = Sprites.at(k).Blocks.at(i);
    // Anything that is not screen-coloured counts as set, stray colours included.
    block = block == ScreenValue() ? ForegroundValue(k) : ScreenValue();
    EncodeRow(k, i / kRowWidth);
}

void SpriteProject::PaintBlock(int k, int i, ColorNumber color)
{
    Sprites.at(k).Blocks.at(i) = color;
    EncodeRow(k, i / kRowWidth);
}

void SpriteProject::EncodeRow(int k, int r)
{
    SpriteState& sprite = Sprites.at(k);
    sprite.HexRows.at(r) = RowText(EncodeRowByte(&sprite.Blocks.at(r * kRowWidth), ForegroundValue(k)));
}

void SpriteProject::ClearSprite(int k)
{
    SpriteState& sprite = Sprites.at(k);
    sprite.Blocks.fill(ScreenValue());
    sprite.HexRows.fill("00");
}

void SpriteProject::ApplySpriteColor(int k)
{
    SpriteState& sprite = Sprites.at(k);
    SpriteFGndColor.at(k) = SelectedColor;
    for (ColorNumber& block : sprite.Blocks)
        if (block != ScreenValue())
            block = ForegroundValue(k);
}

void SpriteProject::ApplyScreenColor()
{
    ScreenBGndColor = SelectedColor;
    for (int k = 0; k < kSprites; ++k)
        for (ColorNumber& block : Sprites[k].Blocks)
            if (block != ForegroundValue(k))
                block = ScreenValue();
}

void SpriteProject::SetRowText(int k, int r, const std::string& text)
{
    Sprites.at(k).HexRows.at(r) = text;
    DrawRow(k, r);
}

void SpriteProject::DrawRow(int k, int r)
{
    SpriteState& sprite = Sprites.at(k);
    const std::uint8_t rowByte = RowTextValue(sprite.HexRows.at(r));
    for (int c = 0; c < kRowWidth; ++c)
        sprite.Blocks[r * kRowWidth + c] = (rowByte & ColumnBit(c)) ? ForegroundValue(k) : ScreenValue();
}

RowBytes SpriteProject::SpriteRows(int k) const
{
    RowBytes rows;
    for (int r = 0; r < kRows; ++r)
        rows[r] = EncodeRowByte(&Sprites.at(k).Blocks[r * kRowWidth], ForegroundValue(k));
    return rows;
}

void SpriteProject::DrawSprite(int k, const RowBytes& rows)
{
    SpriteState& sprite = Sprites.at(k);
    for (int i = 0; i < kBlocks; ++i)
        sprite.Blocks[i] = (rows[i / kRowWidth] & ColumnBit(i % kRowWidth)) ? ForegroundValue(k) : ScreenValue();
    // Encoded from the blocks, as a click encodes: with the foreground equal
    // to the screen colour every block counts as set.
    for (int r = 0; r < kRows; ++r)
        EncodeRow(k, r);
}

void SpriteProject::TransformSprite(int k, SpriteTransform transform) { DrawSprite(k, TransformRows(SpriteRows(k), transform)); }

void SpriteProject::PasteSprite(int k, const SpriteClip& clip)
{
    SpriteFGndColor.at(k) = clip.Color < kColorCodes ? clip.Color : kWhiteCode;
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

void SpriteProject::ViewSprite(int k) { ThumbNailCells = Sprites.at(k).Blocks; }

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
    }
    ThumbNailCells.fill(ColorValue(kBlackCode));
    Console = {};
}

std::string SpriteProject::ProjectFileTitle() const { return std::filesystem::path(ProjectFileName).filename().string(); }

} // namespace tw
