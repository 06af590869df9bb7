#pragma once

// What a reader may cost for an input of a given size: a floor that any
// input may use, and so much more a byte. Standard library only, so that a
// suite that measures a read its own way can judge it by the same bound.

#include <cstdint>
#include <string>

namespace tw::fuzz {

struct Cost {
    double Cpu = 0;        // seconds of processor time, every thread's
    std::int64_t Heap = 0; // peak live heap over what was live before, bytes
};

struct CostBound {
    double Cpu;          // seconds, whatever the size
    double CpuPerByte;   // and for each byte of input
    std::int64_t Heap;   // bytes, whatever the size
    std::int64_t HeapPerByte;
};

// Empty when `cost` keeps within `bound` for `size` bytes, else what it took.
inline std::string CheckCost(const Cost& cost, const CostBound& bound, std::size_t size, const std::string& what)
{
    const double cpu = bound.Cpu + bound.CpuPerByte * double(size);
    const std::int64_t heap = bound.Heap + bound.HeapPerByte * std::int64_t(size);
    if (cost.Cpu > cpu)
        return what + " of " + std::to_string(size) + " bytes took " + std::to_string(cost.Cpu) + " s of processor time, more than " +
               std::to_string(cpu) + " s";
    if (cost.Heap > heap)
        return what + " of " + std::to_string(size) + " bytes held " + std::to_string(cost.Heap) + " bytes of heap more than before it, more than " +
               std::to_string(heap);
    return {};
}

} // namespace tw::fuzz
