// Clipboard tables: refusals, orientation, abscissa position, first-series
// labels, values and dates, the Y-axis label.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "exchange/clipboard_table.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using document::Diagram;
using document::MaxCurves;
using document::Point;
using testing::pointsOf;

ClipboardTable tableOf(std::string_view text) {
    TableOpenResult r = openClipboardTable(text);
    EXPECT_TRUE(r.table) << r.error.text;
    return r.table ? *r.table : ClipboardTable{};
}

TEST(ClipboardOpen, Refusals) {
    const struct {
        std::optional<std::string_view> text;
        int id;
    } cases[] = {
        {std::nullopt, base::MsgClipboardUnusable},
        {"", base::MsgClipboardEmpty},
        {std::string_view("\0" "1\t2", 4), base::MsgClipboardEmpty},  // the text ends at its NUL
        {"1\n2\n", base::MsgClipboardUnusable},                       // no tab
        {"1\t2\n3\n", base::MsgClipboardUnusable},                    // rows of different widths
        {"1\t2\n3\t4\t5\n", base::MsgClipboardUnusable},
        {"1\t2\n\n", base::MsgClipboardUnusable},  // one line end too many: an empty row
    };
    for (const auto& c : cases) {
        const TableOpenResult r = openClipboardTable(c.text);
        EXPECT_FALSE(r.table);
        EXPECT_EQ(r.error.id, c.id) << (c.text ? *c.text : "(no text)");
        EXPECT_EQ(r.error.heading, base::Heading::Error);
    }
    EXPECT_EQ(openClipboardTable(std::string_view("")).error.text, "Le presse-papiers est vide");
    EXPECT_EQ(openClipboardTable(std::nullopt).error.text, "Le contenu du presse-papiers est inutilisable !");
}

TEST(ClipboardOpen, TrailingLineEndAddsNoRow) {
    for (std::string_view text : {"1\t2\r\n3\t4\r\n", "1\t2\n3\t4\n", "1\t2\n3\t4"}) {
        const ClipboardTable t = tableOf(text);
        EXPECT_EQ(t.rowCount, 2) << text;
        EXPECT_EQ(t.columnCount, 2) << text;
        EXPECT_EQ(t.cell(1, 0), "3");
    }
}

TEST(ClipboardImport, AbscissaInSecondColumn) {
    Diagram d;
    TableOptions o;
    o.abscissa = 2;
    const TableImportResult r = importClipboardTable(tableOf("10\t1\t2\t3\n"), o, d);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(r.curves, 3);
    EXPECT_EQ(r.points, 1);
    EXPECT_EQ(pointsOf(d, 0), (std::vector<Point>{{1, 10}}));
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{1, 2}}));
    EXPECT_EQ(pointsOf(d, 2), (std::vector<Point>{{1, 3}}));
    EXPECT_EQ(d.curveCount(), MaxCurves);
    EXPECT_EQ(d.curves[3].pointCount(), 0);
}

TEST(ClipboardImport, ValuesSignsAndDates) {
    testing::ScopedTimeZone utc("UTC0");
    Diagram d;
    // 25/12/99 and 27/12/99 are two days apart (172800 s); "1,5" is 1.5, "3-" is -3.
    const TableImportResult r = importClipboardTable(tableOf("27/12/99\t1,5\r\n25/12/99\t3-\r\n"), {}, d);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(pointsOf(d, 0), (std::vector<Point>{{172800, 1.5}, {0, -3}}));
    EXPECT_TRUE(r.warnings.empty());
}

TEST(ClipboardImport, EmptyAndInvalidCellsAndTrailingEmptyRows) {
    Diagram d;
    const TableImportResult r = importClipboardTable(tableOf("1\t\n2\t1.2.3\n3\t4\n\t\nTotal\t\n"), {}, d);
    EXPECT_EQ(pointsOf(d, 0), (std::vector<Point>{{1, 0}, {2, 0}, {3, 4}}));
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(r.warnings[0].id, base::MsgEmptyRecords);
    EXPECT_EQ(r.warnings[1].id, base::MsgInvalidRecords);
}

TEST(ClipboardImport, TooBigTableIsRefusedAndChangesNothing) {
    std::string row;
    for (int i = 0; i < MaxCurves + 2; ++i) row += (i ? "\t" : "") + std::to_string(i);
    Diagram d;
    d.curves.resize(1);
    d.curves[0].title = "garde";
    const TableImportResult r = importClipboardTable(tableOf(row + "\n"), {}, d);
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.error.text, "Le tableau de valeurs est trop grand !");
    EXPECT_EQ(d.curveCount(), 1);
    EXPECT_EQ(d.curves[0].title, "garde");

    // One column fewer fits: MaxCurves curves.
    std::string fits;
    for (int i = 0; i < MaxCurves + 1; ++i) fits += (i ? "\t" : "") + std::to_string(i);
    EXPECT_EQ(importClipboardTable(tableOf(fits), {}, d).curves, MaxCurves);
    EXPECT_EQ(pointsOf(d, MaxCurves - 1), (std::vector<Point>{{0, MaxCurves}}));

    // Horizontal: the rows are the series, so the same row is a table of many records.
    TableOptions horizontal;
    horizontal.horizontal = true;
    EXPECT_TRUE(importClipboardTable(tableOf(row), horizontal, d).imported);
}

TEST(ClipboardImport, HorizontalTableIsTransposed) {
    Diagram d;
    TableOptions o;
    o.horizontal = true;
    const TableImportResult r = importClipboardTable(tableOf("1\t2\t3\n10\t20\t30\n5\t6\t7\n"), o, d);
    EXPECT_EQ(r.curves, 2);
    EXPECT_EQ(pointsOf(d, 0), (std::vector<Point>{{1, 10}, {2, 20}, {3, 30}}));
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{1, 5}, {2, 6}, {3, 7}}));
}

TEST(ClipboardImport, FirstSeriesGivesTitlesNamesAndLegends) {
    Diagram d;
    TableOptions o;
    o.titles = true;
    o.names = true;
    o.legends = true;
    o.abscissa = 2;
    o.labelPaint[document::PaintStyle::FillColour1] = 4242;
    o.yLabel = "Temp\xE9rature";
    const TableImportResult r = importClipboardTable(tableOf("Pression  haute\tTemps\t\r\n1\t2\t3\r\n"), o, d);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(r.points, 1);  // the first row is no record
    EXPECT_EQ(d.curves[0].title, "Pression haute");
    EXPECT_EQ(d.curves[0].axisName[1], "Pression haute");
    EXPECT_EQ(d.curves[0].legend, "Pression haute");
    EXPECT_EQ(d.curves[1].title, "Courbe n\xB0 2");  // its cell is empty
    EXPECT_EQ(d.curves[1].axisName[1], "Y");
    EXPECT_EQ(d.curves[1].legend, "");
    for (const auto& c : d.curves) EXPECT_EQ(c.axisName[0], "Temps");
    EXPECT_EQ(pointsOf(d, 0), (std::vector<Point>{{2, 1}}));
    EXPECT_EQ(pointsOf(d, 1), (std::vector<Point>{{2, 3}}));
    const auto& legends = d.labels[document::LegendSlot];
    EXPECT_EQ(legends.placement, 1);
    EXPECT_EQ(legends.lineCount, 1);
    EXPECT_EQ(legends.paint[document::PaintStyle::FillColour1], 4242);
    EXPECT_EQ(d.labels[4].text, "Temp\xE9rature");
    EXPECT_EQ(d.labels[4].placement, 4);
    EXPECT_EQ(d.labels[4].paint[document::PaintStyle::FillColour1], 4242);
}

}  // namespace
}  // namespace ordinax::exchange
