// libFuzzer entry for the side file reader: every input either is refused at
// a line of the file with a reason, or is read whole, each label and db line
// where the file has it, and survives load, save, load and save as the same
// contents and then the same bytes; and no read costs more than its size
// allows (fuzz/side_file_properties.h). Any violation aborts, so libFuzzer
// keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cost.h"
#include "side_file_properties.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tw::fuzz::InstallCostHooks();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SideFileRead read;
    const fuzz::Cost cost = fuzz::Measure([&] { read = ReadSideFile(bytes); });
    std::string broken = fuzz::CheckCost(cost, fuzz::kSideFileReadBound, size, "a read");
    if (broken.empty())
        broken = fuzz::CheckSideFileRead(bytes, read);
    if (!broken.empty()) {
        std::fprintf(stderr, "property violated: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
