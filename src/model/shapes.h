#pragma once

// Shapes found in any binary (a cartridge, a memory dump, a build): the 8
// bytes from an offset on are one 8 x 8 shape, the first its top row, bit 7
// its left pixel, as a sprite's rows are. Graphics are not always 8-aligned,
// so an offset is any byte. tilewright-cli's shapes sheet and the editor's
// Import Shapes window lay them out alike, 16 a row.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/project_record.h"
#include "model/row_encoding.h"
#include "model/sprite_project.h"

namespace tw {

inline constexpr int kShapeBytes = kRows;
inline constexpr int kShapesPerRow = 16;
// Row r of shapes from offset N starts at N + 128 r.
inline constexpr int kShapeRowBytes = kShapesPerRow * kShapeBytes;

// The bytes of the shape at `offset` that `bytes` holds, 0 to 8: a shape
// near the end of a binary may have fewer rows than 8.
constexpr int ShapeRowsHeld(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return offset >= bytes.size() ? 0 : int(std::min<std::size_t>(kShapeBytes, bytes.size() - offset));
}

// The shape at `offset`; rows past the end of `bytes` are clear.
constexpr RowBytes ShapeAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    RowBytes rows{};
    for (int r = 0; r < ShapeRowsHeld(bytes, offset); ++r)
        rows[std::size_t(r)] = bytes[offset + std::size_t(r)];
    return rows;
}

// A new project's record (Sprite1 to Sprite4, White on Black) whose sprite
// k has the shape at offsets[k] as its rows.
inline ProjectRecord ShapesRecord(std::span<const std::uint8_t> bytes, const std::array<std::size_t, kSprites>& offsets)
{
    ProjectRecord record;
    for (int k = 0; k < kSprites; ++k) {
        SpriteRecord& sprite = record.Sprites[k];
        sprite.Name = SpriteProject::DefaultName(k);
        const RowBytes rows = ShapeAt(bytes, offsets[std::size_t(k)]);
        for (int r = 0; r < kRows; ++r)
            sprite.HexRows[r] = RowText(rows[r]);
    }
    return record;
}

} // namespace tw
