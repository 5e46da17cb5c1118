// ordinax-cli units: the search page of the unit sheet (--search) and the
// change of an axis unit (--set), which reads a unit by its database name,
// its symbol expression, or a product of database symbols ("kg.m/s2").
#include "cli/units_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_units.h"
#include "cli/cli_support.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "units/axis_unit_change.h"
#include "units/unit_composition.h"
#include "units/unit_database.h"
#include "units/unit_search.h"
#include "units/unit_tables.h"

namespace ordinax::cli {

namespace {

using units::UnitDatabase;
using units::UnitDef;

struct UnitsOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    std::string search;
    bool symbol = false;
    bool wholeWord = false;
    int curve = -1;
    std::string axis;
    std::string unit;
    bool convert = false;
    bool compact = false;
};

std::string utf8(std::string_view text) { return base::windows1252ToUtf8(text); }

int usage(const std::string& text) {
    std::cerr << text << "\n";
    return ExitUsage;
}

std::optional<UnitDatabase> databaseOrReport() {
    units::UnitDatabaseLoad load = units::loadUnitDatabase(programDataPath(units::UnitDatabaseFileName));
    if (!load.database) reportFailure(load.message);
    return std::move(load.database);
}

// A unit of one factor written `token`: a database symbol, with a multiple
// when the unit accepts one, and an exponent after it ("km", "s2", "µA").
std::optional<UnitDef> tokenUnit(const UnitDatabase& db, std::string_view token) {
    std::string_view exponent;
    std::size_t cut = token.size();
    while (cut > 0 && token[cut - 1] >= '0' && token[cut - 1] <= '9') --cut;
    if (cut > 0 && cut < token.size()) {
        exponent = token.substr(cut);
        token = token.substr(0, cut);
        if (token.back() == '^') token.remove_suffix(1);
    }
    if (!exponent.empty() && units::exponentIndex(exponent) == 0 && exponent != "1") return std::nullopt;
    auto single = [&](const units::GenericUnit& u) {
        return u.definition.factorCount == 1 && units::fieldText(u.definition.exponent[0]) == "1";
    };
    std::optional<UnitDef> found;
    for (const units::GenericUnit& u : db.units)
        if (single(u) && units::symbolSearchText(u.definition) == token) {
            found = u.definition;
            break;
        }
    for (const units::SiMultiple& m : units::siMultiples()) {
        if (found) break;
        if (m.index == 0 || !token.starts_with(m.symbol)) continue;
        const std::string_view rest = token.substr(m.symbol.size());
        for (const units::GenericUnit& u : db.units)
            if (single(u) && u.definition.prefixAllowed[0] && units::symbolSearchText(u.definition) == rest) {
                found = u.definition;
                units::setFieldText(found->prefix[0], m.symbol);
                break;
            }
    }
    if (!found || exponent.empty()) return found;
    if (!found->exponentAllowed[0]) return std::nullopt;
    units::setFieldText(found->exponent[0], exponent);
    return found;
}

// A product of database symbols separated by "*", "." or "/" (every factor
// after the first "/" divides, as in the unit expressions).
std::optional<UnitDef> productUnit(const UnitDatabase& db, std::string_view text) {
    UnitDef unit;
    bool denominator = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("*./", start);
        const std::string_view token = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        const std::optional<UnitDef> factor = tokenUnit(db, token);
        if (token.empty() || !factor || !units::appendDefinedUnit(unit, *factor, denominator)) return std::nullopt;
        if (end == std::string_view::npos) break;
        denominator = text[end] == '/';
        start = end + 1;
    }
    return unit;
}

// The unit named by the option: a database name, a database expression, or a product of symbols.
std::optional<UnitDef> resolveUnit(const UnitDatabase& db, const std::string& text1252) {
    const std::string wanted = units::normaliseOccurrence(text1252);
    if (wanted.empty()) return std::nullopt;
    for (const units::SearchField field : {units::SearchField::Name, units::SearchField::Symbol}) {
        const std::vector<units::UnitMatch> matches = units::searchUnits(db, wanted, field, true);
        if (!matches.empty()) return db.units[static_cast<std::size_t>(matches.front().unit)].definition;
    }
    return productUnit(db, wanted);
}

// The expression without its factor separators, markup codes kept.
std::string expressionText(const UnitDef& unit) {
    std::string text = units::unitExpression(unit);
    std::erase(text, units::ExpressionSeparator);
    return text;
}

int runSearch(const UnitsOptions& o) {
    const std::optional<UnitDatabase> db = databaseOrReport();
    if (!db) return ExitFailure;
    const std::string occurrence = base::utf8ToWindows1252Lossy(o.search);
    const auto field = o.symbol ? units::SearchField::Symbol : units::SearchField::Name;
    Json matches = Json::array();
    for (const units::UnitMatch& m : units::searchUnits(*db, occurrence, field, o.wholeWord)) {
        const units::GenericUnit& u = db->units[static_cast<std::size_t>(m.unit)];
        Json match = Json::object();
        match["line"] = utf8(m.line);
        match["expression"] = utf8(expressionText(u.definition));
        match["name"] = utf8(u.name);
        match["system"] = utf8(units::systemName(*db, u));
        match["category"] = utf8(units::categoryName(*db, u));
        match["quantity"] = utf8(units::quantityName(*db, u));
        match["dimension"] = utf8(units::dimensionText(units::dimensionVector(u.definition)));
        matches.push_back(std::move(match));
    }
    Json out = Json::object();
    if (matches.empty()) out["result"] = std::string(base::messageText(base::MsgUnitNoOccurrence));
    out["matches"] = std::move(matches);
    return writeJson(out, {}, o.compact);
}

int runSet(const UnitsOptions& o) {
    if (o.curve < 0 || o.axis.empty() || o.unit.empty() || o.output.empty())
        return usage("units FICHIER : --curve, --axis, --set et -o sont nécessaires.");
    base::Message error;
    std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    document::Diagram diagram;
    if (!openOrReport(o.input, *preferences, diagram)) return ExitFailure;
    if (o.curve >= diagram.curveCount())
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) + " n'existe pas dans ce diagramme."));
    const std::optional<UnitDatabase> db = databaseOrReport();
    if (!db) return ExitFailure;
    const std::optional<std::string> text = base::utf8ToWindows1252(o.unit);
    const std::optional<UnitDef> unit = text ? resolveUnit(*db, *text) : std::nullopt;
    if (!unit) return reportFailure(base::makeMessage(base::MsgUnitUnknown, base::Heading::Error, o.unit));

    const int axis = o.axis == "x" ? 0 : 1;
    document::Curve& curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    const document::Curve before = curve;
    const units::AxisUnitChange change = units::describeAxisUnitChange(before.unit[static_cast<std::size_t>(axis)], *unit);
    curve.unit[static_cast<std::size_t>(axis)] = *unit;
    const auto action = o.convert ? units::UnitChangeAction::ConvertValues : units::UnitChangeAction::KeepValues;
    const units::AxisUnitOutcome outcome = units::finishAxisUnitChange(curve, before, axis, change, action);
    if (outcome == units::AxisUnitOutcome::Restored)
        return reportFailure(base::makeMessage(base::MsgUnitCurveWithoutPoints, base::Heading::Error));
    if (outcome == units::AxisUnitOutcome::ConversionRefused)
        return reportFailure(base::makeMessage(base::MsgUnitConversionRefused, base::Heading::Error));
    if (change.changed && !change.coherent)
        reportWarning(base::makeMessage(base::MsgUnitsIncoherent, base::Heading::Warning));
    if (units::hasRepeatedQuantity(change.newUnit))
        reportWarning(base::makeMessage(base::MsgUnitRepeatedQuantity, base::Heading::Check));
    if (outcome == units::AxisUnitOutcome::Converted) document::curveExtent(diagram, o.curve, axis);

    const document::SaveResult saved = document::saveDiagram(diagram, o.output, saveDateText());
    if (!saved.ok)
        return reportFailure(saved.message.empty()
                                 ? base::makeMessage(base::MsgFileWriteFailed, base::Heading::Error, o.output)
                                 : saved.message);
    const UnitDef& kept = change.newUnit;
    const units::SiPair si = units::coefficientSI(kept);
    Json out = Json::object();
    out["expression"] = utf8(expressionText(kept));
    out["dimension"] = utf8(units::dimensionText(units::dimensionVector(kept)));
    out["coefficient"] = si.coefficient;
    out["offset"] = si.offset;
    out["changed"] = change.changed;
    out["converted"] = outcome == units::AxisUnitOutcome::Converted;
    return writeJson(out, {}, o.compact);
}

int runUnits(const UnitsOptions& o) {
    if (!o.search.empty()) {
        if (!o.input.empty()) return usage("units : --search ne prend pas de fichier diagramme.");
        return runSearch(o);
    }
    if (o.input.empty()) return usage("units : indiquez --search TEXTE, ou un fichier diagramme avec --set.");
    return runSet(o);
}

}  // namespace

void addUnitsCommand(CLI::App& app, int& status) {
    std::shared_ptr<UnitsOptions> options;
    CLI::App* command = addCommand(app, status, "units",
                                   "Cherche dans la base de données des unités, ou fixe l'unité d'un axe d'une courbe "
                                   "(en convertissant ses valeurs avec --convert)",
                                   runUnits, options);
    command->add_option("FICHIER", options->input, "Fichier diagramme à lire (avec --set)")->type_name("FICHIER");
    command->add_option("--search", options->search, "Texte cherché dans les noms (ou les symboles avec --symbol)")
        ->type_name("TEXTE");
    command->add_flag("--symbol", options->symbol, "Cherche dans les symboles plutôt que dans les noms");
    command->add_flag("--whole-word", options->wholeWord, "Mot entier : le texte doit être égal, pas seulement contenu");
    addCurveOption(*command, options->curve);
    command->add_option("--axis", options->axis, "Axe : x ou y")->type_name("x|y")->check(CLI::IsMember({"x", "y"}));
    command->add_option("--set", options->unit,
                        "Unité : nom ou symbole de la base (« kilomètre par heure », « km/h »), ou produit de "
                        "symboles (« kg.m/s2 »)")
        ->type_name("UNITE");
    command->add_flag("--convert", options->convert, "Convertit les valeurs de l'axe dans la nouvelle unité");
    command->add_option("-o,--output", options->output, "Fichier diagramme (.orx) à écrire")->type_name("FICHIER");
    command->add_flag("--compact", options->compact, "JSON sur une seule ligne");
}

}  // namespace ordinax::cli
