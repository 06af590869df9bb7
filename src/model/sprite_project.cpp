#include "model/sprite_project.h"

#include "model/row_encoding.h"

namespace tw {

SpriteProject::SpriteProject()
{
    DefineColorSchemes(ColorSchemes);
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
    EncodeRow(k, i / 8);
}

void SpriteProject::EncodeRow(int k, int r)
{
    SpriteState& sprite = Sprites.at(k);
    sprite.HexRows.at(r) = RowText(EncodeRowByte(&sprite.Blocks.at(r * 8), ForegroundValue(k)));
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
    sprite.FGColorSquare = ForegroundValue(k);
    sprite.ForeGroundValue = CodeText(SpriteFGndColor[k]);
    for (ColorNumber& block : sprite.Blocks)
        if (block != ScreenValue())
            block = ForegroundValue(k);
}

void SpriteProject::ApplyScreenColor()
{
    ScreenBGndColor = SelectedColor;
    ThumbNailSurround = ScreenValue();
    BackGroundValue = CodeText(ScreenBGndColor);
    for (int k = 0; k < kSprites; ++k)
        for (ColorNumber& block : Sprites[k].Blocks)
            if (block != ForegroundValue(k))
                block = ScreenValue();
}

void SpriteProject::ViewSprite(int k) { ThumbNailCells = Sprites.at(k).Blocks; }

void SpriteProject::NewProject()
{
    ProjectFileName.clear();
    FrameCaption = kNoProjectCaption;
    SelectColor(0);
    SpriteFGndColor.fill(7);
    ScreenBGndColor = 0;
    BackGroundValue = CodeText(0);
    ThumbNailSurround = ScreenValue();
    for (int k = 0; k < kSprites; ++k) {
        SpriteState& sprite = Sprites[k];
        sprite.ForeGroundValue = CodeText(7);
        sprite.Blocks.fill(ColorValue(0));
        sprite.HexRows.fill("00");
        sprite.Name = DefaultName(k);
        sprite.FGColorSquare = ColorValue(7);
    }
    ThumbNailCells.fill(ColorValue(0));
}

void SpriteProject::SetProjectFile(const std::string& fileName, const std::string& fileTitle)
{
    ProjectFileName = fileName;
    ProjectFileTitle = fileTitle;
    FrameCaption = "Sprite Design [Project: " + fileTitle + "]";
}

} // namespace tw
