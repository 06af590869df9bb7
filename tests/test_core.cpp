// The model, the project file, the cartridge image and the lint, without a
// window: the editing scripts on the model, every seed of the reader as a row,
// and the lint table.
#include <random>

#include <QImageReader>
#include <QPainter>

#include "cartridge/animation_program.h"
#include "cartridge/cartridge.h"
#include "cartridge/scene_program.h"
#include "cartridge/still_program.h"
#include "console/chip_state.h"
#include "document/project_document.h"
#include "lint/eap_lint.h"
#include "model/row_encoding.h"
#include "project/eap_writer.h"
#include "lint_cases.h"
#include "project/side_file.h"
#include "script.h"
#include "sheet/animated_gif.h"
#include "storage/storage.h"

using namespace tw;
using namespace tw::test;

namespace {

// The document, with the one way in that no user action has: the project as
// it stands, for the model-only states of the scripts.
class TestDocument : public document::ProjectDocument {
public:
    using ProjectDocument::MutableProject;
};

class DocumentDriver : public Driver {
public:
    TestDocument D;
    SpriteClip Clip; // the clipboard

    bool RunsModelOnly() const override { return true; }

    bool Do(const QList<QByteArray>& w, const QString& tail) override
    {
        const int k = w.value(1).toInt() - 1;
        const QString path = QString::fromUtf8(w.value(1));
        SpriteProject& p = D.MutableProject();
        using T = SpriteTransform; // the grid keys, then its menu items, in the order the window has them
        static const QStringList kKeys{"Up", "Down", "Left", "Right", "H", "V", "R", "I", "Ctrl+C", "Ctrl+V", "Shift Up", "Shift Down",
                                       "Shift Left", "Shift Right", "Flip Horizontal", "Flip Vertical", "Rotate", "Invert", "Copy", "Paste"};
        static const T kTransforms[] = {T::ShiftUp, T::ShiftDown, T::ShiftLeft, T::ShiftRight, T::FlipHorizontal, T::FlipVertical, T::Rotate, T::Invert};
        const qsizetype key = kKeys.indexOf(tail) % 10;
        const QHash<QByteArray, std::function<void()>> commands{
            {"pick", [&] { D.SelectColor(k + 1); }},
            {"color", [&] { D.ApplySpriteColor(k); }},
            {"screen", [&] { D.ApplyScreenColor(); }},
            {"clear", [&] { D.ClearSprite(k); }},
            {"view", [&] { D.ViewSprite(k); }},
            {"click", [&] { for (qsizetype i = 2; i < w.size(); ++i) D.ClickBlock(k, w[i].toInt()); }},
            {"name", [&] { D.RenameSprite(k, tail.toStdString()), D.EndTyping(); }},
            {"new", [&] { D.NewProject(); }},
            {"load", [&] { D.Open(path); }},
            {"open", [&] { D.Open(path); }},
            {"save", [&] { D.Save(path); }},
            {"image", [&] { D.CreateBinary(); }},
            {"row", [&] { D.SetRowText(k, w[2].toInt(), w.value(3).toStdString()); }},
            {"rows", [&] { for (int r = 0; r < 8; ++r) p.Sprites[k].HexRows[r] = w[2 + r] == "-" ? "" : w[2 + r].toStdString(); }},
            {"paint", [&] { p.Sprites[k].Blocks[w[2].toInt()] = w[3] == "?" ? 0x123456 : kColours[QByteArray(".BRMGCYW").indexOf(w[3])].Number; }},
            {"press", [&] { w[1] == "Ctrl+Z" ? D.Undo() : D.Redo(); }},
            {"lines", [&] { D.SetSpriteLines(k, w[2].toInt()); }},
            {"tv", [&] { D.SetTv(w[1] == "PAL" ? TvSystem::Pal : TvSystem::Ntsc); }},
            {"frame", [&] {
                 const QByteArray& what = w[2];
                 what == "add" ? D.AddFrame(k) : what == "delete" ? D.DeleteFrame(k) : what == "earlier" ? D.MoveFrame(k, -1)
                 : what == "later" ? D.MoveFrame(k, 1) : what == "select" ? D.SelectFrame(k, w[3].toInt() - 1) : D.SetFrameTime(k, w[3].toInt());
             }},
            {"key", [&] { key < 8 ? D.TransformSprite(k, kTransforms[key]) : key == 8 ? void(Clip = D.Project().CopySprite(k)) : D.PasteSprite(k, Clip); }},
        };
        const QByteArray c = w[0] == "menu" ? "key" : w[0];
        const bool can = commands.contains(c) && (c != "press" || QByteArrayList{"Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"}.contains(w[1])) &&
                         (c != "key" || key >= 0);
        if (can)
            commands[c]();
        return can;
    }

    Shown Show() override
    {
        const SpriteProject& P = D.Project();
        const auto letter = [](ColorNumber n) { return Letter(quint32(n), false); };
        const auto code = [&](int c) { return QString::number(P.ColorSchemes[c].ColorCode); };
        Shown s{P.ScreenBGndColor, P.SelectedColor, code(P.ScreenBGndColor), letter(P.ScreenValue()),
                QString::fromStdString(P.ProjectFileTitle()), D.IsModified(), {}, {}, ConsoleShown(P.Console)};
        for (int k = 0; k < kSprites; ++k) {
            const SpriteState& sprite = P.Sprites[k];
            QList<int> times;
            for (int f = 0; f < sprite.Frames(); ++f)
                times << sprite.Frame(f).Time;
            s.Sprites[k] = {P.SpriteFGndColor[k], letter(P.ForegroundValue(k)), code(P.SpriteFGndColor[k]),
                            QString::fromStdString(sprite.Name), {}, {}, FramesShown(P.EditedFrame[k], sprite.Frames(), times)};
            const SpriteFrame& edited = P.Edited(k);
            for (int i = 0; i < kBlocks; ++i) {
                s.Sprites[k].Blocks[i / 8] += letter(edited.Blocks[i]);
                s.Sprites[k].Rows[i / 8] = QString::fromStdString(edited.HexRows[i / 8]);
                s.View[i / 8] += k == 0 ? QByteArray(1, letter(P.ThumbNailCells[i])) : QByteArray();
            }
        }
        return s;
    }
};

std::string_view Bytes(const CartridgeImage& image) { return {reinterpret_cast<const char*>(image.data()), image.size()}; }

} // namespace

class CoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scripts_data() { CaseRows("scripts.txt"); }
    void scripts()
    {
        QFETCH(Case, c);
        DocumentDriver document;
        RunScript(document, c);
    }

    // Every seed of the fuzzer is loaded as the editor loads a file: a refused
    // one names its line and reason and leaves the project as it was; a loaded
    // one saves as the named file.
    void reader_data()
    {
        QTest::addColumn<QByteArray>("row");
        QStringList unlisted = QDir(Source("fuzz/corpus")).entryList({"*.eap"});
        for (const QByteArray& row : ReadAll(Data("reader.txt")).split('\n'))
            if (!row.startsWith('#') && !row.isEmpty()) {
                QTest::newRow(row.split('\t')[0].constData()) << row;
                unlisted.removeOne(QString::fromUtf8(row.split('\t')[0]));
            }
        QVERIFY2(unlisted.isEmpty(), qPrintable("seeds without a row: " + unlisted.join(' ')));
    }
    void reader()
    {
        QFETCH(QByteArray, row);
        const QList<QByteArray> columns = row.split('\t');
        DocumentDriver edited;
        RunScript(edited, Cases("scripts.txt").first());
        const SpriteProject before = edited.D.Project();
        const document::Outcome loaded = edited.D.Open(Source("fuzz/corpus/" + columns[0]));
        if (columns[1] != "=") {
            QCOMPARE(QString::number(loaded.Failure.Line) + ": " + loaded.Failure.Reason, QString::fromUtf8(columns[1] + ": " + columns[2]));
            QVERIFY(edited.D.Project() == before);
            return;
        }
        QVERIFY2(loaded.Ok(), qPrintable(loaded.Failure.Reason));
        const QString saved = edited.Dir.filePath("saved.eap");
        QVERIFY(edited.D.Save(saved).Ok());
        QCOMPARE(ReadAll(saved), ReadAll(Source(columns[2])));
    }

    // The history keeps the last 1,000 steps: no more, and no fewer.
    void historyLimit()
    {
        document::ProjectDocument d;
        d.ClickBlock(0, 0);
        const SpriteProject first = d.Project();
        for (int i = 1; i <= 1000; ++i) // as many as the README promises
            d.ClickBlock(1 + i / 64 % 3, i % 64);
        for (int i = 0; i <= 1000; ++i)
            d.Undo();
        QVERIFY(d.Project() == first);
    }

    // A side file that cannot be used, wherever it breaks, gives the project
    // nothing of it: no setting, time, frame or scene read before the bad
    // line; the project opened is not modified by that, and says why.
    void sideFileAllOrNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        const QByteArray frames = ReadAll(Data("side/frames.eap.asm")), scene = ReadAll(Data("side/scene.eap.asm"));
        QTest::newRow("a bad time after the first frames") << QByteArray(frames).replace(";Time-30", ";Time-0") << 12;
        QTest::newRow("a cut db line in sprite 4's frames") << frames.left(frames.lastIndexOf(',')) << 22;
        QTest::newRow("an item that is no byte in the scene's cells") << QByteArray(scene).replace("43h\r\n", "4Xh\r\n") << 41;
    }
    void sideFileAllOrNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Data("side/frames.eap"), dir.filePath("p.eap")));
        QFile side(dir.filePath("p.eap.asm"));
        QVERIFY(side.open(QIODevice::WriteOnly) && side.write(text) == text.size());
        side.close();
        document::ProjectDocument d;
        const document::Outcome opened = d.Open(dir.filePath("p.eap"));
        QVERIFY(opened.Ok() && !opened.Warning.Ok);
        QCOMPARE(opened.Warning.Line, line);
        const SpriteProject& p = d.Project();
        QVERIFY(p.Console.IsDefault() && !p.Scene && !d.IsModified());
        for (const SpriteState& sprite : p.Sprites)
            QVERIFY(sprite.Frames() == 1 && sprite.Time == kDefaultFrameTime);
    }

    // Saves, images and loads leave no file open behind them.
    void noFileLeftOpen()
    {
        QTemporaryDir dir;
        document::ProjectDocument d;
        const auto open = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto before = open();
        for (int i = 0; i < 3; ++i)
            QVERIFY(d.Save(dir.filePath("a.eap")).Ok() && d.CreateBinary().Ok() && d.Open(dir.filePath("a.eap")).Ok());
        QCOMPARE(open(), before);
    }

    // Projects made by random editing save, load and save again to the same
    // bytes, side file and scene too, build images that read back into the
    // same image, and whatever row bytes they hold, lint finds nothing to say.
    void generatedProjectsRoundTrip()
    {
        // Texts that save alike: "?" for a letter outside ISO-8859-1, "0Ah" for A and 0A.
        const char* const kNames[] = {"", "Ship", "_a9", "Caf\xC3\xA9", "ABCDEFGH", "?", "\xE2\x82\xAC"};
        const char* const kRows[] = {"A", "0A", "FF", "0FF"};
        std::mt19937 random(20261206);
        for (int round = 0; round < 300; ++round) {
            SpriteProject p;
            for (int n = 0; n < 40; ++n) {
                const int k = int(random() % 4);
                const SpriteProject before = p;
                switch (random() % 10) {
                case 0: p.SelectColor(int(random() % 8)); break;
                case 1: p.ApplySpriteColor(k); break;
                case 2: p.ApplyScreenColor(); break;
                case 3: p.RenameSprite(k, kNames[random() % 7]); break;
                case 4: p.SetRowText(k, int(random() % 8), kRows[random() % 4]); break;
                case 5: p.ClickBlock(k, int(random() % 64)); break;
                // frames in half the rounds, so that both images are made
                case 6: round % 2 ? p.AddFrame(k) : p.SelectFrame(k, 0); break;
                case 7: p.SelectFrame(k, int(random() % unsigned(p.Sprites[k].Frames()))); break;
                case 8: p.SetFrameTime(k, int(random() % 256)); break;
                default: p.Console.SpriteLines[k] = random() % 2 ? kShortLines : kTallLines; break;
                }
                QCOMPARE(SameProjectFile(before, p), ProjectFileBytes(before) == ProjectFileBytes(p));
            }
            if (round % 3 == 0) {
                ConsoleScene& scene = p.Scene.emplace();
                for (std::uint8_t& cell : scene.Cells)
                    cell = std::uint8_t(random());
                for (std::uint8_t& row : scene.UserCharacters)
                    row = std::uint8_t(random());
                for (std::uint8_t& position : scene.Positions)
                    position = std::uint8_t(random());
                scene.SecondColourSet = random() % 2;
                scene.CellLines = random() % 2 ? kShortLines : kTallLines;
            }
            const std::string first = ProjectFileBytes(p), side = SideFileBytes(p);
            const ReadResult read = ReadProjectFile(first);
            QVERIFY2(read.Record, read.Error.Reason.c_str());
            ProjectRecord record = *read.Record;
            const SideFileRead sideRead = ReadSideFile(side);
            QVERIFY2(sideRead.File, sideRead.Error.Reason.c_str());
            ApplySideFile(record, *sideRead.File);
            SpriteProject q;
            ApplyProjectRecord(q, record, "");
            QCOMPARE(ProjectFileBytes(q), first);
            QCOMPARE(SideFileBytes(q), side);
            QVERIFY(q.Scene == p.Scene && SameSideFile(p, q));
            // Its image reads back into a project whose image is the same,
            // scene and all.
            const CartridgeImage image = BuildCartridgeImage(p);
            QCOMPARE(image.size() == kImageBytes, !Animates(p) && !p.Scene);
            const ImageReadResult back = ReadCartridgeImage(Bytes(image));
            QVERIFY2(back.Record, back.Error.c_str());
            ApplyProjectRecord(q, *back.Record, "");
            QVERIFY(q.Scene == p.Scene);
            QVERIFY(BuildCartridgeImage(q) == image);
        }
        for (int first = 0; first < 256; first += 32) {
            SpriteProject p;
            for (int i = 0; i < 32; ++i)
                p.Sprites[i / 8].HexRows[i % 8] = RowText(std::uint8_t(first + i));
            const LintReport report = LintProjectFile(ProjectFileBytes(p));
            QVERIFY(report.Loaded && report.Warnings.empty());
        }
    }

    // Whatever one byte of an animating or scene image becomes, and wherever
    // the file is cut or added to, the image is refused or reads back into a
    // project that builds those very bytes: the reader takes nothing bin
    // would not write, and loses nothing it would.
    void damagedPlayingImages()
    {
        std::mt19937 random(33);
        int refused = 0, taken = 0;
        // Rounds 4 to 6 have a scene, round 4 one frame a sprite.
        for (int round = 0; round < 7; ++round) {
            SpriteProject p;
            for (int k = 0; k < kSprites; ++k) {
                for (int f = round == 4 ? 0 : int(random() % (round % 4 == 3 ? 64 : 4)); f > 0; --f)
                    p.AddFrame(k);
                for (int f = 0; f < p.Sprites[k].Frames(); ++f)
                    p.SelectFrame(k, f), p.SetFrameTime(k, 1 + int(random() % 255)), p.SetRowText(k, f % 8, RowText(std::uint8_t(random())));
            }
            if (round < 4 && !Animates(p))
                p.AddFrame(0);
            if (round >= 4) {
                ConsoleScene& scene = p.Scene.emplace();
                for (std::uint8_t& byte : scene.Cells)
                    byte = std::uint8_t(random());
                scene.UserCharacters[std::size_t(random() % 32)] = std::uint8_t(random());
                scene.Positions[std::size_t(random() % 8)] = std::uint8_t(random());
                scene.SecondColourSet = round % 2, scene.CellLines = round == 5 ? kShortLines : kTallLines;
            }
            const CartridgeImage image = BuildCartridgeImage(p);
            QCOMPARE(image.size() <= MaxCartridgeImageBytes(), true);
            const auto judge = [&](const CartridgeImage& damaged) {
                const ImageReadResult read = ReadCartridgeImage(Bytes(damaged));
                if (!read.Record)
                    return void(++refused);
                SpriteProject q;
                ApplyProjectRecord(q, *read.Record, "");
                QVERIFY(BuildCartridgeImage(q) == damaged);
                ++taken;
            };
            for (std::size_t at = 0; at < image.size(); ++at)
                for (const std::uint8_t change : {0x01, 0x02, 0x08, 0x40, 0x80, 0xFF}) {
                    CartridgeImage damaged = image;
                    damaged[at] ^= change;
                    judge(damaged);
                }
            for (std::size_t size = 0; size < image.size(); ++size)
                QVERIFY(!ReadCartridgeImage(Bytes(image).substr(0, size)).Record);
            CartridgeImage longer = image;
            longer.push_back(0);
            QVERIFY(!ReadCartridgeImage(Bytes(longer)).Record);
        }
        // Both outcomes happen: colour bytes, times and rows may be anything.
        QVERIFY(refused > 0 && taken > 0);
    }

    // Whatever the scene, colours, heights and frames, every operand an
    // image's program fills is the project's chip state's byte for that
    // register, the 133-byte image's rows are the chip's shapes, and the
    // scene image's cells and characters are the chip's.
    void imageOperandsAreTheChipState()
    {
        std::mt19937 random(37);
        for (int round = 0; round < 200; ++round) {
            SpriteProject p;
            if (round % 3) {
                ConsoleScene& scene = p.Scene.emplace();
                for (std::uint8_t& byte : scene.Positions)
                    byte = std::uint8_t(random());
                for (std::uint8_t& byte : scene.Cells)
                    byte = std::uint8_t(random());
                for (std::uint8_t& byte : scene.UserCharacters)
                    byte = std::uint8_t(random());
                scene.SecondColourSet = random() % 2, scene.CellLines = random() % 2 ? kShortLines : kTallLines;
            }
            p.ScreenBGndColor = std::uint8_t(random() % 8);
            for (int k = 0; k < kSprites; ++k) {
                p.SpriteFGndColor[k] = std::uint8_t(random() % 8);
                p.Console.SpriteLines[k] = random() % 2 ? kShortLines : kTallLines;
                for (int f = round % 2 ? int(random() % 3) : 0; f > 0; --f)
                    p.AddFrame(k);
                for (int r = 0; r < kRows; ++r)
                    p.Sprites[k].HexRows[r] = RowText(std::uint8_t(random()));
            }
            const CartridgeImage image = BuildCartridgeImage(p);
            const ChipState chip = ChipStateOf(p);
            const Program program = p.Scene ? Program(kSceneProgram) : Animates(p) ? Program(kAnimationProgram) : Program(kStillProgram);
            int filled = 0;
            for (std::size_t i = 0; i < program.size(); ++i)
                if (program[i].Fills) {
                    QCOMPARE(image.at(AddressOf(program, i) + 1), RegisterByte(chip, program[i].Fills).value());
                    ++filled;
                }
            QCOMPARE(filled, 11); // the screen, two pairs, eight positions
            if (!Animates(p) && !p.Scene)
                QVERIFY(std::equal(chip.Shapes.begin(), chip.Shapes.end(), image.begin() + kRowDataOffset));
            if (p.Scene)
                QVERIFY(std::equal(chip.Cells.begin(), chip.Cells.end(), image.begin() + kSceneCells) &&
                        std::equal(chip.UserCharacters.begin(), chip.UserCharacters.end(), image.begin() + kSceneCharacters));
        }
    }

    // The README's listings of the three programs are the programs' tables,
    // in order: the 133-byte program, the animating one, the scene's.
    void programListingsInReadme()
    {
        QList<QStringList> listed(1);
        for (const QString& line : QString::fromUtf8(ReadAll(Source("README.md"))).split('\n'))
            if (line.startsWith("| 0") && line.count('|') == 6)
                listed.last() << line;
            else if (!listed.last().isEmpty())
                listed << QStringList();
        listed.removeAll(QStringList());
        QList<QStringList> tables;
        for (const Program program : {Program(kStillProgram), Program(kAnimationProgram), Program(kSceneProgram)}) {
            QStringList& table = tables.emplace_back();
            for (std::size_t i = 0; i < program.size(); ++i) {
                const Instruction& in = program[i];
                QStringList bytes;
                for (std::size_t b = 0; b < in.Size; ++b)
                    bytes << QString::fromStdString(RowText(in.Bytes[b]));
                table << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                             .arg(AddressOf(program, i), 4, 16, QChar('0'))
                             .toUpper()
                             .arg(bytes.join(' '), QString::fromUtf8(in.Label.data(), qsizetype(in.Label.size())),
                                  QString::fromUtf8(in.Text.data(), qsizetype(in.Text.size())),
                                  QString::fromUtf8(in.Does.data(), qsizetype(in.Does.size())));
            }
        }
        QCOMPARE(listed, tables);
    }

    // The frame a sprite shows at console frame t: round and round its times.
    void frameAt_data()
    {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<long long>("t");
        QTest::addColumn<int>("frame");
        const QList<int> three{6, 4, 10};
        for (const auto& [t, frame] : {std::pair{0LL, 0}, {5LL, 0}, {6LL, 1}, {9LL, 1}, {10LL, 2}, {19LL, 2}, {20LL, 0}, {26LL, 1}, {20010LL, 2}})
            QTest::addRow("6 4 10 at %lld", t) << three << t << frame;
        QTest::newRow("one frame, any t") << QList<int>{6} << 123456789LL << 0;
        QTest::newRow("times of 1") << QList<int>{1, 1, 1} << 7LL << 1;
        QTest::newRow("a time of 255 then 1: the last frame") << QList<int>{255, 1} << 255LL << 1;
        QTest::newRow("a time of 255 then 1: round again") << QList<int>{255, 1} << 256LL << 0;
    }
    void frameAt()
    {
        QFETCH(QList<int>, times);
        QFETCH(long long, t);
        QFETCH(int, frame);
        SpriteState sprite;
        sprite.Time = std::uint8_t(times[0]);
        for (qsizetype f = 1; f < times.size(); ++f)
            sprite.Later.push_back({{}, {}, std::uint8_t(times[f])});
        QCOMPARE(sprite.FrameAt(t), frame);
    }

    // Line in, warnings out (tests/lint_cases.h).
    void lint_data() { CaseRows("lint.txt"); }
    void lint()
    {
        QFETCH(Case, c);
        const LintCase files = MakeLintCase(c);
        QVERIFY2(files.Wrong.isEmpty(), files.Wrong.constData());
        const std::optional<QByteArray>& side = files.Side;
        const auto view = [](const QByteArray& bytes) { return std::string_view(bytes.constData(), std::size_t(bytes.size())); };
        const LintReport report = LintProjectFile(view(files.Project), side ? std::optional(view(*side)) : std::nullopt);
        QByteArray actual = report.Loaded ? "" : "not loaded: " + QByteArray(report.ErrorInSideFile ? "side " : "") + QByteArray::number(report.Error.Line) + '\n';
        for (const auto& [lead, warnings] : {std::pair{"", &report.Warnings}, {"side ", &report.SideWarnings}})
            for (const LintWarning& warning : *warnings)
                actual += lead + QByteArray::number(warning.Line) + ": " + QByteArray::fromStdString(warning.Text) + '\n';
        QCOMPARE(QString::fromUtf8(actual), QString::fromUtf8(files.Expected));
    }

    // A picture ends at its exact end time rounded, whatever the rounding of
    // those before: no delay is rounded alone, and no total drifts.
    void gifDelays_data()
    {
        QTest::addColumn<QList<qint64>>("frames");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<qint64>>("delays");
        QTest::newRow("1/60 s pictures") << QList<qint64>{1, 1, 1, 1, 1, 1, 1} << 60 << QList<qint64>{2, 1, 2, 2, 1, 2, 2};
        QTest::newRow("mixed, NTSC") << QList<qint64>{3, 7, 5, 1, 60} << 60 << QList<qint64>{5, 12, 8, 2, 100};
        QTest::newRow("mixed, PAL") << QList<qint64>{3, 7, 5, 1, 50} << 50 << QList<qint64>{6, 14, 10, 2, 100};
    }
    void gifDelays()
    {
        QFETCH(QList<qint64>, frames);
        QFETCH(int, rate);
        QFETCH(QList<qint64>, delays);
        sheet::GifClock clock(rate);
        QList<qint64> got;
        for (const qint64 n : frames)
            got << clock.Delay(n);
        QCOMPARE(got, delays);
        qint64 shown = 0, exact = 0; // hundredths, and hundredths times the rate
        for (qsizetype i = 0; i < got.size(); ++i) {
            shown += got[i], exact += 100 * frames[i];
            QVERIFY2(2 * std::abs(shown * rate - exact) <= rate, qPrintable(QStringLiteral("total off after picture %1").arg(i + 1)));
        }
    }

    // Written a picture at a time in a colour table of the pictures' colours
    // (the first `table` of them), then read back by ImageMagick (each
    // frame's delay and rectangle) and by Qt (each frame's pixels over the
    // one before, and the loop); or refused with its reason, and nothing
    // written.
    void animatedGif_data()
    {
        QTest::addColumn<QList<QImage>>("pictures");
        QTest::addColumn<QList<int>>("frames");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("result"); // "delay:rectangle " a GIF frame, or the reason
        QTest::addColumn<QList<int>>("shown"); // the picture each GIF frame shows
        // A screen colour alone, then with a block (and a pixel in it), then
        // with another in the bottom right corner as well.
        QImage p0(40, 30, QImage::Format_RGB32);
        p0.fill(qRgb(0, 0, 96));
        QImage p1 = p0;
        QPainter(&p1).fillRect(5, 6, 4, 3, Qt::red);
        p1.setPixel(6, 7, qRgb(255, 255, 0));
        QImage p2 = p1;
        QPainter(&p2).fillRect(30, 20, 10, 10, Qt::green);
        QImage colours(16, 17, QImage::Format_RGB32);
        for (int i = 0; i < 16 * 17; ++i)
            colours.setPixel(i % 16, i / 16, qRgb(i % 16 * 16, i / 16 * 8, 7));
        QImage other = colours.copy(0, 0, 16, 16);
        other.setPixel(0, 0, qRgb(1, 2, 3));
        QTest::newRow("one picture") << QList{p2} << QList{10} << 60 << 4 << "17:40x30+0+0 " << QList{0};
        QTest::newRow("what changed, to the edges") << QList{p0, p1, p2, p0} << QList{1, 1, 1, 1} << 60 << 4
                                                    << "2:40x30+0+0 1:4x3+5+6 2:10x10+30+20 2:35x24+5+6 " << QList{0, 1, 2, 3};
        QTest::newRow("runs of one picture") << QList{p0, p0, p1, p1, p1, p0} << QList{30, 30, 1, 1, 1, 60} << 60 << 4
                                             << "100:40x30+0+0 5:4x3+5+6 100:4x3+5+6 " << QList{0, 2, 5};
        QTest::newRow("PAL") << QList{p1, p2} << QList{1, 3} << 50 << 4 << "2:40x30+0+0 6:10x10+30+20 " << QList{0, 1};
        QTest::newRow("longer than a GIF delay") << QList{p0, p1} << QList{40000, 1} << 60 << 4
                                                 << "65535:40x30+0+0 1132:1x1+0+0 1:4x3+5+6 " << QList{0, 0, 1};
        QTest::newRow("256 colours") << QList{colours.copy(0, 0, 16, 16)} << QList{1} << 60 << 256 << "2:16x16+0+0 " << QList{0};
        QTest::newRow("257 colours") << QList{colours} << QList{1} << 60 << 257 << "a GIF has 1 to 256 colours, not 257" << QList<int>{};
        QTest::newRow("a colour not in the table") << QList{colours.copy(0, 0, 16, 16), other} << QList{1, 1} << 60 << 256
                                                   << "picture 2 has the colour #010203, which is not one of the GIF's 256"
                                                   << QList<int>{};
        QTest::newRow("sizes differ") << QList{p0, p1.copy(0, 0, 40, 29)} << QList{1, 1} << 60 << 4
                                      << "picture 2 is 40 x 29 pixels, not the GIF's 40 x 30" << QList<int>{};
        QTest::newRow("shown for no time") << QList{p0, p1} << QList{1, 0} << 60 << 4 << "picture 2 is shown for no console frame"
                                           << QList<int>{};
    }
    void animatedGif()
    {
        QFETCH(QList<QImage>, pictures);
        QFETCH(QList<int>, frames);
        QFETCH(int, rate);
        QFETCH(int, table);
        QFETCH(QString, result);
        QFETCH(QList<int>, shown);
        std::vector<QRgb> colours;
        for (const QImage& picture : pictures)
            for (int i = 0; i < picture.width() * picture.height(); ++i)
                if (const QRgb rgb = picture.pixel(i % picture.width(), i / picture.width()) & RGB_MASK;
                    std::find(colours.begin(), colours.end(), rgb) == colours.end())
                    colours.push_back(rgb);
        colours.resize(std::min<std::size_t>(colours.size(), table));
        QTemporaryDir dir;
        const QString path = dir.filePath("a.gif");
        sheet::AnimatedGifWriter gif(pictures[0].size(), colours, rate);
        for (qsizetype i = 0; i < pictures.size(); ++i)
            gif.Add(pictures[i], frames[i]);
        const storage::Outcome written = gif.Finish(path, {});
        QCOMPARE(written.Ok ? QString() : written.Reason, shown.isEmpty() ? result : QString());
        QCOMPARE(QFile::exists(path), written.Ok);
        if (!written.Ok)
            return;
        QProcess identify;
        identify.start("identify", {"-format", "%T:%wx%h%X%Y ", path});
        QVERIFY2(identify.waitForFinished(kProgramMilliseconds) && identify.exitCode() == 0, identify.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(identify.readAllStandardOutput()), result);
        QImageReader reader(path);
        QList<QImage> read;
        for (QImage frame; reader.read(&frame);)
            read << frame.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(read.size(), shown.size());
        for (qsizetype i = 0; i < read.size(); ++i)
            QVERIFY2(read[i] == pictures[shown[i]], qPrintable(QStringLiteral("frame %1 is not picture %2").arg(i + 1).arg(shown[i] + 1)));
        QCOMPARE(reader.loopCount(), -1); // for ever
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "test_core.moc"
