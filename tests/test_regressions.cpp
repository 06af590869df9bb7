// Every fuzzer seed and every input that once broke the reader, loaded from
// disk the way the editor loads a file. A file named ok-* must load and one
// named bad-* must be refused; either way the reader's promises must hold.

#include <QtTest>

#include <map>

#include "project_properties.h"
#include "storage/storage.h"
#include "test_support.h"

using namespace tw;

namespace {

QStringList ProjectFiles(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.eap"}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QStringList AllInputs() { return ProjectFiles(TILEWRIGHT_FUZZ_CORPUS) + ProjectFiles(TILEWRIGHT_REGRESSIONS); }

// Files that only differ from the worked example in ways the reader ignores.
const QStringList kLikeWorkedExample = {
    "ok-lf-only.eap",
    "ok-cr-only.eap",
    "ok-mixed-line-ends.eap",
    "ok-no-final-line-end.eap",
    "ok-utf8-bom.eap",
    "ok-extra-lines.eap",
    "ok-trailing-text.eap",
    "ok-extra-items.eap",
    "ok-other-prefix-and-suffixes.eap",
};

// The line each broken seed is refused at.
const std::map<QString, int> kRefusedAt = {
    {"bad-empty.eap", 1},
    {"bad-one-line.eap", 2},
    {"bad-only-line-ends.eap", 2},
    {"bad-blank-line-after-screen.eap", 2},
    {"bad-doubled-cr.eap", 2},
    {"bad-two-lines.eap", 3},
    {"bad-colour-letter.eap", 3},
    {"bad-utf16le.eap", 3},
    {"bad-binary-garbage.eap", 3},
    {"bad-png-header.eap", 3},
    {"bad-seven-items.eap", 4},
    {"bad-short-prefix.eap", 4},
    {"bad-items-without-commas.eap", 4},
    {"bad-empty-label.eap", 5},
    {"bad-empty-colour-line.eap", 6},
    {"bad-nothing-after-prefix.eap", 7},
    {"bad-seven-lines.eap", 8},
    {"bad-colour-trailing-space.eap", 9},
    {"bad-empty-item.eap", 10},
    {"bad-twelve-lines.eap", 13},
    {"bad-cut-in-last-db-line.eap", 13},
    {"bad-empty-last-item.eap", 13},
};

} // namespace

class RegressionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theInputsAreThere()
    {
        // An empty or misnamed folder would make the checks below vacuous.
        const QStringList seeds = ProjectFiles(TILEWRIGHT_FUZZ_CORPUS);
        QVERIFY2(seeds.size() >= 40, qPrintable(QString::number(seeds.size())));
        int ok = 0, bad = 0;
        for (const QString& path : AllInputs()) {
            const QString name = QFileInfo(path).fileName();
            QVERIFY2(name.startsWith("ok-") || name.startsWith("bad-"),
                     qPrintable(name + ": name it ok-* (must load) or bad-* (must be refused)"));
            (name.startsWith("ok-") ? ok : bad)++;
        }
        QVERIFY(ok >= 20);
        QVERIFY(bad >= 15);
        for (const auto& [name, line] : kRefusedAt)
            QVERIFY2(seeds.contains(QDir(TILEWRIGHT_FUZZ_CORPUS).filePath(name)), qPrintable(name));
        QCOMPARE(test::ReadAll(QDir(TILEWRIGHT_FUZZ_CORPUS).filePath("ok-worked-example.eap")),
                 test::Bytes(test::kWorkedExample));
        QCOMPARE(test::ReadAll(QDir(TILEWRIGHT_FUZZ_CORPUS).filePath("ok-new-project.eap")),
                 test::Bytes(test::kNewProjectFile));
    }

    void loadKeepsItsPromises_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : AllInputs())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    void loadKeepsItsPromises()
    {
        QFETCH(QString, path);
        const QString name = QFileInfo(path).fileName();
        const bool mustLoad = name.startsWith("ok-");

        SpriteProject project = fuzz::EditedProject();
        const SpriteProject before = project;
        const storage::Outcome outcome = storage::LoadProject(path, project);
        QVERIFY2(outcome.Ok == mustLoad, qPrintable(QString("line %1: %2").arg(outcome.Line).arg(outcome.Reason)));

        if (!outcome.Ok) {
            QVERIFY2(project == before, "a failed load changed the project");
            QVERIFY(outcome.Line >= 1 && outcome.Line <= kProjectFileLines);
            QVERIFY(!outcome.Reason.isEmpty());
            if (const auto it = kRefusedAt.find(name); it != kRefusedAt.end())
                QCOMPARE(outcome.Line, it->second);
        } else {
            const std::string why = fuzz::CheckLoadedProject(project, path.toStdString());
            QVERIFY2(why.empty(), why.c_str());

            // Save, load, save through real files.
            QTemporaryDir dir;
            const QString first = dir.filePath("first.eap");
            const QString second = dir.filePath("second.eap");
            QVERIFY(storage::SaveProject(first, project).Ok);
            SpriteProject reloaded = fuzz::EditedProject();
            const storage::Outcome again = storage::LoadProject(first, reloaded);
            QVERIFY2(again.Ok, qPrintable(QString("line %1: %2").arg(again.Line).arg(again.Reason)));
            QVERIFY(storage::SaveProject(second, reloaded).Ok);
            QCOMPARE(test::ReadAll(second), test::ReadAll(first));
            QCOMPARE(reloaded.Sprites[0].Name, project.Sprites[0].Name);
            QCOMPARE(reloaded.SpriteFGndColor, project.SpriteFGndColor);
        }

        // The fuzzer's own verdict on the same bytes.
        const QByteArray bytes = test::ReadAll(path);
        const std::string why = fuzz::CheckProjectFileProperties(std::string_view(bytes.constData(), bytes.size()));
        QVERIFY2(why.empty(), why.c_str());
    }

    void toleratedDifferencesLoadAsTheWorkedExample_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : kLikeWorkedExample)
            QTest::newRow(qPrintable(name)) << name;
    }
    void toleratedDifferencesLoadAsTheWorkedExample()
    {
        QFETCH(QString, name);
        const QDir corpus(TILEWRIGHT_FUZZ_CORPUS);
        SpriteProject expected = fuzz::EditedProject();
        QVERIFY(storage::LoadProject(corpus.filePath("ok-worked-example.eap"), expected).Ok);
        SpriteProject loaded = fuzz::EditedProject();
        const storage::Outcome outcome = storage::LoadProject(corpus.filePath(name), loaded);
        QVERIFY2(outcome.Ok, qPrintable(QString("line %1: %2").arg(outcome.Line).arg(outcome.Reason)));
        loaded.SetProjectFile(expected.ProjectFileName, expected.ProjectFileTitle);
        QVERIFY(loaded == expected);
        QCOMPARE(loaded.Sprites[0].HexRows[3], std::string("FF"));
    }

    void seedsThatChangeOneThing()
    {
        const QDir corpus(TILEWRIGHT_FUZZ_CORPUS);
        const auto load = [&](const char* name) {
            SpriteProject p = fuzz::EditedProject();
            const storage::Outcome outcome = storage::LoadProject(corpus.filePath(name), p);
            if (!outcome.Ok)
                qWarning("%s: line %d: %s", name, outcome.Line, qPrintable(outcome.Reason));
            return p;
        };
        using Rows = std::array<std::string, kRows>;
        QCOMPARE(load("ok-lower-case-items.eap").Sprites[0].HexRows,
                 (Rows{"FF", "A5", "FF", "3C", "7E", "C0", "0B", "A1"}));
        QCOMPARE(load("ok-odd-items.eap").Sprites[0].HexRows, (Rows{"", "5", "0ABC", "yz", "0A", "AB", "G", "  12"}));
        QCOMPARE(load("ok-long-name.eap").Sprites[0].Name, std::string("SpaceShi"));
        QCOMPARE(load("ok-latin1-name.eap").Sprites[0].Name, std::string("Caf\u00e9"));
        QCOMPARE(load("ok-label-without-colon.eap").Sprites[0].Name, std::string("Shi"));
        QCOMPARE(load("ok-empty-name.eap").Sprites[0].Name, std::string());
        QCOMPARE(load("ok-control-characters-in-name.eap").Sprites[0].Name, std::string("N\0m\x01", 4));
        QCOMPARE(int(load("ok-screen-8.eap").ScreenBGndColor), 0);
        QCOMPARE(int(load("ok-screen-letter.eap").ScreenBGndColor), 0);
        QCOMPARE(int(load("ok-bare-screen-digit.eap").ScreenBGndColor), 7);
        QCOMPARE(int(load("ok-colour-8.eap").SpriteFGndColor[0]), 0);
        QCOMPARE(int(load("ok-colour-9-bare.eap").SpriteFGndColor[1]), 0);
        QCOMPARE(int(load("ok-colour-last-digit-counts.eap").SpriteFGndColor[2]), 2);
    }
};

QTEST_GUILESS_MAIN(RegressionTest)
#include "test_regressions.moc"
