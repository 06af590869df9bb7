#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/console_settings.h"
#include "model/palette.h"

namespace tw {

inline constexpr int kSprites = kConsoleSprites;
inline constexpr int kRows = 8;
inline constexpr int kBlocks = 64;

// One sprite's own state: its blocks, row texts and name. Its colour code is
// the project's SpriteFGndColor entry.
struct SpriteState {
    std::array<ColorNumber, kBlocks> Blocks{}; // block i: row i / 8, column i % 8
    std::array<std::string, kRows> HexRows;    // row texts, normally "00".."FF"
    std::string Name;                          // UTF-8, at most 8 characters when typed
    friend bool operator==(const SpriteState&, const SpriteState&) = default;
};

// The whole-sprite edits. Each reads the sprite as the row encoding does (a
// block in the sprite's foreground colour is set, any other block is clear,
// stray colours included), moves the bits, then paints every set block in the
// foreground colour and every clear one in the screen colour and re-encodes all
// eight rows. Shifts wrap around: what leaves one edge comes back at the other.
enum class SpriteTransform { ShiftUp, ShiftDown, ShiftLeft, ShiftRight, FlipHorizontal, FlipVertical, Rotate, Invert };

using RowBytes = std::array<std::uint8_t, kRows>; // top row first, bit 7 the leftmost block

// The bits of a transform alone; Rotate turns a quarter clockwise.
RowBytes TransformRows(const RowBytes& rows, SpriteTransform transform);

// What Copy takes from a sprite and Paste gives another: its blocks and its
// colour code, not its name.
struct SpriteClip {
    RowBytes Rows{};
    std::uint8_t Color = kWhiteCode;
    friend bool operator==(const SpriteClip&, const SpriteClip&) = default;
};

// The whole project state and the edits on it; strings are UTF-8. What the
// window shows beside it follows from it: a colour square shows
// ForegroundValue(k), the view's surround ScreenValue(), a code label the
// code itself.
class SpriteProject {
public:
    // The start-up state: palette filled, four White sprites on a Black screen.
    SpriteProject();

    ColorSchemeTable ColorSchemes;
    std::uint8_t SelectedColor = 0;
    std::array<std::uint8_t, kSprites> SpriteFGndColor{kWhiteCode, kWhiteCode, kWhiteCode, kWhiteCode};
    std::uint8_t ScreenBGndColor = 0;
    std::string ProjectFileName; // empty: no project file chosen
    // The image or picture a project was read from while it has no project
    // file: Save offers the project file beside it.
    std::string ImportedFileName;

    std::array<SpriteState, kSprites> Sprites;
    // The Sprite View's 64 cells. They are state, not a function of the
    // sprites: View takes a snapshot that later edits leave as it is.
    std::array<ColorNumber, kBlocks> ThumbNailCells{};
    // What the console shows beyond the project file: the TV, the sprites' heights.
    ConsoleSettings Console;

    ColorNumber ColorValue(int code) const { return ToColorNumber(ColorSchemes.at(code).ColorValue); }
    // The colour number of sprite k's set blocks (not its code).
    ColorNumber ForegroundValue(int k) const { return ColorValue(SpriteFGndColor.at(k)); }
    ColorNumber ScreenValue() const { return ColorValue(ScreenBGndColor); }

    // Colour option i picked: records the choice, nothing else.
    void SelectColor(int index);
    // Toggles block i of sprite k and re-encodes only that block's row.
    void ClickBlock(int k, int i);
    // Paints block i of sprite k in `color` and re-encodes its row: the
    // blocks a stroke passes over take the colour its first block took.
    void PaintBlock(int k, int i, ColorNumber color);
    // Re-encodes row r of sprite k from its blocks into its row text.
    void EncodeRow(int k, int r);
    // The other way round: redraws row r's blocks from its row text, read by
    // its first and last character as files are.
    void DrawRow(int k, int r);
    // Paints sprite k in the screen colour and resets its rows to "00", so
    // that what is saved matches what is shown.
    void ClearSprite(int k);
    // Makes the selected colour sprite k's foreground colour.
    void ApplySpriteColor(int k);
    // Makes the selected colour the screen colour of all sprites.
    void ApplyScreenColor();
    // Copies sprite k's blocks into the view cells.
    void ViewSprite(int k);
    // The row box r of sprite k was edited: keeps the text and redraws that
    // row's blocks from it, as a loaded file draws its rows.
    void SetRowText(int k, int r, const std::string& text);
    // Sprite k's rows as the encoding reads its blocks.
    RowBytes SpriteRows(int k) const;
    void TransformSprite(int k, SpriteTransform transform);
    SpriteClip CopySprite(int k) const { return {SpriteRows(k), SpriteFGndColor.at(k)}; }
    // Gives sprite k the clip's colour (a code above 7 counts as White) and blocks.
    void PasteSprite(int k, const SpriteClip& clip);
    // Resets everything to an empty project with no project file.
    void NewProject();
    // The name box of sprite k was edited (UTF-8 text as typed).
    void RenameSprite(int k, const std::string& name) { Sprites.at(k).Name = name; }
    // The file name part of ProjectFileName, what the caption names.
    std::string ProjectFileTitle() const;

    friend bool operator==(const SpriteProject&, const SpriteProject&) = default;

    static std::string DefaultName(int k) { return "Sprite" + std::to_string(k + 1); }

private:
    // Paints sprite k from row bytes and re-encodes its rows.
    void DrawSprite(int k, const RowBytes& rows);
};

} // namespace tw
