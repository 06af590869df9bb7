#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/console_settings.h"
#include "model/palette.h"
#include "model/scene.h"

namespace tw {

inline constexpr int kSprites = kConsoleSprites;
inline constexpr int kRows = 8;
inline constexpr int kBlocks = 64;

// A sprite shows one frame after another, each for its time in console
// frames (1/60 s on NTSC, 1/50 s on PAL), and again from its first.
inline constexpr int kMaxFrames = 64;
inline constexpr std::uint8_t kDefaultFrameTime = 6;
inline constexpr int kMinFrameTime = 1, kMaxFrameTime = 255;

// One frame of a sprite: its blocks, its row texts and its time.
struct SpriteFrame {
    std::array<ColorNumber, kBlocks> Blocks{}; // block i: row i / 8, column i % 8
    std::array<std::string, kRows> HexRows;    // row texts, normally "00".."FF"
    std::uint8_t Time = kDefaultFrameTime;
    friend bool operator==(const SpriteFrame&, const SpriteFrame&) = default;
};

// One sprite's own state: its frame 0 (what the project file holds), its
// name, and the frames after frame 0 (what the side file holds). Its colour
// code is the project's SpriteFGndColor entry, for all its frames.
struct SpriteState : SpriteFrame {
    std::string Name;               // UTF-8, at most 8 characters when typed
    std::vector<SpriteFrame> Later; // frames 1 and on

    int Frames() const { return 1 + int(Later.size()); }
    SpriteFrame& Frame(int f) { return f == 0 ? *this : Later.at(std::size_t(f - 1)); }
    const SpriteFrame& Frame(int f) const { return f == 0 ? *this : Later.at(std::size_t(f - 1)); }
    // Console frames from frame 0 round to it again.
    long long TotalTime() const;
    // The frame that shows at console frame `t` (0: the first frame, and
    // round again after TotalTime()).
    int FrameAt(long long t) const;
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
    // The frame of each sprite that its design panel edits: every edit of
    // blocks and rows goes to it.
    std::array<int, kSprites> EditedFrame{};
    // The Sprite View's 64 cells. They are state, not a function of the
    // sprites: View takes a snapshot that later edits leave as it is.
    std::array<ColorNumber, kBlocks> ThumbNailCells{};
    // What the console shows beyond the project file: the TV, the sprites' heights.
    ConsoleSettings Console;
    // The screen around the sprites, where the project has one of its own.
    std::optional<ConsoleScene> Scene;

    ColorNumber ColorValue(int code) const { return ToColorNumber(ColorSchemes.at(code).ColorValue); }
    // The colour number of sprite k's set blocks (not its code).
    ColorNumber ForegroundValue(int k) const { return ColorValue(SpriteFGndColor.at(k)); }
    ColorNumber ScreenValue() const { return ColorValue(ScreenBGndColor); }

    // The frame of sprite k that is edited, where the edits below go.
    SpriteFrame& Edited(int k) { return Sprites.at(k).Frame(EditedFrame.at(k)); }
    const SpriteFrame& Edited(int k) const { return Sprites.at(k).Frame(EditedFrame.at(k)); }

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
    // Makes the selected colour sprite k's foreground colour, in all its frames.
    void ApplySpriteColor(int k);
    // Makes the selected colour the screen colour of all sprites and frames.
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

    // The frames of sprite k. Each keeps the edited frame where it makes
    // sense: on a new frame, on the frame moved, on the frame that took the
    // deleted one's place (the one before, when the last was deleted). Nothing happens where it cannot (a 65th frame, the last one
    // deleted, a move past either end).
    void SelectFrame(int k, int f);
    // A copy of the edited frame, after it.
    void AddFrame(int k);
    void DeleteFrame(int k);
    // The edited frame one place earlier (-1) or later (+1).
    void MoveFrame(int k, int by);
    // The edited frame's time, kept within 1 to 255.
    void SetFrameTime(int k, int time);
    // The file name part of ProjectFileName, what the caption names.
    std::string ProjectFileTitle() const;

    friend bool operator==(const SpriteProject&, const SpriteProject&) = default;

    static std::string DefaultName(int k) { return "Sprite" + std::to_string(k + 1); }

private:
    // Paints sprite k's edited frame from row bytes and re-encodes its rows.
    void DrawSprite(int k, const RowBytes& rows);
};

// Whether some sprite has more than one frame.
bool Animates(const SpriteProject& project);

// Redraws row r of a frame's blocks from its row text, in the two colours.
void DrawFrameRow(SpriteFrame& frame, int r, ColorNumber foreground, ColorNumber screen);

} // namespace tw
