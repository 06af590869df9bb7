#pragma once

// A project's graphics for toolchains other than the one its files are
// written for. The bytes and their labels are taken from the project once,
// as a list of labelled blocks in the order the project file and its side
// file list them; each notation writes that list:
//
//   hex      the files' own db lines, every label (sprites, frames, scene)
//   binary   the same, items as 00011000b, each shape row with its picture
//   c        a const unsigned char array per block, named after its label
//   raw      the bytes alone, in the order the labels list them

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/names.h"
#include "model/sprite_project.h"

namespace tw {

enum class ExportForm { Hex, Binary, C, Raw };
inline constexpr std::array<Named<ExportForm>, 4> kExportFormNames{
    {{ExportForm::Hex, "hex"}, {ExportForm::Binary, "binary"}, {ExportForm::C, "c"}, {ExportForm::Raw, "raw"}}};

struct LabelledBlock {
    std::string Label;               // as the files write it (ISO-8859-1)
    std::vector<std::uint8_t> Bytes; // 8 a db line
    // Rows of 8 x 8 shapes (a sprite's frame, the user-defined characters),
    // which the binary and C forms draw beside each row; the positions and
    // the cells are bytes alone.
    bool Shapes = true;
};
using LabelledBlocks = std::vector<LabelledBlock>;

// Each sprite's first frame under its name, its later frames under theirs
// (S1F1, ...), and with a scene its positions, characters and cells (SPOS,
// UDC, SCRN): the bytes an assembler makes of the project file and then the
// side file. A row is the byte the editor reads from its text.
LabelledBlocks ExportBlocks(const SpriteProject& project);
// The frame of sprite k that is edited, under the label the files give it.
LabelledBlock EditedFrameBlock(const SpriteProject& project, int k);

// What binary items need of asl, which reads them only when told; the form
// names it in a comment on its first line: ";asl: -intsyntax +binb". VACS
// reads them as they are.
inline constexpr std::string_view kAslBinaryOption = "-intsyntax +binb";
inline constexpr std::string_view kAslOptionLead = ";asl: ";

// The notations. Hex and binary are assembler source with CR LF line ends,
// as the project files are (VACS takes a lone LF for no line end); C has LF.
std::string HexExport(const LabelledBlocks& blocks);
std::string BinaryExport(const LabelledBlocks& blocks);
std::string CExport(const LabelledBlocks& blocks);
std::string RawExport(const LabelledBlocks& blocks);
std::string Export(const LabelledBlocks& blocks, ExportForm form);
// The raw bytes as text, for the clipboard: two hexadecimal digits each, 8 a
// line ("18 3C 7E FF FF 7E 3C 18").
std::string RawHexText(const LabelledBlocks& blocks);

// A row as a picture: '#' for a set pixel, '.' for a clear one, left first.
std::string RowPicture(std::uint8_t row);

// The C names of the blocks' labels, in order: a label that is a C name
// keeps it; of another, its ASCII letters, digits and '_', any other byte as
// '_' (blanks before it left out), "s_" before one that would start with a
// digit or '_' or be empty, '_' after a C keyword, and "_2", "_3", ... after
// a name another block has.
std::vector<std::string> CNames(const LabelledBlocks& blocks);

} // namespace tw
