// The regression commands through the built ordinax-cli: fit, rank, residuals
// and value on diagrams built from JSON, their refusals and exit statuses,
// and where the program finds its regression catalogue.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

constexpr double Tight = 1e-12;

// The regression messages as the string table builds them (heading, blank line, text).
std::string fitRefusal(const std::string& reason) {
    return "ERREUR\n\nLe calcul de la régression a été interrompu !\n\n\"" + reason + "\".\n";
}

class FitCommands : public CommandTest {
protected:
    Json runJson(const std::vector<std::string>& args) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.status == 0 ? Json::parse(r.out) : Json();
    }

    Json dumpCurve(const std::string& orx, int curve) {
        const Json dump = runJson({"dump", orx});
        return dump.is_object() ? dump["curves"][static_cast<std::size_t>(curve)] : Json();
    }
};

void expectNumbers(const Json& actual, const std::vector<double>& expected, const char* what) {
    ASSERT_TRUE(actual.is_array()) << what << ": " << actual.dump();
    ASSERT_EQ(actual.size(), expected.size()) << what << ": " << actual.dump();
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i].get<double>(), expected[i], Tight) << what << "[" << i << "]";
}

TEST_F(FitCommands, LinOnAnExactLinePrintsEveryField) {
    // y = 1 + 2x exactly.
    buildCurve("[[0, 1], [1, 3], [2, 5], [3, 7]]", "line.orx");
    const Json fit = runJson({"fit", "line.orx", "--curve", "0", "--model", "LIN"});
    ASSERT_TRUE(fit.is_object());

    std::vector<std::string> keys;
    for (auto item = fit.begin(); item != fit.end(); ++item) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"model", "coefficients", "linear", "r2", "correlation", "dof", "n",
                                              "studentT", "fValue", "meanX", "meanY", "varX", "varY", "residualVar",
                                              "explainedVar", "variances", "intervals"}));
    // By hand: slope 2 and intercept 1; n = 4, one regressor, so dof = 4 - 1 - 1;
    // x: mean 1.5, population variance 14/4 - 2.25; y: mean 4, variance 84/4 - 16.
    EXPECT_EQ(fit["model"], "LIN");
    expectNumbers(fit["coefficients"], {1.0, 2.0}, "coefficients");
    expectNumbers(fit["linear"], {1.0, 2.0}, "linear");
    EXPECT_NEAR(fit["r2"].get<double>(), 1.0, Tight);
    EXPECT_NEAR(fit["correlation"].get<double>(), 1.0, Tight);
    EXPECT_EQ(fit["dof"], 2);
    EXPECT_EQ(fit["n"], 4);
    EXPECT_EQ(fit["fValue"], -1.0);  // a perfect fit has no F value
    // Student's t, 95 %, two degrees of freedom: sqrt(2 / (0.05 * 1.95) - 2), the exact form for dof 2.
    EXPECT_NEAR(fit["studentT"].get<double>(), std::sqrt(2.0 / (0.05 * 1.95) - 2.0), 1e-9);
    EXPECT_NEAR(fit["meanX"].get<double>(), 1.5, Tight);
    EXPECT_NEAR(fit["meanY"].get<double>(), 4.0, Tight);
    EXPECT_NEAR(fit["varX"].get<double>(), 1.25, Tight);
    EXPECT_NEAR(fit["varY"].get<double>(), 5.0, Tight);
    EXPECT_NEAR(fit["residualVar"].get<double>(), 0.0, Tight);
    EXPECT_NEAR(fit["explainedVar"].get<double>(), 5.0, Tight);
    // No residual: the intervals collapse onto the coefficients.
    expectNumbers(fit["variances"], {0.0, 0.0}, "variances");
    ASSERT_EQ(fit["intervals"].size(), 2u);
    expectNumbers(fit["intervals"][0], {1.0, 1.0}, "interval a0");
    expectNumbers(fit["intervals"][1], {2.0, 2.0}, "interval a1");

    // Without -o nothing is written, the input included.
    const std::string before = readFile(file("line.orx"));
    EXPECT_EQ(dumpCurve("line.orx", 0)["treatment"], nullptr);
    EXPECT_TRUE(readFile(file("line.orx")) == before);
}

TEST_F(FitCommands, NoisyLineWithConfidenceIsStoredWithOutput) {
    buildCurve("[[0, 0], [1, 1], [2, 1], [3, 2]]", "noisy.orx");
    const std::string before = readFile(file("noisy.orx"));
    const Json fit = runJson({"fit", "noisy.orx", "--curve", "0", "--model", "LIN", "--confidence", "90", "-o",
                              "fitted.orx"});
    ASSERT_TRUE(fit.is_object());
    // By hand: Sxx = 5, Sxy = 3, slope 0.6, intercept 1 - 0.6 * 1.5 = 0.1; residuals
    // -0.1, 0.3, -0.3, 0.1 give SSE 0.2, residual variance 0.2 / 2; SST = 2, so
    // r2 = 1 - (0.2 / 2) * 3 / 2 adjusted for the two coefficients. Variances:
    // slope 0.1 / 5, intercept 0.1 * (1/4 + 1.5² / 5). t for 90 %, dof 2:
    // sqrt(2 / (0.1 * 1.9) - 2).
    const double t = std::sqrt(2.0 / (0.1 * 1.9) - 2.0);
    expectNumbers(fit["coefficients"], {0.1, 0.6}, "coefficients");
    EXPECT_NEAR(fit["r2"].get<double>(), 0.85, Tight);
    EXPECT_NEAR(fit["correlation"].get<double>(), std::sqrt(0.85), Tight);
    EXPECT_NEAR(fit["residualVar"].get<double>(), 0.1, Tight);
    EXPECT_NEAR(fit["varY"].get<double>(), 0.5, Tight);
    EXPECT_NEAR(fit["explainedVar"].get<double>(), 0.4, Tight);
    EXPECT_NEAR(fit["studentT"].get<double>(), t, 1e-9);
    expectNumbers(fit["variances"], {0.07, 0.02}, "variances");
    expectNumbers(fit["intervals"][0], {0.1 - t * std::sqrt(0.07), 0.1 + t * std::sqrt(0.07)}, "interval a0");
    expectNumbers(fit["intervals"][1], {0.6 - t * std::sqrt(0.02), 0.6 + t * std::sqrt(0.02)}, "interval a1");

    // The input stays as it was; the output holds the treatment, the level and the fit record.
    EXPECT_TRUE(readFile(file("noisy.orx")) == before);
    const Json curve = dumpCurve("fitted.orx", 0);
    EXPECT_EQ(curve["treatment"], "LIN");
    EXPECT_EQ(curve["confidence"], 90.0);
    EXPECT_NEAR(curve["fit"]["coefficient"][0].get<double>(), 0.1, Tight);
    EXPECT_NEAR(curve["fit"]["coefficient"][1].get<double>(), 0.6, Tight);
    EXPECT_NEAR(curve["fit"]["studentT"].get<double>(), t, 1e-9);
    EXPECT_NEAR(curve["fit"]["residualVar"].get<double>(), 0.1, Tight);
    EXPECT_NEAR(curve["fit"]["detail"][1].get<double>(), 0.02, Tight);
}

TEST_F(FitCommands, FixedParametersComeFromTheOptions) {
    // y = 2x - 1 passes through (1, 1): LINTP with r = 1, s = 1 finds the slope
    // 2 and a0 = s - a1 * r = -1 by hand.
    buildCurve("[[0, -1], [2, 3], [3, 5]]", "tp.orx");
    const Json fit = runJson({"fit", "tp.orx", "--curve", "0", "--model", "LINTP", "--r", "1", "--s", "1", "-o",
                              "tp-fit.orx"});
    ASSERT_TRUE(fit.is_object());
    expectNumbers(fit["coefficients"], {-1.0, 2.0}, "coefficients");
    EXPECT_EQ(dumpCurve("tp-fit.orx", 0)["fit"]["stats"], Json::parse("[1.0, 1.0, 0.0]"));
}

TEST_F(FitCommands, ModelWithoutStatisticsSwitchHasNoIntervals) {
    // y = 1 / (1 + x) exactly: RECLIN gives a0 = 1, a1 = 1. The shipped
    // catalogue does not set the statistics switch of RECLIN.
    buildCurve("[[0, 1], [1, 0.5], [3, 0.25]]", "rec.orx");
    const Json fit = runJson({"fit", "rec.orx", "--curve", "0", "--model", "reclin"});
    ASSERT_TRUE(fit.is_object());
    EXPECT_EQ(fit["model"], "RECLIN");
    expectNumbers(fit["coefficients"], {1.0, 1.0}, "coefficients");
    for (const char* key : {"studentT", "fValue", "variances", "intervals"}) EXPECT_TRUE(fit[key].is_null()) << key;
}

TEST_F(FitCommands, DataRulesRefuseTheFitWithTheirMessage) {
    struct Case {
        const char* model;
        const char* points;
        std::string err;
    };
    const Case cases[] = {
        {"LOG", "[[0, 1], [1, 2], [2, 3]]", fitRefusal("Valeur nulle")},
        {"LOG", "[[-1, 1], [1, 2], [2, 3]]", fitRefusal("Valeur négative")},
        {"EXP", "[[1, 1], [2, -2], [3, 3]]", fitRefusal("Valeur négative")},
        {"BETA", "[[0.5, 1], [1, 2], [0.2, 3]]", fitRefusal("Valeur supérieure ou égale à 1")},
        {"LIN", "[[2, 1], [2, 2], [2, 3]]", fitRefusal("Modèle de régression inadapté")},
        {"LIN", "[[1, 1]]", "ERREUR\n\nLe calcul de la régression est impossible !\n\n\"Nombre insuffisant de points\".\n"},
    };
    for (const Case& c : cases) {
        buildCurve(c.points, "refused.orx");
        const RunResult r = run({"fit", "refused.orx", "--curve", "0", "--model", c.model, "-o", "out.orx"});
        EXPECT_EQ(r.status, 1) << c.model << " " << c.points;
        EXPECT_EQ(r.err, c.err) << c.model << " " << c.points;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(file("out.orx"))) << c.model << " " << c.points;
    }
}

TEST_F(FitCommands, ModelCodesAndOptionValues) {
    buildCurve("[[1, 2], [2, 8], [3, 18]]", "pow.orx");
    // Codes are read as in files: blanks trimmed, any case, POW for PUI.
    EXPECT_EQ(runJson({"fit", "pow.orx", "--curve", "0", "--model", " pow "})["model"], "PUI");

    // Unknown codes, kinds that are not regression models and bad numbers are usage errors.
    const std::vector<std::vector<std::string>> usageErrors = {
        {"--model", "XYZ"},
        {"--model", "JPP"},
        {"--model", "FOU"},
        {"--model", ""},
        {"--model", "LIN", "--confidence", "100"},
        {"--model", "LIN", "--confidence", "0"},
        {"--model", "LIN", "--confidence", "9O"},
        {"--model", "LINTP", "--r", "1,5"},
    };
    for (const auto& options : usageErrors) {
        std::vector<std::string> args = {"fit", "pow.orx", "--curve", "0"};
        args.insert(args.end(), options.begin(), options.end());
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << options[1] << " " << options.back();
        EXPECT_EQ(r.err.rfind("Erreur d'utilisation : ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_NE(run({"fit", "pow.orx", "--curve", "0", "--model", "XYZ"}).err.find("modèle de régression inconnu « XYZ »"),
              std::string::npos);
}

TEST_F(FitCommands, RankPutsTheExactPolynomialFirst) {
    // y = x² - 2x + 3 exactly; x = 0 and negative x leave out the models of ln x and 1/x.
    buildCurve("[[-2, 11], [-1, 6], [0, 3], [1, 2], [2, 3], [3, 6]]", "quad.orx");
    const Json rank = runJson({"rank", "quad.orx", "--curve", "0"});
    ASSERT_TRUE(rank.is_array());
    ASSERT_FALSE(rank.empty());
    EXPECT_EQ(rank[0]["code"], "POL2");
    EXPECT_NEAR(rank[0]["r2"].get<double>(), 1.0, Tight);
    bool sawLin = false;
    for (std::size_t i = 0; i < rank.size(); ++i) {
        const Json& entry = rank[i];
        ASSERT_EQ(entry.size(), 3u) << entry.dump();
        EXPECT_FALSE(entry["name"].get<std::string>().empty()) << entry.dump();
        EXPECT_GT(entry["r2"].get<double>(), 0.0);
        if (i > 0) {
            EXPECT_LE(entry["r2"].get<double>(), rank[i - 1]["r2"].get<double>()) << "not sorted at " << i;
        }
        for (const char* excluded : {"LOG", "HYP", "PUI", "LINTP", "POL6"}) EXPECT_NE(entry["code"], excluded);
        if (entry["code"] == "LIN") {
            sawLin = true;
            EXPECT_LT(entry["r2"].get<double>(), 0.5);  // a parabola is far from a line
        }
    }
    EXPECT_TRUE(sawLin);

    // All x equal: nothing to compare.
    buildCurve("[[1, 1], [1, 2], [1, 3]]", "vertical.orx");
    EXPECT_EQ(runJson({"rank", "vertical.orx", "--curve", "0"}), Json::array());
}

TEST_F(FitCommands, ResidualsAddACurveThatInfoShows) {
    // The noisy line of above, given unsorted: the residuals come sorted by x,
    // y - (0.1 + 0.6 x) worked by hand.
    buildCurve("[[3, 2], [0, 0], [2, 1], [1, 1]]", "noisy.orx");
    ASSERT_EQ(run({"fit", "noisy.orx", "--curve", "0", "--model", "LIN", "-o", "fitted.orx"}).status, 0);
    const Json residuals = runJson({"residuals", "fitted.orx", "--curve", "0", "-o", "res.orx"});
    ASSERT_TRUE(residuals.is_object());
    EXPECT_EQ(residuals["curve"], 1);
    EXPECT_EQ(residuals["title"], "Résiduels de Mesures");
    const std::vector<std::vector<double>> expected = {{0, -0.1}, {1, 0.3}, {2, -0.3}, {3, 0.1}};
    ASSERT_EQ(residuals["points"].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) expectNumbers(residuals["points"][i], expected[i], "point");

    const Json info = runJson({"info", "res.orx"});
    ASSERT_TRUE(info.is_object());
    EXPECT_EQ(info["curveCount"], 2);
    EXPECT_EQ(info["curves"][0]["treatment"], "LIN");
    EXPECT_EQ(info["curves"][1]["title"], "Résiduels de Mesures");
    EXPECT_EQ(info["curves"][1]["treatment"], "JPP");
    EXPECT_EQ(info["curves"][1]["pointCount"], 4);
}

TEST_F(FitCommands, ResidualsAreRefusedWithTheirMessage) {
    buildCurve("[[0, 0], [1, 1], [2, 1]]", "plain.orx", R"("treatment": "SPC", )");
    RunResult r = run({"residuals", "plain.orx", "--curve", "0", "-o", "out.orx"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nLa courbe 0 n'est pas ajustée : appliquez d'abord un modèle de régression.\n");
    EXPECT_FALSE(std::filesystem::exists(file("out.orx")));

    // -o is required: the command modifies the diagram.
    EXPECT_EQ(run({"residuals", "plain.orx", "--curve", "0"}).status, 2);

    // A stored RECLIN fit y = 1 / (1 + x) and a point at x = -1: the model
    // divides by zero there and the new curve is given up.
    buildCurve("[[0, 1], [1, 0.5], [3, 0.25]]", "rec.orx");
    ASSERT_EQ(run({"fit", "rec.orx", "--curve", "0", "--model", "RECLIN", "-o", "rec-fit.orx"}).status, 0);
    Json dump = runJson({"dump", "rec-fit.orx"});
    ASSERT_TRUE(dump.is_object());
    dump["curves"][0]["points"].push_back(Json::array({-1.0, 2.0}));
    dump["curves"][0]["pointCount"] = 4;
    writeFile(file("pole.json"), dump.dump());
    ASSERT_EQ(run({"build", "pole.json", "-o", "pole.orx"}).status, 0);
    r = run({"residuals", "pole.orx", "--curve", "0", "-o", "out.orx"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nImpossible de créer la courbe des résiduels !\n\nErreur mathématique.\n");
    EXPECT_FALSE(std::filesystem::exists(file("out.orx")));
}

TEST_F(FitCommands, ValueOfTheStoredModel) {
    build(R"({"curves": [
        {"title": "A", "points": [[0, 0], [1, 1], [2, 1], [3, 2]]},
        {"title": "B", "treatment": "SPC", "points": [[0, 0], [1, 1], [2, 1], [3, 2]]}]})",
          "two.orx");
    ASSERT_EQ(run({"fit", "two.orx", "--curve", "0", "--model", "LIN", "-o", "two-fit.orx"}).status, 0);
    // 0.1 + 0.6 x at x = 10 and x = -2.5, by hand.
    EXPECT_NEAR(runJson({"value", "two-fit.orx", "--curve", "0", "--x", "10"})["y"].get<double>(), 6.1, Tight);
    EXPECT_NEAR(runJson({"value", "two-fit.orx", "--curve", "0", "--x", "-2.5"})["y"].get<double>(), -1.4, Tight);
    // No model: not available.
    EXPECT_EQ(runJson({"value", "two-fit.orx", "--curve", "1", "--x", "1"}), Json::parse(R"({"y": null})"));
    EXPECT_EQ(runJson({"value", "two.orx", "--curve", "0", "--x", "1"}), Json::parse(R"({"y": null})"));

    // RECLIN y = 1 / (1 + x): 0.5 at x = 1, a division by zero at x = -1.
    buildCurve("[[0, 1], [1, 0.5], [3, 0.25]]", "rec.orx");
    ASSERT_EQ(run({"fit", "rec.orx", "--curve", "0", "--model", "RECLIN", "-o", "rec-fit.orx"}).status, 0);
    EXPECT_NEAR(runJson({"value", "rec-fit.orx", "--curve", "0", "--x", "1"})["y"].get<double>(), 0.5, Tight);
    EXPECT_EQ(runJson({"value", "rec-fit.orx", "--curve", "0", "--x", "-1"}), Json::parse(R"({"y": null})"));

    EXPECT_EQ(run({"value", "rec-fit.orx", "--curve", "0", "--x", "abc"}).status, 2);
}

TEST_F(FitCommands, CurveNumberOutsideTheDiagram) {
    buildCurve("[[0, 0], [1, 1], [2, 1]]", "one.orx");
    const std::vector<std::vector<std::string>> commands = {
        {"fit", "one.orx", "--curve", "1", "--model", "LIN"},
        {"rank", "one.orx", "--curve", "1"},
        {"residuals", "one.orx", "--curve", "7", "-o", "out.orx"},
        {"value", "one.orx", "--curve", "1", "--x", "0"},
    };
    for (const auto& args : commands) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, "ERREUR\n\nLa courbe " + args[3] + " n'existe pas dans ce diagramme.\n") << args[0];
        EXPECT_EQ(r.out, "") << args[0];
    }
    EXPECT_EQ(run({"rank", "one.orx", "--curve", "-1"}).status, 2);
    EXPECT_EQ(run({"rank", "one.orx"}).status, 2);
}

// The catalogue is looked up beside the executable, then in ../share/ordinax/:
// a copy of the program in a folder of its own shows both and the failure.
TEST(FitCatalogue, FoundBesideTheProgramOrInShare) {
    namespace fs = std::filesystem;
    TempFolder folder;
    const fs::path bin = folder.path() / "bin";
    fs::create_directories(bin);
    fs::copy_file(ORDINAX_CLI_PATH, bin / "ordinax-cli");
    fs::permissions(bin / "ordinax-cli", fs::perms::owner_all);
    const fs::path shipped = fs::path(ORDINAX_CLI_PATH).parent_path() / "ORX_LISS.MSK";
    writeFile(folder.file("d.json"), R"({"curves": [{"points": [[0, 1], [1, 3], [2, 5]]}]})");
    ASSERT_EQ(runCli({"build", "d.json", "-o", "d.orx", "--factory"}, folder.path()).status, 0);

    // Runs the copy through the shell; standard error lands in err.txt.
    const auto rank = [&] {
        const std::string command = "cd '" + folder.path().string() + "' && XDG_CONFIG_HOME=config QT_QPA_PLATFORM=offscreen "
                                    "./bin/ordinax-cli rank d.orx --curve 0 --factory >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };

    EXPECT_EQ(rank(), 1);
    const std::string missing = (bin / "ORX_LISS.MSK").string();
    EXPECT_EQ(readFile(folder.file("err.txt")),
              "ERREUR\n\nImpossible d'ouvrir le fichier " + missing + " !\n\nLe fichier n'existe pas.\n");

    fs::create_directories(folder.path() / "share" / "ordinax");
    fs::copy_file(shipped, folder.path() / "share" / "ordinax" / "ORX_LISS.MSK");
    ASSERT_EQ(rank(), 0) << readFile(folder.file("err.txt"));
    // Three points of a line: several models fit them exactly, LIN among them.
    const Json ranking = Json::parse(readFile(folder.file("out.txt")));
    bool sawLin = false;
    for (const Json& entry : ranking)
        if (entry["code"] == "LIN") sawLin = std::abs(entry["r2"].get<double>() - 1.0) < Tight;
    EXPECT_TRUE(sawLin) << ranking.dump();
}

}  // namespace
}  // namespace ordinax::cli::test
