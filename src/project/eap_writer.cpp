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

std::string RowItem(const std::string& rowText)
{
    // A byte that starts with a letter needs a leading 0 to read as a number.
    // Reading takes that 0 off a two-digit text only: a letter-led text of
    // another length (from a file written by hand) would come back as another
    // byte, so it is written as the byte it stands for.
    const bool letterLed = HexToDec(FirstChar(rowText)) > 9;
    if (letterLed && Utf8Length(rowText) != 2)
        return RowItem(RowText(RowTextValue(rowText)));
    return (letterLed ? "0" : "") + rowText + "h";
}

std::string DataLine(const std::array<std::string, kRows>& hexRows)
{
    std::string text(kDataLinePrefix);
    for (int r = 0; r < kRows; ++r) {
        text += RowItem(hexRows[r]);
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

bool SameProjectFile(const SpriteProject& a, const SpriteProject& b)
{
    // The colour lines name a palette entry each, one per code.
    if (a.ScreenBGndColor != b.ScreenBGndColor || a.SpriteFGndColor != b.SpriteFGndColor)
        return false;
    for (int k = 0; k < kSprites; ++k) {
        const SpriteState& s = a.Sprites[k];
        const SpriteState& t = b.Sprites[k];
        if (s.Name != t.Name && Utf8ToLatin1(s.Name) != Utf8ToLatin1(t.Name))
            return false;
        for (int r = 0; r < kRows; ++r)
            if (s.HexRows[r] != t.HexRows[r] && RowItem(s.HexRows[r]) != RowItem(t.HexRows[r]))
                return false;
    }
    return true;
}

} // namespace tw
