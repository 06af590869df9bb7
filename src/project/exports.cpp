#include "project/exports.h"

#include <algorithm>
#include <set>

#include "model/row_encoding.h"
#include "project/eap_format.h"
#include "project/eap_writer.h"
#include "project/latin1.h"
#include "project/side_file.h"

namespace tw {
namespace {

std::vector<std::uint8_t> FrameBytes(const SpriteFrame& frame)
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& row : frame.HexRows)
        bytes.push_back(RowTextValue(row));
    return bytes;
}

template <std::size_t N>
LabelledBlock SceneBlock(std::string_view label, const std::array<std::uint8_t, N>& bytes, bool shapes)
{
    return {std::string(label), {bytes.begin(), bytes.end()}, shapes};
}

std::string Hex2(std::uint8_t byte) { return RowText(byte); }

std::string BinaryItem(std::uint8_t byte)
{
    std::string item;
    for (int bit = 7; bit >= 0; --bit)
        item += (byte >> bit) & 1 ? '1' : '0';
    return item + 'b';
}

// The block's db lines: 8 items a line, or with `pictures` a shape row a
// line with its picture in a comment.
template <typename Item>
std::string DataLines(const LabelledBlock& block, Item item, bool pictures)
{
    std::string text;
    const std::size_t perLine = pictures && block.Shapes ? 1 : kRows;
    for (std::size_t from = 0; from < block.Bytes.size(); from += perLine) {
        text += kDataLinePrefix;
        for (std::size_t i = from; i < std::min(block.Bytes.size(), from + perLine); ++i)
            text += (i > from ? "," : "") + item(block.Bytes[i]);
        if (pictures && block.Shapes)
            text += " ;" + RowPicture(block.Bytes[from]);
        text += kLineEnd;
    }
    return text;
}

// What a C array may not be named: the language's keywords (C23's too), and
// main, which the program that includes the arrays has.
const std::set<std::string, std::less<>>& CReserved()
{
    static const std::set<std::string, std::less<>> words{
        "alignas", "alignof", "auto", "bool", "break", "case", "char", "const", "constexpr", "continue", "default", "do",
        "double", "else", "enum", "extern", "false", "float", "for", "goto", "if", "inline", "int", "long", "main",
        "nullptr", "register", "restrict", "return", "short", "signed", "sizeof", "static", "static_assert", "struct",
        "switch", "thread_local", "true", "typedef", "typeof", "typeof_unqual", "union", "unsigned", "void", "volatile",
        "while"};
    return words;
}

std::string CName(std::string_view label)
{
    label.remove_prefix(std::min(label.find_first_not_of(" \t"), label.size()));
    std::string name;
    for (const char c : label)
        name += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : '_';
    // A name starting with '_' is the implementation's at file scope.
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') || name[0] == '_')
        name = "s_" + name;
    if (CReserved().count(name))
        name += '_';
    return name;
}

} // namespace

std::string RowPicture(std::uint8_t row)
{
    std::string picture;
    for (int c = 0; c < kRowWidth; ++c)
        picture += row & ColumnBit(c) ? '#' : '.';
    return picture;
}

LabelledBlocks ExportBlocks(const SpriteProject& project)
{
    LabelledBlocks blocks;
    for (int k = 0; k < kSprites; ++k)
        blocks.push_back({Utf8ToLatin1(project.Sprites[k].Name), FrameBytes(project.Sprites[k]), true});
    for (int k = 0; k < kSprites; ++k)
        for (int f = 1; f < project.Sprites[k].Frames(); ++f)
            blocks.push_back({FrameLabel(k, f), FrameBytes(project.Sprites[k].Frame(f)), true});
    if (const std::optional<ConsoleScene>& scene = project.Scene) {
        blocks.push_back(SceneBlock(kPositionsLabel, scene->Positions, false));
        blocks.push_back(SceneBlock(kUserCharactersLabel, scene->UserCharacters, true));
        blocks.push_back(SceneBlock(kCellsLabel, scene->Cells, false));
    }
    return blocks;
}

LabelledBlock EditedFrameBlock(const SpriteProject& project, int k)
{
    const int f = project.EditedFrame.at(k);
    return {f == 0 ? Utf8ToLatin1(project.Sprites.at(k).Name) : FrameLabel(k, f), FrameBytes(project.Edited(k)), true};
}

std::string HexExport(const LabelledBlocks& blocks)
{
    std::string text;
    for (const LabelledBlock& block : blocks)
        text += block.Label + ':' + kLineEnd + DataLines(block, [](std::uint8_t b) { return RowItem(Hex2(b)); }, false);
    return text;
}

std::string BinaryExport(const LabelledBlocks& blocks)
{
    std::string text = std::string(kAslOptionLead) + std::string(kAslBinaryOption) + kLineEnd;
    for (const LabelledBlock& block : blocks)
        text += block.Label + ':' + kLineEnd + DataLines(block, BinaryItem, true);
    return text;
}

std::vector<std::string> CNames(const LabelledBlocks& blocks)
{
    // A label that is a C name already keeps it; the others are spelt after.
    std::vector<std::string> names(blocks.size());
    std::set<std::string, std::less<>> taken;
    for (std::size_t b = 0; b < blocks.size(); ++b)
        if (const std::string name = CName(blocks[b].Label); name == blocks[b].Label && taken.insert(name).second)
            names[b] = name;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (!names[b].empty())
            continue;
        const std::string name = CName(blocks[b].Label);
        std::string unique = name;
        for (int n = 2; taken.count(unique); ++n)
            unique = name + '_' + std::to_string(n);
        taken.insert(unique);
        names[b] = unique;
    }
    return names;
}

std::string CExport(const LabelledBlocks& blocks)
{
    const std::vector<std::string> names = CNames(blocks);
    std::string text;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const LabelledBlock& block = blocks[b];
        text += (b ? "\n" : "") + std::string("const unsigned char ") + names[b] + '[' + std::to_string(block.Bytes.size()) + "] = {\n";
        const std::size_t perLine = block.Shapes ? 1 : kRows;
        for (std::size_t from = 0; from < block.Bytes.size(); from += perLine) {
            text += "   ";
            for (std::size_t i = from; i < std::min(block.Bytes.size(), from + perLine); ++i)
                text += " 0x" + Hex2(block.Bytes[i]) + ',';
            text += block.Shapes ? " /* " + RowPicture(block.Bytes[from]) + " */\n" : "\n";
        }
        text += "};\n";
    }
    return text;
}

std::string RawExport(const LabelledBlocks& blocks)
{
    std::string bytes;
    for (const LabelledBlock& block : blocks)
        bytes.append(block.Bytes.begin(), block.Bytes.end());
    return bytes;
}

std::string RawHexText(const LabelledBlocks& blocks)
{
    const std::string raw = RawExport(blocks);
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i)
        text += Hex2(std::uint8_t(raw[i])) + (i % kRows == kRows - 1 || i + 1 == raw.size() ? "\n" : " ");
    return text;
}

std::string Export(const LabelledBlocks& blocks, ExportForm form)
{
    switch (form) {
    case ExportForm::Hex: return HexExport(blocks);
    case ExportForm::Binary: return BinaryExport(blocks);
    case ExportForm::C: return CExport(blocks);
    case ExportForm::Raw: return RawExport(blocks);
    }
    return {};
}

} // namespace tw
