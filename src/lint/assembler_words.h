#pragma once

#include <string_view>

namespace tw {

// The two assemblers that read project files: the VACS 2650 cross assembler
// (the format's own target) and asl, The Macro Assembler AS, set to CPU 2650.
enum class Assembler { Vacs, Asl };

// What a word is to an assembler when it stands where a label should.
enum class WordClass {
    Free,             // the assembler takes it as a label
    Instruction,      // VACS: a 2650 mnemonic
    Register,         // VACS: r0 to r3
    Directive,        // VACS: a pseudo-operation
    Operator,         // VACS: an expression operator such as MOD
    BuiltInValue,     // VACS: $PASS and the like
    PredefinedSymbol, // asl: a symbol such as TRUE or MOMCPU
};

// Case is ignored, as both assemblers ignore it for these words.
WordClass ReservedWordClass(Assembler assembler, std::string_view word);

} // namespace tw
