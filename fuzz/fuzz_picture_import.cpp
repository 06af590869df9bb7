// libFuzzer entry for picture import: whatever the bytes, import either
// refuses them with a reason or gives a project of palette colours and row
// texts of two upper-case hexadecimal digits, in every frame, with at most 64
// frames a sprite, times of 1 to 255 and heights of 8 or 16 lines, whose saved
// project file and side file load back as that same project. One import may cost no more than kMaxImportCpu of
// processor time and kMaxImportHeap of live heap over what the process held
// before it; fuzz/run adds -malloc_limit_mb=64, so that any single allocation
// above 64 MB is a finding too. Any violation aborts, so libFuzzer keeps the
// input.

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "cost.h"
#include "project/side_file.h"
#include "project_properties.h"
#include "sheet/picture_import.h"

namespace {

// Import silences standard error while it decodes; fuzz/run has libFuzzer
// move its own output elsewhere (-close_fd_mask=2), and this is where ours goes.
int gReport = STDERR_FILENO;

// No picture may cost more than 1 s of processor time over a valid import,
// uninstrumented. This build runs the import code with AddressSanitizer,
// UndefinedBehaviorSanitizer and coverage, and Qt, libpng and zlib under
// AddressSanitizer's allocator: the costliest valid import an input of
// -max_len can be (a 4070 x 1100 sheet with its text, 15 KB) took 1.1 s here
// and 0.4 s in the release build, 2.7 times as long. So the bound is the
// costliest valid import and the rule's 1 s, 1.4 s, times 2.7: about 4 s.
constexpr double kMaxImportCpu = 4.0;
// Live heap over what the process held before: the rule's 64 MB. The largest
// valid import holds 49 MB at its peak (a 4096 x 1024 picture: 33.5 MB of
// 16-bit RGBA decoded and its 16.8 MB RGB32 copy).
constexpr std::int64_t kMaxImportHeap = std::int64_t(64) << 20;

bool IsRowText(const std::string& text)
{
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return text.size() == 2 && hex(text[0]) && hex(text[1]);
}

std::string CheckPictureImport(const QByteArray& bytes)
{
    using namespace tw;
    storage::ReadOutcome read;
    const fuzz::Cost cost = fuzz::Measure([&] { read = sheet::ImportPictureBytes(bytes); });
    if (cost.Cpu > kMaxImportCpu)
        return "the import took " + std::to_string(cost.Cpu) + " s of processor time";
    if (cost.Heap > kMaxImportHeap)
        return "the import held " + std::to_string(cost.Heap >> 20) + " MiB of heap more than before it";
    if (!read.Ok)
        return read.Reason.isEmpty() ? "a refused picture gives no reason" : "";
    const ProjectRecord& record = read.Record;
    if (record.ScreenBGndColor >= kColorCodes)
        return "the screen colour is outside the palette";
    for (int k = 0; k < kSprites; ++k) {
        const SpriteRecord& sprite = record.Sprites[k];
        const std::string which = "sprite " + std::to_string(k + 1);
        if (sprite.FGndColor >= kColorCodes)
            return which + " has a colour outside the palette";
        if (sprite.Later.size() + 1 > std::size_t(kMaxFrames))
            return which + " has " + std::to_string(sprite.Later.size() + 1) + " frames";
        if (record.Console.SpriteLines[k] != kTallLines && record.Console.SpriteLines[k] != kShortLines)
            return which + " is " + std::to_string(record.Console.SpriteLines[k]) + " lines tall";
        for (std::size_t f = 0; f <= sprite.Later.size(); ++f) {
            const FrameRecord& frame = f == 0 ? sprite : sprite.Later[f - 1];
            if (frame.Time < kMinFrameTime)
                return which + "'s frame " + std::to_string(f + 1) + " has the time 0";
            for (const std::string& row : frame.HexRows)
                if (!IsRowText(row))
                    return which + "'s frame " + std::to_string(f + 1) + " has the row text '" + row + "'";
        }
    }
    SpriteProject project = fuzz::EditedProject();
    ApplyProjectRecord(project, record, "/fuzz/in.png");
    if (std::string why = fuzz::CheckLoadedProject(project, "/fuzz/in.png"); !why.empty())
        return why;

    // Saved, it is a project file like any other, and loads as what was imported.
    const std::string saved = ProjectFileBytes(project);
    if (std::string why = fuzz::CheckProjectFileProperties(saved); !why.empty())
        return "the saved import: " + why;
    const ReadResult reread = ReadProjectFile(saved);
    if (!reread.Record)
        return "the saved import does not load: line " + std::to_string(reread.Error.Line) + ": " + reread.Error.Reason;
    const ProjectRecord& again = *reread.Record;
    if (again.ScreenBGndColor != record.ScreenBGndColor)
        return "the screen colour changed through save and load";
    for (int k = 0; k < kSprites; ++k) {
        const SpriteRecord &a = again.Sprites[k], &b = record.Sprites[k];
        if (a.Name != b.Name || a.FGndColor != b.FGndColor || a.HexRows != b.HexRows)
            return "sprite " + std::to_string(k + 1) + " changed through save and load";
    }

    // The rest goes to the side file, and loads back from it as it was; a
    // project that needs none has nothing of it.
    ProjectRecord side = again;
    if (NeedsSideFile(project)) {
        const SideFileRead read = ReadSideFile(SideFileBytes(project));
        if (!read.File)
            return "the saved side file does not load: line " + std::to_string(read.Error.Line) + ": " + read.Error.Reason;
        ApplySideFile(side, *read.File);
    }
    if (side.Console != record.Console)
        return "the TV or the heights changed through save and load";
    for (int k = 0; k < kSprites; ++k) {
        const SpriteRecord &a = side.Sprites[k], &b = record.Sprites[k];
        bool same = a.Time == b.Time && a.Later.size() == b.Later.size();
        for (std::size_t f = 0; same && f < a.Later.size(); ++f)
            same = a.Later[f].Time == b.Later[f].Time && a.Later[f].HexRows == b.Later[f].HexRows;
        if (!same)
            return "sprite " + std::to_string(k + 1) + "'s frames changed through save and load";
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    gReport = ::dup(STDERR_FILENO);
    tw::fuzz::InstallCostHooks();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = CheckPictureImport(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.empty()) {
        ::dprintf(gReport, "property violated: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
