#pragma once

// The files of a case of the lint table (tests/data/lint.txt), which
// test_core holds lint's warnings to and test_assemblers the assemblers:
// the worked example with lines replaced ("N TEXT"), or another file
// ("@ FILE", from the source tree), cut at its end ("cut N") or added to
// ("+ TEXT"); the same steps after "side " make and change its side file
// (none without them); "-> TEXT" lines are the warnings expected.

#include <optional>

#include "support.h"

namespace tw::test {

struct LintCase {
    QByteArray Project;
    std::optional<QByteArray> Side;
    QByteArray Expected; // the text of the "-> " lines, one a line
    QByteArray Wrong;    // a step the table does not know, or empty
};

inline LintCase MakeLintCase(const Case& c)
{
    LintCase made{ReadAll(Source("fuzz/corpus/ok-worked-example.eap")), std::nullopt, {}, {}};
    for (const QByteArray& row : c.Lines) {
        const bool toSide = row.startsWith("side ");
        const QByteArray line = toSide ? row.mid(5) : row;
        QByteArray& file = toSide ? (made.Side ? *made.Side : made.Side.emplace()) : made.Project;
        const QByteArray op = line.left(line.indexOf(' ')), text = Unescape(line.mid(op.size() + 1));
        if (op == "->") {
            made.Expected += line.mid(3) + '\n';
        } else if (op == "@") {
            file = ReadAll(Source(QString::fromUtf8(text)));
        } else if (op == "cut") {
            file.chop(text.toInt());
        } else if (op == "+") {
            file += text;
        } else {
            QList<QByteArray> lines = file.split('\n');
            if (op.toInt() < 1 || op.toInt() > (toSide ? lines.size() : 13))
                return made.Wrong = "unknown step " + row, made;
            lines[op.toInt() - 1] = text.endsWith('\n') ? text.chopped(1) : text + '\r'; // "\n": LF alone
            file = lines.join('\n');
        }
    }
    return made;
}

} // namespace tw::test
