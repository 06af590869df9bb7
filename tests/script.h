#pragma once

// Editing scripts (tests/data/scripts.txt) run twice: on the model alone and
// through the window's widgets. Both must end up showing the same thing, down
// to every block, row text, label, square and view cell.
//
//   pick C | color K | screen | clear K | view K | click K I... | name K TEXT
//   draw K R0..R7 (clicks every set bit) | new | load FILE | save NAME [FILE]
//   image NAME HEX | row K R HEX [open] (typed in a row box, then Return)
//   key K KEY (pressed on sprite K's grid: Up, H, Ctrl+C, ...) | menu K ITEM
//   (picked from the grid's context menu) | rows K T0..T7 and paint K I
//   LETTER (model only) | press KEY | answer Save|Discard|Cancel [NAME] (the
//   next unsaved-changes question) | file FILE|= (the next file chosen; =: the
//   one the dialog offers) | open FILE (as the command line does) | focus
//   CONTROL | exit | close | drop FILE... | reply Replace|Cancel|Reload|Keep
//   (the next answer to Save's question before it replaces a file, or to the
//   question about a change on disk) | outside FILE SOURCE (another program
//   writes SOURCE over FILE; waits for the question about it) | drag K I J
//   (pressed on block I of sprite K, dragged to J, released) (window only) |
//   lines K 16|8 | tv NTSC|PAL (the console settings, in the Console View) |
//   frame K add|delete|earlier|later|select F|time N (sprite K's strip in the
//   Console View)
//   expect, then the 13 lines of what the project shows
//
// K is the sprite number 1 to 4, I a block 0 to 63; FILE is relative to the
// source tree and copied into a scratch folder; NAME lands in that folder.

#include <array>

#include "model/console_settings.h"
#include "support.h"

namespace tw::test {

// Blocks, squares and view cells as letters, by colour code: the colour number
// the model holds and the colour the screen shows. '?' is anything else.
struct Colour {
    char Letter;
    quint32 Number, Rgb;
};
inline constexpr Colour kColours[] = {{'.', 0x000000, 0xFF000000}, {'B', 0xFF0000, 0xFF0000FF}, {'R', 0x0000FF, 0xFFFF0000},
                                      {'M', 0xFF80FF, 0xFFFF80FF}, {'G', 0x00FF00, 0xFF00FF00}, {'C', 0xFFFF80, 0xFF80FFFF},
                                      {'Y', 0x00FFFF, 0xFFFFFF00}, {'W', 0x80000005, 0xFFFFFFFF}};

inline char Letter(quint32 value, bool rgb)
{
    for (const Colour& c : kColours)
        if ((rgb ? c.Rgb : c.Number) == value)
            return c.Letter;
    return '?';
}

// What a project shows, as lines keyed by their first words ("screen",
// "sprite 2 rows", "view"): one per sprite for its colour, label and name,
// its row texts and its blocks (eight groups of eight, top row first).
struct Shown {
    int Screen = 0, Selected = 0;
    QString ScreenLabel;
    char Surround = 0;
    QString File; // the project file's name, as the design frame's caption names it
    bool Modified = false;
    struct Sprite {
        int Fg = 0;
        char Square = 0;
        QString Label, Name;
        std::array<QString, 8> Blocks, Rows; // of the frame edited
        QString Frames; // the frame edited of how many, and each frame's time
    };
    std::array<Sprite, 4> Sprites;
    std::array<QString, 8> View;
    QString Console; // the TV and the four sprites' heights

    QStringList Lines() const
    {
        QStringList lines{QStringLiteral("screen %1 selected %2 label %3 surround %4 file %5 modified %6")
                              .arg(Screen).arg(Selected).arg(ScreenLabel).arg(QChar(Surround)).arg(File).arg(int(Modified))};
        for (int k = 0; k < 4; ++k) {
            const Sprite& s = Sprites[k];
            lines << QStringLiteral("sprite %1 fg %2 square %3 label %4 name '%5'").arg(k + 1).arg(s.Fg).arg(QChar(s.Square)).arg(s.Label, s.Name)
                  << QStringLiteral("sprite %1 rows ").arg(k + 1) + QStringList(s.Rows.begin(), s.Rows.end()).join(' ')
                  << QStringLiteral("sprite %1 frames ").arg(k + 1) + s.Frames
                  << QStringLiteral("sprite %1 blocks ").arg(k + 1) + QStringList(s.Blocks.begin(), s.Blocks.end()).join(' ');
        }
        return lines << "view " + QStringList(View.begin(), View.end()).join(' ') << "console " + Console;
    }
    static QString Key(const QString& line) { return line.section(' ', 0, line.startsWith("sprite ") ? 2 : 0); }
};

// The console settings as a script's "console" line shows them.
inline QString ConsoleShown(const ConsoleSettings& console)
{
    QString shown = console.Tv == TvSystem::Pal ? QStringLiteral("PAL") : QStringLiteral("NTSC");
    for (const std::uint8_t lines : console.SpriteLines)
        shown += u' ' + QString::number(lines);
    return shown;
}

// A sprite's frames as a script's "sprite K frames" line shows them: the
// frame edited (from 1) of how many, then each frame's time.
inline QString FramesShown(int edited, int frames, const QList<int>& times)
{
    QString shown = QStringLiteral("%1/%2 times").arg(edited + 1).arg(frames);
    for (const int time : times)
        shown += u' ' + QString::number(time);
    return shown;
}

// The commands of the tables, for both runners; "model only" ones are those
// no control can do.
inline const QByteArrayList kCommands{"pick", "color", "screen", "clear", "view", "click", "name", "draw", "new", "load",
                                      "save", "image", "row", "key", "menu", "rows", "paint", "press", "answer", "file",
                                      "open", "focus", "exit", "close", "drop", "reply", "outside", "drag", "lines", "tv", "frame",
                                      "expect"};

class Driver {
public:
    virtual ~Driver() = default;
    // One command, split at blanks; false if this driver has no way to do it.
    virtual bool Do(const QList<QByteArray>& words, const QString& tail) = 0;
    virtual Shown Show() = 0;
    // Whether this runner takes cases that only the document can run.
    virtual bool RunsModelOnly() const = 0;
    QTemporaryDir Dir;
};

// Runs a case. "expect" is followed by lines of Shown: each must be shown as
// written, and every line it does not name must be as it was at the last
// expect (at the start, before the first). `step` runs after each command.
inline void RunScript(Driver& driver, const Case& script, const std::function<void()>& step = {})
{
    if (script.Name.startsWith("model only:") && !driver.RunsModelOnly())
        QSKIP("model only: no control of the window can make this state");
    QStringList before = driver.Show().Lines();
    for (qsizetype i = 0; i < script.Lines.size(); ++i) {
        const QByteArray& line = script.Lines[i];
        QList<QByteArray> w = line.split(' ');
        const QByteArray at = script.Where(i);
        if (!kCommands.contains(w[0]))
            QFAIL(at + "unknown command '" + w[0] + "'");
        if (w[0] == "expect") { // the lines it names follow, indented
            QMap<QString, QString> named;
            for (; i + 1 < script.Lines.size() && script.Lines[i + 1].startsWith("  "); ++i) {
                const QString shown = QString::fromUtf8(script.Lines[i + 1].mid(2));
                named[Shown::Key(shown)] = shown;
            }
            const QStringList now = driver.Show().Lines();
            QStringList want;
            for (qsizetype n = 0; n < now.size(); ++n)
                want << named.take(Shown::Key(now[n]));
            QVERIFY2(named.isEmpty(), qPrintable(at + "no such line to expect: " + named.keys().join(", ")));
            for (qsizetype n = 0; n < now.size(); ++n)
                QVERIFY2(now[n] == (want[n].isNull() ? before[n] : want[n]),
                         qPrintable(at + "it shows\n  " + now[n] + "\nnot\n  " + (want[n].isNull() ? before[n] + " (as before)" : want[n])));
            before = now;
            continue;
        }
        for (int r = 0; w[0] == "draw" && r < 64; ++r)
            if (w[2 + r / 8].toInt(nullptr, 16) & (0x80 >> r % 8))
                QVERIFY(driver.Do({"click", w[1], QByteArray::number(r)}, {}));
        const QString scratch = driver.Dir.filePath(QFileInfo(QString::fromUtf8(w.value(1))).fileName());
        if (w[0] == "outside") // as another program writes it: a new file renamed over the old
            QVERIFY(QFile::copy(Source(QString::fromUtf8(w[2])), scratch + ".new") && QFile::remove(scratch) &&
                    QFile::rename(scratch + ".new", scratch));
        const bool copied = (w[0] == "load" || w[0] == "open" || w[0] == "drop" || w[0] == "file") && w[1] != "=";
        if (copied) {
            QFile::remove(scratch);
            QVERIFY(QFile::copy(Source(QString::fromUtf8(w[1])), scratch) || w[0] == "file");
            // and its side file, when it has one
            QFile::remove(scratch + ".asm");
            QFile::copy(Source(QString::fromUtf8(w[1]) + ".asm"), scratch + ".asm");
        }
        if (copied || w[0] == "save" || w[0] == "outside")
            w[1] = scratch.toUtf8();
        if (w[0] != "draw" && !driver.Do(w, QString::fromUtf8(Unescape(line.mid(line.indexOf(' ', w[0].size() + 1) + 1)))))
            QFAIL(at + "this runner has no way to " + line + (driver.RunsModelOnly() ? "; the case is for the window only" : ""));
        if (step)
            step();
        if (w[0] == "save" && w.size() > 2) // the file it must give
            QCOMPARE(ReadAll(scratch), ReadAll(Source(QString::fromUtf8(w[2]))));
        if (w[0] == "image")
            QCOMPARE(ReadAll(scratch).toHex(), w[2]);
    }
}

} // namespace tw::test
