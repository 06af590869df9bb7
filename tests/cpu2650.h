#pragma once

// A test-only interpreter for the few Signetics 2650 instructions the test
// cartridge uses. It records every memory write so a test can compare them
// with what the program is meant to do on the console.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tw::test {

struct MemoryWrite {
    std::uint16_t address;
    std::uint8_t value;
    friend bool operator==(const MemoryWrite&, const MemoryWrite&) = default;
};

class Cpu2650 {
public:
    explicit Cpu2650(const std::vector<std::uint8_t>& image)
    {
        for (std::size_t i = 0; i < image.size(); ++i)
            memory[i] = image[i];
    }

    std::array<std::uint8_t, 0x8000> memory{};
    std::array<std::uint8_t, 4> r{}; // r0..r3 (register bank 0)
    std::uint16_t pc = 0;
    std::uint8_t psu = 0, psl = 0;
    std::vector<MemoryWrite> writes;
    std::string fault; // set when an unknown instruction is met

    // Runs until the program branches to itself; returns that address, or
    // nothing when it faulted or did not settle within `maxSteps`.
    std::optional<std::uint16_t> RunUntilLoop(int maxSteps)
    {
        for (int step = 0; step < maxSteps; ++step) {
            const std::uint16_t at = pc;
            if (!Step())
                return std::nullopt;
            if (pc == at)
                return at;
        }
        return std::nullopt;
    }

private:
    // Condition code: bits 7-6 of PSL; 0 = equal/zero, 1 = greater/positive, 2 = less/negative.
    void SetCondition(int cc) { psl = static_cast<std::uint8_t>((psl & 0x3F) | (cc << 6)); }
    int Condition() const { return psl >> 6; }
    void SetConditionFromValue(std::uint8_t v) { SetCondition(v == 0 ? 0 : (v & 0x80) ? 2 : 1); }

    std::uint8_t Fetch() { return memory[pc++ & 0x7FFF]; }

    // Absolute addressing: bit 7 indirect (unused here), bits 6-5 index
    // control (0 none, 1 auto-increment, 2 auto-decrement, 3 indexed), bits
    // 4-0 and the next byte the address. With indexing, the register field
    // names the index register and r0 holds the data.
    std::uint16_t AbsoluteAddress(int& dataRegister)
    {
        const std::uint8_t hi = Fetch();
        const std::uint8_t lo = Fetch();
        if (hi & 0x80) {
            fault = "indirect addressing";
            return 0;
        }
        std::uint16_t address = static_cast<std::uint16_t>(((hi & 0x1F) << 8) | lo);
        const int indexControl = (hi >> 5) & 3;
        if (indexControl != 0) {
            const int index = dataRegister;
            if (indexControl == 1)
                ++r[index];
            else if (indexControl == 2)
                --r[index];
            address = static_cast<std::uint16_t>((address + r[index]) & 0x7FFF);
            dataRegister = 0;
        }
        return address;
    }

    bool Step()
    {
        const std::uint8_t op = Fetch();
        int reg = op & 3;
        switch (op & 0xFC) {
        case 0x04: // LODI,r
            r[reg] = Fetch();
            SetConditionFromValue(r[reg]);
            return true;
        case 0x0C: { // LODA,r
            const std::uint16_t address = AbsoluteAddress(reg);
            r[reg] = memory[address];
            SetConditionFromValue(r[reg]);
            return fault.empty();
        }
        case 0xCC: { // STRA,r
            const std::uint16_t address = AbsoluteAddress(reg);
            memory[address] = r[reg];
            writes.push_back({address, r[reg]});
            return fault.empty();
        }
        case 0x20: // EORZ r
            r[0] ^= r[reg];
            SetConditionFromValue(r[0]);
            return true;
        case 0xE4: { // COMI,r
            const std::uint8_t value = Fetch();
            if (!(psl & 0x02)) {
                fault = "arithmetic compare";
                return false;
            }
            SetCondition(r[reg] == value ? 0 : r[reg] > value ? 1 : 2);
            return true;
        }
        case 0x18: { // BCTR,cond
            const std::uint8_t displacement = Fetch();
            if (displacement & 0x80) {
                fault = "indirect branch";
                return false;
            }
            const int offset = (displacement & 0x40) ? (displacement & 0x7F) - 0x80 : displacement;
            if (reg == 3 || Condition() == reg)
                pc = static_cast<std::uint16_t>((pc + offset) & 0x7FFF);
            return true;
        }
        case 0x74:
            if (op == 0x76) { // PPSU
                psu |= Fetch();
                return true;
            }
            if (op == 0x77) { // PPSL
                psl |= Fetch();
                return true;
            }
            break;
        }
        fault = "unknown opcode at " + std::to_string(pc - 1);
        return false;
    }
};

} // namespace tw::test
