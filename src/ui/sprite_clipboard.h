#pragma once

#include <QString>

#include <optional>

#include "model/sprite_project.h"

namespace tw::ui {

// Copy and Paste of a sprite go through the desktop clipboard, so that a
// sprite can be carried from one editor window to another: its rows and
// colour under a type of our own, and as text the db line an assembler
// source would hold.
inline const QString kSpriteMimeType = QStringLiteral("application/x-tilewright-sprite");

void PutSpriteOnClipboard(const SpriteClip& clip);
// The sprite on the clipboard; nothing when it holds anything else.
std::optional<SpriteClip> SpriteOnClipboard();

} // namespace tw::ui
