// The function command through the built ordinax-cli: the curves it prints,
// the families, the refusals with their messages and the saved diagram.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/diagram_json.h"

namespace ordinax::cli::test {
namespace {

class FunctionCommand : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args) {
        args.insert(args.begin(), "function");
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }
    std::string file(const std::string& name) const { return folder_.file(name); }

    TempFolder folder_;
};

// By hand: 1/x at -1, 0, 1; the middle point fails and is 0.
TEST_F(FunctionCommand, OneCurveWithItsErrorCount) {
    const RunResult r = run({"--expr", "y=1/x", "--from", "-1", "--to", "1", "--points", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out), Json::parse(R"({"curves": [{"title": "Courbe n° 1", "parameter": null,
        "points": [[-1.0, -1.0], [0.0, 0.0], [1.0, 1.0]]}], "points": 3, "errors": 1})"));
    EXPECT_EQ(r.err,
              "ERREUR\n\nLe calcul de la fonction a provoqué 1 erreur mathématique\npour un nombre total de 3 points !"
              "\n\nA chaque erreur, y est affecté de la valeur 0.\n");
}

TEST_F(FunctionCommand, FamilyWithConstantsAndRadians) {
    const RunResult r = run({"--expr", "y=k*x+c", "--constants", "c=1", "--parameter", "k", "--domain", "1;5;10",
                             "--from", "0", "--to", "2", "--points", "2", "--radians", "-o", "f.orx"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const Json out = Json::parse(r.out);
    ASSERT_EQ(out["curves"].size(), 3u);
    // Worked by hand: y(2) = 2k + 1.
    const double ks[] = {1, 5, 10};
    const char* titles[] = {"Courbe n° 1 (k = 1)", "Courbe n° 2 (k = 5)", "Courbe n° 3 (k = 10)"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(out["curves"][i]["title"], titles[i]);
        EXPECT_EQ(out["curves"][i]["parameter"], ks[i]);
        EXPECT_EQ(out["curves"][i]["points"][1][1], 2 * ks[i] + 1);
    }
    EXPECT_EQ(out["points"], 6);

    // The saved diagram holds the family: one holder, three members, and the
    // function of a member recomputes the whole family.
    const RunResult info = runCli({"info", file("f.orx"), "--factory"}, folder_.path());
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(Json::parse(info.out)["curveCount"], 3);
    const RunResult again = runCli({"function", file("f.orx"), "--curve", "2", "--domain", "2/3/1", "--factory"},
                                   folder_.path());
    ASSERT_EQ(again.status, 0) << again.err;
    const Json family = Json::parse(again.out);
    ASSERT_EQ(family["curves"].size(), 2u);
    EXPECT_EQ(family["curves"][0]["title"], "Courbe n° 1 (k = 2)");
    EXPECT_EQ(family["curves"][1]["points"][1][1], 7.0);
}

TEST_F(FunctionCommand, RefusalsExitOneWithTheirMessage) {
    const RunResult syntax = run({"--expr", "y=2x"});
    EXPECT_EQ(syntax.status, 1);
    EXPECT_EQ(syntax.out, "");
    EXPECT_EQ(syntax.err, "ERREUR\n\n-> fonction y = f(x)\n\nErreur de syntaxe !\n");

    const RunResult constant = run({"--expr", "y=a*x", "--constants", "a=1;x=2"});
    EXPECT_EQ(constant.status, 1);
    EXPECT_EQ(constant.err, "ERREUR\n\n-> constante 2\n\nConstante x interdite !\n");

    const RunResult domain = run({"--expr", "y=a*x", "--parameter", "a", "--domain", "2/1/0.5"});
    EXPECT_EQ(domain.status, 1);
    EXPECT_EQ(domain.err,
              "ERREUR\n\n-> domaine de variation de la variable de paramètrage\n\nValeur extrême de variation "
              "supérieure\nou égale à l'origine !\n");

    const RunResult bounds = run({"--expr", "y=x", "--from", "1", "--to", "1"});
    EXPECT_EQ(bounds.status, 1);
    EXPECT_EQ(bounds.err, "ERREUR\n\nLes bornes définies pour le calcul\nde la fonction y = f(x) sont incorrectes !\n");

    EXPECT_EQ(run({"--expr", "y=x", "--points", "1"}).status, 1);
    EXPECT_EQ(run({"--expr", "y=x", "--from", "abc"}).status, 2);
}

// The text is taken as given unless --normalize asks for the field clean-up.
TEST_F(FunctionCommand, NormalizeIsAskedFor) {
    EXPECT_EQ(run({"--expr", "x^y1"}).status, 1);
    const RunResult cleaned = run({"--expr", "x^y1", "--normalize", "--points", "2", "--from", "0", "--to", "2"});
    ASSERT_EQ(cleaned.status, 0) << cleaned.err;
    EXPECT_EQ(Json::parse(cleaned.out)["curves"][0]["points"][1][1], 2.0);  // y=x^1 at x=2
}

}  // namespace
}  // namespace ordinax::cli::test
