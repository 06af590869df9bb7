#pragma once

// What one call costs a fuzzer: processor time, and how far the live heap
// rose over what the process held before the call. The heap is seen through
// the sanitizer allocator's hooks, so every allocation counts, from any
// thread and any library (Qt converts large images in a pool); only a
// fuzzer build, linked with a sanitizer, has them.

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstdint>
#include <ctime>

#include "cost_bound.h"

namespace tw::fuzz {

namespace cost_detail {

inline std::atomic<std::int64_t> gLive{0}, gPeak{0};

inline void OnMalloc(const volatile void*, std::size_t size)
{
    const std::int64_t live = gLive += std::int64_t(size);
    for (std::int64_t peak = gPeak; live > peak && !gPeak.compare_exchange_weak(peak, live);) {}
}

inline void OnFree(const volatile void* pointer)
{
    if (pointer)
        gLive -= std::int64_t(__sanitizer_get_allocated_size(pointer));
}

inline double CpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace cost_detail

// Once, from LLVMFuzzerInitialize: the allocator takes one pair of hooks.
inline void InstallCostHooks() { __sanitizer_install_malloc_and_free_hooks(cost_detail::OnMalloc, cost_detail::OnFree); }

// Runs `call` and says what it cost. What it returns and keeps alive counts
// too, since the peak is taken when the call has returned.
template <class Call>
Cost Measure(Call&& call)
{
    using namespace cost_detail;
    const std::int64_t before = gLive;
    gPeak = before;
    const double start = CpuSeconds();
    call();
    return {CpuSeconds() - start, gPeak - before};
}

} // namespace tw::fuzz
