// tilewright-cli links QtCore only; png loads its writer, and QtGui with it,
// from the module tilewright-cli-png.so, beside the program in a build folder
// or in ../lib/tilewright once installed.
#include <QtTest>

#include "test_support.h"

using namespace tw;

namespace {

struct Result {
    int ExitCode = -1;
    QString Err;
};

// Runs `program` with the dynamic loader reporting every library it opens.
Result RunListingLibraries(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.ExitCode = process.exitCode();
    result.Err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

bool CopyExecutable(const QString& from, const QString& to)
{
    return QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to) &&
           QFile::setPermissions(to, QFile::permissions(from));
}

} // namespace

class CliPngModuleTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString project;

private Q_SLOTS:
    void init()
    {
        QVERIFY(dir.isValid());
        project = dir.filePath(QStringLiteral("demo.eap"));
        QVERIFY(test::WriteAll(project, test::Bytes(test::kWorkedExample)));
    }

    void otherCommandsDoNotLoadQtGui()
    {
        for (const QStringList& args :
             {QStringList{"bin", project}, QStringList{"check", project}, QStringList{"lint", project}}) {
            const Result run = RunListingLibraries(QStringLiteral(TILEWRIGHT_CLI), args);
            QCOMPARE(run.ExitCode, 0);
            // The listing works: QtCore is in it.
            QVERIFY2(run.Err.contains(QLatin1String("libQt6Core.so")), qPrintable(run.Err.left(2000)));
            QVERIFY2(!run.Err.contains(QLatin1String("libQt6Gui.so")), qPrintable(args.join(' ')));
            QVERIFY2(!run.Err.contains(QLatin1String("tilewright-cli-png.so")), qPrintable(args.join(' ')));
        }
    }

    void pngLoadsItsModule()
    {
        const QString sheet = dir.filePath(QStringLiteral("sheet.png"));
        const Result run = RunListingLibraries(QStringLiteral(TILEWRIGHT_CLI), {"png", project, "-o", sheet});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Err.contains(QLatin1String("tilewright-cli-png.so")));
        QVERIFY(run.Err.contains(QLatin1String("libQt6Gui.so")));
        QVERIFY(QFile::exists(sheet));
    }

    void pngWithoutItsModuleFailsAndTheOtherCommandsWork()
    {
        const QString cli = dir.filePath(QStringLiteral("alone/tilewright-cli"));
        QVERIFY(CopyExecutable(QStringLiteral(TILEWRIGHT_CLI), cli));
        const QString sheet = dir.filePath(QStringLiteral("not-written.png"));
        QProcess process;
        process.start(cli, {"png", project, "-o", sheet});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith(QLatin1String("tilewright-cli: cannot find the PNG writer ")), qPrintable(err));
        QVERIFY(!QFile::exists(sheet));

        process.start(cli, {"bin", project});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(test::ReadAll(dir.filePath(QStringLiteral("demo.bin"))).size(), 133);
    }

    // The installed layout: bin/tilewright-cli and lib/tilewright/tilewright-cli-png.so.
    void theModuleIsFoundWhereItIsInstalled()
    {
        const QString cli = dir.filePath(QStringLiteral("usr/bin/tilewright-cli"));
        QVERIFY(CopyExecutable(QStringLiteral(TILEWRIGHT_CLI), cli));
        QVERIFY(CopyExecutable(QStringLiteral(TILEWRIGHT_CLI_PNG_MODULE),
                               dir.filePath(QStringLiteral("usr/lib/tilewright/tilewright-cli-png.so"))));
        const QString sheet = dir.filePath(QStringLiteral("sheet.png"));
        QProcess process;
        process.start(cli, {"png", project, "-o", sheet, "--scale", "2"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        // Width and height from the PNG header: 37 x 10 blocks of 2 pixels.
        const QByteArray png = test::ReadAll(sheet);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(qFromBigEndian<quint32>(png.constData() + 16), 74u);
        QCOMPARE(qFromBigEndian<quint32>(png.constData() + 20), 20u);
    }
};

QTEST_GUILESS_MAIN(CliPngModuleTest)
#include "test_cli_png_module.moc"
