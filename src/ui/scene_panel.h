#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <utility>
#include <cstdint>

#include "console/glyphs.h"
#include "console/moment.h"
#include "console/renderer.h"
#include "ui/console_picture.h"

class QButtonGroup;
class QComboBox;

namespace tw::ui {

class BlockGrid;
class CharacterPalette;

// The Console View's tools for the scene: which tool the picture takes, the
// brush cells are painted with (a character of the 64 and one of the four
// colours the screen's colour set allows, as MAME shows them and by name),
// the four user-defined characters drawn block by block, the cells' height
// and colour set, and the commands on the cells. It reports what the user
// chose; the view has the document carry it out.
class ScenePanel final : public QWidget {
    Q_OBJECT

public:
    explicit ScenePanel(QWidget* parent);

    // Brings every control up to date with the moment the view shows.
    void Show(const SpriteProject& project, const ConsoleShows& shows, ColourModel model);
    // The cell byte painting, filling and typing give: the character in
    // bits 0-5, the colour bits in 6-7.
    std::uint8_t Brush() const;
    std::uint8_t ColourBits() const;
    void ShowTool(ConsolePicture::Tool tool);

Q_SIGNALS:
    void ToolChosen(tw::ui::ConsolePicture::Tool tool);
    // A stroke on a user-defined character's grid.
    void CharacterBlockPressed(int c, int block);
    void CharacterBlockDragged(int c, int block);
    void CharacterStrokeEnded();
    void CellLinesChosen(int lines);
    void ColourSetChosen(bool second);

private:
    QWidget* BuildTools();
    QWidget* BuildBrush();
    QWidget* BuildCharacters();
    // The palette in the colour the brush paints.
    void ShowBrush();

    QButtonGroup* tools_ = nullptr;
    CharacterPalette* palette_ = nullptr;
    QButtonGroup* colours_ = nullptr;
    std::array<BlockGrid*, kUserCharacters> characters_{};
    QComboBox* cellLines_ = nullptr;
    QComboBox* colourSet_ = nullptr;
    std::array<GlyphRows, 64> glyphs_{};
    bool secondSet_ = false;
    ColourModel model_ = ColourModel::Mame;
    Rgb paper_;
    std::optional<std::pair<ConsoleScene, ColourModel>> shown_; // what the controls below the palette show
};

} // namespace tw::ui
