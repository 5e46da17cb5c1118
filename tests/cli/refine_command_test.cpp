// `fit --refine` through the built ordinax-cli: the refined coefficients and
// statistics on the NIST DanWood and Eckerle4 data (certified values), the
// models that need no refinement, and the reports of refined curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using RefineJson = nlohmann::ordered_json;

// NIST StRD DanWood (y = b1·x^b2): the data and the certified values.
constexpr const char* DanWoodPoints =
    "[[1.309, 2.138], [1.471, 3.421], [1.490, 3.597], [1.565, 4.340], [1.611, 4.882], [1.680, 5.660]]";
constexpr double DanWoodB1 = 7.6886226176E-01, DanWoodB2 = 3.8604055871E+00;
constexpr double DanWoodDeviation1 = 1.8281973860E-02, DanWoodDeviation2 = 5.1726610913E-02;
constexpr double DanWoodSquares = 4.3173084083E-03;

void expectRelative(const RefineJson& value, double expected, double tolerance, const char* what) {
    ASSERT_TRUE(value.is_number()) << what << ": " << value.dump();
    EXPECT_LE(std::fabs(value.get<double>() - expected), tolerance * std::fabs(expected)) << what << ": " << value.dump();
}

class RefineCommand : public CommandTest {
protected:
    // The report printed by `report` (a JSON string, UTF-8).
    std::string reportText(const std::string& orx) {
        const RunResult r = run({"report", orx, "--curve", "0"});
        EXPECT_EQ(r.status, 0) << r.err;
        return r.status == 0 ? RefineJson::parse(r.out).get<std::string>() : std::string();
    }
};

TEST_F(RefineCommand, DanWoodGivesTheCertifiedFitWithItsIterations) {
    buildCurve(DanWoodPoints, "danwood.orx");
    const RunResult r = run({"fit", "danwood.orx", "--curve", "0", "--model", "PUI", "--refine"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const RefineJson fit = RefineJson::parse(r.out);
    expectRelative(fit["coefficients"][0], DanWoodB1, 1e-8, "b1");
    expectRelative(fit["coefficients"][1], DanWoodB2, 1e-8, "b2");
    EXPECT_EQ(fit["dof"], 4);
    const RefineJson& refinement = fit["refinement"];
    EXPECT_EQ(refinement["refined"], true);
    EXPECT_EQ(refinement["status"], "refined");
    EXPECT_GT(refinement["iterations"].get<int>(), 0);
    EXPECT_GE(refinement["evaluations"].get<int>(), refinement["iterations"].get<int>());
    expectRelative(refinement["sse"], DanWoodSquares, 1e-8, "SSE");
    EXPECT_GT(refinement["linearisedSse"].get<double>(), refinement["sse"].get<double>());
    expectRelative(refinement["standardErrors"][0], DanWoodDeviation1, 1e-6, "deviation of b1");
    expectRelative(refinement["standardErrors"][1], DanWoodDeviation2, 1e-6, "deviation of b2");
    // The variances and the standard errors are the same numbers.
    expectRelative(fit["variances"][1], DanWoodDeviation2 * DanWoodDeviation2, 1e-6, "variance of b2");
    EXPECT_FALSE(refinement["reason"].get<std::string>().empty());
}

TEST_F(RefineCommand, AModelWithoutStatisticsSwitchGetsThemWhenRefined) {
    // Eckerle4 is NOR (a0 = b1/b2, a1 = b3, a2 = -2·b2²), a model whose linearised fit has no statistics.
    buildCurve("[[400, 0.0001575], [405, 0.0001699], [410, 0.0002350], [415, 0.0003102], [420, 0.0004917], "
               "[425, 0.0008710], [430, 0.0017418], [435, 0.0046400], [436.5, 0.0065895], [438, 0.0097302], "
               "[439.5, 0.0149002], [441, 0.0237310], [442.5, 0.0401683], [444, 0.0712559], [445.5, 0.1264458], "
               "[447, 0.2073413], [448.5, 0.2902366], [450, 0.3445623], [451.5, 0.3698049], [453, 0.3668534], "
               "[454.5, 0.3106727], [456, 0.2078154], [457.5, 0.1164354], [459, 0.0616764], [460.5, 0.0337200], "
               "[462, 0.0194023], [463.5, 0.0117831], [465, 0.0074357], [470, 0.0022732], [475, 0.0008800], "
               "[480, 0.0004579], [485, 0.0002345], [490, 0.0001586], [495, 0.0001143], [500, 0.0000710]]",
               "eckerle.orx");
    RefineJson fit = RefineJson::parse(run({"fit", "eckerle.orx", "--curve", "0", "--model", "NOR"}).out);
    EXPECT_TRUE(fit["intervals"].is_null());
    const RunResult r = run({"fit", "eckerle.orx", "--curve", "0", "--model", "NOR", "--refine"});
    ASSERT_EQ(r.status, 0) << r.err;
    fit = RefineJson::parse(r.out);
    const double b1 = 1.5543827178E+00, b2 = 4.0888321754E+00, b3 = 4.5154121844E+02;
    expectRelative(fit["coefficients"][0], b1 / b2, 1e-8, "a0");
    expectRelative(fit["coefficients"][1], b3, 1e-8, "a1");
    expectRelative(fit["coefficients"][2], -2.0 * b2 * b2, 1e-8, "a2");
    expectRelative(fit["refinement"]["standardErrors"][1], 4.6800518816E-02, 1e-6, "deviation of b3");
    ASSERT_TRUE(fit["intervals"].is_array());
    EXPECT_LT(fit["intervals"][1][0].get<double>(), b3);
    EXPECT_GT(fit["intervals"][1][1].get<double>(), b3);
}

TEST_F(RefineCommand, ALinearModelKeepsItsFitWithARemark) {
    buildCurve("[[0, 1.1], [1, 2.9], [2, 5.2], [3, 6.8]]", "line.orx");
    const RunResult plain = run({"fit", "line.orx", "--curve", "0", "--model", "LIN"});
    const RunResult r = run({"fit", "line.orx", "--curve", "0", "--model", "LIN", "--refine"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "REMARQUE\n\nL'affinage par moindres carrés non linéaires est sans objet :\nle modèle est linéaire en ses "
              "coefficients, son ajustement minimise déjà les écarts en y.\n");
    const RefineJson fit = RefineJson::parse(r.out);
    EXPECT_EQ(fit["coefficients"], RefineJson::parse(plain.out)["coefficients"]);
    EXPECT_EQ(fit["refinement"]["refined"], false);
    EXPECT_EQ(fit["refinement"]["status"], "not-refinable");
    EXPECT_TRUE(fit["refinement"]["standardErrors"].is_null());
}

TEST_F(RefineCommand, TheReportSaysWhichFitItShows) {
    buildCurve(DanWoodPoints, "danwood.orx");
    RunResult r = run({"fit", "danwood.orx", "--curve", "0", "--model", "PUI", "--refine", "-o", "refined.orx",
                       "--report", "refined.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string file = readFile(this->file("refined.txt"));
    EXPECT_NE(file.find(" : moindres carr\xE9s non lin\xE9" "aires sur y\n"), std::string::npos) << file;

    // `report` refits the curve the way it was fitted: refined.
    std::string text = reportText("refined.orx");
    EXPECT_NE(text.find("Ajustement...................... : moindres carrés non linéaires sur y\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Affinage par moindres carrés non linéaires"), std::string::npos);
    EXPECT_NE(text.find("Itérations...................... : "), std::string::npos);
    EXPECT_NE(text.find("Arrêt........................... : "), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos) << text;

    // Fitted again without refinement, the curve forgets it.
    r = run({"fit", "refined.orx", "--curve", "0", "--model", "PUI", "-o", "plain.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    text = reportText("plain.orx");
    EXPECT_NE(text.find("Ajustement...................... : moindres carrés sur la forme linéarisée\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Affinage par moindres carrés non linéaires"), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos) << text;
}

}  // namespace
}  // namespace ordinax::cli::test
