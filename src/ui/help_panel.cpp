#include "ui/help_panel.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <string_view>

#include "ui/twips.h"

namespace tw::ui {
namespace {

// Paragraphs 1, 5 and 22 are headings. Adjacent pieces join with nothing between
// them; every blank inside the quotes belongs to the text.
constexpr std::array<std::string_view, kHelpParagraphs> kParagraphs = {
    // 1
    "OVERVIEW:",
    // 2
    "Tilewright allows quick and easy creation of a sprite or character shape "
    "for the Emerson Arcadia 2001.  By simply clicking on the appropriate blocks "
    "in the Sprite Design window, the desired shape can be modified or edited.",
    // 3
    "A Sprite View window provides for a thumbnail view of the completed sprite.  "
    "Both sprite color and background color can be chosen, allowing a comparison "
    "of various sprite-color-vs-screen-color combinations.  Up to four sprites can "
    "be created in one project session; sessions can be saved and re-loaded at any "
    "stage of the development.  When finished, the project file can be copied "
    "directly into an ASM source code file.  The default syntax is intended for the VACS "
    "2650 CrossAssembler.",
    // 4
    "For quick test purposes, Tilewright will generate a small binary file that can "
    "be loaded into a cartridge or emulator to verify the sprite designs.",
    // 5
    "DETAILS:",
    // 6
    "Clicking on any of the 64 blocks within a given sprite in the Sprite Design window will "
    "toggle the block into either foreground or background color.  A foreground color block "
    "will appear opaque (visible) on the Arcadia screen; a background color block will appear "
    "transparent (invisible), allowing the background screen to show through it.",
    // 7
    "The foreground color for each sprite can be chosen by selecting a color in the Color "
    "Select window, then clicking on the Color button in one or more of the Sprite Design "
    "windows.",
    // 8
    "The sprite foreground color can be changed at any time during the design of the sprite.  "
    "The color in the Sprite Design window will update the old foreground color to the new "
    "foreground color immediately.  Also, a small square of the appropriate color will appear "
    "just to the left of the <View> button.",
    // 9
    "You can set all the blocks in a sprite to the background color by doing a <Screen Color> "
    "select operation before selecting any block in a sprite.",
    // 10
    "The background color for the screen can be chosen by selecting a color in the Color "
    "Select window, then clicking on the Screen button.  Note that the background color "
    "is the screen color, and is therefore common for all sprites.",
    // 11
    "Note: clicking on a new color selection will only define that selection as the currently "
    "active color.  No actual color change/selection operations will occur unless a color "
    "function button on a sprite, or the screen color button, is clicked.",
    // 12
    "If the background and foreground colors are accidentally made identical, change"
    " the foreground color on the sprite, set at least one block to the new color, "
    "then change the background color.  If the new background color is not the desired "
    "color, simply change it again.",
    // 13
    "To clear a sprite (reset its' bits to the background color), use the Clear button.",
    // 14
    "After a series of sprites has been defined, clicking on the View button will "
    "transfer the individual sprite data to the View Window.  Each sprite will appear in the "
    "foreground color associated with that sprite, and of course the common background "
    "color.  Tilewright supports all 8 Arcadia colors.",
    // 15
    "When changing the background color, only the frame around the Sprite View window "
    "will change color. To view the sprite surrounded by the background color, click "
    "on the View button.",
    // 16
    "If the View Window becomes disorganized (selecting the same color for both foreground "
    "and background will do this), simply change the backgound color, then click on the View "
    "button of the desired sprite; this will reset the View Window.",
    // 17
    "Each sprite should be given a unique name for easy identification.  A sprite name "
    "cannot exceed 8 characters.",
    // 18
    "Tilewright can create a binary file that can be loaded directly into a ROM "
    "for cartridge use, or into a PC emulator.  (Tilewright was tested with "
    "WinArcadia 1.4a [not WinArcadia2001!]).  To create a binary file, a project "
    "must first be defined using the menu <File> selection.  A project is defined by "
    "either starting a new design session (<New Project>) and then saving the results, "
    "or loading an existing unfinished session (<Load Project>) under the File menu.  "
    "A unfinished session may be saved at any time (<File/Save Project>).  The saved project "
    "file is an ASM compatible text file that can be copied directly into your ASM source "
    "code as a set of sprite definition bytes using the <DB> directive.  Once a project has "
    "been defined, the binary file can be created by selecting <Create Binary> under the "
    "menu File selection.  Note that it is not necessary to actually design "
    "any sprites...you can create a valid binary file containing blank sprites (and no "
    "sprites will appear!)",
    // 19
    "Note#1: Tilewright will PROMPT you to save your work.  If you exit the "
    "program, close its window, load a project or drop a file on the window while "
    "the project has changes that have not been saved (a * in the window title), "
    "Tilewright asks \"Save changes to the project?\".  Select <Save> to save them "
    "first, <Discard> to drop them, or <Cancel> to return to the project.",
    // 20
    "Note#2: Tilewright will CHECK for an existing file when performing a "
    "<Save Project>, and will ask before overwriting any file other than the project's own.  "
    "The project's own file will be overwritten without a question, unless another program "
    "has changed it since it was loaded or saved.  This is consistent with "
    "the concept of an unfinished project needing to be updated.",
    // 21
    "Note#3: Most operations have a key.  <Ctrl+N>, <Ctrl+O>, <Ctrl+S>, <Ctrl+B> and "
    "<Ctrl+Q> select the items of the File menu; <F10> or <Alt+F> opens the File menu and <Alt+H> "
    "the Help menu, and the arrow keys walk the menus from there; <F1> shows this help and <Esc> "
    "closes it.  "
    "<F5> performs <Create Binary> and then runs the binary file in the MAME emulator "
    "(Debian package mame), where each color shows as its complement (Blue as yellow, "
    "White as black).  "
    "Once the blocks of a sprite have been clicked, or reached with <Tab>, a frame "
    "around them shows that they take the keys: the arrow keys shift the sprite one "
    "block (what leaves one edge comes back at the other), <H> and <V> flip it, <R> "
    "rotates it, <I> inverts it, <Ctrl+C> copies it and <Ctrl+V> pastes a copied "
    "sprite onto it.  A right click on the blocks (or <Shift+F10>) opens a menu of "
    "the same operations, and of <Copy As>, which copies the sprite as text for other "
    "tools.  <Ctrl+I> opens <Import Shapes>: the bytes of any file as shapes, the "
    "offset moved by the arrow keys and <Page Up>/<Page Down>, and a click puts a "
    "shape into the sprite.  Any change to the project can be undone with <Ctrl+Z> and "
    "redone with <Ctrl+Y> or <Ctrl+Shift+Z>.  A row can also be typed into the box beside it as two "
    "hexadecimal digits; <Enter> draws the row.  A project file dropped on the window "
    "is loaded; a binary file, or a picture of four sprites (such as one drawn by "
    "tilewright-cli png), loaded, dropped on the window or named when Tilewright is "
    "started, is imported into a new project.",
    // The program's own additions: the Console View and what is done in it.
    "CONSOLE VIEW:",
    "<F6>, or Console View in a grid's menu, opens the Console View: the screen the binary file "
    "shows, pixel for pixel as MAME draws it, following every change at once.  It opens beside "
    "this window (which moves to the screen's edge where there is no room beside it), and <F6> "
    "there comes back here.  Below the picture are the collision registers and three tabs: "
    "Frames, Scene and Console (the TV, NTSC or PAL; square pixels; the colours as MAME shows "
    "them or as this window names them; each sprite 16 or 8 lines tall; the bytes the chip "
    "gets).  The view keeps its place, zoom and settings for the next time.",
    "Keys of the Console View, each also in its menus (<F10> and the arrow keys walk them): "
    "<Space> plays the animation and stops it; <O> shows the onion skin; <C> the collision "
    "overlay; <Ctrl+plus> and <Ctrl+minus>, or <Ctrl> and the mouse wheel, zoom from 1 to 8 and "
    "<Ctrl+0> fits the picture to the window; <F5> runs the binary file in MAME; <Ctrl+G> saves "
    "the animation as a GIF; <Esc> closes the view; <Ctrl+Z>, <Ctrl+Y> and <Ctrl+Shift+Z> undo and "
    "redo; <Ctrl+C> copies the selected cells and <Ctrl+Shift+C> the whole screen as db lines; "
    "<Ctrl+F> fills the selected cells with the chosen character and <Shift+Del> clears them; "
    "<Ctrl+1> to <Ctrl+5> choose the tool: Move Sprites, Paint Cells, Fill Cells, Select Cells, "
    "Type Text; <Ctrl+I> opens Import Shapes.  This window's <Ctrl+N>, <Ctrl+O>, <Ctrl+S>, <Ctrl+B>, <Ctrl+Q> and <F1> work "
    "there too.",
    "FRAMES: a sprite can animate, with 1 to 64 frames, each shown for 1 to 255 console frames "
    "(1/60 s on NTSC, 1/50 s on PAL).  The Frames tab has a strip of frames for each sprite; "
    "clicking a frame, or <Left> and <Right> in a strip, chooses the frame the Sprite Design "
    "window edits.  In a strip, or from its right-click menu: <Insert> adds a copy of the "
    "frame, <Delete> deletes it, <Ctrl+Left> and <Ctrl+Right> move it, and <T> sets its time.  "
    "<Space> or the Play button plays the animation as the console would.  Onion Skin (<O> in "
    "a grid or the view) shows the frame before the edited one faintly under it.  The frames, "
    "the TV and the scene are saved in a side file beside the project file (ship.eap.asm beside "
    "ship.eap), itself ASM source.",
    "SCENE: the screen the sprites live on, 16 x 13 character cells, is edited on the picture "
    "with the tool chosen in the Scene tab or with <Ctrl+1> to <Ctrl+5>.  Move Sprites drags "
    "a sprite; with the picture focused, <1> to <4> choose a sprite and the arrow keys move "
    "it a pixel, with <Shift> a cell.  Paint Cells paints the cells the mouse passes with the "
    "character and colour chosen in the Scene tab, Fill Cells fills a dragged rectangle and "
    "Select Cells selects one.  Type Text puts what is typed into the cells from the one "
    "clicked; <Backspace> goes back and <Enter> goes to the row below.  The Scene tab also has "
    "the four user-defined characters to draw, the cells' height and the colour set.  The "
    "binary file shows the scene.",
    "COLLISIONS: below the picture, the bytes a program reads from the collision registers "
    "0x19FC (sprites against characters) and 0x19FD (sprites against each other) at the moment "
    "shown, and which sprites touch; the collision overlay (<C>) marks the pixels where they do.",
};

} // namespace

QString BuildHelpText()
{
    QString text;
    for (const std::string_view paragraph : kParagraphs) {
        text += QLatin1String(paragraph.data(), static_cast<qsizetype>(paragraph.size()));
        text += QLatin1String("\r\n\r\n");
    }
    return text;
}

HelpPanel::HelpPanel(QWidget* parent) : TitledFrame(QStringLiteral("Help"), parent)
{
    setObjectName(QStringLiteral("fmeHelp"));
    // Opaque, so that nothing of the design frame shows through around the text.
    setAutoFillBackground(true);

    rtbHelp_ = new QPlainTextEdit(this);
    rtbHelp_->setObjectName(QStringLiteral("rtbHelp"));
    rtbHelp_->setGeometry(TwipsRect(120, 240, 9615, 7335));
    rtbHelp_->setReadOnly(true);

    cmdCloseHelp_ = new QPushButton(QStringLiteral("Close"), this);
    cmdCloseHelp_->setObjectName(QStringLiteral("cmdCloseHelp"));
    cmdCloseHelp_->setGeometry(TwipsRect(4200, 7680, 1215, 255));
    connect(cmdCloseHelp_, &QPushButton::clicked, this, &HelpPanel::CloseClicked);
    // Escape leaves the help as Close does; only while the panel is shown.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &HelpPanel::CloseClicked);
}

void HelpPanel::ShowHelp()
{
    show();
    raise();
    rtbHelp_->setPlainText(BuildHelpText());
    // The keys scroll the text; Tab goes on to Close.
    rtbHelp_->setFocus();
}

} // namespace tw::ui
