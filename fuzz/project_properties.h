#pragma once

// What must hold for any bytes handed to the project file reader, whatever
// they are. Shared by the fuzzer (which aborts on the first violation) and by
// the regression suite (which reports it), so both judge inputs the same way.
// Standard library only: the fuzzer links nothing but the core.

#include <string>
#include <string_view>

#include "model/row_encoding.h"
#include "model/sprite_project.h"
#include "project/eap_reader.h"
#include "project/eap_writer.h"
#include "project/latin1.h"

namespace tw::fuzz {

// A project that is clearly not the start-up state, so that a load which
// touched anything would show.
inline SpriteProject EditedProject()
{
    SpriteProject p;
    p.SelectColor(2);
    p.ApplyScreenColor();
    for (int k = 0; k < kSprites; ++k) {
        p.SelectColor(3 + k);
        p.ApplySpriteColor(k);
        p.RenameSprite(k, "Old" + std::to_string(k));
        for (int i = k; i < kBlocks; i += 5)
            p.ClickBlock(k, i);
    }
    p.ViewSprite(1);
    p.SelectColor(5);
    p.ProjectFileName = "/before/old.eap";
    return p;
}

// What a file load does to a project: read, and apply only a complete record.
inline ReadResult LoadBytes(SpriteProject& project, std::string_view bytes, const std::string& fileName)
{
    ReadResult result = ReadProjectFile(bytes);
    if (result.Record)
        ApplyProjectRecord(project, *result.Record, fileName);
    return result;
}

// The 13 CR LF lines every save must consist of.
inline std::string CheckSavedShape(const std::string& file)
{
    int lines = 0;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        if (end == std::string::npos)
            return "a saved file does not end in CR LF";
        if (file.substr(start, end - start).find_first_of("\r\n") != std::string::npos)
            return "a saved line holds a stray CR or LF";
        ++lines;
        start = end + 2;
    }
    return lines == kProjectFileLines ? "" : "a saved file has " + std::to_string(lines) + " lines";
}

// A project after a successful load: what it shows follows from what was read.
inline std::string CheckLoadedProject(const SpriteProject& p, const std::string& fileName)
{
    if (p.ProjectFileName != fileName)
        return "a successful load did not make the file the project file";
    if (p.ScreenBGndColor >= kColorCodes)
        return "the screen colour is outside the palette";
    if (p.SelectedColor != p.ScreenBGndColor)
        return "the selected colour is not the loaded screen colour";
    for (int k = 0; k < kSprites; ++k) {
        const SpriteState& s = p.Sprites[k];
        if (p.SpriteFGndColor[k] >= kColorCodes)
            return "sprite " + std::to_string(k + 1) + " has a colour outside the palette";
        if (Utf8Length(s.Name) > 8)
            return "sprite " + std::to_string(k + 1) + " has a name longer than the name box";
        if (Latin1ToUtf8(Utf8ToLatin1(s.Name)) != s.Name)
            return "sprite " + std::to_string(k + 1) + "'s name does not survive the file encoding";
        const ColorNumber fg = p.ForegroundValue(k);
        const ColorNumber screen = p.ScreenValue();
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < 8; ++c) {
                const ColorNumber b = s.Blocks[r * 8 + c];
                if (b != fg && b != screen)
                    return "a block is in neither the sprite's nor the screen colour";
            }
            // What is drawn must read back as the row text's byte.
            if (fg != screen && EncodeRowByte(&s.Blocks[r * 8], fg) != RowTextValue(s.HexRows[r]))
                return "sprite " + std::to_string(k + 1) + " row " + std::to_string(r) + " is drawn unlike its text";
        }
    }
    return {};
}

// Every property for one input; empty when all hold, else what broke.
inline std::string CheckProjectFileProperties(std::string_view bytes)
{
    static const SpriteProject before = EditedProject();
    SpriteProject project = before;
    const ReadResult result = LoadBytes(project, bytes, "/fuzz/in.eap");
    if (!result.Record) {
        if (!(project == before))
            return "a failed load changed the project";
        if (result.Error.Line < 1 || result.Error.Line > kProjectFileLines)
            return "the error names line " + std::to_string(result.Error.Line);
        if (result.Error.Reason.empty())
            return "the error gives no reason";
        return {};
    }
    if (std::string why = CheckLoadedProject(project, "/fuzz/in.eap"); !why.empty())
        return why;

    // Save, load, save: the two saved files are the same bytes.
    const std::string first = ProjectFileBytes(project);
    if (std::string why = CheckSavedShape(first); !why.empty())
        return why;
    SpriteProject reloaded = before;
    const ReadResult again = LoadBytes(reloaded, first, "/fuzz/saved.eap");
    if (!again.Record)
        return "a saved file does not load: line " + std::to_string(again.Error.Line) + ": " + again.Error.Reason;
    if (std::string why = CheckLoadedProject(reloaded, "/fuzz/saved.eap"); !why.empty())
        return why;
    if (ProjectFileBytes(reloaded) != first)
        return "save, load, save gives a different file";
    // The reload keeps what the user sees by name and colour.
    if (reloaded.ScreenBGndColor != project.ScreenBGndColor || reloaded.SpriteFGndColor != project.SpriteFGndColor)
        return "colours changed through save and load";
    for (int k = 0; k < kSprites; ++k) {
        if (reloaded.Sprites[k].Name != project.Sprites[k].Name)
            return "sprite " + std::to_string(k + 1) + "'s name changed through save and load";
        // A row may come back spelt otherwise (Ah as 0AAh), never as another byte.
        if (reloaded.SpriteRows(k) != project.SpriteRows(k))
            return "sprite " + std::to_string(k + 1) + "'s rows changed through save and load";
    }
    return {};
}

} // namespace tw::fuzz
