#include "sheet/picture_layout.h"

namespace tw::sheet {

std::optional<Layout> FindLayout(QSize size)
{
    const struct {
        Layout::Kind Kind;
        int Wide, High;
    } kLayouts[] = {{Layout::Sheet, kSheetBlocksWide, kSheetBlocksHigh},
                    {Layout::SideBySide, kSideBySideWide, kSideBySideHigh},
                    {Layout::Stacked, kStackedWide, kStackedHigh}};
    for (const auto& layout : kLayouts) {
        const int scale = size.width() / layout.Wide;
        if (scale > 0 && size == QSize(layout.Wide, layout.High) * scale)
            return Layout{layout.Kind, scale};
    }
    // A frames sheet's height gives its scale, and then its width the
    // frames; no size is both this and one of the others.
    const int scale = size.height() / kFrameSheetBlocksHigh;
    const int columns = scale > 0 ? (size.width() / scale - 1) / kSheetSpritePitch : 0;
    if (columns >= 1 && columns <= kMaxFrames && size == QSize(FrameSheetBlocksWide(columns), kFrameSheetBlocksHigh) * scale)
        return Layout{Layout::FrameSheet, scale, columns};
    return std::nullopt;
}

QString NoLayoutFor(QSize size)
{
    return QStringLiteral("the picture is %1 x %2 pixels; import takes the four sprites side by side (%3 x %4 pixels) "
                          "or stacked (%5 x %6), or a whole multiple of either, or a sheet that png wrote (%7 x %8 "
                          "pixels times its scale) or png --frames wrote ((9n + 1) x %9 pixels times its scale, for 1 to %10 frames)")
        .arg(size.width())
        .arg(size.height())
        .arg(kSideBySideWide)
        .arg(kSideBySideHigh)
        .arg(kStackedWide)
        .arg(kStackedHigh)
        .arg(kSheetBlocksWide)
        .arg(kSheetBlocksHigh)
        .arg(kFrameSheetBlocksHigh)
        .arg(kMaxFrames);
}

} // namespace tw::sheet
