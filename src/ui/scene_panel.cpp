#include "ui/scene_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "console/glyphs.h"
#include "ui/block_grid.h"
#include "ui/character_palette.h"
#include "model/row_encoding.h"
#include "ui/colours.h"

namespace tw::ui {
namespace {

using Tool = ConsolePicture::Tool;

struct ToolInfo {
    Tool Does;
    const char* Name;
    const char* Tip;
};
constexpr ToolInfo kTools[] = {
    {Tool::Move, "Move", "Drag a sprite into place; the arrow keys move the one last clicked a pixel, with Shift a cell"},
    {Tool::Paint, "Paint", "Paint cells with the character and colour chosen below, by click and drag"},
    {Tool::Fill, "Fill", "Drag a rectangle of cells to fill with the character and colour chosen below"},
    {Tool::Select, "Select", "Drag a rectangle of cells to copy as db lines, clear or fill (the Scene menu)"},
    {Tool::Text, "Text", "Click a cell and type: letters, digits, space and . , + $ (Backspace, Return)"},
};

// A user-defined character's grid: 8 x 8 blocks of 10 pixels.
constexpr BlockGrid::Geometry kCharacterGeometry{QPoint(0, 0), QSize(10, 10), 11};

QIcon Swatch(Rgb colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(ToQColor(colour));
    QPainter(&pixmap).drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

} // namespace

ScenePanel::ScenePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scenePanel"));
    // One column, so that the view stays narrow beside the editor.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTools());
    layout->addWidget(BuildBrush());
    layout->addWidget(BuildCharacters());
    layout->addStretch();
}

QWidget* ScenePanel::BuildTools()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins({});
    tools_ = new QButtonGroup(this);
    for (const ToolInfo& tool : kTools) {
        auto* button = new QToolButton(box);
        button->setText(QString::fromLatin1(tool.Name));
        button->setObjectName(QStringLiteral("sceneTool_%1").arg(QLatin1String(tool.Name)));
        button->setToolTip(QString::fromLatin1(tool.Tip));
        button->setCheckable(true);
        button->setChecked(tool.Does == Tool::Move);
        tools_->addButton(button, int(tool.Does));
        row->addWidget(button);
    }
    row->addStretch();
    connect(tools_, &QButtonGroup::idClicked, this, [this](int id) { Q_EMIT ToolChosen(Tool(id)); });
    return box;
}

QWidget* ScenePanel::BuildBrush()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins({});
    palette_ = new CharacterPalette(box);
    palette_->setToolTip(QStringLiteral("The character cells are painted with; codes 38-3B show the sprites' shapes, 3C-3F the "
                                        "characters drawn below"));
    grid->addWidget(palette_, 0, 0, 1, 2, Qt::AlignLeft);
    colours_ = new QButtonGroup(this);
    connect(colours_, &QButtonGroup::idClicked, this, &ScenePanel::ShowBrush);
    for (int bits = 0; bits < 4; ++bits) {
        auto* button = new QRadioButton(box);
        button->setObjectName(QStringLiteral("sceneColour_%1").arg(bits));
        button->setChecked(bits == 2);
        colours_->addButton(button, bits);
        grid->addWidget(button, 1 + bits / 2, bits % 2);
    }
    auto* hint = new QLabel(QStringLiteral("A blank with colour bits 11 (C0) switches the rest of its row to block graphics, one "
                                           "with 01 (40) back."),
                            box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 3, 0, 1, 2);
    return box;
}

QWidget* ScenePanel::BuildCharacters()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins({});
    for (int c = 0; c < kUserCharacters; ++c) {
        auto* glyph = new BlockGrid(kCharacterGeometry, false, box);
        glyph->setObjectName(QStringLiteral("sceneCharacter_%1").arg(c));
        glyph->setFixedSize(glyph->GridExtent());
        connect(glyph, &BlockGrid::CellPressed, this, [this, c](int i) { Q_EMIT CharacterBlockPressed(c, i); });
        connect(glyph, &BlockGrid::CellDragged, this, [this, c](int i) { Q_EMIT CharacterBlockDragged(c, i); });
        connect(glyph, &BlockGrid::StrokeEnded, this, &ScenePanel::CharacterStrokeEnded);
        grid->addWidget(new QLabel(QStringLiteral("%1").arg(kFirstUserCharacter + c, 2, 16).toUpper(), box), (c / 2) * 2, c % 2);
        grid->addWidget(glyph, (c / 2) * 2 + 1, c % 2);
        characters_[std::size_t(c)] = glyph;
    }
    cellLines_ = new QComboBox(box);
    cellLines_->setObjectName(QStringLiteral("sceneCellLines"));
    cellLines_->addItems({QStringLiteral("Cells 16 lines tall"), QStringLiteral("Cells 8 lines tall")});
    connect(cellLines_, &QComboBox::activated, this, [this](int index) { Q_EMIT CellLinesChosen(index == 1 ? kShortLines : kTallLines); });
    colourSet_ = new QComboBox(box);
    colourSet_->setObjectName(QStringLiteral("sceneColourSet"));
    colourSet_->addItems({QStringLiteral("Colour set 0"), QStringLiteral("Colour set 1")});
    connect(colourSet_, &QComboBox::activated, this, [this](int index) { Q_EMIT ColourSetChosen(index == 1); });
    grid->addWidget(cellLines_, 4, 0, 1, 2);
    grid->addWidget(colourSet_, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return box;
}

void ScenePanel::ShowTool(ConsolePicture::Tool tool) { tools_->button(int(tool))->setChecked(true); }

std::uint8_t ScenePanel::ColourBits() const { return std::uint8_t(std::max(0, colours_->checkedId())); }

std::uint8_t ScenePanel::Brush() const { return WithColourBits(std::uint8_t(palette_->Chosen()), ColourBits()); }

void ScenePanel::ShowBrush() { palette_->Show(glyphs_, ConsoleRgb(CellColour(Brush(), secondSet_), model_), paper_); }

void ScenePanel::Show(const SpriteProject& project, const ConsoleShows& shows, ColourModel model)
{
    const ConsoleScene scene = project.Scene.value_or(ConsoleScene{});
    std::array<GlyphRows, 64> glyphs{};
    for (int code = 0; code < CharacterPalette::kCodes; ++code)
        for (int r = 0; r < 8; ++r)
            glyphs[std::size_t(code)][std::size_t(r)] = GlyphRow(std::uint8_t(code), r, shows.Chip, shows.CellShapes);
    const Rgb paper = ConsoleRgb(shows.Chip.Screen, model);
    // Called for every edit and every frame played: only what changed is
    // shown anew (while the sprites play, their shapes in the palette).
    if (glyphs != glyphs_ || paper != paper_ || model != model_ || scene.SecondColourSet != secondSet_) {
        glyphs_ = glyphs, paper_ = paper, model_ = model, secondSet_ = scene.SecondColourSet;
        ShowBrush();
    }
    if (shown_ == std::pair{scene, model})
        return;
    shown_ = std::pair{scene, model};
    // The four colours this screen's colour set gives, as they show and by name.
    for (int bits = 0; bits < 4; ++bits) {
        const std::uint8_t colour = CellColour(WithColourBits(0, bits), scene.SecondColourSet);
        QAbstractButton* button = colours_->button(bits);
        button->setText(QStringLiteral("%1 (bits %2%3)").arg(QString::fromStdString(ColourName(colour, model))).arg(bits >> 1).arg(bits & 1));
        button->setIcon(Swatch(ConsoleRgb(colour, model)));
    }
    const ColorNumber set = kWhiteColorNumber, clear = kBlackColorNumber;
    for (int c = 0; c < kUserCharacters; ++c) {
        BlockGrid::Cells cells{};
        for (int i = 0; i < kBlocks; ++i)
            cells[std::size_t(i)] = scene.UserCharacters[std::size_t(c * kRows + i / kRowWidth)] & ColumnBit(i % kRowWidth) ? set : clear;
        characters_[std::size_t(c)]->ShowCells(cells);
    }
    cellLines_->setCurrentIndex(scene.CellLines == kShortLines ? 1 : 0);
    colourSet_->setCurrentIndex(scene.SecondColourSet ? 1 : 0);
}

} // namespace tw::ui
