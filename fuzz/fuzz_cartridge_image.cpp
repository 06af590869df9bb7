// libFuzzer entry for the cartridge image reader: every input is refused
// with a reason, or is an image no longer than the longest one and read into
// a record that builds exactly its bytes again; and no read costs more than
// its size allows (fuzz/cartridge_properties.h). Any violation aborts, so
// libFuzzer keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cartridge_properties.h"
#include "cost.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tw::fuzz::InstallCostHooks();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ImageReadResult read;
    const fuzz::Cost cost = fuzz::Measure([&] { read = ReadCartridgeImage(bytes); });
    std::string broken = fuzz::CheckCost(cost, fuzz::kCartridgeReadBound, size, "a read");
    if (broken.empty())
        broken = fuzz::CheckCartridgeImageRead(bytes, read);
    if (!broken.empty()) {
        std::fprintf(stderr, "property violated: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
