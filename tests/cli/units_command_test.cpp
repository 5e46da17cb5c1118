// ordinax-cli units through the built binary: the database search, setting
// an axis unit by name, symbol or product of symbols, the conversion of the
// values, and the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_process.h"
#include "cli/command_fixture.h"

namespace ordinax::cli::test {
namespace {

using Json = nlohmann::ordered_json;

class UnitsCommand : public CommandTest {
protected:
    Json runJson(const std::vector<std::string>& args) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.status == 0 ? Json::parse(r.out) : Json();
    }

    Json curve(const std::string& orx) {
        const Json dump = runJson({"dump", orx});
        return dump.is_object() ? dump["curves"][0] : Json();
    }

    // Sets the y unit of curve 0 from `in` into `out`.
    RunResult setY(const std::string& in, const std::string& unit, const std::string& out, bool convert) {
        std::vector<std::string> args{"units", in, "--curve", "0", "--axis", "y", "--set", unit, "-o", out};
        if (convert) args.push_back("--convert");
        return run(args);
    }
};

TEST_F(UnitsCommand, SearchByNameFoldsAccents) {
    const Json found = runJson({"units", "--search", "KILOMETRE PAR HEURE"});
    ASSERT_EQ(found["matches"].size(), 1u) << found.dump();
    const Json& m = found["matches"][0];
    EXPECT_EQ(m["name"], "kilomètre par heure");
    EXPECT_EQ(m["expression"], "km/h");
    EXPECT_EQ(m["dimension"], "LT¶e-1¶e");
    EXPECT_EQ(m["line"], "km/h [kilomètre par heure] : Unités en usage avec le SI, Espace et temps, Vitesse");
}

TEST_F(UnitsCommand, SearchBySymbolWholeWordAndNoMatch) {
    const Json found = runJson({"units", "--search", "psi", "--symbol", "--whole-word"});
    ASSERT_EQ(found["matches"].size(), 1u) << found.dump();
    EXPECT_EQ(found["matches"][0]["name"], "livre-force par pouce carré");
    const Json part = runJson({"units", "--search", "psi", "--symbol"});
    EXPECT_EQ(part["matches"].size(), 2u);  // psi and kpsi
    const Json none = runJson({"units", "--search", "introuvable"});
    EXPECT_EQ(none["result"], "Pas d'occurrence");
    EXPECT_TRUE(none["matches"].empty());
}

TEST_F(UnitsCommand, CelsiusThenKelvinWithConversion) {
    buildCurve("[[0, 0], [1, 100]]", "t.orx");
    // Setting a unit where there was none is not a change: values stay.
    RunResult r = setY("t.orx", "degré Celsius", "c.orx", true);
    ASSERT_EQ(r.status, 0) << r.err;
    Json out = Json::parse(r.out);
    EXPECT_EQ(out["expression"], "°C");
    EXPECT_EQ(out["coefficient"], 1.0);
    EXPECT_EQ(out["offset"], 273.15);
    EXPECT_EQ(out["changed"], false);
    EXPECT_EQ(curve("c.orx")["points"], Json::parse("[[0, 0], [1, 100]]"));

    r = setY("c.orx", "K", "k.orx", true);
    ASSERT_EQ(r.status, 0) << r.err;
    out = Json::parse(r.out);
    EXPECT_EQ(out["expression"], "K");
    EXPECT_EQ(out["dimension"], "K");
    EXPECT_EQ(out["converted"], true);
    // 0 °C and 100 °C in kelvins: + 273.15.
    const Json points = curve("k.orx")["points"];
    EXPECT_DOUBLE_EQ(points[0][1].get<double>(), 273.15);
    EXPECT_DOUBLE_EQ(points[1][1].get<double>(), 373.15);
    EXPECT_EQ(points[1][0], 1.0);
    EXPECT_EQ(curve("k.orx")["unit"][1]["factorCount"], 1);
}

TEST_F(UnitsCommand, KeepValuesWithoutConvert) {
    buildCurve("[[0, 36]]", "v.orx");
    ASSERT_EQ(setY("v.orx", "km/h", "kmh.orx", false).status, 0);
    const RunResult r = setY("kmh.orx", "m/s", "ms.orx", false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out)["changed"], true);
    EXPECT_EQ(curve("ms.orx")["points"][0][1], 36.0);
    // With --convert: 36 km/h = 36000 m / 3600 s = 10 m/s.
    ASSERT_EQ(setY("kmh.orx", "m/s", "ms2.orx", true).status, 0);
    EXPECT_NEAR(curve("ms2.orx")["points"][0][1].get<double>(), 10.0, 1e-12);
}

TEST_F(UnitsCommand, ProductOfSymbols) {
    buildCurve("[[0, 1]]", "p.orx");
    const RunResult r = setY("p.orx", "kg.m/s2", "n.orx", false);
    ASSERT_EQ(r.status, 0) << r.err;
    const Json out = Json::parse(r.out);
    EXPECT_EQ(out["expression"], "kg*m/s¶e2¶e");
    EXPECT_EQ(out["dimension"], "LMT¶e-2¶e");
    EXPECT_DOUBLE_EQ(out["coefficient"].get<double>(), 1.0);
    // mm2: a multiple and an exponent on one symbol; (1e-3)^2.
    const RunResult mm2 = setY("p.orx", "mm2", "a.orx", false);
    ASSERT_EQ(mm2.status, 0) << mm2.err;
    EXPECT_NEAR(Json::parse(mm2.out)["coefficient"].get<double>(), 1e-6, 1e-21);
}

TEST_F(UnitsCommand, IncoherentChangeWarnsButProceeds) {
    buildCurve("[[0, 5]]", "i.orx");
    ASSERT_EQ(setY("i.orx", "K", "k.orx", false).status, 0);
    const RunResult r = setY("k.orx", "m", "m.orx", true);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "ATTENTION\n\nAttention : ces deux unités sont incohérentes !\n");
}

TEST_F(UnitsCommand, Refusals) {
    buildCurve("[[0, 5]]", "r.orx");
    RunResult r = setY("r.orx", "xyz", "o.orx", false);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ERREUR\n\nUnité inconnue : xyz\n");
    // Saving drops curves without points, so an empty curve is not found at all.
    buildCurve("[]", "empty.orx");
    EXPECT_EQ(setY("empty.orx", "m", "o.orx", false).status, 1);
    EXPECT_EQ(run({"units"}).status, 2);
    EXPECT_EQ(run({"units", "r.orx", "--axis", "y", "--set", "m"}).status, 2);
    EXPECT_EQ(run({"units", "r.orx", "--curve", "0", "--axis", "z", "--set", "m", "-o", "o.orx"}).status, 2);
    r = run({"units", "r.orx", "--curve", "3", "--axis", "y", "--set", "m", "-o", "o.orx"});
    EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace ordinax::cli::test
