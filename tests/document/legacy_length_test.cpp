// Older generations: a binary file must end with its last point (the padding
// a transfer adds excepted), and a point list longer than MaxPoints is cut
// with the warning the text import gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/strings.h"
#include "document/constrained_disk.h"
#include "document/diagram_defaults.h"
#include "document/legacy_binary.h"
#include "document/orx_file.h"
#include "orx_test_support.h"

namespace ordinax::document {
namespace {

namespace fs = std::filesystem;

const std::string Examples = std::string(ORDINAX_SOURCE_DIR) + "/examples/legacy/";

std::uint32_t u16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

// Where the points of a generation 2 or 3 file start: after the 18-byte
// header, the 254 markers with their 48-byte records and the diagram block
// (the layout written down in legacy_binary.h).
std::size_t pointsStart(const std::vector<std::uint8_t>& file) {
    std::size_t at = 18;
    for (int i = 0; i < 254; ++i) {
        const bool present = u16At(file, at) == 1;
        at += 2 + (present ? 48 : 0);
    }
    return at + 6736;
}

bool opens(const std::vector<std::uint8_t>& bytes) {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    return readDiagramBytes(bytes, factoryDiagramDefaults(), d).ok;
}

TEST(LegacyBinaryLength, TheFileMustEndWithItsLastPoint) {
    const std::vector<std::uint8_t> original = test::readFileBytes(Examples + "gen2_asb00.orx");
    const std::size_t points = pointsStart(original);
    ASSERT_LT(points, original.size());
    ASSERT_TRUE(opens(original));

    auto appended = [&](std::size_t count, std::uint8_t byte) {
        std::vector<std::uint8_t> b = original;
        b.insert(b.end(), count, byte);
        return b;
    };
    std::vector<std::uint8_t> shifted = original;
    shifted.insert(shifted.begin() + static_cast<std::ptrdiff_t>(points), {0x00, 0x2E, 0x07});
    std::vector<std::uint8_t> cut = original;
    cut.pop_back();

    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool opens;
    } cases[] = {
        {"three stray bytes before the points", shifted, false},  // read in step, they gave 2e-317
        {"one byte short", cut, false},
        {"a DOS end-of-file mark", appended(1, 0x1A), true},
        {"a transfer's padding", appended(127, 0x1A), true},
        {"padding of a whole block", appended(128, 0x1A), false},
        {"three zero bytes", appended(3, 0x00), false},
        {"a point too many", appended(16, 0x00), false},
    };
    for (const auto& c : cases) EXPECT_EQ(opens(c.bytes), c.opens) << c.what;
}

TEST(LegacyBinaryLength, SixteenBitGenerationIsCheckedToo) {
    std::vector<std::uint8_t> file = test::readFileBytes(Examples + "gen4_asb96.orx");
    ASSERT_TRUE(opens(file));
    file.push_back(0x1A);
    EXPECT_TRUE(opens(file));
    file.push_back(0x41);
    EXPECT_FALSE(opens(file));
}

TEST(LegacyPointList, PointsBeyondTheLimitAreDroppedWithTheWarning) {
    const std::string folder = test::makeScratchFolder("ordinax-legacy-list");
    std::ofstream(folder + "/essai.dia", std::ios::binary)
        << "ASSEMBLAGE_89\nGG\nHG\nLIN\nL\nX\nLIN\nL\nY\n0\n10\n1\n0\n10\n1\nLONGUE\n";
    {
        std::ofstream list(folder + "/LONGUE.LIS", std::ios::binary);
        for (int i = 0; i < MaxPoints + 2; ++i) list << i << " 1\n";
    }
    Diagram d;
    const ReadResult r = openDiagramFile(folder + "/essai.dia", factoryDiagramDefaults(), d);
    ASSERT_TRUE(r.ok) << r.message.text;
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].text, "Le nombre maxi de points autorisé (1000000) est dépassé !");
    EXPECT_EQ(r.warnings[0].heading, base::Heading::Warning);
    ASSERT_EQ(d.curveCount(), 1);
    EXPECT_EQ(d.curves[0].pointCount(), MaxPoints);
    EXPECT_EQ(d.curves[0].points[MaxPoints - 1].x, MaxPoints - 1);

    // A list within the limit opens without a warning.
    std::ofstream(folder + "/LONGUE.LIS", std::ios::binary) << "1 2\n3 4\n";
    EXPECT_TRUE(openDiagramFile(folder + "/essai.dia", factoryDiagramDefaults(), d).warnings.empty());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace ordinax::document
