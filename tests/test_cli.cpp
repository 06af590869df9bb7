// tilewright-cli, a case of tests/data/cli.txt at a time, in a scratch folder
// holding ship.eap (the worked example) and bad.eap (a file that stops after
// seven lines):
//   $ ARGS        run it (a first word ending in tilewright-cli runs that copy;
//                 tilewright runs the editor, with no display; NAME=VALUE
//                 words before it set its environment)
//   exit N        its exit status
//   out / err T   the lines it printed, exactly; out~ / err~ T: text it printed
//   sh CMD        a shell command that must succeed ($CLI is the program,
//                 $SRC the source tree, $NO_TMPFILE a library that takes
//                 O_TMPFILE away under LD_PRELOAD); status 77 skips the case
//   picture F P   the image F shows exactly what the image P does
#include <QImage>

#include "support.h"

using namespace tw::test;

class CliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("CLI", TILEWRIGHT_CLI);
        qputenv("SRC", TILEWRIGHT_SOURCE_DIR);
        qputenv("NO_TMPFILE", TILEWRIGHT_NO_TMPFILE);
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) // none of the programs needs one
            qunsetenv(name);
    }

    void cli_data() { CaseRows("cli.txt"); }
    void cli()
    {
        QFETCH(Case, c);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Source("fuzz/corpus/ok-worked-example.eap"), dir.filePath("ship.eap")));
        QVERIFY(QFile::copy(Source("fuzz/corpus/bad-seven-lines.eap"), dir.filePath("bad.eap")));
        QString out, err, wantOut, wantErr;
        int exitCode = -1;
        bool partOut = false, partErr = false; // out~ and err~ ask for a part only
        const auto printed = [&] {
            QVERIFY2(partOut || out == wantOut, qPrintable("printed:\n" + out));
            QVERIFY2(partErr || err == wantErr, qPrintable("printed on standard error:\n" + err));
        };
        for (const QByteArray& raw : c.Lines) {
            const QString line = QString::fromUtf8(raw);
            const QString op = line.section(' ', 0, 0), rest = line.section(' ', 1);
            if (op == "$") {
                printed();
                QStringList args = QProcess::splitCommand(rest);
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                for (; !args.isEmpty() && args.first().contains('=') && !args.first().startsWith('-'); args.removeFirst())
                    env.insert(args.first().section('=', 0, 0), args.first().section('=', 1));
                const QString program = args.value(0) == "tilewright" ? QFileInfo(TILEWRIGHT_CLI).dir().filePath(args.takeFirst())
                                        : args.value(0).endsWith("tilewright-cli") ? dir.filePath(args.takeFirst()) : TILEWRIGHT_CLI;
                QProcess cli;
                cli.setWorkingDirectory(dir.path());
                cli.setProcessEnvironment(env);
                cli.start(program, args);
                QVERIFY(cli.waitForFinished(kProgramMilliseconds) && cli.exitStatus() == QProcess::NormalExit);
                exitCode = cli.exitCode();
                out = QString::fromUtf8(cli.readAllStandardOutput());
                err = QString::fromUtf8(cli.readAllStandardError());
                wantOut.clear(), wantErr.clear(), partOut = partErr = false;
            } else if (op == "exit") {
                QCOMPARE(exitCode, rest.toInt());
            } else if (op == "out" || op == "err") {
                (op == "out" ? wantOut : wantErr) += rest + '\n';
            } else if (op == "out~" || op == "err~") {
                QVERIFY2((op == "out~" ? out : err).contains(rest), qPrintable(out + err));
                (op == "out~" ? partOut : partErr) = true;
            } else if (op == "sh") {
                const int status = Sh(dir.path(), rest);
                if (status == 77)
                    QSKIP(qPrintable("cannot be had here: " + rest));
                QVERIFY2(status == 0, qPrintable(rest));
            } else if (op == "picture") {
                const QStringList files = QProcess::splitCommand(rest);
                QCOMPARE(QImage(dir.filePath(files[0])).convertToFormat(QImage::Format_RGB32),
                         QImage(Source(files[1])).convertToFormat(QImage::Format_RGB32));
            } else {
                QFAIL(qPrintable("unknown step " + line));
            }
        }
        printed();
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
