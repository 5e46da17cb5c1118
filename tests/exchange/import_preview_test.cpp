// What the text-import dialog reads before any extraction: the head of the
// data file, the "?" guesses read from the file itself, and the small rules
// of its fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/diagram_defaults.h"
#include "exchange/import_preview.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
namespace {

using testing::TempFolder;

TEST(FilePreview, ReadsOnlyTheHead) {
    TempFolder folder;
    std::string text;
    for (int i = 1; i <= 50; ++i) text += "ligne " + std::to_string(i) + "\r\n";
    const std::string path = folder.write("long.txt", text);

    const FilePreview byLines = readFilePreview(path, 0, 1 << 20, 3);
    EXPECT_TRUE(byLines.found);
    EXPECT_TRUE(byLines.truncated);
    EXPECT_EQ(byLines.lines, (std::vector<std::string>{"ligne 1", "ligne 2", "ligne 3"}));
    EXPECT_EQ(byLines.fileSize, text.size());

    // 20 bytes hold "ligne 1\r\n" (9), "ligne 2\r\n" (9) and "li".
    const FilePreview byBytes = readFilePreview(path, 0, 20, 100);
    EXPECT_TRUE(byBytes.truncated);
    EXPECT_EQ(byBytes.lines, (std::vector<std::string>{"ligne 1", "ligne 2", "li"}));

    const FilePreview whole = readFilePreview(path, 0);
    EXPECT_FALSE(whole.truncated);
    EXPECT_EQ(whole.lines.size(), 50u);
    EXPECT_EQ(whole.lines.back(), "ligne 50");
}

TEST(FilePreview, DosLinesAndFilesThatCannotBeRead) {
    TempFolder folder;
    // "é" is 0x82 in code page 850 and 0xE9 in Windows-1252.
    const std::string path = folder.write("dos.txt", "caf\x82;1\n");
    EXPECT_EQ(readFilePreview(path, 1).lines, std::vector<std::string>{"caf\xE9;1"});
    EXPECT_EQ(readFilePreview(path, 0).lines, std::vector<std::string>{"caf\x82;1"});
    EXPECT_FALSE(readFilePreview(folder.file("absent.txt"), 0).found);
    EXPECT_FALSE(readFilePreview(std::filesystem::temp_directory_path().string(), 0).found);
    EXPECT_EQ(missingFileLine("/x/absent.txt"), "Le fichier \"/x/absent.txt\" est introuvable !");
    const FilePreview empty = readFilePreview(folder.write("vide.txt", ""), 0);
    EXPECT_TRUE(empty.found);
    EXPECT_TRUE(empty.lines.empty());
}

TEST(DetectionInFile, LooksAfterTheHeader) {
    TempFolder folder;
    const std::string path = folder.write("mesures.csv", "Essai du 3 mai\nt;P;T\n0,5;101,3;20\n1;101,1;21\n");
    ConversionProcedure p;
    p.headerLineCount = 2;
    p.separator = "TAB";
    ASSERT_TRUE(detectSeparatorInFile(path, p));
    // "0,5;101,3;20": the commas are decimal commas.
    EXPECT_EQ(p.separator, ";");
    ASSERT_TRUE(detectCoordinateCountInFile(path, p));
    EXPECT_EQ(p.coordinateCount, 3);
    p.headerLineCount = 0;
    ASSERT_TRUE(detectSeparatorInFile(path, p));
    EXPECT_EQ(p.separator, "ESPACE");  // "Essai du 3 mai"

    ConversionProcedure missing;
    EXPECT_FALSE(detectSeparatorInFile(folder.file("absent.csv"), missing));
    EXPECT_FALSE(detectCoordinateCountInFile(folder.file("absent.csv"), missing));
    EXPECT_EQ(missing, ConversionProcedure{});
}

TEST(DetectionInFile, SeriesInRowsCountAtMost999Lines) {
    TempFolder folder;
    std::string text = "en-tete\n1;2;3\n\n4;5;6\n";
    ConversionProcedure p;
    p.orientation = 1;
    p.headerLineCount = 1;
    ASSERT_TRUE(detectCoordinateCountInFile(folder.write("deux.txt", text), p));
    EXPECT_EQ(p.coordinateCount, 2);
    for (int i = 0; i < 1200; ++i) text += "7;8\n";
    ASSERT_TRUE(detectCoordinateCountInFile(folder.write("beaucoup.txt", text), p));
    EXPECT_EQ(p.coordinateCount, 999);
}

TEST(ImportDialogRules, LabelsFoldersAndClamps) {
    EXPECT_EQ(coordinateCountLabel(0), "Nombre de colonnes :");
    EXPECT_EQ(coordinateCountLabel(1), "Nombre de lignes :");
    EXPECT_EQ(importCaption(ImportMode::Diagram), "  Importer un diagramme depuis un fichier texte");
    EXPECT_EQ(importCaption(ImportMode::Curve), "  Importer une courbe depuis un fichier texte");

    TempFolder folder;
    const std::string procedure = folder.write("p.pca", "ORDINAX_6A\n");
    const std::string here = std::filesystem::path(procedure).parent_path().string();
    EXPECT_EQ(procedureStartFolder(procedure, "/defaut"), here);
    EXPECT_EQ(procedureStartFolder("/nulle/part/p.pca", "/defaut"), "/defaut");
    EXPECT_EQ(procedureStartFolder("", "/defaut"), "/defaut");

    ConversionProcedure odd;
    odd.headerLineCount = -4;
    odd.coordinateCount = 0;
    odd.xOrder = 5000;
    odd.sampling = 0;
    odd.numericBase = 40;
    odd.charSet = 7;
    odd.separator = " ";
    EXPECT_TRUE(clampProcedure(odd));
    EXPECT_EQ(odd.headerLineCount, 0);
    EXPECT_EQ(odd.coordinateCount, 1);
    EXPECT_EQ(odd.xOrder, 999);
    EXPECT_EQ(odd.sampling, 1);
    EXPECT_EQ(odd.numericBase, 16);
    EXPECT_EQ(odd.charSet, 0);
    EXPECT_EQ(odd.separator, "ESPACE");
    ConversionProcedure usual;
    EXPECT_FALSE(clampProcedure(usual));
}

TEST(ImportDialogRules, ImportedCurvesAreShownWithTheirScales) {
    document::Diagram d;
    document::DiagramDefaults defaults;
    document::resetDiagram(d, defaults);
    const std::string text = "1;10;-5\n2;30;-1\n4;20;-3\n";
    ASSERT_TRUE(extractDataFromText(text, ConversionProcedure{.coordinateCount = 3}, ImportMode::Diagram, -1, d).completed);
    ASSERT_EQ(d.curveCount(), document::MaxCurves);
    d.displayMode = 0;
    showImportedCurves(d, ImportMode::Diagram);
    ASSERT_EQ(d.curveCount(), 2);
    EXPECT_EQ(d.displayMode, 1);
    const document::AxisScale& x = d.scales.axis[0][static_cast<std::size_t>(d.scales.mainSide[0])];
    const document::AxisScale& y = d.scales.axis[1][static_cast<std::size_t>(d.scales.mainSide[1])];
    EXPECT_LE(x.origin, 1);
    EXPECT_GE(x.extremity, 4);
    EXPECT_LE(y.origin, -5);
    EXPECT_GE(y.extremity, 30);
}

}  // namespace
}  // namespace ordinax::exchange
