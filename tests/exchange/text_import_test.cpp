// Text import: records, orientations, sampling, limits, headers, dates, modes,
// warnings and status texts.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "exchange/import_status.h"
#include "exchange/text_import.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using testing::pointsOf;

using document::Diagram;
using document::MaxCurves;
using document::MaxPoints;
using document::Point;

std::vector<int> warningIds(const ImportResult& r) {
    std::vector<int> ids;
    for (const auto& w : r.warnings) ids.push_back(w.id);
    return ids;
}

class TextImport : public ::testing::Test {
protected:
    ImportResult run(std::string_view text, ImportMode mode = ImportMode::Diagram, int selected = 0) {
        return extractDataFromText(text, procedure, mode, selected, diagram);
    }
    ConversionProcedure procedure;
    Diagram diagram;
    testing::ScopedTimeZone utc{"UTC0"};
};

TEST_F(TextImport, DecimalCommaLineWithTheDefaultProcedure) {
    const ImportResult r = run("12,5;3,75\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.curves, 1);
    EXPECT_EQ(r.points, 1);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{12.5, 3.75}}));
    EXPECT_TRUE(r.warnings.empty());
    // The whole-diagram mode keeps MaxCurves slots; the others are empty.
    EXPECT_EQ(diagram.curveCount(), MaxCurves);
    EXPECT_EQ(diagram.curves[1].pointCount(), 0);
    EXPECT_EQ(diagram.curves[0].title, "Courbe n\xB0 1");
    EXPECT_EQ(diagram.curves[7].title, "Courbe n\xB0 8");
    EXPECT_EQ(diagram.curves[0].axisName[0], "X");
    EXPECT_EQ(diagram.curves[0].axisName[1], "Y");
    EXPECT_EQ(r.status, "Extraction terminée [ 1 courbe - 1 point ]");
}

TEST_F(TextImport, SignsMonthNamesAndPlainNumberTexts) {
    const ImportResult r = run("5-;+3+\n15 mars 2004;1\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{-5, 3}, {1532004, 1}}));
}

TEST_F(TextImport, DatesSurviveNormalisationAndBecomeRelative) {
    // Days apart in seconds (Python datetime): 2004-03-15 - 1940-03-15 = 2019686400.
    const ImportResult r = run("15/mars/2004;1\n15/03/40;2\n16/03/04;3\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{2019686400, 1}, {0, 2}, {2019686400 + 86400, 3}}));
    EXPECT_TRUE(r.warnings.empty());
}

TEST_F(TextImport, DatesAsOrdinatesAreRelativePerCurve) {
    procedure.coordinateCount = 3;
    const ImportResult r = run("1;2/1/2000;7\n2;1/1/2000;8\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.curves, 2);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 86400}, {2, 0}}));
    EXPECT_EQ(pointsOf(diagram, 1), (std::vector<Point>{{1, 7}, {2, 8}}));
}

TEST_F(TextImport, ValuesBeyondTheLastCurveSlotAreIgnored) {
    procedure.coordinateCount = MaxCurves + 2;
    std::string line;
    for (int v = 1; v <= MaxCurves + 2; ++v) line += std::to_string(v) + ";";
    line.back() = '\n';
    const ImportResult r = run(line);
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.curves, MaxCurves);
    // Value 2 feeds the first curve, value MaxCurves + 1 the last one.
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 2}}));
    EXPECT_EQ(pointsOf(diagram, MaxCurves - 1), (std::vector<Point>{{1, MaxCurves + 1.0}}));
    EXPECT_TRUE(r.warnings.empty());
}

TEST_F(TextImport, SamplingKeepsEveryNthRecord) {
    procedure.sampling = 3;
    std::string text;
    for (int i = 1; i <= 10; ++i) text += std::to_string(i) + ";" + std::to_string(10 * i) + "\n";
    const ImportResult r = run(text);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{3, 30}, {6, 60}, {9, 90}}));
    EXPECT_EQ(r.points, 3);
}

TEST_F(TextImport, SeriesInRowsAreReadAcross) {
    procedure.orientation = 1;
    procedure.separator = ",";
    const ImportResult r = run("1,2,3\n4,5\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 4}, {2, 5}}));
    // A later series of a single value does not shorten the records.
    run("1,2,3\n4,5,6\n7\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 4}, {2, 5}, {3, 6}}));
}

TEST_F(TextImport, OneValuePerLine) {
    procedure.separator = "CR";
    const ImportResult r = run("1\n10\n2\n\n3\n30\n\n\n");
    ASSERT_TRUE(r.completed);
    // The empty line in the middle is an empty value; those at the end are nothing.
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 10}, {2, 0}, {3, 30}}));
    EXPECT_EQ(warningIds(r), std::vector<int>{base::MsgEmptyRecords});

    procedure.orientation = 1;
    EXPECT_EQ(run("1\n2\n").points, 0);  // one value per line cannot be read across
}

TEST_F(TextImport, EmptyLinesAndTrailingLineEnds) {
    const ImportResult r = run("1;2\r\n\r\n3;4\r\n\r\n\r\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 2}, {0, 0}, {3, 4}}));
    EXPECT_EQ(warningIds(r), std::vector<int>{base::MsgEmptyRecords});

    const ImportResult noEnd = run("1;2\n3;4");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 2}, {3, 4}}));
    EXPECT_TRUE(noEnd.warnings.empty());
}

TEST_F(TextImport, LeadingEmptyValueStaysInItsColumn) {
    procedure.coordinateCount = 3;
    const ImportResult r = run(";5;6\n1;7;8\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{0, 5}, {1, 7}}));
    EXPECT_EQ(pointsOf(diagram, 1), (std::vector<Point>{{0, 6}, {1, 8}}));
    EXPECT_EQ(warningIds(r), std::vector<int>{base::MsgEmptyRecords});
}

TEST_F(TextImport, ShortRecordsReadTheirMissingValuesAsEmpty) {
    procedure.coordinateCount = 3;
    const ImportResult r = run("1;2\n3;4;5\n");
    EXPECT_EQ(r.curves, 2);
    EXPECT_EQ(pointsOf(diagram, 1), (std::vector<Point>{{1, 0}, {3, 5}}));
    EXPECT_EQ(warningIds(r), std::vector<int>{base::MsgEmptyRecords});
}

TEST_F(TextImport, InvalidValuesAreZeroWithOneWarning) {
    const ImportResult r = run("1.2.3;4\n5;1E\n;6\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{0, 4}, {5, 0}, {0, 6}}));
    EXPECT_EQ(warningIds(r), (std::vector<int>{base::MsgInvalidRecords, base::MsgEmptyRecords}));
    EXPECT_TRUE(r.completed);
}

TEST_F(TextImport, AbscissaIsTheRecordNumber) {
    procedure.xOrder = 0;
    const ImportResult r = run("7;8\n9;10\n");
    EXPECT_EQ(r.curves, 2);
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 7}, {2, 9}}));
    EXPECT_EQ(pointsOf(diagram, 1), (std::vector<Point>{{1, 8}, {2, 10}}));
}

TEST_F(TextImport, AbscissaInTheMiddle) {
    procedure.coordinateCount = 3;
    procedure.xOrder = 2;
    run("10;1;20\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1, 10}}));
    EXPECT_EQ(pointsOf(diagram, 1), (std::vector<Point>{{1, 20}}));
}

TEST_F(TextImport, NumericBaseForIntegers) {
    procedure.numericBase = 16;
    run("10;1E\n");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{16, 30}}));
}

TEST_F(TextImport, HeaderGivesTitlesDatesNamesAndTheRecordCount) {
    procedure.headerLineCount = 5;
    procedure.titleLine = 1;
    procedure.dateLine = 2;
    procedure.xNameLine = 3;
    procedure.yNameLine = 4;
    procedure.recordCountLine = 5;
    const ImportResult r = run("  essai   de   four  \n10/12/2026\nTemps (s)\n\tTemp\xE9rature\nN = 2 mesures\n1;2\n3;4\n5;6\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.points, 2);  // the announced count stops the reading
    EXPECT_EQ(diagram.curves[0].title, "Essai de four - Courbe n\xB0 1");
    EXPECT_EQ(diagram.curves[41].title, "Essai de four - Courbe n\xB0 42");
    EXPECT_EQ(diagram.curves[0].modified, "10/12/2026");
    EXPECT_EQ(diagram.curves[99].axisName[0], "Temps (s)");
    EXPECT_EQ(diagram.curves[0].axisName[1], "Temp\xE9rature");
}

TEST_F(TextImport, HeaderErrors) {
    procedure.headerLineCount = 2;
    procedure.recordCountLine = 2;
    ImportResult r = run("titre\npas de nombre\n1;2\n");
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.error.id, base::MsgHeaderReadError);
    EXPECT_EQ(r.error.text, "Erreur dans la lecture de l'en-tête du fichier.");
    EXPECT_EQ(r.error.heading, base::Heading::Error);

    procedure.headerLineCount = 4;
    procedure.recordCountLine = 0;
    r = run("a\nb\nc\n");
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.error.text, "L'en-tête du fichier est plus longue que prévu !");
    EXPECT_EQ(diagram.curves[0].pointCount(), 0);
}

TEST_F(TextImport, DosCharacterSetInHeaderAndData) {
    procedure.charSet = 1;
    procedure.headerLineCount = 1;
    procedure.titleLine = 1;
    // CP850 0x82 is "é", 0x96 "û".
    run("r\x82sultats\n15 ao\x96t 2004;1\n");
    EXPECT_EQ(diagram.curves[0].title, "R\xE9sultats - Courbe n\xB0 1");
    EXPECT_EQ(pointsOf(diagram, 0), (std::vector<Point>{{1582004, 1}}));
}

TEST_F(TextImport, SelectedCurveMode) {
    document::Diagram& d = diagram;
    d.curves.resize(3);
    d.curves[1].title = "ancienne";
    d.curves[1].points = document::PointBuffer(std::vector<Point>{{9, 9}, {9, 9}, {9, 9}});
    d.curves[2].points = document::PointBuffer(std::vector<Point>{{5, 5}});
    procedure.coordinateCount = 3;
    procedure.xOrder = 3;
    procedure.yOrder = 1;
    const ImportResult r = run("1;2;3\n4;5;6\n", ImportMode::Curve, 1);
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.curves, 1);
    EXPECT_EQ(d.curveCount(), 3);
    EXPECT_EQ(d.curves[1].title, "Courbe n\xB0 2");
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{3, 1}, {6, 4}}));
    EXPECT_EQ(pointsOf(d, 2), (std::vector<Point>{{5, 5}}));  // other curves untouched

    procedure.yOrder = 0;
    run("1;2;3\n4;5;6\n", ImportMode::Curve, 1);
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{3, 1}, {6, 2}}));

    // No curve to fill: nothing happens.
    const ImportResult none = run("1;2\n", ImportMode::Curve, 7);
    EXPECT_FALSE(none.completed);
    EXPECT_TRUE(none.error.empty());
}

TEST_F(TextImport, MaxPointsLimit) {
    std::string text;
    text.reserve((MaxPoints + 2) * 4);
    for (int i = 0; i < MaxPoints + 2; ++i) text += "1;2\n";
    const ImportResult r = run(text);
    EXPECT_EQ(r.points, MaxPoints);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].heading, base::Heading::Warning);
    EXPECT_EQ(r.warnings[0].text, "Le nombre maxi de points autorisé (1000000) est dépassé !");

    // Exactly MaxPoints records, then empty lines: no warning.
    text.resize(static_cast<std::size_t>(MaxPoints) * 4);
    text += "\n\n";
    EXPECT_TRUE(run(text).warnings.empty());
}

TEST_F(TextImport, NothingFound) {
    const ImportResult r = run("\n\nfin\n");
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.curves, 0);
    EXPECT_EQ(r.points, 0);
    EXPECT_EQ(r.status, "- extraction terminée : aucun point trouvé -");
}

TEST_F(TextImport, AbscissaeOnlyFillNoCurve) {
    // A single value per record that is the abscissa: no curve, even with dates.
    procedure.coordinateCount = 1;
    const ImportResult r = run("1/1/2000\n2/1/2000\n");
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.curves, 0);
    EXPECT_EQ(r.status, "- extraction terminée : aucun point trouvé -");
}

TEST_F(TextImport, ExtentsOfTheFilledCurves) {
    run("1;-2\n3;5\n");
    EXPECT_EQ(diagram.curves[0].extent[0][0], 1);
    EXPECT_EQ(diagram.curves[0].extent[0][1], 3);
    EXPECT_EQ(diagram.curves[0].extent[1][0], -2);
    EXPECT_EQ(diagram.curves[0].extent[1][1], 5);
}

TEST(TextImportFile, ReadsAFileWithProgress) {
    testing::TempFolder folder;
    const std::string path = folder.write("data.csv", "1;2;3\n4;5;6\n");
    ConversionProcedure p;
    p.coordinateCount = 3;
    Diagram d;
    std::vector<std::string> statuses;
    const ImportResult r = extractData(path, p, ImportMode::Diagram, 0, d,
                                       [&](const ImportProgress& progress) { statuses.emplace_back(progress.status); });
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.status, "Extraction terminée [ 2 courbes - 2 points ]");
    ASSERT_GE(statuses.size(), 2u);
    EXPECT_EQ(statuses.front(), "- préparation de l'extraction -");
    EXPECT_EQ(statuses.back(), r.status);
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{1, 3}, {4, 6}}));
}

TEST(TextImportFile, MissingFile) {
    Diagram d;
    d.curves.resize(2);
    const ImportResult r = extractData("/nonexistent/data.csv", ConversionProcedure{}, ImportMode::Diagram, 0, d);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.error.text, "Impossible d'ouvrir le fichier /nonexistent/data.csv !\n\nLe fichier n'existe pas.");
    EXPECT_EQ(d.curveCount(), 2);  // nothing else happens
}

TEST(TextImportFile, LinesAcrossReadChunks) {
    // Far more than one read chunk, with a line longer than the chunk.
    std::string text(3 << 20, ' ');
    text += "1;2\n";
    for (int i = 0; i < 200000; ++i) text += std::to_string(i) + ";" + std::to_string(2 * i) + "\n";
    testing::TempFolder folder;
    const std::string path = folder.write("big.csv", text);
    Diagram d;
    const ImportResult r = extractData(path, ConversionProcedure{}, ImportMode::Diagram, 0, d);
    ASSERT_EQ(r.points, 200001);
    const auto pts = pointsOf(d, 0);
    EXPECT_EQ(pts[0], (Point{1, 2}));
    for (int i = 0; i < 200000; ++i) ASSERT_EQ(pts[static_cast<std::size_t>(i) + 1], (Point{double(i), 2.0 * i})) << i;
}

TEST(ImportStatus, TextsAndPlurals) {
    EXPECT_EQ(recordStatus(1), "[ 0000001 enregistrement ]");
    EXPECT_EQ(recordStatus(0), "[ 0000000 enregistrement ]");
    EXPECT_EQ(recordStatus(12), "[ 0000012 enregistrements ]");
    EXPECT_EQ(endStatus(1, 5), "Extraction terminée [ 1 courbe - 5 points ]");
    EXPECT_EQ(endStatus(3, 1), "Extraction terminée [ 3 courbes - 1 point ]");
    EXPECT_EQ(endStatus(0, 0), "- extraction terminée : aucun point trouvé -");
}

}  // namespace
}  // namespace ordinax::exchange
