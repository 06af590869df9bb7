#pragma once

// Runs of instructions that more than one test cartridge program makes, each
// written once: the programs join them to their own (Joined). A run's
// labels and relative branches are its own; an absolute operand is checked
// where the run lands, in each program that joins it.

#include <array>

#include "cartridge/program.h"

namespace tw {

// The four sprites' positions, each a byte of the chip state the image
// fills in. Every program writes them, the still one before the colours,
// the others last of all, once the colours have been set a frame before.
inline constexpr std::array kPositionWrites{
    Instruction{2, {0x04, 0x40}, "positions", "LODI,r0 0x40", "operand: sprite 1 across", 0x18F1},
    Instruction{3, {0xCC, 0x18, 0xF1}, "", "STRA,r0 0x18F1", ""},
    Instruction{2, {0x04, 0x90}, "", "LODI,r0 0x90", "operand: sprite 1 down", 0x18F0},
    Instruction{3, {0xCC, 0x18, 0xF0}, "", "STRA,r0 0x18F0", ""},
    Instruction{2, {0x04, 0x50}, "", "LODI,r0 0x50", "operand: sprite 2 across", 0x18F3},
    Instruction{3, {0xCC, 0x18, 0xF3}, "", "STRA,r0 0x18F3", ""},
    Instruction{2, {0x04, 0x90}, "", "LODI,r0 0x90", "operand: sprite 2 down", 0x18F2},
    Instruction{3, {0xCC, 0x18, 0xF2}, "", "STRA,r0 0x18F2", ""},
    Instruction{2, {0x04, 0x60}, "", "LODI,r0 0x60", "operand: sprite 3 across", 0x18F5},
    Instruction{3, {0xCC, 0x18, 0xF5}, "", "STRA,r0 0x18F5", ""},
    Instruction{2, {0x04, 0x90}, "", "LODI,r0 0x90", "operand: sprite 3 down", 0x18F4},
    Instruction{3, {0xCC, 0x18, 0xF4}, "", "STRA,r0 0x18F4", ""},
    Instruction{2, {0x04, 0x70}, "", "LODI,r0 0x70", "operand: sprite 4 across", 0x18F7},
    Instruction{3, {0xCC, 0x18, 0xF7}, "", "STRA,r0 0x18F7", ""},
    Instruction{2, {0x04, 0x90}, "", "LODI,r0 0x90", "operand: sprite 4 down", 0x18F6},
    Instruction{3, {0xCC, 0x18, 0xF6}, "", "STRA,r0 0x18F6", ""},
};

// Before the animating programs write the positions: the first whole frame
// after the colours, so that the sprites first show in a whole frame.
inline constexpr std::array kFirstBlank{
    Instruction{2, {0xB4, 0x80}, "w1", "TPSU 0x80", "CC = 0 while SENSE, the vertical blank, is 1"},
    Instruction{2, {0x98, 0x7C}, "", "BCFR,0 w1", "wait for a blank"},
    Instruction{2, {0xB4, 0x80}, "w2", "TPSU 0x80", ""},
    Instruction{2, {0x18, 0x7C}, "", "BCTR,0 w2", "wait for its end"},
    Instruction{2, {0xB4, 0x80}, "w3", "TPSU 0x80", ""},
    Instruction{2, {0x98, 0x7C}, "", "BCFR,0 w3",
                "wait for the next blank: the sprites first show in a whole frame, the screen colour set a frame before"},
};

// In the vertical blank, for the sprite whose start entry r3 points at: its
// count down, and when its time runs out its next frame's rows copied to its
// shape and the count set to that frame's time; after the last frame the
// first again. The animation and scene programs both call it.
inline constexpr std::array kTickRoutine{
    Instruction{3, {0x0F, 0x78, 0xD0}, "TICK", "LODA,r0 0x18D0,r3", "the sprite's count"},
    Instruction{2, {0xA4, 0x01}, "", "SUBI,r0 0x01", ""},
    Instruction{3, {0xCF, 0x78, 0xD0}, "", "STRA,r0 0x18D0,r3", ""},
    Instruction{2, {0x18, 0x01}, "", "BCTR,0 show", "time ran out?"},
    Instruction{1, {0x17}, "", "RETC,3", ""},
    Instruction{3, {0x0F, 0x78, 0xD1}, "show", "LODA,r0 0x18D1,r3", ""},
    Instruction{3, {0xCC, 0x18, 0xD4}, "", "STRA,r0 0x18D4", "pointer at 0x18D4 = the next record"},
    Instruction{3, {0x0F, 0x78, 0xD2}, "", "LODA,r0 0x18D2,r3", ""},
    Instruction{3, {0xCC, 0x18, 0xD5}, "", "STRA,r0 0x18D5", ""},
    Instruction{3, {0x0C, 0x98, 0xD4}, "", "LODA,r0 *0x18D4", "the new frame's time"},
    Instruction{3, {0xCF, 0x78, 0xD0}, "", "STRA,r0 0x18D0,r3", "is the count"},
    Instruction{2, {0x05, 0x00}, "", "LODI,r1 0x00", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 0"},
    Instruction{3, {0xCF, 0x79, 0x80}, "", "STRA,r0 0x1980,r3", "to the shape at 0x1980 + 8 x sprite"},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 1"},
    Instruction{3, {0xCF, 0x79, 0x81}, "", "STRA,r0 0x1981,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 2"},
    Instruction{3, {0xCF, 0x79, 0x82}, "", "STRA,r0 0x1982,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 3"},
    Instruction{3, {0xCF, 0x79, 0x83}, "", "STRA,r0 0x1983,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 4"},
    Instruction{3, {0xCF, 0x79, 0x84}, "", "STRA,r0 0x1984,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 5"},
    Instruction{3, {0xCF, 0x79, 0x85}, "", "STRA,r0 0x1985,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 6"},
    Instruction{3, {0xCF, 0x79, 0x86}, "", "STRA,r0 0x1986,r3", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "row 7"},
    Instruction{3, {0xCF, 0x79, 0x87}, "", "STRA,r0 0x1987,r3", ""},
    Instruction{2, {0x04, 0x01}, "", "LODI,r0 0x01", ""},
    Instruction{3, {0xCF, 0x78, 0xD3}, "", "STRA,r0 0x18D3,r3", "flag: move the next-record address on after the blank"},
    Instruction{1, {0x17}, "", "RETC,3", ""},
    Instruction{3, {0x0F, 0x78, 0xD3}, "ADV", "LODA,r0 0x18D3,r3", ""},
    Instruction{1, {0x14}, "", "RETC,0", "no flag, nothing to do"},
    Instruction{1, {0x20}, "", "EORZ r0", "r0 = 0"},
    Instruction{3, {0xCF, 0x78, 0xD3}, "", "STRA,r0 0x18D3,r3", "flag cleared"},
    Instruction{3, {0x0F, 0x78, 0xD2}, "", "LODA,r0 0x18D2,r3", ""},
    Instruction{2, {0x84, 0x09}, "", "ADDI,r0 0x09", "next record: 9 bytes on"},
    Instruction{3, {0xCF, 0x78, 0xD2}, "", "STRA,r0 0x18D2,r3", ""},
    Instruction{3, {0xCC, 0x18, 0xD5}, "", "STRA,r0 0x18D5", ""},
    Instruction{3, {0x0F, 0x78, 0xD1}, "", "LODA,r0 0x18D1,r3", "LODA leaves the carry as it is"},
    Instruction{2, {0xB5, 0x01}, "", "TPSL 0x01", "a carry from the ADDI?"},
    Instruction{2, {0x98, 0x05}, "", "BCFR,0 nc", ""},
    Instruction{2, {0x84, 0x01}, "", "ADDI,r0 0x01", ""},
    Instruction{3, {0xCF, 0x78, 0xD1}, "", "STRA,r0 0x18D1,r3", ""},
    Instruction{3, {0xCC, 0x18, 0xD4}, "nc", "STRA,r0 0x18D4", ""},
    Instruction{3, {0x0C, 0x98, 0xD4}, "", "LODA,r0 *0x18D4", "its time byte; 0 is the end marker"},
    Instruction{2, {0x18, 0x01}, "", "BCTR,0 wrap", ""},
    Instruction{1, {0x17}, "", "RETC,3", ""},
    Instruction{2, {0x05, 0x00}, "wrap", "LODI,r1 0x00", ""},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", "the marker's address of frame 0"},
    Instruction{3, {0xCF, 0x78, 0xD1}, "", "STRA,r0 0x18D1,r3", "is the next record again"},
    Instruction{3, {0x0D, 0xB8, 0xD4}, "", "LODA,r0 *0x18D4,r1+", ""},
    Instruction{3, {0xCF, 0x78, 0xD2}, "", "STRA,r0 0x18D2,r3", ""},
    Instruction{1, {0x17}, "", "RETC,3", ""},
};

} // namespace tw
