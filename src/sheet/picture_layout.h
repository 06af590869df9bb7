#pragma once

// The arrangements of blocks import reads a picture as, told by its size
// alone: what the header check and the reading of the pixels share.

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

#include "model/row_encoding.h"
#include "model/sprite_project.h"
#include "sheet/sprite_sheet.h"

namespace tw::sheet {

inline constexpr char kTakes[] = "import takes PNG, BMP, GIF, PBM, PGM or PPM pictures";

// Where the blocks are: a sheet's, a frames sheet's, or 32 x 8 / 8 x 32
// blocks without gaps.
struct Layout {
    enum Kind { Sheet, FrameSheet, SideBySide, Stacked } Arrangement;
    int Scale;
    int Columns = 1; // the frames a sprite has room for

    QPoint Origin(int k, int f, int i) const
    {
        const int row = i / kRowWidth, column = i % kRowWidth;
        switch (Arrangement) {
        case Sheet: return BlockOrigin(k, i, Scale);
        case FrameSheet: return FrameBlockOrigin(k, f, i, Scale);
        case SideBySide: return QPoint(kRowWidth * k + column, row) * Scale;
        case Stacked: break;
        }
        return QPoint(column, kRows * k + row) * Scale;
    }
    bool IsSheet() const { return Arrangement == Sheet || Arrangement == FrameSheet; }
    // Whether the block at a sheet's column and row is in its border or the
    // gaps between its cells, which png draws in the screen colour whatever
    // the sprites hold.
    bool IsGap(int column, int row) const
    {
        return column % kSheetSpritePitch == 0 ||
               (Arrangement == FrameSheet ? row % kSheetSpritePitch == 0 : row == 0 || row == kSheetBlocksHigh - 1);
    }
};

// The arrangement a picture of this size is, if any.
std::optional<Layout> FindLayout(QSize size);

// Why a picture of this size is none, naming the sizes import takes.
QString NoLayoutFor(QSize size);

} // namespace tw::sheet
