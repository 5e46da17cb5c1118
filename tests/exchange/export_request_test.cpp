// The file request of a curve export: filters and the starting path.
#include <gtest/gtest.h>

#include "exchange/export_request.h"

namespace ordinax::exchange {
namespace {

TEST(ExportRequest, FiltersOfTheFourFormats) {
    EXPECT_EQ(exportFilter(ExportFormat::Csv), "CSV (*.csv)|*.csv||");
    EXPECT_EQ(exportFilterLabel(ExportFormat::Blank), "Texte (sép. esp.) (*.txt)");
    EXPECT_EQ(exportFilterLabel(ExportFormat::Tab), "Texte (sép. tab) (*.txt)");
    EXPECT_EQ(exportFilter(ExportFormat::Dos), "Texte (DOS) (*.txt)|*.txt||");
}

TEST(ExportRequest, StartsFromTheLastExportWithTheFormatsExtension) {
    auto exists = [](const std::filesystem::path& p) { return p == "/data/mesures"; };
    EXPECT_EQ(exportStartPath("/data/mesures/essai.csv", ExportFormat::Tab, "/exports", "d.orx", 0, exists),
              std::filesystem::path("/data/mesures/essai.txt"));
    // The last folder was removed since: the name stays, the folder is the default one.
    EXPECT_EQ(exportStartPath("/old/essai.txt", ExportFormat::Csv, "/exports", "d.orx", 0, exists),
              std::filesystem::path("/exports/essai.csv"));
    // No export yet: the diagram's name and the curve's number.
    EXPECT_EQ(exportStartPath("", ExportFormat::Csv, "/exports", "essai.orx", 2, exists),
              std::filesystem::path("/exports/essai_03.csv"));
    EXPECT_EQ(exportStartPath("", ExportFormat::Dos, "/exports", "", 11, exists),
              std::filesystem::path("/exports/Courbe_12.txt"));
}

TEST(ExportRequest, ChosenNameWithoutExtensionGetsTheFormats) {
    EXPECT_EQ(withExportExtension("/a/b", ExportFormat::Csv), std::filesystem::path("/a/b.csv"));
    EXPECT_EQ(withExportExtension("/a/b.dat", ExportFormat::Csv), std::filesystem::path("/a/b.dat"));
}

}  // namespace
}  // namespace ordinax::exchange
