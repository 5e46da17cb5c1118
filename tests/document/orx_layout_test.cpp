// The byte layout of diagram files, against a file written by hand from the
// layout table: the reader takes every field from its place and the writer
// produces exactly the same bytes.
#include <gtest/gtest.h>

#include "document/orx_file.h"
#include "orx_hand_image.h"

namespace ordinax::document::test {
namespace {

TEST(OrxLayout, ReaderTakesEveryFieldFromItsPlace) {
    const DiagramDefaults defaults = distinctDefaults();
    const HandFile h = handFile(defaults);
    Diagram read;
    const ReadResult r = readDiagramBytes(h.image.bytes(), defaults, read);
    ASSERT_TRUE(r.ok) << r.message.text;
    EXPECT_EQ(r.format, "ASB_02");
    EXPECT_TRUE(read == h.expected) << diagramDiff(read, h.expected);
    // A few fields spelt out, so that a fault shared by the expectation shows too.
    ASSERT_EQ(read.curveCount(), 1);
    const Curve& c = read.curves[0];
    EXPECT_EQ(c.fit.meanX, 11.0);  // s1 is stored first
    EXPECT_EQ(c.fit.varX, 14.0);   // then s4
    EXPECT_EQ(c.fit.studentT, 10.0);
    EXPECT_EQ(c.extent[0][1], 3.0);
    EXPECT_EQ(c.bounds[0][1], 5.0);
    EXPECT_EQ(c.unit[0].factorCount, 1);
    EXPECT_EQ(c.unit[0].coefficient[0], 0.001);
    EXPECT_EQ(c.unit[1], UnitDef{});
    EXPECT_EQ(c.points[2], (Point{3, 30}));
    EXPECT_EQ(read.labels[0].text, "Titre");
    EXPECT_EQ(read.logo.file, "logo.bmp");
    EXPECT_EQ(read.reportFont, defaults.reportFont);  // not stored
    EXPECT_EQ(read.backPicture[200], 'x');            // the buffer is kept whole
}

TEST(OrxLayout, WriterProducesTheHandWrittenBytes) {
    const HandFile h = handFile(distinctDefaults());
    Diagram d = h.expected;
    const std::vector<std::uint8_t> written = writeDiagramBytes(d, "never used");
    ASSERT_EQ(written.size(), h.image.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], h.image.bytes()[i]) << "first difference at byte " << i;
}

TEST(OrxLayout, EmptyStringIsFourZeroBytesThenAZero) {
    const HandFile h = handFile(distinctDefaults());
    // The footer text is empty: its length and terminator are five zero bytes.
    const std::size_t at = h.image.at("band1.text");
    const std::vector<std::uint8_t> expected(5, 0);
    Diagram d = h.expected;
    const std::vector<std::uint8_t> written = writeDiagramBytes(d, "x");
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin() + at, written.begin() + at + 5), expected);
    // and the next field (the footer font, height -12) follows right after.
    std::int32_t height = 0;
    std::memcpy(&height, written.data() + at + 5, 4);
    EXPECT_EQ(height, -12);
}

TEST(OrxLayout, HeaderIsTheMagicPaddedWithZeros) {
    Diagram d;
    resetDiagram(d, factoryDiagramDefaults());
    const std::vector<std::uint8_t> written = writeDiagramBytes(d, "x");
    ASSERT_GE(written.size(), 24u);
    const std::uint8_t expected[24] = {'A', 'S', 'B', '_', '0', '2'};
    EXPECT_EQ(std::memcmp(written.data(), expected, 24), 0);
}

TEST(OrxLayout, OldVersionWithoutLogoKeepsTheDefaultsLogo) {
    const DiagramDefaults defaults = distinctDefaults();
    const HandFile h = handFile(defaults, false);
    Diagram read;
    const ReadResult r = readDiagramBytes(h.image.bytes(), defaults, read);
    ASSERT_TRUE(r.ok) << r.message.text;
    EXPECT_EQ(r.format, "ASB_01");
    EXPECT_EQ(read.logo, defaults.logo);
    EXPECT_EQ(read.logo.file, "logo-from-preferences.bmp");
    EXPECT_TRUE(read == h.expected) << diagramDiff(read, h.expected);
}

}  // namespace
}  // namespace ordinax::document::test
