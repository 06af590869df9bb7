// bench_scene REPEATS: a full scene pictured as the Console View pictures it at zoom 4, and its collisions.
//
// The project has every cell set (all codes, rows of block graphics among them), its own characters and four
// 16-line sprites of three frames over the field. REPEATS times each, at console frame n: what the console
// shows then (ShownAt), the screen drawn (RenderConsoleScreen), the screen made a picture at zoom 4 on an NTSC TV
// in memory kept from the last (DrawScreenImage, as the Console View does), and the collision registers with
// their pixels (CollisionsOf). Prints the medians shown_ns, render_ns, picture_ns, pictured_ns (the three
// together), collisions_ns, and the picture's size as picture=WxH.
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "console/collisions.h"
#include "model/row_encoding.h"
#include "sheet/screen_picture.h"

namespace {

long long Median(std::vector<long long> times)
{
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

tw::SpriteProject FullScene()
{
    std::mt19937 random(2001);
    tw::SpriteProject p;
    tw::ConsoleScene& scene = p.Scene.emplace();
    for (std::uint8_t& cell : scene.Cells)
        cell = std::uint8_t(random());
    for (std::uint8_t& row : scene.UserCharacters)
        row = std::uint8_t(random());
    scene.Positions = {0x90, 0x40, 0x88, 0x44, 0x80, 0x48, 0x78, 0x4C};
    for (int k = 0; k < tw::kSprites; ++k) {
        p.SpriteFGndColor[k] = std::uint8_t(k + 1);
        for (int f = 0; f < 3; ++f) {
            if (f > 0)
                p.AddFrame(k);
            p.SetFrameTime(k, 1);
            for (int r = 0; r < tw::kRows; ++r)
                p.SetRowText(k, r, tw::RowText(std::uint8_t(random())));
        }
    }
    return p;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const int repeats = argc == 2 ? std::atoi(argv[1]) : 0;
    if (repeats <= 0) {
        std::fprintf(stderr, "usage: bench_scene REPEATS\n");
        return 1;
    }
    const tw::SpriteProject project = FullScene();
    const tw::ScreenScale scale{4, tw::PixelShape::Ntsc};
    QImage picture;
    std::vector<long long> shown, render, drawn, pictured, collide;
    unsigned touched = 0; // kept, so that nothing measured can be left out
    QElapsedTimer timer;
    for (int n = 0; n < repeats; ++n) {
        timer.start();
        const tw::ConsoleShows shows = tw::ShownAt(project, {n});
        shown.push_back(timer.nsecsElapsed());
        const tw::ConsoleScreen screen = tw::RenderConsoleScreen(shows, tw::ColourModel::Mame);
        render.push_back(timer.nsecsElapsed() - shown.back());
        tw::sheet::DrawScreenImage(screen, scale, picture);
        pictured.push_back(timer.nsecsElapsed());
        drawn.push_back(pictured.back() - shown.back() - render.back());
        timer.start();
        const tw::Collisions found = tw::CollisionsOf(shows);
        collide.push_back(timer.nsecsElapsed());
        touched += found.Characters + found.Pairs + unsigned(found.Pixels.size()) + picture.pixel(n % picture.width(), 0);
    }
    std::printf("picture=%dx%d\nshown_ns=%lld\nrender_ns=%lld\npicture_ns=%lld\npictured_ns=%lld\ncollisions_ns=%lld\ntouched=%u\n",
                picture.width(), picture.height(), Median(shown), Median(render), Median(drawn), Median(pictured), Median(collide),
                touched);
    return 0;
}
