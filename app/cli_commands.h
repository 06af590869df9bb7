#pragma once

// tilewright-cli's commands: what each takes, how its usage reads, and the
// function that runs it.

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

#include "console/renderer.h"
#include "document/file_kinds.h"
#include "project/exports.h"

namespace tw::cli {


// A whole number an option may be, from the least to the most.
struct Range {
    long long Least = 0, Most = 0;
};

// The options a command may be given, each read once, in its range.
struct Options {
    std::optional<QString> Output;      // -o
    std::optional<int> Scale;           // --scale
    std::optional<PixelShape> Tv;       // --tv
    std::optional<ColourModel> Colours; // --colours
    std::optional<long long> At;        // --at, screen's console frame
    std::optional<long long> For;       // --for
    bool Frames = false;                // --frames
    std::vector<long long> Offsets;     // --at, import's offsets: one or four
    std::optional<long long> Offset;    // --offset
    std::optional<int> Count;           // --count
    std::optional<ExportForm> Form;     // --as
};

// What a command is given: its files, the first read as `Kind`, and its options.
struct Call {
    QStringList Files;
    document::FileKind Kind = document::FileKind::Project;
    Options Given;
};

struct Command {
    const char* Name;
    // The files and options it takes as its usage shows them, files first
    // ("FILE.eap [-o IMAGE.bin]"); an option not in brackets is needed.
    const char* Synopsis;
    const char* InWords; // the files in words, for a wrong number of them
    // What its first file is read as: the kind its name gives, where that is
    // one of these, else the first of them.
    std::vector<document::FileKind> Reads;
    Range Scale; // what --scale may be, for a command that takes it
    QString Usage; // for --help; its lines after the first are indented there
    int (*Handler)(const Call&);

    // Read off the synopsis, so that the usage cannot say other than what is
    // checked.
    QStringList Words() const;
    qsizetype FileCount() const;
    bool Takes(const QString& option) const;
    // The word the synopsis gives an option that is needed ("SHEET.png"),
    // empty when it is not needed.
    QString Needs(const QString& option) const;
    // The word the synopsis gives an option, its brackets left out
    // ("N,N2,N3,N4"); empty when the command does not take it.
    QString Argument(const QString& option) const;
};

std::span<const Command> Commands();
const Command* FindCommand(const QString& name);
// The names of the commands that take `option`, or of all with none, as a
// list: "bin, png and import".
QString CommandNames(const QString& lastJoin, const QString& option = {});
QString UsageText();
QString HelpText();

// Reads the call's first file as the kind it is taken as, the way the editor
// opens it, into `project`; or says why it cannot. A side file that cannot be
// used fails the command: what a build makes would not be what the editor
// shows. `kept` gets what was read.
bool Load(const Call& call, SpriteProject& project, storage::ReadOutcome* kept = nullptr);
// The four sprites of a new project, sprite k's rows the 8 bytes at offset
// k of any file, or at the one offset and the 8, 16 and 24 bytes after it.
storage::ReadOutcome ReadShapesAt(const QString& path, const std::vector<long long>& offsets);

// The handlers.
int Check(const Call& call);
int Bin(const Call& call);
int Resave(const Call& call);
int Lint(const Call& call);
int Png(const Call& call);
int Import(const Call& call);
int Screen(const Call& call);
int Run(const Call& call);
int Collisions(const Call& call);
int Shapes(const Call& call);
int Export(const Call& call);

} // namespace tw::cli
