// libFuzzer entry for picture import: whatever the bytes, import either
// refuses them with a reason or gives a project of palette colours and row
// texts of two upper-case hexadecimal digits, whose saved file loads back as
// that same project. fuzz/run adds -malloc_limit_mb=64, so that any single
// allocation above 64 MB is a finding too. Any violation aborts, so libFuzzer
// keeps the input.

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "project_properties.h"
#include "sheet/picture_import.h"

namespace {

// Import silences standard error while it decodes; fuzz/run has libFuzzer
// move its own output elsewhere (-close_fd_mask=2), and this is where ours goes.
int gReport = STDERR_FILENO;

bool IsRowText(const std::string& text)
{
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return text.size() == 2 && hex(text[0]) && hex(text[1]);
}

std::string CheckPictureImport(const QByteArray& bytes)
{
    using namespace tw;
    const storage::ReadOutcome read = sheet::ImportPictureBytes(bytes);
    if (!read.Ok)
        return read.Reason.isEmpty() ? "a refused picture gives no reason" : "";
    const ProjectRecord& record = read.Record;
    if (record.ScreenBGndColor >= kColorCodes)
        return "the screen colour is outside the palette";
    for (int k = 0; k < kSprites; ++k) {
        if (record.Sprites[k].FGndColor >= kColorCodes)
            return "sprite " + std::to_string(k + 1) + " has a colour outside the palette";
        for (const std::string& row : record.Sprites[k].HexRows)
            if (!IsRowText(row))
                return "sprite " + std::to_string(k + 1) + " has the row text '" + row + "'";
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
    return {};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    gReport = ::dup(STDERR_FILENO);
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
