#pragma once

// A test cartridge program as a table of instructions: its bytes, its
// labels, the listing's text of each line, and the operands the project
// fills in. The three programs are such tables (still_program.h,
// animation_program.h, scene_program.h); the build checks each line's bytes against its text,
// and a test checks the README's listings against the tables.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tw {

struct Instruction {
    std::uint8_t Size;
    std::array<std::uint8_t, 3> Bytes;
    std::string_view Label; // what branches and the listing call its address
    std::string_view Text;  // as the listing spells it: an operand that is a label or 0x... is checked against the bytes
    std::string_view Does;
    // A LODI whose operand the image takes from the chip state: the byte of
    // this register, which the next instruction stores (0: a fixed operand).
    std::uint16_t Fills = 0;
};

using Program = std::span<const Instruction>;

// Runs of instructions as one program, in order: a program's own runs and
// the ones it shares (program_parts.h).
template <std::size_t... N>
constexpr std::array<Instruction, (N + ...)> Joined(const std::array<Instruction, N>&... runs)
{
    std::array<Instruction, (N + ...)> program{};
    std::size_t at = 0;
    ((std::copy(runs.begin(), runs.end(), program.begin() + std::ptrdiff_t(at)), at += N), ...);
    return program;
}

// Where instruction i starts: the sizes before it.
constexpr std::size_t AddressOf(Program program, std::size_t i)
{
    std::size_t address = 0;
    for (std::size_t j = 0; j < i; ++j)
        address += program[j].Size;
    return address;
}

constexpr std::size_t ProgramBytes(Program program) { return AddressOf(program, program.size()); }

// The program's bytes as the table gives them, its filled operands as
// written there.
template <std::size_t N>
constexpr std::array<std::uint8_t, N> BytesOf(Program program)
{
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < program.size(); ++i)
        for (std::size_t b = 0; b < program[i].Size; ++b)
            bytes[AddressOf(program, i) + b] = program[i].Bytes[b];
    return bytes;
}

namespace program_check {

// A label past the program: its name and how far past the end it is.
struct DataLabel {
    std::string_view Label;
    std::size_t After = 0;
};

// A label's address, in the program or past it.
constexpr std::size_t LabelAddress(Program program, std::span<const DataLabel> data, std::string_view label)
{
    for (const DataLabel& past : data)
        if (label == past.Label)
            return ProgramBytes(program) + past.After;
    for (std::size_t i = 0; i < program.size(); ++i)
        if (program[i].Label == label)
            return AddressOf(program, i);
    return std::size_t(-1);
}

constexpr std::size_t HexValue(std::string_view digits)
{
    std::size_t value = 0;
    for (char c : digits)
        value = 16 * value + std::size_t(c <= '9' ? c - '0' : c - 'A' + 10);
    return value;
}

// Whether instruction i's bytes say what its text does of its operand: the
// value of an immediate, the address of an absolute form and its indirect
// bit, the target of a relative branch. A filled operand must be a LODI,r0
// whose value the next instruction stores in that very register. A slip in
// a hand-encoded byte stops the build instead of sending the console astray.
constexpr bool OperandMatches(Program program, std::span<const DataLabel> data, std::size_t i)
{
    const Instruction& in = program[i];
    if (in.Fills != 0) {
        // By index, not by a pointer tested against null: the sanitizers'
        // build cannot evaluate that comparison at compile time.
        if (i + 1 >= program.size())
            return false;
        const Instruction& next = program[i + 1];
        if (in.Size != 2 || in.Bytes[0] != 0x04 || next.Size != 3 || next.Bytes[0] != 0xCC || (next.Bytes[1] << 8 | next.Bytes[2]) != in.Fills)
            return false;
    }
    const std::size_t space = in.Text.find(' ');
    if (space == std::string_view::npos)
        return in.Size == 1;
    std::string_view operand = in.Text.substr(space + 1);
    operand = operand.substr(0, operand.find(','));
    const bool indirect = operand.starts_with('*');
    if (indirect)
        operand.remove_prefix(1);
    std::size_t value;
    if (operand.starts_with("0x"))
        value = HexValue(operand.substr(2));
    else if (operand.size() == 2 && operand[0] == 'r' && operand[1] >= '0' && operand[1] <= '3')
        return in.Size == 1;
    else
        value = LabelAddress(program, data, operand);
    if (in.Size == 3)
        return ((in.Bytes[1] & 0x1Fu) << 8 | in.Bytes[2]) == value && bool(in.Bytes[1] & 0x80) == indirect;
    if (operand.starts_with("0x"))
        return in.Bytes[1] == value;
    const int displacement = (in.Bytes[1] & 0x40) ? int(in.Bytes[1] & 0x7F) - 0x80 : int(in.Bytes[1] & 0x7F);
    return int(AddressOf(program, i)) + 2 + displacement == int(value);
}

constexpr bool EveryOperandMatches(Program program, std::span<const DataLabel> data)
{
    for (std::size_t i = 0; i < program.size(); ++i)
        if (!OperandMatches(program, data, i))
            return false;
    return true;
}

// The same, for a program whose one data label is the address just past it.
constexpr bool EveryOperandMatches(Program program, std::string_view data)
{
    const DataLabel past[] = {{data, 0}};
    return EveryOperandMatches(program, past);
}

} // namespace program_check

} // namespace tw
