// The example data files and procedures shipped in examples/import.
#include <gtest/gtest.h>

#include "exchange/text_import.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using testing::pointsOf;

using document::Diagram;
using document::Point;

const std::string ExampleFolder = std::string(ORDINAX_SOURCE_DIR) + "/examples/import/";

struct Imported {
    ImportResult result;
    Diagram diagram;
};

Imported importExample(const std::string& data, const std::string& procedureFile) {
    ConversionProcedure p;
    EXPECT_TRUE(loadProcedure(ExampleFolder + procedureFile, p));
    Imported out;
    out.result = extractData(ExampleFolder + data, p, ImportMode::Diagram, 0, out.diagram);
    EXPECT_TRUE(out.result.completed) << out.result.error.text;
    return out;
}

TEST(Examples, SpreadsheetCsvWithDecimalCommas) {
    const Imported i = importExample("spreadsheet_semicolon.csv", "spreadsheet_semicolon.pca");
    EXPECT_EQ(i.result.curves, 2);
    EXPECT_TRUE(i.result.warnings.empty());
    // The values of the file, read by eye.
    EXPECT_EQ(pointsOf(i.diagram, 0),
              (std::vector<Point>{{0, 0}, {0.5, 1.25}, {1, 2.5}, {1.5, 3.75}, {2, 4.9}, {2.5, -0.5}}));
    EXPECT_EQ(pointsOf(i.diagram, 1),
              (std::vector<Point>{{0, 0}, {0.5, 0.012}, {1, 0.025}, {1.5, 0.037}, {2, 0.05}, {2.5, 1.5e-3}}));
}

TEST(Examples, InstrumentLogWithHeaderAndDates) {
    testing::ScopedTimeZone utc("UTC0");
    const Imported i = importExample("instrument_log.txt", "instrument_log.pca");
    EXPECT_EQ(i.result.curves, 2);
    EXPECT_EQ(i.result.points, 5);  // the announced count leaves the closing line out
    EXPECT_TRUE(i.result.warnings.empty());
    const auto& c = i.diagram.curves[0];
    EXPECT_EQ(c.title, "Banc d'essai thermique n\xB0 3 - Courbe n\xB0 1");
    EXPECT_EQ(c.modified, "10/12/2026");
    EXPECT_EQ(c.axisName[0], "Jour de mesure");
    EXPECT_EQ(c.axisName[1], "Temp\xE9rature (\xB0" "C)");
    // Days 1, 2, 3, 5 and 6 of December, relative to the first, in seconds.
    const double day = 86400;
    EXPECT_EQ(pointsOf(i.diagram, 0),
              (std::vector<Point>{{0, 20.5}, {day, 180.25}, {2 * day, 350}, {4 * day, 420.75}, {5 * day, 415}}));
    EXPECT_EQ(pointsOf(i.diagram, 1)[3], (Point{4 * day, 19.25}));
}

TEST(Examples, DosFileWithMonthNames) {
    const Imported i = importExample("dos_months.txt", "dos_months.pca");
    EXPECT_EQ(i.result.curves, 1);
    EXPECT_TRUE(i.result.warnings.empty());
    EXPECT_EQ(i.diagram.curves[0].title, "Relev\xE9 mensuel des pr\xE9" "cipitations - Courbe n\xB0 1");
    const std::vector<double> rain = {78.5, 65.2, 60, 55.1, 70, 45.5, 30, 35.2, 60.8, 80, 90.3, 85};
    const auto points = pointsOf(i.diagram, 0);
    ASSERT_EQ(points.size(), 12u);
    for (std::size_t m = 0; m < 12; ++m) EXPECT_EQ(points[m], (Point{m + 1.0, rain[m]})) << m;
}

}  // namespace
}  // namespace ordinax::exchange
