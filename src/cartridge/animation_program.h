#pragma once

// The program of the animating test cartridge, the image written for a
// project where some sprite has more than one frame. It makes the writes of
// the 133-byte program, then, once a vertical blank, counts down each
// sprite's time and copies the next frame into the sprite's shape when the
// time runs out. Measured in MAME 0.251: SENSE (bit 7 of the program status
// upper byte) is 1 from line 216 to the end of line 261, and MAME draws the
// sprites at line 261 from the registers as they are then; all four copies
// end by line 246 even when every sprite changes in the same blank.
//
// The image is the program, then 32 bytes copied to RAM 0x18D0 (a slot of 8
// bytes a sprite: its count, the address of its next frame record, a flag to
// move that address on), then each sprite's frames: a record of 9 bytes a
// frame (its time, its 8 rows), and an end marker (0, then the address of
// the sprite's first record). The cartridge is mapped at address 0, so an
// offset in the image is the address the program reaches it at.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cartridge/program.h"
#include "cartridge/program_parts.h"

namespace tw {

// "INIT" in an operand is the address just past the program, where the 32
// bytes for RAM start. The relative branches (BCTR, BCFR) count from the
// next instruction; an indexed form names its index register, the data
// going through r0.
inline constexpr std::array kAnimationMain{
    Instruction{2, {0x77, 0x02}, "", "PPSL 0x02", "compare is logical (as the 133-byte program)"},
    Instruction{2, {0x76, 0x40}, "", "PPSU 0x40", "set Flag (as the 133-byte program)"},
    Instruction{2, {0x75, 0x09}, "", "CPSL 0x09", "clear WC and C: MAME resets PSL with WC set, which would add the carry in ADDI and SUBI"},
    Instruction{2, {0x04, 0x80}, "", "LODI,r0 0x80", "the blank character, for every cell"},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", "the loop fills 0x18FF, 0x1800 to 0x18CF and 0x1A00 to 0x1AD0"},
    Instruction{2, {0x06, 0xFF}, "", "LODI,r2 0xFF", "as the 133-byte program"},
    Instruction{3, {0xCD, 0x78, 0x00}, "fill", "STRA,r0 0x1800,r1", "0x1800 + r1"},
    Instruction{3, {0xCD, 0x3A, 0x00}, "", "STRA,r0 0x1A00,r1+", "r1 += 1; 0x1A00 + r1"},
    Instruction{2, {0xE5, 0xD0}, "", "COMI,r1 0xD0", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 filled", "done after 0x18CF and 0x1AD0"},
    Instruction{2, {0x1B, 0x74}, "", "BCTR,3 fill", ""},
    Instruction{2, {0x04, 0xEE}, "filled", "LODI,r0 0xEE", ""},
    Instruction{3, {0xCC, 0x18, 0xFC}, "", "STRA,r0 0x18FC", "as the 133-byte program"},
    Instruction{2, {0x05, 0xFF}, "", "LODI,r1 0xFF", ""},
    Instruction{3, {0x0D, 0x21, 0x28}, "ram", "LODA,r0 INIT,r1+", "r1 += 1; r0 = INIT + r1"},
    Instruction{3, {0xCD, 0x78, 0xD0}, "", "STRA,r0 0x18D0,r1", "to RAM 0x18D0 + r1"},
    Instruction{2, {0xE5, 0x1F}, "", "COMI,r1 0x1F", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 ramdone", "32 bytes copied"},
    Instruction{2, {0x1B, 0x74}, "", "BCTR,3 ram", ""},
    Instruction{2, {0x07, 0x00}, "ramdone", "LODI,r3 0x00", "r3 = 8 x sprite (0 to 3)"},
    Instruction{3, {0x3F, 0x00, 0x9C}, "shape0", "BSTA,3 TICK", "every count starts at 1: copies frame 0 into the shape"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x18, 0x02}, "", "BCTR,0 colours", ""},
    Instruction{2, {0x1B, 0x75}, "", "BCTR,3 shape0", ""},
    Instruction{2, {0x04, 0x00}, "colours", "LODI,r0 0x00", "operand: the colour byte of sprites 1 and 2", 0x19FB},
    Instruction{3, {0xCC, 0x19, 0xFB}, "", "STRA,r0 0x19FB", ""},
    Instruction{2, {0x04, 0x00}, "", "LODI,r0 0x00", "operand: the colour byte of sprites 3 and 4", 0x19FA},
    Instruction{3, {0xCC, 0x19, 0xFA}, "", "STRA,r0 0x19FA", ""},
    Instruction{2, {0x04, 0x00}, "", "LODI,r0 0x00", "operand: the screen colour", 0x19F9},
    Instruction{3, {0xCC, 0x19, 0xF9}, "", "STRA,r0 0x19F9", ""},
};
// After the positions, for ever: the addresses moved on while the screen is
// drawn, the counts and copies in each blank.
inline constexpr std::array kAnimationLoop{
    Instruction{2, {0xB4, 0x80}, "MAIN", "TPSU 0x80", ""},
    Instruction{2, {0x18, 0x7C}, "", "BCTR,0 MAIN", "wait until the blank is over"},
    Instruction{2, {0x07, 0x00}, "", "LODI,r3 0x00", ""},
    Instruction{3, {0x3F, 0x00, 0xF1}, "adv", "BSTA,3 ADV",
                "while the screen is drawn: move each next-record address on, so that the blank only copies"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x98, 0x77}, "", "BCFR,0 adv", ""},
    Instruction{2, {0xB4, 0x80}, "w5", "TPSU 0x80", ""},
    Instruction{2, {0x98, 0x7C}, "", "BCFR,0 w5", "wait for the blank"},
    Instruction{2, {0x07, 0x00}, "", "LODI,r3 0x00", ""},
    Instruction{3, {0x3F, 0x00, 0x9C}, "tick", "BSTA,3 TICK", "in the blank: count down, copy the shapes whose time ran out"},
    Instruction{2, {0x87, 0x08}, "", "ADDI,r3 0x08", ""},
    Instruction{2, {0xE7, 0x20}, "", "COMI,r3 0x20", ""},
    Instruction{2, {0x98, 0x77}, "", "BCFR,0 tick", ""},
    Instruction{3, {0x1F, 0x00, 0x7B}, "", "BCTA,3 MAIN", ""},
};
inline constexpr std::array kAnimationProgram = Joined(kAnimationMain, kFirstBlank, kPositionWrites, kAnimationLoop, kTickRoutine);

inline constexpr std::size_t kAnimationProgramBytes = ProgramBytes(kAnimationProgram);
// The 32 bytes copied to RAM: for sprite k at 8k, its count 1, the address
// of its first record (high byte first) and five 0.
inline constexpr std::size_t kStartEntries = kAnimationProgramBytes;
inline constexpr std::size_t kStartEntryBytes = 8;
inline constexpr std::size_t kFrameLists = kStartEntries + 4 * kStartEntryBytes;
inline constexpr std::size_t kFrameRecordBytes = 9;
inline constexpr std::size_t kEndMarkerBytes = 3;
// Four sprites of 64 frames: 2,644 bytes, within the first 4 KiB of the
// cartridge, which the console maps at address 0.
inline constexpr std::size_t kMaxAnimatingImageBytes = kFrameLists + 4 * (64 * kFrameRecordBytes + kEndMarkerBytes);
inline constexpr std::string_view kInitLabel = "INIT";

static_assert(program_check::EveryOperandMatches(kAnimationProgram, kInitLabel), "an instruction's bytes do not say what its text does");
static_assert(kAnimationProgramBytes == 0x128 && kMaxAnimatingImageBytes == 2644);

} // namespace tw
