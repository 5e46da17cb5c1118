// Reading the units database: single lines, the lists and their limits, and
// the shipped database file as a whole (every line read, every unit's
// dimension that of its quantity, real conversions).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "base/encoding.h"
#include "unit_builder.h"
#include "units/unit_database.h"

namespace ordinax::units::test {
namespace {

const std::string KmPerHourLine =
    "12\t1\t2\t3\t4\tkilom\xE8tre par heure\t*|k|m|1&/|1|h|1\t0\t0\t0.2777777777777778\t0\t1|0|-1|0|0|0|0|0|0";

TEST(UnitDatabaseLine, ReadsEveryField) {
    const auto unit = parseUnitLine(KmPerHourLine + "\r");
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->name, "kilom\xE8tre par heure");
    EXPECT_EQ(unit->flag, 1);
    const UnitDef& d = unit->definition;
    EXPECT_EQ(d.factorCount, 2);
    EXPECT_EQ(d.reference[0], 12);
    EXPECT_EQ(d.reference[1], -1);
    EXPECT_EQ(d.system[0], 2);
    EXPECT_EQ(d.category[0], 3);
    EXPECT_EQ(d.quantity[0], 4);
    EXPECT_EQ(d.quantity[1], 0);
    EXPECT_EQ(d.denominator[1], 1);
    EXPECT_EQ(fieldText(d.prefix[0]), "k");
    EXPECT_EQ(fieldText(d.symbol[1]), "h");
    EXPECT_EQ(d.coefficient[0], 0.2777777777777778);
    EXPECT_EQ(d.dimension[0], dims(1, 0, -1));
    EXPECT_EQ(unitExpression(d), "\x82km\x82/h\x82");
    EXPECT_DOUBLE_EQ(coefficientSI(d).coefficient, 1.0 / 3.6);
}

TEST(UnitDatabaseLine, LeadingBarsAndEmptyIntegers) {
    const auto unit = parseUnitLine("5\t\t1\t1\t1\tm\xE8tre\t||*|1|m|1\t1\t1\t1\t\t1|0|0|0|0|0|0|0|0");
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->flag, 0);
    EXPECT_EQ(unit->definition.offset[0], 0.0);
    EXPECT_EQ(fieldText(unit->definition.symbol[0]), "m");
    EXPECT_EQ(unit->definition.prefixAllowed[0], 1);
}

TEST(UnitDatabaseLine, RefusesMalformedLines) {
    const std::string tail = "\t0\t0\t1\t0\t1|0|0|0|0|0|0|0|0";
    const std::string head = "1\t0\t1\t1\t1\tnom\t";
    const char* eleven = "*|1|a|1&*|1|b|1&*|1|c|1&*|1|d|1&*|1|e|1&*|1|f|1&*|1|g|1&*|1|h|1&*|1|i|1&*|1|j|1&*|1|k|1";
    const std::string cases[] = {
        head + "*|1|m|1\t0\t0\t1\t0",                              // fewer than twelve fields
        "x" + head + "*|1|m|1" + tail,                            // reference not a number
        "-1\t0\t1\t1\t1\tnom\t*|1|m|1" + tail,                    // reference of a detail factor
        head + eleven + tail,                                     // eleven factors
        head + "*|1|abcdefghijklmnopqrstuvwx|1" + tail,           // symbol of 24 characters
        head + "*|kkk|m|1" + tail,                                // prefix of 3 characters
        head + "*|1|m|1234" + tail,                               // exponent of 4 characters
        head + "*|1||1" + tail,                                   // no symbol
        head + "*|1|m" + tail,                                    // factor of three parts
        head + "*|1|m|1\t0\t0\tabc\t0\t1|0|0|0|0|0|0|0|0",        // coefficient not a number
        head + "*|1|m|1\t0\t0\tinf\t0\t1|0|0|0|0|0|0|0|0",        // infinite coefficient
        head + "*|1|m|1\t0\t0\t1\t0\t1|0|0|0|0|0|0|0",            // eight dimension exponents
        head + "*|1|m|1\t0\t0\t1\t0\t1|0|0|0|x|0|0|0|0",          // dimension not a number
    };
    for (const std::string& line : cases) EXPECT_FALSE(parseUnitLine(line)) << line;
}

TEST(UnitDatabaseText, ListsTheirLimitsAndRejectedUnits) {
    std::string text = "Titre\n";
    for (int i = 1; i <= 9; ++i) text += "Syst\xE8me " + std::to_string(i) + "\n";
    text += ".\nCat\xE9gorie\n.\nLongueur\n.\n";
    text += "1\t0\t7\t1\t1\tm\xE8tre\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n";
    text += "2\t0\t8\t1\t1\tautre\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n";  // system 8 was not kept
    text += "3\t0\t1\t1\t2\tautre\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n";  // no quantity 2
    text += "\n";
    text += "4\t0\t1\t1\t1\tmal form\xE9\n";
    text += ".\n5\t0\t1\t1\t1\tapr\xE8s\t*|1|m|1\t1\t1\t1\t0\t1|0|0|0|0|0|0|0|0\n";  // after the end
    const UnitDatabase db = parseUnitDatabase(text);
    EXPECT_EQ(db.title, "Titre");
    ASSERT_EQ(db.systems.size(), 7u);
    EXPECT_EQ(db.systems.back(), "Syst\xE8me 7");
    EXPECT_EQ(db.categories.size(), 1u);
    ASSERT_EQ(db.units.size(), 1u);
    EXPECT_EQ(db.units[0].name, "m\xE8tre");
    EXPECT_EQ(systemName(db, db.units[0]), "Syst\xE8me 7");
    EXPECT_EQ(quantityName(db, db.units[0]), "Longueur");
    EXPECT_EQ(db.rejectedLines, 3);
}

TEST(UnitDatabaseText, TruncatedAndEmptyTexts) {
    EXPECT_TRUE(parseUnitDatabase("").units.empty());
    EXPECT_EQ(parseUnitDatabase("Titre\nSI\n").systems.size(), 1u);  // no "." line: the list ends with the text
}

TEST(UnitDatabaseFile, MissingFileGivesTheMessage) {
    const UnitDatabaseLoad load = loadUnitDatabase("/nonexistent/UNIT.SRC");
    EXPECT_FALSE(load.database);
    EXPECT_EQ(load.message.formatted(),
              "ERREUR\n\nImpossible de charger la base de donn\xC3\xA9" "es des unit\xC3\xA9s !\n\nLe fichier n'existe pas.");
}

// ---- the shipped database

class ShippedDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        UnitDatabaseLoad load = loadUnitDatabase(std::string(ORDINAX_DATA_DIR) + "/UNIT.SRC");
        ASSERT_TRUE(load.database) << load.message.formatted();
        database_ = new UnitDatabase(std::move(*load.database));
    }
    static void TearDownTestSuite() {
        delete database_;
        database_ = nullptr;
    }

    // The unit of that (UTF-8) name; fails the test when it is missing.
    static const UnitDef& unit(const std::string& utf8Name) {
        const std::string name = base::utf8ToWindows1252(utf8Name).value_or("?");
        for (const GenericUnit& u : database_->units)
            if (u.name == name) return u.definition;
        ADD_FAILURE() << "no unit " << utf8Name;
        static const UnitDef none;
        return none;
    }

    static const UnitDatabase* database_;
};

const UnitDatabase* ShippedDatabase::database_ = nullptr;

TEST_F(ShippedDatabase, EveryLineIsReadAndReferencesAreUnique) {
    const UnitDatabase& db = *database_;
    EXPECT_EQ(db.rejectedLines, 0);
    EXPECT_GE(db.units.size(), 250u);
    EXPECT_LE(db.systems.size(), 7u);
    EXPECT_LE(db.categories.size(), 16u);
    std::set<int> references;
    for (const GenericUnit& u : db.units) {
        EXPECT_TRUE(references.insert(u.definition.reference[0]).second) << u.name;
        const SiPair si = coefficientSI(u.definition);
        EXPECT_TRUE(std::isfinite(si.coefficient) && si.coefficient > 0.0) << u.name;
    }
}

TEST_F(ShippedDatabase, EveryUnitHasTheDimensionOfItsQuantity) {
    // Dimensions of the quantities from physics (L M T I K Q C R S), written independently of the file.
    const std::map<std::string, DimensionVector> expected = {
        {"Longueur", dims(1)},
        {"Masse", dims(0, 1)},
        {"Temps", dims(0, 0, 1)},
        {"Intensité électrique", dims(0, 0, 0, 1)},
        {"Température", dims(0, 0, 0, 0, 1)},
        {"Quantité de matière", dims(0, 0, 0, 0, 0, 1)},
        {"Intensité lumineuse", dims(0, 0, 0, 0, 0, 0, 1)},
        {"Angle plan", dims(0, 0, 0, 0, 0, 0, 0, 1)},
        {"Angle solide", dims(0, 0, 0, 0, 0, 0, 0, 0, 1)},
        {"Aire", dims(2)},
        {"Volume", dims(3)},
        {"Vitesse", dims(1, 0, -1)},
        {"Accélération", dims(1, 0, -2)},
        {"Fréquence", dims(0, 0, -1)},
        {"Vitesse angulaire", dims(0, 0, -1, 0, 0, 0, 0, 1)},
        {"Nombre d'onde", dims(-1)},
        {"Force", dims(1, 1, -2)},
        {"Pression", dims(-1, 1, -2)},
        {"Énergie", dims(2, 1, -2)},
        {"Puissance", dims(2, 1, -3)},
        {"Masse volumique", dims(-3, 1)},
        {"Débit volumique", dims(3, 0, -1)},
        {"Débit massique", dims(0, 1, -1)},
        {"Viscosité dynamique", dims(-1, 1, -1)},
        {"Viscosité cinématique", dims(2, 0, -1)},
        {"Moment d'une force", dims(2, 1, -2)},
        {"Quantité de mouvement", dims(1, 1, -1)},
        {"Moment d'inertie", dims(2, 1)},
        {"Tension superficielle", dims(0, 1, -2)},
        {"Charge électrique", dims(0, 0, 1, 1)},
        {"Tension électrique", dims(2, 1, -3, -1)},
        {"Résistance électrique", dims(2, 1, -3, -2)},
        {"Conductance électrique", dims(-2, -1, 3, 2)},
        {"Capacité électrique", dims(-2, -1, 4, 2)},
        {"Inductance", dims(2, 1, -2, -2)},
        {"Flux magnétique", dims(2, 1, -2, -1)},
        {"Induction magnétique", dims(0, 1, -2, -1)},
        {"Champ électrique", dims(1, 1, -3, -1)},
        {"Champ magnétique", dims(-1, 0, 0, 1)},
        {"Densité de courant", dims(-2, 0, 0, 1)},
        {"Puissance apparente", dims(2, 1, -3)},
        {"Capacité thermique", dims(2, 1, -2, 0, -1)},
        {"Capacité thermique massique", dims(2, 0, -2, 0, -1)},
        {"Conductivité thermique", dims(1, 1, -3, 0, -1)},
        {"Coefficient de transfert thermique", dims(0, 1, -3, 0, -1)},
        {"Flux lumineux", dims(0, 0, 0, 0, 0, 0, 1, 0, 1)},
        {"Éclairement lumineux", dims(-2, 0, 0, 0, 0, 0, 1, 0, 1)},
        {"Luminance", dims(-2, 0, 0, 0, 0, 0, 1)},
        {"Activité radioactive", dims(0, 0, -1)},
        {"Dose absorbée", dims(2, 0, -2)},
        {"Équivalent de dose", dims(2, 0, -2)},
        {"Concentration molaire", dims(-3, 0, 0, 0, 0, 1)},
        {"Masse molaire", dims(0, 1, 0, 0, 0, -1)},
        {"Activité catalytique", dims(0, 0, -1, 0, 0, 1)},
        {"Concentration massique", dims(-3, 1)},
        {"Molalité", dims(0, -1, 0, 0, 0, 1)},
        {"Rapport", dims(0)},
        {"Niveau logarithmique", dims(0)},
        {"Quantité d'information", dims(0)},
    };
    const UnitDatabase& db = *database_;
    for (const std::string& name : db.quantities)
        EXPECT_TRUE(expected.count(base::windows1252ToUtf8(name))) << "quantity without a reference dimension: "
                                                                   << base::windows1252ToUtf8(name);
    for (const GenericUnit& u : db.units) {
        const std::string quantity = base::windows1252ToUtf8(quantityName(db, u));
        const auto found = expected.find(quantity);
        ASSERT_NE(found, expected.end()) << quantity;
        EXPECT_EQ(dimensionVector(u.definition), found->second) << base::windows1252ToUtf8(u.name);
    }
}

TEST_F(ShippedDatabase, RealConversions) {
    struct Case {
        const char* from;
        const char* to;
        double value;
        double expected;
    };
    // Expected values from the exact definitions (NIST SP 811, appendix B), by hand:
    // 36 km/h = 36000 m / 3600 s = 10 m/s; 1 psi = 4.4482216152605 N / 0.00064516 m2;
    // (212 - 32) x 5/9 = 100; 1 kWh = 1000 W x 3600 s; 760 mmHg = 760 x 133.322387415 Pa.
    const Case cases[] = {
        {"kilomètre par heure", "mètre par seconde", 36.0, 10.0},
        {"livre-force par pouce carré", "pascal", 1.0, 4.4482216152605 / 0.00064516},
        {"degré Fahrenheit", "degré Celsius", 212.0, 100.0},
        {"degré Fahrenheit", "degré Celsius", -40.0, -40.0},
        {"degré Fahrenheit", "degré Celsius", 32.0, 0.0},
        {"degré Celsius", "kelvin", 0.0, 273.15},
        {"degré Celsius", "kelvin", 100.0, 373.15},
        {"kilowattheure", "joule", 1.0, 3.6e6},
        {"millimètre de mercure", "pascal", 760.0, 760.0 * 133.322387415},
        {"atmosphère normale", "bar", 1.0, 1.01325},
        {"calorie", "joule", 1.0, 4.1868},
        {"électronvolt", "joule", 1.0, 1.602176634e-19},
        {"pouce", "centimètre", 1.0, 2.54},
        {"mile", "kilomètre", 1.0, 1.609344},
        {"livre", "kilogramme", 1.0, 0.45359237},
        {"nœud", "kilomètre par heure", 1.0, 1.852},
        {"heure", "seconde", 1.0, 3600.0},
        {"degré", "radian", 180.0, 3.14159265358979323846},
        {"litre", "mètre cube", 1.0, 1e-3},
        {"gallon US", "litre", 1.0, 3.785411784},
        {"horsepower", "watt", 1.0, 550.0 * 0.3048 * 4.4482216152605},
        {"pour cent", "sans unité", 25.0, 0.25},
        {"partie par million", "pour cent", 1e4, 1.0},
        {"tour par minute", "radian par seconde", 60.0, 2.0 * 3.14159265358979323846},
        {"mètre cube par heure", "litre par seconde", 3.6, 1.0},
        {"gramme par centimètre cube", "kilogramme par mètre cube", 1.0, 1000.0},
        {"centipoise", "pascal-seconde", 1.0, 1e-3},
        {"centimètre carré", "mètre carré", 1.0, 1e-4},
        {"pied cube", "litre", 1.0, 28.316846592},
        {"kilocalorie par heure", "watt", 1.0, 4186.8 / 3600.0},
        {"décibel", "bel", 10.0, 1.0},
    };
    for (const Case& c : cases) {
        const UnitDef& from = unit(c.from);
        const UnitDef& to = unit(c.to);
        EXPECT_EQ(dimensionVector(from), dimensionVector(to)) << c.from << " -> " << c.to;
        const double got = convertValue(c.value, coefficientSI(from), coefficientSI(to));
        EXPECT_NEAR(got, c.expected, c.expected != 0.0 ? 1e-12 * std::fabs(c.expected) : 1e-10) << c.from << " -> " << c.to;
    }
}

}  // namespace
}  // namespace ordinax::units::test
