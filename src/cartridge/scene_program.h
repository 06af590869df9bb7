#pragma once

// The program of the scene image, the image written for a project with a
// scene of its own, whatever its frames. It makes the writes of the
// animating program (animation_program.h) and plays the frames as it does,
// and before them copies the scene's 208 cells to 0x1800 and its four
// user-defined characters to 0x19A0; the screen byte it writes carries the
// colour set (bit 3) and the cell height (bit 7) as well as the colour, and
// the positions are the scene's. Measured in MAME 0.251: the copies reach
// into MAME's frame 1, so the sprites first show in frame 2, a whole one,
// and MAME's frame 2 + T is console frame T; a cell of a sprite's code shows
// the shape the sprite showed a console frame before.
//
// The image is the program, then the 208 cells (row by row from the top
// left), the 32 rows of the characters, the 32 bytes copied to RAM 0x18D0
// (as in the animating image), and each sprite's frames as there: a record
// of 9 bytes a frame and an end marker. The cartridge is mapped at address
// 0, so an offset in the image is the address the program reaches it at.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cartridge/animation_program.h"
#include "cartridge/program.h"

namespace tw {

// "CELLS", "CHARS" and "INIT" in an operand are the addresses of the cells,
// the characters and the bytes for RAM past the program. The relative
// branches count from the next instruction; an indexed form names its index
// register, the data going through r0.
inline constexpr std::array kSceneMain{
    Instruction{2, {0x77, 0x02}, "", "PPSL 0x02", "compare is logical (as the other programs)"},
    Instruction{2, {0x76, 0x40}, "", "PPSU 0x40", "set Flag (as the other programs)"},
    Instruction{2, {0x75, 0x09}, "", "CPSL 0x09", "clear WC and C (as the animating program)"},
    Instruction{2, {0x04, 0x80}, "", "LODI,r0 0x80", "the blank character, for what the other programs fill beyond the cells"},
    Instruction{3, {0xCC, 0x18, 0xFF}, "", "STRA,r0 0x18FF", ""},
    Instruction{3, {0xCC, 0x1A, 0xD0}, "", "STRA,r0 0x1AD0", ""},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", ""},
    Instruction{2, {0x04, 0x80}, "fill", "LODI,r0 0x80", ""},
    Instruction{3, {0xCD, 0x3A, 0x00}, "", "STRA,r0 0x1A00,r1+", "r1 += 1; 0x1A00 + r1"},
    Instruction{3, {0x0D, 0x61, 0x37}, "", "LODA,r0 CELLS,r1", "r0 = CELLS + r1, the scene's cell"},
    Instruction{3, {0xCD, 0x78, 0x00}, "", "STRA,r0 0x1800,r1", "to 0x1800 + r1"},
    Instruction{2, {0xE5, 0xCF}, "", "COMI,r1 0xCF", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 filled", "done after 0x18CF and 0x1ACF"},
    Instruction{2, {0x1B, 0x6F}, "", "BCTR,3 fill", ""},
    Instruction{2, {0x04, 0xEE}, "filled", "LODI,r0 0xEE", ""},
    Instruction{3, {0xCC, 0x18, 0xFC}, "", "STRA,r0 0x18FC", "the character field's first row at line 17"},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", ""},
    Instruction{3, {0x0D, 0x22, 0x27}, "ram", "LODA,r0 INIT,r1+", "r1 += 1; r0 = INIT + r1"},
    Instruction{3, {0xCD, 0x78, 0xD0}, "", "STRA,r0 0x18D0,r1", "to RAM 0x18D0 + r1"},
    Instruction{3, {0x0D, 0x62, 0x07}, "", "LODA,r0 CHARS,r1", "r0 = CHARS + r1"},
    Instruction{3, {0xCD, 0x79, 0xA0}, "", "STRA,r0 0x19A0,r1", "to the user-defined characters at 0x19A0 + r1"},
    Instruction{2, {0xE5, 0x1F}, "", "COMI,r1 0x1F", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 ramdone", "32 bytes of each copied"},
    Instruction{2, {0x1B, 0x6E}, "", "BCTR,3 ram", ""},
    Instruction{2, {0x07, 0x00}, "ramdone", "LODI,r3 0x00", "r3 = 8 x sprite (0 to 3)"},
    Instruction{3, {0x3F, 0x00, 0xAB}, "shape0", "BSTA,3 TICK", "every count starts at 1: copies frame 0 into the shape"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 colours", ""},
    Instruction{2, {0x1B, 0x75}, "", "BCTR,3 shape0", ""},
    Instruction{2, {0x04, 0x00}, "colours", "LODI,r0 0x00", "operand: the colour byte of sprites 1 and 2", 0x19FB},
    Instruction{3, {0xCC, 0x19, 0xFB}, "", "STRA,r0 0x19FB", ""},
    Instruction{2, {0x04, 0x00}, "", "LODI,r0 0x00", "operand: the colour byte of sprites 3 and 4", 0x19FA},
    Instruction{3, {0xCC, 0x19, 0xFA}, "", "STRA,r0 0x19FA", ""},
    Instruction{2, {0x04, 0x00}, "", "LODI,r0 0x00", "operand: the screen colour, colour set (bit 3) and cell height (bit 7)", 0x19F9},
    Instruction{3, {0xCC, 0x19, 0xF9}, "", "STRA,r0 0x19F9", ""},
};
// After the positions, for ever: as the animating program's loop.
inline constexpr std::array kSceneLoop{
    Instruction{2, {0xB4, 0x80}, "MAIN", "TPSU 0x80", ""},
    Instruction{2, {0x18, 0x7C}, "", "BCTR,0 MAIN", "wait until the blank is over"},
    Instruction{2, {0x07, 0x00}, "", "LODI,r3 0x00", ""},
    Instruction{3, {0x3F, 0x01, 0x00}, "adv", "BSTA,3 ADV", "while the screen is drawn: move each next-record address on, so that the blank only copies"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x98, 0x77}, "", "BCFR,0 adv", ""},
    Instruction{2, {0xB4, 0x80}, "w5", "TPSU 0x80", ""},
    Instruction{2, {0x98, 0x7C}, "", "BCFR,0 w5", "wait for the blank"},
    Instruction{2, {0x07, 0x00}, "", "LODI,r3 0x00", ""},
    Instruction{3, {0x3F, 0x00, 0xAB}, "tick", "BSTA,3 TICK", "in the blank: count down, copy the shapes whose time ran out"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x98, 0x77}, "", "BCFR,0 tick", ""},
    Instruction{3, {0x1F, 0x00, 0x8A}, "", "BCTA,3 MAIN", ""},
};
inline constexpr std::array kSceneProgram = Joined(kSceneMain, kFirstBlank, kPositionWrites, kSceneLoop, kTickRoutine);

inline constexpr std::size_t kSceneProgramBytes = ProgramBytes(kSceneProgram);
inline constexpr std::size_t kSceneCells = kSceneProgramBytes;
inline constexpr std::size_t kSceneCharacters = kSceneCells + std::size_t(kCells);
inline constexpr std::size_t kSceneStartEntries = kSceneCharacters + 8 * std::size_t(kUserCharacters);
inline constexpr std::size_t kSceneFrameLists = kSceneStartEntries + 4 * kStartEntryBytes;
// Four sprites of 64 frames: 2,899 bytes, within the first 4 KiB.
inline constexpr std::size_t kMaxSceneImageBytes = kSceneFrameLists + 4 * (64 * kFrameRecordBytes + kEndMarkerBytes);

namespace program_check {
inline constexpr DataLabel kSceneData[] = {{"CELLS", 0}, {"CHARS", std::size_t(kCells)}, {"INIT", std::size_t(kCells + 8 * kUserCharacters)}};
} // namespace program_check

static_assert(program_check::EveryOperandMatches(kSceneProgram, program_check::kSceneData), "an instruction's bytes do not say what its text does");
static_assert(kSceneProgramBytes == 0x137 && kMaxSceneImageBytes == 2899);

} // namespace tw
