#include <QtTest>

#include "cartridge/cartridge.h"
#include "model/row_encoding.h"
#include "cpu2650.h"
#include "project/eap_reader.h"
#include "test_support.h"

using namespace tw;
using tw::test::MemoryWrite;

namespace {

// The program's bytes as listed instruction by instruction, with the three
// colour operands left as 0 to be filled in by each test.
const std::vector<std::uint8_t> kListing = {
    0x77, 0x02, 0x76, 0x40, 0x04, 0x80, 0x05, 0xFF, 0x06, 0xFF, 0xCD, 0x78, 0x00, 0xCD, 0x3A, 0x00,
    0xE5, 0xD0, 0x18, 0x02, 0x1B, 0x74, 0x04, 0xEE, 0xCC, 0x18, 0xFC, 0x20, 0x05, 0xFF, 0x06, 0xFF,
    0x0D, 0x20, 0x65, 0xE5, 0x20, 0x18, 0x05, 0xCE, 0x39, 0x80, 0x1B, 0x74, 0x04, 0x40, 0xCC, 0x18,
    0xF1, 0x04, 0x90, 0xCC, 0x18, 0xF0, 0x04, 0x50, 0xCC, 0x18, 0xF3, 0x04, 0x90, 0xCC, 0x18, 0xF2,
    0x04, 0x60, 0xCC, 0x18, 0xF5, 0x04, 0x90, 0xCC, 0x18, 0xF4, 0x04, 0x70, 0xCC, 0x18, 0xF7, 0x04,
    0x90, 0xCC, 0x18, 0xF6, 0x04, 0x00, 0xCC, 0x19, 0xFB, 0x04, 0x00, 0xCC, 0x19, 0xFA, 0x04, 0x00,
    0xCC, 0x19, 0xF9, 0x1B, 0x7E};

std::vector<std::uint8_t> Expected(std::uint8_t c12, std::uint8_t c34, std::uint8_t screen,
                                   const std::vector<std::uint8_t>& rows)
{
    std::vector<std::uint8_t> bytes = kListing;
    bytes[0x55] = c12;
    bytes[0x5A] = c34;
    bytes[0x5F] = screen;
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    return bytes;
}

std::vector<std::uint8_t> Bytes(const CartridgeImage& image) { return {image.begin(), image.end()}; }

// Every write the program makes on the console, in order.
std::vector<MemoryWrite> ExpectedWrites(const std::vector<std::uint8_t>& image)
{
    std::vector<MemoryWrite> writes{{0x18FF, 0x80}, {0x1A00, 0x80}};
    for (int pass = 1; pass <= 208; ++pass) {
        writes.push_back({std::uint16_t(0x1800 + pass - 1), 0x80});
        writes.push_back({std::uint16_t(0x1A00 + pass), 0x80});
    }
    writes.push_back({0x18FC, 0xEE});
    for (int i = 0; i < 32; ++i)
        writes.push_back({std::uint16_t(0x1980 + i), image[0x65 + i]});
    const std::uint8_t across[] = {0x40, 0x50, 0x60, 0x70};
    for (int k = 0; k < 4; ++k) {
        writes.push_back({std::uint16_t(0x18F1 + 2 * k), across[k]});
        writes.push_back({std::uint16_t(0x18F0 + 2 * k), 0x90});
    }
    writes.push_back({0x19FB, image[0x55]});
    writes.push_back({0x19FA, image[0x5A]});
    writes.push_back({0x19F9, image[0x5F]});
    return writes;
}

} // namespace

class CartridgeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newProjectImage()
    {
        const SpriteProject p;
        const auto image = Bytes(BuildCartridgeImage(p));
        QCOMPARE(image.size(), std::size_t(133));
        QCOMPARE(image, Expected(0x3F, 0x3F, 0x00, std::vector<std::uint8_t>(32, 0)));
    }

    void colourBytes()
    {
        SpriteProject p;
        const int colours[] = {7, 2, 4, 1};
        for (int k = 0; k < 4; ++k) {
            p.SelectColor(colours[k]);
            p.ApplySpriteColor(k);
        }
        auto image = BuildCartridgeImage(p);
        QCOMPARE(int(image[0x55]), 0x3A);
        QCOMPARE(int(image[0x5A]), 0x21);
        QCOMPARE(int(image[0x5F]), 0x00);
        p.SelectColor(6);
        p.ApplyScreenColor();
        image = BuildCartridgeImage(p);
        QCOMPARE(int(image[0x5F]), 0x06);
    }

    void workedExampleImage()
    {
        const SpriteProject p = test::WorkedExampleByEditing();
        std::vector<std::uint8_t> rows = {0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18,
                                          0x81, 0x42, 0x3C, 0x5A, 0x7E, 0x24, 0x42, 0x81};
        rows.resize(32, 0);
        QCOMPARE(Bytes(BuildCartridgeImage(p)), Expected(0x34, 0x3F, 0x01, rows));
    }

    void rowBytesComeFromTheRowTexts()
    {
        SpriteProject p;
        p.Sprites[2].HexRows = {"3C", "F", "", "3c", "0FF", "A5", "5", "zz"};
        p.Sprites[0].Blocks.fill(kWhiteColorNumber); // blocks are not what counts
        const auto image = BuildCartridgeImage(p);
        const int expected[] = {0x3C, 0xFF, 0x00, 0x30, 0x0F, 0xA5, 0x55, 0x00};
        for (int r = 0; r < 8; ++r)
            QCOMPARE(int(image[0x65 + 16 + r]), expected[r]);
        QCOMPARE(int(image[0x65]), 0);
    }

    void imagePathReplacesTheExtension_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("image");
        QTest::newRow("eap") << "/home/u/demo.eap" << "/home/u/demo.bin";
        QTest::newRow("upper case") << "/x/DEMO.EAP" << "/x/DEMO.bin";
        QTest::newRow("no extension") << "/x/sprites" << "/x/sprites.bin";
        QTest::newRow("short name") << "/dir/ab" << "/dir/ab.bin";
        QTest::newRow("dotted folder") << "/my.games/ab" << "/my.games/ab.bin";
        QTest::newRow("two dots") << "/x/a.b.eap" << "/x/a.b.bin";
        QTest::newRow("long extension") << "/x/ship.sprites" << "/x/ship.bin";
        QTest::newRow("relative") << "demo.eap" << "demo.bin";
        QTest::newRow("hidden file") << "/x/.eap" << "/x/.eap.bin";
    }
    void imagePathReplacesTheExtension()
    {
        QFETCH(QString, project);
        QFETCH(QString, image);
        QCOMPARE(QString::fromStdString(CartridgeImagePath(project.toStdString())), image);
    }

    void programRunsAsListed_data()
    {
        QTest::addColumn<int>("variant");
        QTest::newRow("new project") << 0;
        QTest::newRow("worked example") << 1;
        QTest::newRow("every colour and row") << 2;
    }
    void programRunsAsListed()
    {
        QFETCH(int, variant);
        SpriteProject p;
        if (variant == 1)
            p = test::WorkedExampleByEditing();
        if (variant == 2) {
            for (int k = 0; k < 4; ++k) {
                p.SelectColor(7 - k);
                p.ApplySpriteColor(k);
                for (int r = 0; r < 8; ++r)
                    p.Sprites[k].HexRows[r] = RowText(std::uint8_t(0x11 * (k * 8 + r) + 1));
            }
            p.SelectColor(5);
            p.ApplyScreenColor();
        }
        const auto image = Bytes(BuildCartridgeImage(p));
        test::Cpu2650 cpu(image);
        const auto rest = cpu.RunUntilLoop(10000);
        QVERIFY2(rest.has_value(), cpu.fault.c_str());
        QCOMPARE(int(*rest), 0x0063);
        QCOMPARE(cpu.writes, ExpectedWrites(image));
        QCOMPARE(int(cpu.psl & 0x02), 0x02);
        QCOMPARE(int(cpu.psu & 0x40), 0x40);
        if (variant == 0) {
            QCOMPARE(int(cpu.memory[0x19FB]), 0x3F);
            QCOMPARE(int(cpu.memory[0x19FA]), 0x3F);
            QCOMPARE(int(cpu.memory[0x19F9]), 0x00);
        }
        for (int i = 0; i < 32; ++i)
            QCOMPARE(cpu.memory[0x1980 + i], image[0x65 + i]);
        QCOMPARE(int(cpu.memory[0x1AD1]), 0); // the fill stops where it should
        QCOMPARE(int(cpu.memory[0x18D0]), 0);
    }
};

QTEST_APPLESS_MAIN(CartridgeTest)
#include "test_cartridge.moc"
