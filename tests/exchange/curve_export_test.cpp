// Curve export: formats, optional lines, line ends, code page, write failures.
#include <gtest/gtest.h>

#include "exchange/curve_export.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using document::Curve;
using document::Point;

Curve sample() {
    Curve c;
    c.title = "Essai \xE9t\xE9";  // "Essai été" in Windows-1252
    c.modified = "10/12/2026 (10:30)";
    c.axisName = {"Temps", "Vitesse"};
    c.points = document::PointBuffer(std::vector<Point>{{1, 0.5}, {2, 1e-7}});
    return c;
}

TEST(CurveExport, PointLinesInEachFormat) {
    // %G by hand: 1 -> "1", 0.5 -> "0.5", 1e-7 -> "1E-07" widened to three exponent digits.
    const struct {
        ExportFormat format;
        std::string_view text;
    } cases[] = {
        {ExportFormat::Csv, "1;0.5\n2;1E-007\n"},
        {ExportFormat::Blank, "1 0.5\n2 1E-007\n"},
        {ExportFormat::Tab, "1\t0.5\n2\t1E-007\n"},
        {ExportFormat::Dos, "1\t0.5\r\n2\t1E-007\r\n"},
    };
    for (const auto& c : cases) {
        ExportOptions o;
        o.format = c.format;
        EXPECT_EQ(exportText(sample(), o), c.text) << static_cast<int>(c.format);
    }
}

TEST(CurveExport, OptionalLinesInOrder) {
    ExportOptions o;
    o.title = o.date = o.names = true;
    EXPECT_EQ(exportText(sample(), o), "Essai \xE9t\xE9\n10/12/2026 (10:30)\nTemps;Vitesse\n1;0.5\n2;1E-007\n");

    ExportOptions names;
    names.names = true;
    names.coordinates = false;
    names.format = ExportFormat::Blank;
    EXPECT_EQ(exportText(sample(), names), "Temps Vitesse\n");
}

TEST(CurveExport, DosFormatWritesTextInTheDosCodePage) {
    ExportOptions o;
    o.title = true;
    o.coordinates = false;
    o.format = ExportFormat::Dos;
    // CP850: "é" is 0x82.
    EXPECT_EQ(exportText(sample(), o), "Essai \x82t\x82\r\n");
}

TEST(CurveExport, EmptyCurveGivesAnEmptyFile) {
    EXPECT_EQ(exportText(Curve{}, ExportOptions{}), "");
    testing::TempFolder folder;
    base::Message error;
    ASSERT_TRUE(exportCurve(folder.file("e.csv"), Curve{}, ExportOptions{}, error));
    EXPECT_EQ(testing::readAll(folder.file("e.csv")), "");
}

TEST(CurveExport, WritesAndReportsFailures) {
    testing::TempFolder folder;
    base::Message error;
    ASSERT_TRUE(exportCurve(folder.file("c.csv"), sample(), ExportOptions{}, error));
    EXPECT_EQ(testing::readAll(folder.file("c.csv")), "1;0.5\n2;1E-007\n");

    const std::string bad = folder.file("none/c.csv");
    EXPECT_FALSE(exportCurve(bad, sample(), ExportOptions{}, error));
    EXPECT_EQ(error.text, "Impossible d'enregistrer le fichier " + bad + " !\n\nLe dossier n'existe pas.");
    EXPECT_EQ(exportExtension(ExportFormat::Csv), "csv");
    EXPECT_EQ(exportExtension(ExportFormat::Dos), "txt");
}

TEST(CurveExport, LargeAndNegativeNumbers) {
    Curve c;
    c.points = document::PointBuffer(std::vector<Point>{{-1234567, 1e35}, {0.000123, -2.5e-300}});
    // %G by hand: six significant digits, exponent form below 1E-4 or from 1E6.
    EXPECT_EQ(exportText(c, ExportOptions{}), "-1.23457E+006;1E+035\n0.000123;-2.5E-300\n");
}

}  // namespace
}  // namespace ordinax::exchange
