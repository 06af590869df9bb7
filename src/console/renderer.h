#pragma once

// The console's screen as the chip draws it, one pixel per console pixel
// and scan line over the whole area MAME's arcadia driver shows, and the
// shape a TV gives those pixels. Measured against MAME 0.251's snapshots of
// the images the test cartridge writes, pixel for pixel.

#include <cstdint>
#include <string>
#include <vector>

#include "console/moment.h"
#include "console/screen_geometry.h"
#include "model/names.h"
#include "model/palette.h"

namespace tw {

// Pixels to a console line in a picture of the screen: by default as many as
// keep an NTSC picture (658 x 524) on a small screen.
inline constexpr int kDefaultScreenScale = 2;
inline constexpr int kMaxScreenScale = 16;

// How a colour code is shown. Mame: as the chip does, one bit a colour gun,
// a set bit switching it off (0 white, 1 yellow ... 7 black), which MAME and
// the FPGA core show. Names: as the editor's palette names the code, which
// WinArcadia shows with the Flag bit set, as the test cartridge sets it.
enum class ColourModel { Mame, Names };
inline constexpr std::array<Named<ColourModel>, 2> kColourModelNames{{{ColourModel::Mame, "mame"}, {ColourModel::Names, "names"}}};

Rgb ConsoleRgb(std::uint8_t code, ColourModel model);
// The name of the colour a code shows as, in the model: the chip's (0
// white, 1 yellow ... 7 black), or the editor's palette's.
std::string ColourName(std::uint8_t code, ColourModel model);

struct ConsoleScreen {
    std::vector<Rgb> Pixels = std::vector<Rgb>(kScreenWidth * kScreenLines); // line by line, from the top left
    Rgb At(int x, int line) const { return Pixels[std::size_t(line * kScreenWidth + x)]; }
    friend bool operator==(const ConsoleScreen&, const ConsoleScreen&) = default;
};

// The screen the chip shows: the screen colour, the character field over
// it (the cells of the sprites' codes showing `shows.CellShapes`), and the
// four sprites over that where the chip draws them (screen_geometry.h),
// sprite 4 on top.
//
// Where the moment has an onion skin, its sprites are drawn faintly first,
// where the sprites over them leave the screen colour: the frames before
// under those shown.
ConsoleScreen RenderConsoleScreen(const ConsoleShows& shows, ColourModel model);

// The shape of a console pixel on a TV: NTSC and PAL pixels are wider than
// the line is tall, by the ratio of the chip's pixel clock to the TV's line.
enum class PixelShape { Ntsc, Pal, Square };
inline constexpr std::array<Named<PixelShape>, 3> kPixelShapeNames{
    {{PixelShape::Ntsc, "ntsc"}, {PixelShape::Pal, "pal"}, {PixelShape::Square, "square"}}};
struct Ratio {
    int Wide, High;
};
constexpr Ratio PixelAspect(PixelShape shape)
{
    return shape == PixelShape::Ntsc ? Ratio{12, 7} : shape == PixelShape::Pal ? Ratio{27, 13} : Ratio{1, 1};
}
constexpr PixelShape TvShape(TvSystem tv) { return tv == TvSystem::Pal ? PixelShape::Pal : PixelShape::Ntsc; }

// The screen drawn `scale` pixels to a line: console pixel x spans columns
// ColumnStart(x) to ColumnStart(x + 1), rounded so that the whole picture
// keeps the aspect, every pixel a solid block (no blur).
struct ScreenScale {
    int Scale = 1;
    PixelShape Shape = PixelShape::Square;
    int ColumnStart(int x) const;
    int Width() const { return ColumnStart(kScreenWidth); }
    int Height() const { return kScreenLines * Scale; }
};

} // namespace tw
