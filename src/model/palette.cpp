#include "model/palette.h"

namespace tw {

void DefineColorSchemes(ColorSchemeTable& ColorSchemes)
{
    // Written from White down to Black, each as name, value, code.
    const auto set = [&](int index, const char* name, double value) {
        ColorSchemes[index].ColorName = name;
        ColorSchemes[index].ColorValue = value;
        ColorSchemes[index].ColorCode = static_cast<std::uint8_t>(index);
    };
    set(7, "White", -2147483643.0);
    set(6, "Yellow", 65535.0);
    set(5, "Cyan", 16777088.0);
    set(4, "Green", 65280.0);
    set(3, "Majenta", 16744703.0);
    set(2, "Red", 255.0);
    set(1, "Blue", 16711680.0);
    set(0, "Black", 0.0);
}

const ColorSchemeTable& Palette()
{
    static const ColorSchemeTable table = [] {
        ColorSchemeTable filled;
        DefineColorSchemes(filled);
        return filled;
    }();
    return table;
}

Rgb DisplayRgb(ColorNumber color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u)
        return {255, 255, 255};
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

Rgb FaintRgb(Rgb sprite, Rgb screen)
{
    // A third of the way: plain to see, and never taken for a set block.
    const auto mix = [](std::uint8_t a, std::uint8_t b) { return std::uint8_t((a + 2 * b + 1) / 3); };
    return {mix(sprite.red, screen.red), mix(sprite.green, screen.green), mix(sprite.blue, screen.blue)};
}

} // namespace tw
