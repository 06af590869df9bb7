#include "model/project_record.h"

namespace tw {

void ParseSprite(SpriteProject& project, int k)
{
    SpriteState& sprite = project.Sprites.at(k);
    for (int f = 0; f < sprite.Frames(); ++f)
        for (int r = 0; r < kRows; ++r)
            DrawFrameRow(sprite.Frame(f), r, project.ForegroundValue(k), project.ScreenValue());
}

void ParseProjectSprites(SpriteProject& project)
{
    for (int k = 0; k < kSprites; ++k)
        ParseSprite(project, k);
}

void ApplyProjectRecord(SpriteProject& project, const ProjectRecord& record, const std::string& fileName)
{
    project.ScreenBGndColor = record.ScreenBGndColor;
    for (int k = 0; k < kSprites; ++k) {
        SpriteState& sprite = project.Sprites[k];
        const SpriteRecord& read = record.Sprites[k];
        sprite.Name = read.Name;
        project.SpriteFGndColor[k] = read.FGndColor;
        sprite.HexRows = read.HexRows;
        sprite.Time = read.Time;
        sprite.Later.assign(read.Later.size(), {});
        for (std::size_t f = 0; f < read.Later.size(); ++f)
            sprite.Later[f].HexRows = read.Later[f].HexRows, sprite.Later[f].Time = read.Later[f].Time;
        project.EditedFrame[k] = 0;
    }
    project.Console = record.Console;
    project.Scene = record.Scene;
    ParseProjectSprites(project);
    project.SelectColor(project.ScreenBGndColor);
    project.ProjectFileName = fileName;
}

} // namespace tw
