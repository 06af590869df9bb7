#include "lint/eap_lint.h"

#include "lint/assembler_words.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "model/row_encoding.h"
#include "project/eap_lines.h"
#include "project/latin1.h"
#include "project/side_file.h"

namespace tw {
namespace {

bool IsAsciiLetter(unsigned char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }
bool IsHexDigit(unsigned char ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'); }
bool IsLabelChar(unsigned char ch) { return IsAsciiLetter(ch) || IsDigit(ch) || ch == '_'; }
bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& ch : folded)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return folded;
}

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// What a sprite name is to the assemblers, said so that a user of either
// knows whether it concerns them.
std::string_view ReservedMeaning(WordClass vacs, WordClass asl)
{
    if (vacs != WordClass::Free && asl != WordClass::Free)
        return "a word both assemblers reserve";
    switch (vacs) {
    case WordClass::Instruction: return "an instruction to the VACS assembler, which adds that instruction to the output";
    case WordClass::Register: return "a register to the VACS assembler";
    case WordClass::Directive: return "a directive to the VACS assembler";
    case WordClass::Operator: return "an operator to the VACS assembler";
    case WordClass::BuiltInValue: return "a built-in value to the VACS assembler";
    default: break;
    }
    return "a symbol asl predefines";
}

// What the side file calls a label of it: a frame's, or one of the scene's.
std::string SideLabelKind(const std::string& name)
{
    return name == kPositionsLabel || name == kUserCharactersLabel || name == kCellsLabel ? "scene label" : "frame label";
}

class Linter {
public:
    Linter(std::string_view bytes, int lines, const ProjectRecord* record, const SideFile* side)
        : lines_(SplitLines(bytes, lines)), record_(record), side_(side)
    {
    }

    std::vector<LintWarning> Run()
    {
        CheckCommentLine(kScreenLineNumber, "screen");
        for (int k = 0; k < kSprites; ++k) {
            CheckLabelLine(k);
            CheckCommentLine(ColorLineNumber(k), "color");
            CheckDataLine(DataLineNumber(k), record_->Sprites[k].HexRows);
        }
        for (int line = kProjectFileLines + 1; line <= int(lines_.size()); ++line)
            CheckLineAfterProject(line);
        return Finish();
    }

    // The side file's header, settings, times and labels are read only as
    // they are written, so a side file that loads has them right; what the
    // reader is lenient about is the db lines and the line ends.
    std::vector<LintWarning> RunSide()
    {
        for (const SideFile::DataLine& data : side_->DataLines)
            CheckDataLine(data.Line, data.Rows);
        return Finish();
    }

private:
    // A name as a label, now and once the editor has saved it (cut to
    // kMaxNameLength), folded to lower case.
    struct Label {
        int Line;
        std::string_view Name;
        std::string Folded, Saved;
    };

    std::vector<LintWarning> Finish()
    {
        CheckLines();
        std::stable_sort(warnings_.begin(), warnings_.end(),
                         [](const LintWarning& a, const LintWarning& b) { return a.Line < b.Line; });
        return std::move(warnings_);
    }

    std::string_view Text(int line) const { return lines_[line - 1].Text; }
    void Warn(int line, std::string text) { warnings_.push_back({line, std::move(text)}); }

    // Blanks may come first, and an empty line is no code either.
    static bool IsCommentOrBlank(std::string_view text)
    {
        text = SkipBlanks(text);
        return text.empty() || text.front() == ';';
    }

    void CheckCommentLine(int line, const char* what)
    {
        if (!IsCommentOrBlank(Text(line)))
            Warn(line, std::string("the ") + what + " line does not start with ';', so an assembler reads it as code");
    }

    // What follows the 13 lines is no part of the project, and saving drops
    // it; an assembler reads it all the same, and a game that takes the file
    // gets it as code: labels and bytes the editor knows nothing of, or an
    // error.
    void CheckLineAfterProject(int line)
    {
        if (!IsCommentOrBlank(Text(line)))
            Warn(line, "the line comes after the project's " + std::to_string(kProjectFileLines) +
                           " lines: the editor does not read it, but an assembler reads it as code");
    }

    void CheckLabelLine(int k)
    {
        const int line = LabelLineNumber(k);
        const std::string_view text = Text(line);
        // The editor drops the last character of a label line whatever it
        // is. 2650 assemblers differ on labels without a colon: some take a
        // word in column 1 as the label (the dropped character then becomes
        // part of it, or starts an operand), others insist on the colon. Only
        // the colon means the same label to the editor and to every assembler,
        // and asl takes names like nop or db as labels only because of it.
        if (text.back() != ':')
            Warn(line, "the label line ends in " + ShownByte(text.back()) + ", not ':'");

        // Judged as the assembler sees it: the whole text before the last
        // character, not the editor's 8-character cut, and without the blanks
        // and tabs before it, which both assemblers skip.
        const std::string_view written = text.substr(0, text.size() - 1);
        const std::string_view name = SkipBlanks(written);
        if (name.empty()) {
            Warn(line, "sprite " + std::to_string(k + 1) + " has no name, so its db line has no label");
            return;
        }
        const std::string shown = "sprite name " + ShownText(name);
        // Both assemblers take the line as a comment: the file assembles, but
        // the db line has no label to be reached by.
        if (name.front() == ';') {
            Warn(line, shown + " starts with ';', so assemblers read the label line as a comment and sprite " +
                           std::to_string(k + 1) + " gets no label");
            return;
        }
        CheckNameWords(line, name, shown);
        if (written.size() > kMaxNameLength)
            Warn(line, "sprite name " + ShownText(written) + " is longer than " + std::to_string(kMaxNameLength) +
                           " characters; the editor keeps " + ShownText(written.substr(0, kMaxNameLength)) +
                           ", so saving it again renames the label");
        CheckLabelRepeats({line, name, FoldCase(name), FoldCase(SkipBlanks(written.substr(0, kMaxNameLength)))}, written, shown);
    }

    // What the assemblers make of the name's characters and words.
    void CheckNameWords(int line, std::string_view name, const std::string& shown)
    {
        const WordClass vacs = ReservedWordClass(Assembler::Vacs, name);
        const WordClass asl = ReservedWordClass(Assembler::Asl, name);
        if (IsDigit(static_cast<unsigned char>(name.front())))
            Warn(line, shown + " starts with a digit, so asl refuses it as a label");
        // VACS stops at the first character it does not take ("Unrecognised
        // Character"). Its $ built-ins hold one too, but are better named as
        // what they are.
        const auto bad = std::find_if(name.begin(), name.end(), [](char ch) { return !IsLabelChar(static_cast<unsigned char>(ch)); });
        if (bad != name.end() && vacs != WordClass::BuiltInValue)
            Warn(line, shown + " has " + ShownByte(*bad) +
                           ", which the VACS assembler does not take in a label (ASCII letters, digits and '_' only)");
        if (vacs != WordClass::Free || asl != WordClass::Free)
            Warn(line, shown + " is " + std::string(ReservedMeaning(vacs, asl)));
    }

    // VACS makes names that differ only in case one symbol ("Double
    // Definition"); asl folds case as well, as its own reserved words show.
    // Names the editor cuts can become one label only once saved.
    void CheckLabelRepeats(const Label& label, std::string_view written, const std::string& shown)
    {
        const int line = label.Line;
        for (const Label& other : labels_)
            if (other.Folded == label.Folded) {
                Warn(line, shown + " repeats " + ShownText(other.Name) + " of line " + std::to_string(other.Line) +
                               " (assemblers ignore case)");
                break;
            } else if (other.Saved == label.Saved) {
                Warn(line, shown + " and " + ShownText(other.Name) + " of line " + std::to_string(other.Line) +
                               " are both saved as the label " + ShownText(SkipBlanks(written.substr(0, kMaxNameLength))) +
                               ", which assemblers then reject as defined twice");
                break;
            }
        labels_.push_back(label);
        if (side_)
            CheckSideLabels(label, written);
    }

    // An assembler source that includes the project file and its side file
    // gets both files' labels, so a name that is one of the side file's
    // labels is defined twice there, now or once the editor has saved it.
    void CheckSideLabels(const Label& label, std::string_view written)
    {
        for (const SideFile::Label& side : side_->Labels) {
            const std::string folded = FoldCase(side.Name);
            const std::string where = "the side file's " + SideLabelKind(side.Name) + " '" + side.Name + "' of line " + std::to_string(side.Line);
            if (label.Folded == folded) {
                Warn(label.Line, "sprite name " + ShownText(label.Name) + " is also " + where +
                                     " (assemblers ignore case): an assembler that includes both files rejects the second as defined twice");
                return;
            }
            if (label.Saved == folded) {
                Warn(label.Line, "sprite name " + ShownText(label.Name) + " is saved as the label " +
                                     ShownText(SkipBlanks(written.substr(0, kMaxNameLength))) + ", which is also " + where +
                                     ": an assembler that includes both files then rejects the second as defined twice");
                return;
            }
        }
    }

    void CheckDataLine(int line, const std::array<std::string, kRows>& rows)
    {
        const std::string_view text = Text(line);
        // An assembler reads the items up to a ';', which starts a comment.
        const std::string_view code = text.substr(0, std::min(text.find(';'), text.size()));

        // It needs the db directive away from column 1 (where it would be a
        // label) and blanks between it and the first item, which may come
        // anywhere after them. The reader instead skips as many characters as
        // the prefix has, of any kind: where the two disagree on the first
        // item, its value tells whether that matters.
        const std::string_view indented = SkipBlanks(code);
        const std::string_view word = indented.substr(0, std::min(indented.find_first_of(" \t,"), indented.size()));
        const std::string_view first = SkipBlanks(indented.substr(word.size()));
        const bool db = indented.size() < code.size() && FoldCase(word) == "db" && first.size() < indented.size() - word.size();
        if (!db)
            Warn(line, "the db line does not begin with blanks, 'db' and blanks: it begins with " +
                           ShownText(code.substr(0, code.size() - first.size())));

        std::vector<std::string_view> items = SplitItems(code);
        items[0] = db ? SplitItems(first)[0] : SplitItems(text)[0].substr(kDataLinePrefixLength);
        if (items.size() > static_cast<std::size_t>(kRows))
            Warn(line, "the db line has " + std::to_string(items.size()) +
                           " items; the editor keeps the first " + std::to_string(kRows) + ", an assembler reads all " +
                           std::to_string(items.size()));
        else if (items.size() < static_cast<std::size_t>(kRows))
            Warn(line, "the db line has " + std::to_string(items.size()) + " item" + (items.size() == 1 ? "" : "s") +
                           " before the ';' that starts a comment, where the editor reads " + std::to_string(kRows));

        for (std::size_t r = 0; r < std::min(items.size(), static_cast<std::size_t>(kRows)); ++r)
            CheckItem(line, int(r), items[r], RowTextValue(rows[r]));
    }

    // A row item must be a number an assembler reads as hexadecimal: a
    // decimal digit first (a letter first makes it a symbol), hexadecimal
    // digits, and the suffix h; or decimal digits alone, which both read as a
    // decimal number (00 is 0, as the editor reads it too). Blanks around it
    // are harmless to both sides.
    void CheckItem(int line, int r, std::string_view item, unsigned editorValue)
    {
        const std::string what = "item " + std::to_string(r + 1) + " " + ShownText(item);
        const std::string_view number = TrimBlanks(item);
        const bool suffixed = !number.empty() && (number.back() == 'h' || number.back() == 'H');
        const std::string_view digits = suffixed ? number.substr(0, number.size() - 1) : number;
        const bool allHex = std::all_of(digits.begin(), digits.end(), [](char ch) { return IsHexDigit(static_cast<unsigned char>(ch)); });
        const bool decimal = !suffixed && std::all_of(digits.begin(), digits.end(), [](char ch) { return IsDigit(static_cast<unsigned char>(ch)); });

        if (digits.empty()) {
            Warn(line, what + " has no digits");
            return;
        }
        if (suffixed && allHex && !IsDigit(static_cast<unsigned char>(digits.front()))) {
            Warn(line, what + " starts with a letter, so an assembler reads it as a symbol; write '0" +
                           std::string(number) + "'");
            return;
        }
        if (!decimal && !(suffixed && allHex)) {
            Warn(line, what + " is not a hexadecimal number an assembler accepts (a digit, hex digits, then 'h')");
            return;
        }

        unsigned value = 0;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), value, decimal ? 10 : 16).ec != std::errc() || value > 0xFF) {
            Warn(line, what + " is more than a byte");
            return;
        }
        // The editor decodes a row from the first and last character of the
        // item's text, so a valid number can still be drawn as another byte.
        if (value != editorValue)
            Warn(line, what + " is byte " + RowText(static_cast<std::uint8_t>(value)) + "h to an assembler but " +
                           RowText(static_cast<std::uint8_t>(editorValue)) + "h to the editor");
    }

    // The columns the VACS assembler takes for `text` after `column`: it
    // reads a line into 255 columns, a tab taking it to the next multiple of
    // 8 (but no further than column 254), and rejects a longer one ("Line Too
    // Long"). asl has no such limit.
    static constexpr int kVacsColumns = 255;
    static int VacsColumns(std::string_view text, int column = 0)
    {
        for (const char ch : text)
            if (ch != '\t')
                ++column;
            else
                do
                    ++column;
                while (column < kVacsColumns - 1 && column % 8 != 0);
        return column;
    }

    // Whether an assembler that reads lines a and b as one line gets what
    // it would get from the two: a blank a, a comment or blank b (a comment
    // after a label, items or another comment), or a label alone and then
    // an instruction.
    static bool JoinsHarmlessly(std::string_view a, std::string_view b)
    {
        const std::string_view label = SkipBlanks(a);
        return label.empty() || IsCommentOrBlank(b) ||
               (label.back() == ':' && label.find_first_of(" \t;") == label.npos && IsBlank(b.front()));
    }

    // Each line as the assemblers read it: its length, the bytes that end a
    // line or the file for one of them, and its line end. Both end a line at
    // CR LF. VACS skips a lone LF and asl reads on past a lone CR, so each
    // reads the next line as part of this one (after the last line, the
    // game's own code that follows the pasted file); a comment that swallows
    // another comment, or a label joined to its comment or its db line, reads
    // as it did.
    void CheckLines()
    {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const int line = static_cast<int>(i) + 1;
            const std::string_view text = lines_[i].Text;
            const bool last = i + 1 == lines_.size();
            const std::string_view next = last ? std::string_view() : lines_[i + 1].Text;
            const auto joins = [&](std::string_view part) { return !last && JoinsHarmlessly(part, next); };

            if (const int columns = VacsColumns(text); columns > kVacsColumns)
                Warn(line, (text.find('\t') == text.npos ? "the line is " + std::to_string(columns) + " characters long"
                                                        : "the line takes " + std::to_string(columns) + " columns, each tab to the next multiple of 8") +
                               "; the VACS assembler rejects a line longer than " + std::to_string(kVacsColumns) + " ('Line Too Long')");
            // VACS takes byte 0x1A for the end of the file, as MS-DOS did.
            if (text.find('\x1A') != text.npos)
                Warn(line, "the line holds byte 0x1A, the end of the file to the VACS assembler, which reads nothing after it");
            // asl reads a line as a C string: it stops at byte 0, and reads on
            // into the next line for the end it did not see.
            if (const std::size_t nul = text.find('\0'); nul != text.npos && !(IsCommentOrBlank(text.substr(0, nul)) && joins(text.substr(0, nul))))
                Warn(line, "the line holds byte 0x00, where asl stops reading it and reads the next line as part of it");
            // asl continues a line that ends in a backslash on the next one.
            if (!text.empty() && text.back() == '\\' && !joins(text.substr(0, text.size() - 1)))
                Warn(line, "the line ends in '\\', so asl reads the next line as part of it");

            switch (lines_[i].End) {
            case LineEnd::CrLf: break;
            case LineEnd::Lf:
                if (!joins(text) || VacsColumns(next, VacsColumns(text)) > kVacsColumns)
                    Warn(line, "the line ends in LF alone, not CR LF: the VACS assembler reads the next line as part of it");
                break;
            case LineEnd::Cr:
                if (!joins(text))
                    Warn(line, "the line ends in CR alone, not CR LF: asl reads the next line as part of it");
                break;
            case LineEnd::None: Warn(line, "the last line has no line end (CR LF)"); break;
            }
        }
    }

    std::vector<TextLine> lines_;
    const ProjectRecord* record_; // the project file's, when it is judged
    const SideFile* side_;
    std::vector<Label> labels_;
    std::vector<LintWarning> warnings_;
};

} // namespace

std::vector<LintWarning> LintProject(std::string_view bytes, const ProjectRecord& record, const SideFile* side)
{
    return Linter(bytes, std::max(kProjectFileLines, CountLines(bytes)), &record, side).Run();
}

std::vector<LintWarning> LintSideFile(std::string_view bytes, const SideFile& side)
{
    return Linter(bytes, side.Lines, nullptr, &side).RunSide();
}

LintReport LintProjectFile(std::string_view bytes, std::optional<std::string_view> side)
{
    const ReadResult read = ReadProjectFile(bytes);
    LintReport report;
    if (!read.Record) {
        report.Error = read.Error;
        return report;
    }
    std::optional<SideFile> sideFile;
    if (side) {
        SideFileRead sideRead = ReadSideFile(*side);
        if (!sideRead.File) {
            report.Error = std::move(sideRead.Error);
            report.ErrorInSideFile = true;
            return report;
        }
        sideFile = std::move(sideRead.File);
        report.SideWarnings = LintSideFile(*side, *sideFile);
    }
    report.Loaded = true;
    report.Warnings = LintProject(bytes, *read.Record, sideFile ? &*sideFile : nullptr);
    return report;
}

} // namespace tw
