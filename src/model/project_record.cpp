#include "model/project_record.h"

namespace tw {

void ParseSprite(SpriteProject& project, int k)
{
    for (int r = 0; r < kRows; ++r)
        project.DrawRow(k, r);
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
        project.Sprites[k].Name = record.Sprites[k].Name;
        project.SpriteFGndColor[k] = record.Sprites[k].FGndColor;
        project.Sprites[k].HexRows = record.Sprites[k].HexRows;
    }
    project.Console = record.Console;
    ParseProjectSprites(project);
    project.SelectColor(project.ScreenBGndColor);
    project.ProjectFileName = fileName;
}

} // namespace tw
