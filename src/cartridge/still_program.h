#pragma once

// The 101-byte program of the 133-byte test cartridge image, written for a
// project whose sprites have one frame each. It fills the screen with blank
// characters, copies the 32 row bytes that follow it to the sprites' shapes,
// writes the sprites' positions and then the colour bytes, and comes to rest
// at 0x0063. Its bytes are CartridgeTemplate's, checked at build time.

#include <string_view>

#include "cartridge/program.h"
#include "cartridge/program_parts.h"

namespace tw {

// The program as two hex digits a byte; the colour operands at offsets 0x55,
// 0x5A and 0x5F are placeholders the image replaces.
inline constexpr std::string_view CartridgeTemplate =
    "77027640048005FF06FFCD7800CD3A00E5D018021B7404EECC18FC2005FF06FF0D2065E5201805CE39801B740440CC18F10490"
    "CC18F00450CC18F30490CC18F20460CC18F50490CC18F40470CC18F70490CC18F60420CC19FB0432CC19FA0403CC19F91B7E";

// "ROWS" in an operand is the address just past the program, where the 32
// row bytes are. The relative branches (BCTR) count from the next
// instruction; an indexed form names its index register, the data going
// through r0.
inline constexpr std::array kStillStart{
    Instruction{2, {0x77, 0x02}, "", "PPSL 0x02", "compare is logical"},
    Instruction{2, {0x76, 0x40}, "", "PPSU 0x40", "set Flag"},
    Instruction{2, {0x04, 0x80}, "", "LODI,r0 0x80", "the blank character, for every cell"},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", "the loop fills 0x18FF, 0x1800 to 0x18CF and 0x1A00 to 0x1AD0"},
    Instruction{2, {0x06, 0xFF}, "", "LODI,r2 0xFF", ""},
    Instruction{3, {0xCD, 0x78, 0x00}, "fill", "STRA,r0 0x1800,r1", "0x1800 + r1"},
    Instruction{3, {0xCD, 0x3A, 0x00}, "", "STRA,r0 0x1A00,r1+", "r1 += 1; 0x1A00 + r1"},
    Instruction{2, {0xE5, 0xD0}, "", "COMI,r1 0xD0", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 filled", "done after 0x18CF and 0x1AD0"},
    Instruction{2, {0x1B, 0x74}, "", "BCTR,3 fill", ""},
    Instruction{2, {0x04, 0xEE}, "filled", "LODI,r0 0xEE", ""},
    Instruction{3, {0xCC, 0x18, 0xFC}, "", "STRA,r0 0x18FC", "the character field's first row at line 17"},
    Instruction{1, {0x20}, "", "EORZ r0", "r0 = 0"},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", "source index"},
    Instruction{2, {0x06, 0xFF}, "", "LODI,r2 0xFF", "destination index"},
    Instruction{3, {0x0D, 0x20, 0x65}, "copy", "LODA,r0 ROWS,r1+", "r1 += 1; r0 = ROWS + r1"},
    Instruction{2, {0xE5, 0x20}, "", "COMI,r1 0x20", ""},
    Instruction{2, {0x18, 0x05}, "", "BCTR,0 positions", "32 bytes copied"},
    Instruction{3, {0xCE, 0x39, 0x80}, "", "STRA,r0 0x1980,r2+", "r2 += 1; to the shapes at 0x1980 + r2"},
    Instruction{2, {0x1B, 0x74}, "", "BCTR,3 copy", ""},
};
// After the positions: the colours, and rest.
inline constexpr std::array kStillColours{
    Instruction{2, {0x04, 0x20}, "", "LODI,r0 0x20", "operand: the colour byte of sprites 1 and 2", 0x19FB},
    Instruction{3, {0xCC, 0x19, 0xFB}, "", "STRA,r0 0x19FB", ""},
    Instruction{2, {0x04, 0x32}, "", "LODI,r0 0x32", "operand: the colour byte of sprites 3 and 4", 0x19FA},
    Instruction{3, {0xCC, 0x19, 0xFA}, "", "STRA,r0 0x19FA", ""},
    Instruction{2, {0x04, 0x03}, "", "LODI,r0 0x03", "operand: the screen colour", 0x19F9},
    Instruction{3, {0xCC, 0x19, 0xF9}, "", "STRA,r0 0x19F9", ""},
    Instruction{2, {0x1B, 0x7E}, "rest", "BCTR,3 rest", "the program comes to rest here"},
};
inline constexpr std::array kStillProgram = Joined(kStillStart, kPositionWrites, kStillColours);

inline constexpr std::size_t kTemplateBytes = ProgramBytes(kStillProgram);
inline constexpr std::string_view kRowsLabel = "ROWS";

namespace program_check {

constexpr char HexDigit(unsigned value) { return "0123456789ABCDEF"[value]; }

constexpr bool MatchesTemplate()
{
    constexpr auto bytes = BytesOf<kTemplateBytes>(kStillProgram);
    if (CartridgeTemplate.size() != 2 * bytes.size())
        return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (CartridgeTemplate[2 * i] != HexDigit(bytes[i] >> 4u) || CartridgeTemplate[2 * i + 1] != HexDigit(bytes[i] & 15u))
            return false;
    return true;
}

} // namespace program_check

static_assert(kTemplateBytes == 101);
static_assert(program_check::EveryOperandMatches(kStillProgram, kRowsLabel), "an instruction's bytes do not say what its text does");
static_assert(program_check::MatchesTemplate(), "the program's table is not the template's bytes");

} // namespace tw
