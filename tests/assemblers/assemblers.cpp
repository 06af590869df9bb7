#include "assemblers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support.h"

namespace tw::test {
namespace {

// A file an assembler may not have written (no code: no binary) as empty.
QByteArray Output(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Run(const QString& folder, const QString& program, const QStringList& args, int& status)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("ASCMD"); // asl's default options
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ended = process.waitForFinished(kProgramMilliseconds) && process.exitStatus() == QProcess::NormalExit;
    status = ended ? process.exitCode() : -1;
    return QString::fromLatin1(process.readAll());
}

// VACS exits 0 when clean, 2 on warnings and 3 on errors, and writes its
// listing (with the labels' addresses at the end) and a binary from address
// 0 into the current folder, even on errors.
Assembled Vacs(const QString& folder, const QByteArray& source)
{
    if (!WriteFile(folder + "/v.asm", source))
        return {"cannot write " + folder + "/v.asm", {}, {}};
    for (const char* old : {"/v.lst", "/v.bin"})
        QFile::remove(folder + old);
    int status = -1;
    const QString output = Run(folder, TILEWRIGHT_VACS, {"v.asm", "-q"}, status);
    Assembled made;
    const QByteArray listing = ReadAll(folder + "/v.lst");
    static const QRegularExpression label(R"(^([A-Z0-9_$]+)[ .]*= Value +([0-9A-F]{8}))", QRegularExpression::MultilineOption);
    for (auto it = label.globalMatch(QString::fromLatin1(listing)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        made.Addresses[m.captured(1).toLatin1()] = m.captured(2).toUInt(nullptr, 16);
    }
    made.Binary = Output(folder + "/v.bin");
    if (status != 0) {
        QStringList said;
        const QList<QByteArray> lines = listing.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].contains("** ERROR **") || lines[i].contains("** WARNING **"))
                said << QString::fromLatin1(lines.value(i - 1).trimmed() + " <- " + lines[i].trimmed());
        made.Failure = "exit " + QString::number(status) + ": " + (said.isEmpty() ? output.trimmed() : said.join("; "));
    }
    return made;
}

// asl takes warnings as errors here (-Werror) and exits 0 only when it had
// neither; its map file gives the labels' addresses, and p2bin makes its code
// file a binary from address 0.
Assembled Asl(const QString& folder, const QByteArray& source)
{
    if (!WriteFile(folder + "/a.asm", source))
        return {"cannot write " + folder + "/a.asm", {}, {}};
    for (const char* old : {"/a.p", "/a.map", "/a.bin"})
        QFile::remove(folder + old);
    int status = -1;
    // A source that needs more of asl says so on its first line.
    QStringList options{"-cpu", "2650", "-intsyntax", "+hexh", "-q", "-x", "-Werror", "-gnuerrors", "-g", "MAP"};
    if (const QByteArray first = source.left(source.indexOf('\n')).trimmed(); first.startsWith(";asl: "))
        options << QString::fromLatin1(first.mid(6)).split(' ', Qt::SkipEmptyParts);
    const QString output = Run(folder, TILEWRIGHT_ASL, options + QStringList{"-o", "a.p", "a.asm"}, status);
    Assembled made;
    if (status != 0)
        return made.Failure = "exit " + QString::number(status) + ": " + output.trimmed(), made;
    const QByteArray map = ReadAll(folder + "/a.map");
    static const QRegularExpression label(R"(^(\S+) +Int +([0-9A-F]+) )", QRegularExpression::MultilineOption);
    const qsizetype code = map.indexOf("Symbols in Segment CODE");
    for (auto it = label.globalMatch(QString::fromLatin1(map.mid(code < 0 ? map.size() : code))); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        made.Addresses[m.captured(1).toLatin1()] = m.captured(2).toUInt(nullptr, 16);
    }
    // p2bin writes from the first address used, which is 0 here unless
    // the source sets another, and refuses a code file without code.
    Run(folder, TILEWRIGHT_P2BIN, {"-q", "a.p", "a.bin"}, status);
    made.Binary = Output(folder + "/a.bin");
    return made;
}

QString Misread(const Assembled& made, const std::vector<Label>& labels)
{
    if (!made.Failure.isEmpty())
        return made.Failure;
    QStringList wrong;
    QByteArray bytes;
    std::map<QByteArray, quint32> addresses;
    for (const Label& label : labels) {
        const QString name = QString::fromLatin1(label.Name);
        const auto at = made.Addresses.find(label.Name.toUpper());
        if (label.Name.isEmpty() || at == made.Addresses.end())
            wrong << "no label '" + name + "'";
        else if (at->second != quint32(bytes.size()))
            wrong << QString("'%1' at %2, the editor's at %3").arg(name).arg(at->second, 4, 16, QChar('0')).arg(bytes.size(), 4, 16, QChar('0'));
        else if (made.Binary.mid(bytes.size(), label.Bytes.size()) != label.Bytes)
            wrong << "'" + name + "' holds " + made.Binary.mid(bytes.size(), label.Bytes.size()).toHex(' ') + ", the editor reads " +
                         label.Bytes.toHex(' ');
        addresses[label.Name.toUpper()] = quint32(bytes.size());
        bytes += label.Bytes;
    }
    const auto game = made.Addresses.find(kGameLabel.toUpper());
    if (game == made.Addresses.end() || game->second != quint32(bytes.size()))
        wrong << "the game's own label " + kGameLabel + (game == made.Addresses.end() ? " is lost" : " is misplaced");
    addresses[kGameLabel.toUpper()] = quint32(bytes.size());
    for (const auto& [name, address] : made.Addresses)
        if (!addresses.count(name))
            wrong << "a label '" + QString::fromLatin1(name) + "' the editor does not read";
    if (wrong.isEmpty() && made.Binary != bytes)
        wrong << QString("%1 bytes, the editor's %2: %3").arg(made.Binary.size()).arg(bytes.size()).arg(made.Binary.toHex(' '));
    return wrong.join("; ");
}

QString Miscompiled(const QString& folder, const QByteArray& source, const std::vector<Label>& labels)
{
    // The arrays as the source declares them, and a program that prints each
    // one's bytes a line.
    static const QRegularExpression array(R"(^const unsigned char ([A-Za-z_][A-Za-z0-9_]*)\[\d+\] = \{$)", QRegularExpression::MultilineOption);
    QStringList names;
    QByteArray program = "#include <stdio.h>\n#include \"export.c\"\nint main(void)\n{\n";
    for (auto it = array.globalMatch(QString::fromLatin1(source)); it.hasNext();) {
        const QByteArray name = it.next().captured(1).toLatin1();
        names << QString::fromLatin1(name);
        program += "    for (unsigned i = 0; i < sizeof " + name + "; ++i)\n        printf(\"%02X\", " + name + "[i]);\n    printf(\"\\n\");\n";
    }
    program += "    return 0;\n}\n";
    if (!WriteFile(folder + "/export.c", source) || !WriteFile(folder + "/main.c", program))
        return "cannot write " + folder;
    int status = -1;
    for (const QStringList& args : {QStringList{"-c", "export.c", "-o", "export.o"}, QStringList{"main.c", "-o", "main"}})
        if (const QString said = Run(folder, "gcc", QStringList{"-Wall", "-Wextra", "-Werror"} + args, status); status != 0)
            return "gcc " + args.join(' ') + ": exit " + QString::number(status) + ": " + said.trimmed();
    const QStringList printed = Run(folder, folder + "/main", {}, status).split('\n', Qt::SkipEmptyParts);
    QStringList wrong;
    if (status != 0 || printed.size() != qsizetype(labels.size()) || names.size() != printed.size())
        return QString("%1 arrays printing %2 lines, the editor reads %3 labels").arg(names.size()).arg(printed.size()).arg(labels.size());
    static const QRegularExpression cName(R"(^[A-Za-z][A-Za-z0-9_]*$)");
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString label = QString::fromLatin1(labels[i].Name);
        if (printed[qsizetype(i)] != labels[i].Bytes.toHex().toUpper())
            wrong << names[qsizetype(i)] + " holds " + printed[qsizetype(i)] + ", the editor reads " + labels[i].Bytes.toHex().toUpper() + " at " + label;
        if (cName.match(label).hasMatch() && names[qsizetype(i)] != label)
            wrong << "'" + label + "' is named " + names[qsizetype(i)];
        if (names.indexOf(names[qsizetype(i)]) != qsizetype(i))
            wrong << names[qsizetype(i)] + " twice";
    }
    return wrong.join("; ");
}

} // namespace tw::test
