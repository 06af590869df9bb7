#include <QtTest>

#include "cartridge/cartridge.h"
#include "test_support.h"

using namespace tw;
using test::Cli;
using test::Run;
using test::ReadAll;
using test::WriteAll;

namespace {

QByteArray WorkedExampleImage()
{
    const CartridgeImage image = BuildCartridgeImage(test::WorkedExampleByEditing());
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString example;
    QString broken;

private Q_SLOTS:
    void init()
    {
        QVERIFY(dir.isValid());
        example = dir.filePath("demo.eap");
        broken = dir.filePath("broken.eap");
        QVERIFY(WriteAll(example, test::Bytes(test::kWorkedExample)));
        QVERIFY(WriteAll(broken, test::Bytes(test::kWorkedExample.substr(0, 154))));
    }

    void checkSummarisesOrNamesTheLine()
    {
        Run run = Cli({"check", example});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, example + ": screen Blue (1); Ship: Yellow (6), Alien: Green (4), "
                                    "Sprite3: White (7), Sprite4: White (7)\n");
        QCOMPARE(run.err, QString());

        run = Cli({"check", broken});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, broken + ":8: the file ends before line 8\n");

        run = Cli({"check", dir.filePath("missing.eap")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(dir.filePath("missing.eap") + ": "), qPrintable(run.err));
    }

    void resaveReproducesTheFile()
    {
        const QString out = dir.filePath("copy.eap");
        const Run run = Cli({"resave", example, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadAll(out), test::Bytes(test::kWorkedExample));

        // Lower-case and LF-only input comes out canonical.
        QByteArray sloppy = test::Bytes(test::kWorkedExample).replace("\r\n", "\n").replace("0FFh", "0ffh");
        QVERIFY(WriteAll(example, sloppy));
        QCOMPARE(Cli({"resave", example, out}).exitCode, 0);
        QCOMPARE(ReadAll(out), test::Bytes(test::kWorkedExample));
    }

    void binWritesTheImageBesideTheProject()
    {
        Run run = Cli({"bin", example});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadAll(dir.filePath("demo.bin")), WorkedExampleImage());
        QCOMPARE(ReadAll(dir.filePath("demo.bin")).size(), 133);

        const QString chosen = dir.filePath("out/cart.bin");
        QVERIFY(QDir(dir.path()).mkdir("out"));
        run = Cli({"bin", example, "-o", chosen});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadAll(chosen), WorkedExampleImage());

        run = Cli({"bin", example, "-o", dir.filePath("nowhere/cart.bin")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(dir.filePath("nowhere/cart.bin") + ": "), qPrintable(run.err));
    }

    void nothingIsWrittenWhenLoadingFails()
    {
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(Cli({"bin", broken}).exitCode, 1);
        QCOMPARE(Cli({"bin", broken, "-o", dir.filePath("x.bin")}).exitCode, 1);
        QCOMPARE(Cli({"resave", broken, dir.filePath("y.eap")}).exitCode, 1);
        QVERIFY(WriteAll(dir.filePath("z.eap"), "keep"));
        QCOMPARE(Cli({"resave", broken, dir.filePath("z.eap")}).exitCode, 1);
        QCOMPARE(ReadAll(dir.filePath("z.eap")), QByteArray("keep"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before + QStringList{"z.eap"});
    }

    void wrongArgumentsExitWithUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frob", "a.eap"};
        QTest::newRow("check without file") << QStringList{"check"};
        QTest::newRow("check two files") << QStringList{"check", "a.eap", "b.eap"};
        QTest::newRow("resave one file") << QStringList{"resave", "a.eap"};
        QTest::newRow("-o with check") << QStringList{"check", "a.eap", "-o", "x.bin"};
        QTest::newRow("unknown option") << QStringList{"check", "--frob", "a.eap"};
    }
    void wrongArgumentsExitWithUsage()
    {
        QFETCH(QStringList, args);
        const Run run = Cli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("Usage: tilewright-cli"), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void helpAndVersion()
    {
        Run run = Cli({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("resave IN.eap OUT.eap"));
        run = Cli({"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("tilewright-cli %1\n").arg(TILEWRIGHT_VERSION));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
