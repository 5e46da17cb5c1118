// The calculation reports through the built ordinax-cli: `report` on fitted
// and Fourier curves, its report files, `fit --report` and `fourier --report`.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/encoding.h"
#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

class ReportCommand : public CommandTest {
protected:
    // The report printed by `report` (a JSON string, UTF-8).
    std::string reportText(const std::string& orx) {
        const RunResult r = run({"report", orx, "--curve", "0"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out).get<std::string>() : std::string();
    }
};

// y = 1 + 2x exactly: the least-squares line is a0 = 1, a1 = 2.
constexpr const char* LinePoints = "[[0, 1], [1, 3], [2, 5], [3, 7], [4, 9]]";

TEST_F(ReportCommand, RegressionReportRecomputesTheStoredModel) {
    // The stored fit is empty: the report comes from the recomputed one.
    buildCurve(LinePoints, "line.orx", R"("treatment": "LIN", )");
    const std::string text = reportText("line.orx");
    EXPECT_NE(text.find("a¶s0¶s = 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("a¶s1¶s = 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Linéaire"), std::string::npos);
    EXPECT_NE(text.find(": 5\n"), std::string::npos);  // number of points
    EXPECT_NE(text.find(": 3\n"), std::string::npos);  // degrees of freedom n - 2
    EXPECT_NE(text.find("écart-type"), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos) << text;
    EXPECT_EQ(text.find(":IF["), std::string::npos);
    EXPECT_EQ(text.find(":END["), std::string::npos);
}

TEST_F(ReportCommand, FourierReportWithItsHarmonicRows) {
    buildCurve("[[0, 0], [1, 1], [2, 0], [3, -1], [4, 0]]", "wave.orx",
               R"("treatment": "FOU", "fit": {"harmonicCount": 2}, )");
    const std::string text = reportText("wave.orx");
    // " 01" centred in the 9 columns of "   @N@   ": 3 blanks, the value, 3 blanks.
    EXPECT_NE(text.find("&    01   &"), std::string::npos) << text;
    EXPECT_NE(text.find("&    02   &"), std::string::npos) << text;
    EXPECT_EQ(text.find("&    03   &"), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos) << text;
}

TEST_F(ReportCommand, ReportFilesByExtension) {
    buildCurve(LinePoints, "line.orx", R"("treatment": "LIN", )");
    const std::string text = reportText("line.orx");
    for (const std::string name : {"note.txt", "note.CSV", "note.rtf"}) {
        const RunResult r = run({"report", "line.orx", "--curve", "0", "-o", name});
        ASSERT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(r.out, "") << name;
    }
    const std::string txt = readFile(file("note.txt"));
    EXPECT_NE(txt.find("a\xB6s1\xB6s = 2\n"), std::string::npos);  // Windows-1252 bytes
    EXPECT_EQ(base::windows1252ToUtf8(txt), text);
    const std::string csv = readFile(file("note.CSV"));
    EXPECT_EQ(csv.find('&'), std::string::npos);
    EXPECT_NE(csv.find("\r\n"), std::string::npos);
    EXPECT_EQ(readFile(file("note.rtf")).rfind("{\\rtf", 0), 0u);
}

TEST_F(ReportCommand, Refusals) {
    buildCurve(LinePoints, "plain.orx");
    RunResult r = run({"report", "plain.orx", "--curve", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("ERREUR\n\nLa courbe 0 n'est ni ajustée", 0), 0u) << r.err;

    buildCurve(LinePoints, "line.orx", R"("treatment": "LIN", )");
    r = run({"report", "line.orx", "--curve", "0", "-o", "note.doc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(file("note.doc")));

    r = run({"report", "line.orx", "--curve", "3"});
    EXPECT_EQ(r.status, 1);
    r = run({"report", "line.orx"});
    EXPECT_EQ(r.status, 2);
}

TEST_F(ReportCommand, FitAndFourierWriteTheirReports) {
    buildCurve(LinePoints, "line.orx");
    RunResult r = run({"fit", "line.orx", "--curve", "0", "--model", "LIN", "--report", "fit.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out)["model"], "LIN");
    EXPECT_NE(readFile(file("fit.txt")).find("a\xB6s1\xB6s = 2\n"), std::string::npos);

    buildCurve("[[0, 0], [1, 1], [2, 0], [3, -1], [4, 0]]", "wave.orx");
    r = run({"fourier", "wave.orx", "--curve", "0", "--harmonics", "1", "--report", "fou.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = readFile(file("fou.csv"));
    EXPECT_NE(csv.find("\r\n01;"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("\r\n02;"), std::string::npos);

    r = run({"fit", "line.orx", "--curve", "0", "--model", "LIN", "--report", "fit.pdf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(file("fit.pdf")));
}

}  // namespace
}  // namespace ordinax::cli::test
