#include "ui/help_panel.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <string_view>

#include "ui/twips.h"

namespace tw::ui {
namespace {

// Paragraphs 1 and 5 are headings. Adjacent pieces join with nothing between
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
    "<Ctrl+Q> select the items of the File menu; <F1> shows this help and <Esc> closes it.  "
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
    "redone with <Ctrl+Y>.  A row can also be typed into the box beside it as two "
    "hexadecimal digits; <Enter> draws the row.  A project file dropped on the window "
    "is loaded; a binary file, or a picture of four sprites (such as one drawn by "
    "tilewright-cli png), loaded, dropped on the window or named when Tilewright is "
    "started, is imported into a new project.",
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
