#pragma once

// What must hold for any bytes handed to the cartridge image reader, whatever
// they are: it takes only what the image builder writes, so a record it reads
// builds the very bytes it was read from. Written against the public
// functions alone, so that it holds for every kind of image the reader comes
// to take. Shared by the fuzzer and fit for the regression suite; standard
// library and the core only.

#include <string>
#include <string_view>

#include "cartridge/cartridge.h"
#include "cost_bound.h"
#include "project_properties.h"

namespace tw::fuzz {

// What one read may cost in the fuzzer's build. The largest image (2,644
// bytes: four sprites of 64 frames) reads into 256 frame records of eight row
// texts each, held twice at the peak as the record is handed out: 134 KB, 51
// bytes a byte, in at most 3 ms here. So: a floor of 0.1 s and 64 KiB, and
// 10 us and 128 bytes more a byte.
inline constexpr CostBound kCartridgeReadBound{0.1, 10e-6, 64 << 10, 128};

// Every property of one read of `bytes`; empty when all hold, else what broke.
inline std::string CheckCartridgeImageRead(std::string_view bytes, const ImageReadResult& read)
{
    if (!read.Record)
        return read.Error.empty() ? "a refused image gives no reason" : "";
    if (bytes.size() > MaxCartridgeImageBytes())
        return "an image of " + std::to_string(bytes.size()) + " bytes was read, more than the " + std::to_string(MaxCartridgeImageBytes()) +
               " an image can have";
    // Into a project that is not a new one, so that nothing of what it held
    // before may reach the image.
    SpriteProject project = EditedProject();
    ApplyProjectRecord(project, *read.Record, "");
    const CartridgeImage built = BuildCartridgeImage(project);
    if (std::string_view(reinterpret_cast<const char*>(built.data()), built.size()) == bytes)
        return {};
    std::size_t at = 0;
    while (at < built.size() && at < bytes.size() && char(built[at]) == bytes[at])
        ++at;
    return "the record read builds an image of " + std::to_string(built.size()) + " bytes that differs from the " + std::to_string(bytes.size()) +
           " read at offset " + std::to_string(at);
}

inline std::string CheckCartridgeImageProperties(std::string_view bytes)
{
    return CheckCartridgeImageRead(bytes, ReadCartridgeImage(bytes));
}

} // namespace tw::fuzz
