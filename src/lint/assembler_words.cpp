#include "lint/assembler_words.h"

namespace tw {
namespace {

// The words as each assembler lists them in its own tables (upper case,
// blank-separated, in the order of those tables), not as a 2650 manual or
// another assembler would: a word that is only reserved somewhere else makes a
// false alarm, a word left out a silent failure.
struct WordGroup {
    WordClass Class;
    std::string_view Words;
};

// VACS 2650 cross assembler 1.24. It refuses a label named like an operator
// ("Opcode Expected"), and, worse, takes one named like an instruction with
// only a warning and assembles the instruction (`nop:` adds C0). The branch
// condition codes EQ GT LT UN are not among its words.
constexpr WordGroup kVacsWords[] = {
    {WordClass::Instruction,
     "ADDA ADDI ADDR ADDZ ANDA ANDI ANDR ANDZ BCFA BCFR BCTA BCTR BDRA BDRR "
     "BIRA BIRR BRNA BRNR BSFA BSFR BSNA BSNR BSTA BSTR BSXA BXA COMA COMI COMR COMZ CPSL CPSU "
     "DAR EORA EORI EORR EORZ HALT IORA IORI IORR IORZ LODA LODI LODR LODZ LPSL LPSU NOP PPSL "
     "PPSU REDC REDD REDE RETC RETE RRL RRR SPSL SPSU STRA STRR STRZ SUBA SUBI SUBR SUBZ TMI "
     "TPSL TPSU WRTC WRTD WRTE ZBRR ZBSR"},
    {WordClass::Register, "R0 R1 R2 R3"},
    {WordClass::Directive,
     "ASCII BACKWARD BYTE DB DBX DD DS DW EJECT ELSE END ENDIF ENDREP EQU FOLD "
     "FORWARD GLOBAL IF INCL INCLUDE LEFTMARG LIST LMARG NAME NOFLD NOFOLD NOLIST NOLST NOPROCES "
     "OFFS ORG PAGE PAGELEN PGLEN PRPROCES REPEAT RESUME SBTTL SECTION SET STITLE STRING TABS "
     "TITLE TOCON TOLIST WARNING WIDTH WORD"},
    {WordClass::Operator, "ABS ABSOLUTE BASE DEF HI HW INPAGE LO LW MOD SHL SHR"},
    {WordClass::BuiltInValue, "$PASS $USR1 $USR2 $USR3 $USR4 $USR5 $USR6 $USR7 $USR8 $USR9 $MSUM"},
};

// asl with CPU 2650: the symbols it predefines that a label cannot take.
// RELAXED and NESTMAX it sets at the start of every pass, so a label of that
// name fails there ("variables cannot be redefined as constants"). Its manual
// lists more (MOMFILE MOMLINE MOMPASS MOMSECTION MOMSEGMENT NAN PADDING), but
// asl takes those as labels. Instructions, registers and directives are no
// trouble to it: the colon marks a label.
constexpr WordGroup kAslWords[] = {
    {WordClass::PredefinedSymbol,
     "TRUE FALSE CONSTPI FLOATMAX VERSION ARCHITECTURE DATE TIME INF MOMCPU MOMCPUNAME "
     "CASESENSITIVE BIGENDIAN LISTON MACEXP HAS64 RELAXED NESTMAX"},
};

constexpr char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

constexpr bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

// Takes the next word off the front of a group's text; empty at its end.
constexpr std::string_view NextWord(std::string_view& rest)
{
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    const std::size_t end = rest.find(' ');
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(word.size());
    return word;
}

template <std::size_t N>
constexpr WordClass ClassIn(const WordGroup (&groups)[N], std::string_view word)
{
    for (const WordGroup& group : groups)
        for (std::string_view rest = group.Words, listed; !(listed = NextWord(rest)).empty();)
            if (SameIgnoringCase(listed, word))
                return group.Class;
    return WordClass::Free;
}

// Each word once per assembler, so that a word has one class there.
template <std::size_t N>
constexpr bool EachWordOnce(const WordGroup (&groups)[N])
{
    for (const WordGroup& group : groups)
        for (std::string_view rest = group.Words, listed; !(listed = NextWord(rest)).empty();) {
            int seen = 0;
            for (const WordGroup& other : groups)
                for (std::string_view more = other.Words, word; !(word = NextWord(more)).empty();)
                    seen += SameIgnoringCase(listed, word) ? 1 : 0;
            if (seen != 1)
                return false;
        }
    return true;
}
static_assert(EachWordOnce(kVacsWords), "a word is listed twice for VACS");
static_assert(EachWordOnce(kAslWords), "a word is listed twice for asl");

} // namespace

WordClass ReservedWordClass(Assembler assembler, std::string_view word)
{
    return assembler == Assembler::Vacs ? ClassIn(kVacsWords, word) : ClassIn(kAslWords, word);
}

} // namespace tw
