#include "project/eap_writer.h"

#include "model/row_encoding.h"
#include "project/latin1.h"

namespace tw {

std::string CompileSprite(const SpriteProject& project, int k)
{
    const SpriteState& sprite = project.Sprites.at(k);
    const ColorScheme& color = project.ColorSchemes.at(project.SpriteFGndColor.at(k));

    std::string text = sprite.Name + ":" + kLineEnd;
    text += ";" + color.ColorName + "-" + std::to_string(color.ColorCode) + kLineEnd;
    return text + DataLine(sprite.HexRows) + kLineEnd;
}

std::string DataLine(const std::array<std::string, kRows>& hexRows)
{
    std::string text(kDataLinePrefix);
    for (int r = 0; r < kRows; ++r) {
        const std::string& t = hexRows[r];
        // A byte that starts with a letter needs a leading 0 to read as a number.
        if (HexToDec(FirstChar(t)) > 9)
            text += '0';
        text += t + "h";
        if (r < kRows - 1)
            text += ',';
    }
    return text;
}

std::string ProjectFileText(const SpriteProject& project)
{
    std::string text = ";Screen-" + project.ColorSchemes.at(project.ScreenBGndColor).ColorName + "-" +
                       std::to_string(project.ScreenBGndColor) + kLineEnd;
    for (int k = 0; k < kSprites; ++k)
        text += CompileSprite(project, k);
    return text;
}

std::string ProjectFileBytes(const SpriteProject& project) { return Utf8ToLatin1(ProjectFileText(project)); }

} // namespace tw
