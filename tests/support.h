#pragma once

// What every suite shares: the data files under tests/data, read as tables of
// cases, and the few file helpers the cases need.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace tw::test {

// Every suite runs with a home, configuration and caches of its own, set
// before main(): nothing a test or Qt writes (the file dialog's history, font
// caches) reaches the user's.
inline const struct PrivateHome {
    QTemporaryDir Dir;
    PrivateHome()
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            qputenv(name, Dir.path().toUtf8());
    }
} kPrivateHome;

// The longest any program a test starts (the editor, MAME, an assembler) may
// take: minutes, so that a machine busy with other work never reaches it,
// while a program that hangs still ends the test.
inline constexpr int kProgramMilliseconds = 10 * 60 * 1000;

inline QString Source(const QString& path) { return QStringLiteral(TILEWRIGHT_SOURCE_DIR "/") + path; }
inline QString Data(const QString& name) { return Source(QStringLiteral("tests/data/") + name); }

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot read ") + path.toUtf8() + '>';
}

// Texts in the tables spell control bytes as \r, \n, \t and \xNN.
inline QByteArray Unescape(QByteArray text)
{
    text.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
    for (qsizetype at; (at = text.indexOf("\\x")) >= 0;)
        text.replace(at, 4, QByteArray(1, char(text.mid(at + 2, 2).toInt(nullptr, 16))));
    return text;
}

// A table file: "== name" opens a case, its lines follow; "#" lines and blank
// lines between cases are comments.
struct Case {
    QByteArray Name;
    QList<QByteArray> Lines;
    QByteArray Table;
    QList<int> LineNumbers; // of Lines, in Table
    // "TABLE:LINE: " of line i, for a message.
    QByteArray Where(qsizetype i) const { return Table + ':' + QByteArray::number(LineNumbers.value(i)) + ": "; }
};

inline QList<Case> Cases(const QString& table)
{
    QList<Case> cases;
    int number = 0;
    for (const QByteArray& line : ReadAll(Data(table)).split('\n')) {
        ++number;
        if (line.startsWith("== "))
            cases.append({line.mid(3), {}, table.toUtf8(), {}});
        else if (!cases.isEmpty() && !line.startsWith('#') && !line.trimmed().isEmpty())
            cases.last().Lines.append(line), cases.last().LineNumbers.append(number);
    }
    if (cases.isEmpty())
        qFatal("no cases in %s", qPrintable(table));
    return cases;
}

// One _data row per case of a table, fetched as "c".
inline void CaseRows(const QString& table)
{
    QTest::addColumn<Case>("c");
    for (const Case& c : Cases(table))
        QTest::newRow(c.Name.constData()) << c;
}

// Runs a shell command line in `folder`; its exit status.
inline int Sh(const QString& folder, const QString& command)
{
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.setProcessChannelMode(QProcess::ForwardedChannels);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    return shell.waitForFinished(kProgramMilliseconds) && shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1;
}

} // namespace tw::test

Q_DECLARE_METATYPE(tw::test::Case)
