// libFuzzer entry for the project file reader: every input either fails to
// load and leaves the project alone, or loads and survives save, load, save
// byte for byte. Any violation aborts, so libFuzzer keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "project_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string broken = tw::fuzz::CheckProjectFileProperties(bytes);
    if (!broken.empty()) {
        std::fprintf(stderr, "property violated: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
