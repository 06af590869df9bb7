// The document's scene actions: the sprites placed, the cells painted and
// typed, the user-defined characters drawn, the scene's settings.
#include <algorithm>
#include <utility>

#include "document/project_document.h"
#include "document/run_keys.h"
#include "model/row_encoding.h"

namespace tw::document {

template <typename Edit>
void ProjectDocument::EditScene(Edit edit, int runKey)
{
    if (runKey < 0 || runKey != runKey_)
        EndRun();
    ConsoleScene scene = project_.Scene.value_or(ConsoleScene{});
    edit(scene);
    if (scene == project_.Scene.value_or(ConsoleScene{}))
        return; // no step, and no scene made by an edit that changes nothing
    PushSceneStep(std::exchange(project_.Scene, std::move(scene)), runKey);
}

namespace {

// A place as the chip takes it, each byte kept to what it can be.
void Place(ConsoleScene& scene, int k, int vertical, int horizontal)
{
    scene.Positions.at(std::size_t(2 * k)) = std::uint8_t(std::clamp(vertical, 0, 255));
    scene.Positions.at(std::size_t(2 * k + 1)) = std::uint8_t(std::clamp(horizontal, 0, 255));
}

void SetBlock(ConsoleScene& scene, int c, int i, bool set)
{
    std::uint8_t& row = scene.UserCharacters.at(std::size_t(c * kRows + i / kRowWidth));
    row = set ? row | ColumnBit(i % kRowWidth) : row & ~ColumnBit(i % kRowWidth);
}

} // namespace

void ProjectDocument::PlaceSprite(int k, int vertical, int horizontal)
{
    EditScene([&](ConsoleScene& s) { Place(s, k, vertical, horizontal); });
}

void ProjectDocument::DragSprite(int k, int vertical, int horizontal)
{
    EditScene([&](ConsoleScene& s) { Place(s, k, vertical, horizontal); }, SpriteDragKey(k));
}

void ProjectDocument::PaintCell(int cell, std::uint8_t byte)
{
    EditScene([&](ConsoleScene& s) { s.Cells.at(std::size_t(cell)) = byte; });
}

void ProjectDocument::StrokeCell(int cell, std::uint8_t byte)
{
    EditScene([&](ConsoleScene& s) { s.Cells.at(std::size_t(cell)) = byte; }, kCellStrokeKey);
}

void ProjectDocument::TypeCell(int cell, std::uint8_t byte)
{
    EditScene([&](ConsoleScene& s) { s.Cells.at(std::size_t(cell)) = byte; }, kCellTypingKey);
}

void ProjectDocument::FillCells(int from, int to, std::uint8_t byte)
{
    EditScene([&](ConsoleScene& s) {
        const CellRectangle cells = CellsBetween(from, to);
        for (int row = cells.Top; row <= cells.Bottom; ++row)
            for (int column = cells.Left; column <= cells.Right; ++column)
                s.Cells.at(std::size_t(row * kFieldColumns + column)) = byte;
    });
}

void ProjectDocument::SetCharacterBlock(int c, int i, bool set)
{
    EditScene([&](ConsoleScene& s) { SetBlock(s, c, i, set); });
}

void ProjectDocument::StrokeCharacterBlock(int c, int i, bool set)
{
    EditScene([&](ConsoleScene& s) { SetBlock(s, c, i, set); }, CharacterStrokeKey(c));
}

void ProjectDocument::PutShapeInCharacter(int c, const RowBytes& rows)
{
    EditScene([&](ConsoleScene& s) {
        for (int r = 0; r < kRows; ++r)
            s.UserCharacters.at(std::size_t(c * kRows + r)) = rows[r];
    });
}

void ProjectDocument::SetCellLines(int lines)
{
    EditScene([&](ConsoleScene& s) { s.CellLines = std::uint8_t(lines == kShortLines ? kShortLines : kTallLines); });
}

void ProjectDocument::SetColourSet(bool second)
{
    EditScene([&](ConsoleScene& s) { s.SecondColourSet = second; });
}

void ProjectDocument::RemoveScene()
{
    EndRun();
    if (!project_.Scene)
        return;
    PushSceneStep(std::exchange(project_.Scene, std::nullopt), -1);
}

} // namespace tw::document
