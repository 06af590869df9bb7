#pragma once

// The runs of edits that merge into one step, each by a key of its own: the
// keys typed into one box, the blocks of one stroke, the places of one drag.

#include "model/sprite_project.h"

namespace tw::document {

// The keys typed into one box merge into one step, as do the blocks of one
// stroke: a name box's own key, one for each row box, one for each grid.
constexpr int NameTypingKey(int k) { return k; }
constexpr int RowTypingKey(int k, int row) { return kSprites + k * kRows + row; }
constexpr int StrokeKey(int k) { return kSprites + kSprites * kRows + k; }
// And the scene's: a sprite dragged, cells painted or typed, a character's
// blocks painted.
constexpr int kSceneKeys = kSprites + kSprites * kRows + kSprites;
constexpr int SpriteDragKey(int k) { return kSceneKeys + k; }
constexpr int kCellStrokeKey = kSceneKeys + kSprites;
constexpr int kCellTypingKey = kCellStrokeKey + 1;
constexpr int CharacterStrokeKey(int c) { return kCellTypingKey + 1 + c; }

} // namespace tw::document
