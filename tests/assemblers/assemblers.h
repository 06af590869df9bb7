#pragma once

// The programs test_assemblers runs, VACS, asl and gcc, and what each made
// of a source, judged against the labels and bytes the editor reads.

#include <map>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tw::test {

// What follows the files in a game's source: its own code, here a label no
// sprite name can be (the editor keeps 8 characters), and the end.
inline const QByteArray kGameLabel = "GameCodeFollows";
inline const QByteArray kGameCode = kGameLabel + ":\r\n      end\r\n";

// A label and the row bytes the editor reads there.
struct Label {
    QByteArray Name;  // ISO-8859-1, as in the file
    QByteArray Bytes; // what the editor reads under it, up to the next label
};

// What an assembler made of a source: empty Failure when it had no error
// and no warning.
struct Assembled {
    QString Failure;
    std::map<QByteArray, quint32> Addresses; // by label in upper case
    QByteArray Binary;                        // from address 0
};

bool WriteFile(const QString& path, const QByteArray& bytes);
// What `program` printed in `folder`, and its exit status (-1: killed).
QString Run(const QString& folder, const QString& program, const QStringList& args, int& status);
// The source assembled by VACS, or by asl with the options its first line
// names (";asl: -intsyntax +binb").
Assembled Vacs(const QString& folder, const QByteArray& source);
Assembled Asl(const QString& folder, const QByteArray& source);
// Why `made` is not what the editor reads; empty when it is: the bytes of
// each label in turn, each at its label, and no other label or byte.
QString Misread(const Assembled& made, const std::vector<Label>& labels);
// The same of a C source that gcc compiles without a warning: its arrays
// hold each label's bytes in turn, named as the label where that is a C name.
QString Miscompiled(const QString& folder, const QByteArray& source, const std::vector<Label>& labels);

} // namespace tw::test
