// JSON -> Diagram. Every value is checked for its type, its range and its
// Windows-1252 form before it reaches the record; the first fault stops the
// reading with a message that names the key ("curves[1].symbol.size").
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <stdexcept>

#include "base/encoding.h"
#include "base/logfont.h"
#include "cli/diagram_json.h"
#include "cli/treatment_code.h"
#include "document/diagram_defaults.h"

namespace ordinax::cli {

using namespace document;

namespace {

// Carries the message of the first faulty value up to applyDiagramJson.
struct FieldError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& text) {
    throw FieldError(text);
}

std::string keyName(const std::string& where) {
    return "« " + (where.empty() ? std::string("(racine)") : where) + " »";
}

std::string member(const std::string& where, std::string_view key) {
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string element(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
}

std::int32_t readInt(const Json& value, const std::string& where) {
    constexpr double Low = std::numeric_limits<std::int32_t>::min();
    constexpr double High = std::numeric_limits<std::int32_t>::max();
    if (value.is_number_integer()) {
        if (value.is_number_unsigned()) {
            const auto v = value.get<std::uint64_t>();
            if (v <= static_cast<std::uint64_t>(High)) return static_cast<std::int32_t>(v);
        } else {
            const auto v = value.get<std::int64_t>();
            if (v >= Low && v <= High) return static_cast<std::int32_t>(v);
        }
    } else if (value.is_number_float()) {
        // "3.0" written by another tool is still the integer 3.
        const double v = value.get<double>();
        if (std::isfinite(v) && v == std::trunc(v) && v >= Low && v <= High) return static_cast<std::int32_t>(v);
    }
    fail(keyName(where) + " doit être un nombre entier (32 bits).");
}

// null stands for a value JSON cannot hold (a dump writes NaN and infinities as null).
double readDouble(const Json& value, const std::string& where) {
    if (value.is_null()) return std::numeric_limits<double>::quiet_NaN();
    if (value.is_number()) return value.get<double>();
    fail(keyName(where) + " doit être un nombre.");
}

std::string readText(const Json& value, const std::string& where) {
    if (!value.is_string()) fail(keyName(where) + " doit être un texte.");
    std::optional<std::string> text = base::utf8ToWindows1252(value.get_ref<const std::string&>());
    if (!text) {
        fail("Le texte de " + keyName(where) +
             " contient un caractère qui ne peut pas être écrit en Windows-1252.");
    }
    return std::move(*text);
}

// A text buffer keeps room for its terminating zero, as the file reader
// ensures for every text it reads: whoever takes it as a C string stays
// inside. A padding buffer is no text and may be filled completely. The rest
// is zero-padded.
template <std::size_t N>
void readCharArray(const Json& value, const std::string& where, std::array<char, N>& out, bool text = true) {
    const std::string bytes = readText(value, where);
    const std::size_t capacity = text ? N - 1 : N;
    if (bytes.size() > capacity) {
        fail("Le texte de " + keyName(where) + " dépasse " + std::to_string(capacity) + " caractères.");
    }
    out.fill('\0');
    std::memcpy(out.data(), bytes.data(), bytes.size());
}

void readFont(const Json& value, const std::string& where, LogFont& out) {
    const std::string text = readText(value, where);
    if (!base::fontFromText(text, out)) {
        fail(keyName(where) +
             " n'est pas une police valide (14 champs, par exemple « -16,0,0,0,400,0,0,0,0,0,0,0,48,Arial »).");
    }
}

void expectArray(const Json& value, const std::string& where, std::size_t size) {
    if (!value.is_array() || value.size() != size) {
        fail(keyName(where) + " doit être un tableau de " + std::to_string(size) + " éléments.");
    }
}

template <typename T, std::size_t N, typename ReadOne>
void readArray(const Json& value, const std::string& where, std::array<T, N>& out, ReadOne readOne) {
    expectArray(value, where, N);
    for (std::size_t i = 0; i < N; ++i) readOne(value[i], element(where, i), out[i]);
}

void intInto(const Json& value, const std::string& where, std::int32_t& out) {
    out = readInt(value, where);
}

void doubleInto(const Json& value, const std::string& where, double& out) {
    out = readDouble(value, where);
}

void textInto(const Json& value, const std::string& where, std::string& out) {
    out = readText(value, where);
}

template <std::size_t N>
void intsInto(const Json& value, const std::string& where, std::array<std::int32_t, N>& out) {
    readArray(value, where, out, intInto);
}

template <std::size_t N>
void doublesInto(const Json& value, const std::string& where, std::array<double, N>& out) {
    readArray(value, where, out, doubleInto);
}

template <std::size_t N, std::size_t M>
void doubleTableInto(const Json& value, const std::string& where, std::array<std::array<double, M>, N>& out) {
    readArray(value, where, out, doublesInto<M>);
}

template <std::size_t N>
void charArrayInto(const Json& value, const std::string& where, std::array<char, N>& out) {
    readCharArray(value, where, out);
}

template <std::size_t N, std::size_t M>
void charArraysInto(const Json& value, const std::string& where, std::array<std::array<char, M>, N>& out) {
    readArray(value, where, out, charArrayInto<M>);
}

void paintInto(const Json& value, const std::string& where, PaintStyle& out) {
    intsInto(value, where, out.value);
}

// Walks the keys of one object: each known key is handed to its reader, and
// a key nobody asked for is refused, so that a misspelt key never goes unseen.
class ObjectReader {
public:
    ObjectReader(const Json& object, std::string where) : object_(object), where_(std::move(where)) {
        if (!object_.is_object()) fail(keyName(where_) + " doit être un objet JSON.");
    }

    template <typename Read>
    ObjectReader& field(const char* key, Read&& read) {
        known_.insert(key);
        const auto found = object_.find(key);
        if (found != object_.end()) read(*found, member(where_, key));
        return *this;
    }

    const Json* find(const char* key) {
        known_.insert(key);
        const auto found = object_.find(key);
        return found == object_.end() ? nullptr : &*found;
    }

    void finish() const {
        for (const auto& item : object_.items()) {
            if (known_.count(item.key()) == 0) fail("Clé inconnue : " + keyName(member(where_, item.key())) + ".");
        }
    }

private:
    const Json& object_;
    std::string where_;
    std::set<std::string, std::less<>> known_;
};

template <std::size_t N>
void readNested(const Json& value, const std::string& where, std::array<std::int32_t, N>& out) {
    intsInto(value, where, out);
}

template <std::size_t N>
void readNested(const Json& value, const std::string& where, std::array<double, N>& out) {
    doublesInto(value, where, out);
}

template <std::size_t N, std::size_t M>
void readNested(const Json& value, const std::string& where, std::array<std::array<double, M>, N>& out) {
    doubleTableInto(value, where, out);
}

template <std::size_t N>
void readNested(const Json& value, const std::string& where, std::array<char, N>& out) {
    readCharArray(value, where, out);
}

template <std::size_t N, std::size_t M>
void readNested(const Json& value, const std::string& where, std::array<std::array<char, M>, N>& out) {
    charArraysInto(value, where, out);
}

void readNested(const Json& value, const std::string& where, std::array<std::string, 2>& out) {
    readArray(value, where, out, textInto);
}

template <typename T>
auto into(T& target) {
    return [&target](const Json& value, const std::string& where) {
        if constexpr (std::is_same_v<T, std::int32_t>) {
            intInto(value, where, target);
        } else if constexpr (std::is_same_v<T, double>) {
            doubleInto(value, where, target);
        } else if constexpr (std::is_same_v<T, std::string>) {
            textInto(value, where, target);
        } else if constexpr (std::is_same_v<T, LogFont>) {
            readFont(value, where, target);
        } else if constexpr (std::is_same_v<T, PaintStyle>) {
            paintInto(value, where, target);
        } else {
            readNested(value, where, target);
        }
    };
}

void readBand(const Json& value, const std::string& where, HeaderFooter& band) {
    ObjectReader(value, where)
        .field("print", into(band.print))
        .field("text", into(band.text))
        .field("font", into(band.font))
        .field("colour", into(band.colour))
        .field("separator", into(band.separator))
        .finish();
}

void readLogo(const Json& value, const std::string& where, LogoSettings& logo) {
    ObjectReader(value, where)
        .field("print", into(logo.print))
        .field("file", into(logo.file))
        .field("location", into(logo.location))
        .field("position", into(logo.position))
        .field("dimension", into(logo.dimension))
        .field("zoom", into(logo.zoom))
        .field("logoSize", into(logo.logoSize))
        .finish();
}

void readLabel(const Json& value, const std::string& where, LabelSlot& label) {
    ObjectReader(value, where)
        .field("placement", into(label.placement))
        .field("lineCount", into(label.lineCount))
        .field("option", into(label.option))
        .field("paint", into(label.paint))
        .field("text", into(label.text))
        .finish();
}

void readAxisScale(const Json& value, const std::string& where, AxisScale& scale) {
    ObjectReader(value, where)
        .field("active", into(scale.active))
        .field("kind", into(scale.kind))
        .field("subdivisionIndex", into(scale.subdivisionIndex))
        .field("mainGraduate", into(scale.mainGraduate))
        .field("mainGraduateLine", into(scale.mainGraduateLine))
        .field("subGraduate", into(scale.subGraduate))
        .field("subGraduateLine", into(scale.subGraduateLine))
        .field("graduateBoth", into(scale.graduateBoth))
        .field("font", into(scale.font))
        .field("colour", into(scale.colour))
        .field("format", into(scale.format))
        .field("decimals", into(scale.decimals))
        .field("symbol", into(scale.symbol))
        .field("orientation", into(scale.orientation))
        .field("customSymbol", into(scale.customSymbol))
        .field("thousands", into(scale.thousands))
        .field("origin", into(scale.origin))
        .field("extremity", into(scale.extremity))
        .field("step", into(scale.step))
        .field("reserved", into(scale.reserved))
        .finish();
}

void readScaleSides(const Json& value, const std::string& where, std::array<AxisScale, 2>& sides) {
    readArray(value, where, sides, readAxisScale);
}

void readScales(const Json& value, const std::string& where, Scales& scales) {
    ObjectReader(value, where)
        .field("mainSide", into(scales.mainSide))
        .field("axis", [&](const Json& axis, const std::string& at) { readArray(axis, at, scales.axis, readScaleSides); })
        .finish();
}

void readSymbol(const Json& value, const std::string& where, SymbolStyle& symbol) {
    ObjectReader(value, where)
        .field("type", into(symbol.type))
        .field("number", into(symbol.number))
        .field("character", into(symbol.character))
        .field("font", into(symbol.font))
        .field("size", into(symbol.size))
        .field("option", into(symbol.option))
        .field("fill", into(symbol.fill))
        .field("reserved", into(symbol.reserved))
        .field("innerColour", into(symbol.innerColour))
        .field("outerColour", into(symbol.outerColour))
        .field("belowLine", into(symbol.belowLine))
        .finish();
}

void readLine(const Json& value, const std::string& where, LineStyle& line) {
    ObjectReader(value, where)
        .field("type", into(line.type))
        .field("width", into(line.width))
        .field("colour", into(line.colour))
        .finish();
}

void readFit(const Json& value, const std::string& where, FitResult& fit) {
    ObjectReader(value, where)
        .field("stats", into(fit.stats))
        .field("studentT", into(fit.studentT))
        .field("meanX", into(fit.meanX))
        .field("meanY", into(fit.meanY))
        .field("fValue", into(fit.fValue))
        .field("varX", into(fit.varX))
        .field("varY", into(fit.varY))
        .field("residualVar", into(fit.residualVar))
        .field("explainedVar", into(fit.explainedVar))
        .field("detail", into(fit.detail))
        .field("harmonicCount", into(fit.harmonicCount))
        .field("omega", into(fit.omega))
        .field("fourierA0", into(fit.fourierA0))
        .field("coefficient", into(fit.coefficient))
        .field("linearCoefficient", into(fit.linearCoefficient))
        .finish();
}

void readUnit(const Json& value, const std::string& where, UnitDef& unit) {
    ObjectReader(value, where)
        .field("factorCount", into(unit.factorCount))
        .field("reference", into(unit.reference))
        .field("system", into(unit.system))
        .field("category", into(unit.category))
        .field("quantity", into(unit.quantity))
        .field("denominator", into(unit.denominator))
        .field("prefix", into(unit.prefix))
        .field("symbol", into(unit.symbol))
        .field("exponent", into(unit.exponent))
        .field("padding1", [&](const Json& v, const std::string& at) { readCharArray(v, at, unit.padding1, false); })
        .field("prefixAllowed", into(unit.prefixAllowed))
        .field("exponentAllowed", into(unit.exponentAllowed))
        .field("padding2", [&](const Json& v, const std::string& at) { readCharArray(v, at, unit.padding2, false); })
        .field("coefficient", into(unit.coefficient))
        .field("offset", into(unit.offset))
        .field("dimension", into(unit.dimension))
        .finish();
    // The unit code indexes its factor arrays with this count.
    if (unit.factorCount < 0 || unit.factorCount > MaxUnitFactors) {
        fail(keyName(member(where, "factorCount")) + " doit être compris entre 0 et " +
             std::to_string(MaxUnitFactors) + ".");
    }
}

void readFunction(const Json& value, const std::string& where, FunctionDef& function) {
    ObjectReader(value, where)
        .field("functionId", into(function.functionId))
        .field("anglesInDegrees", into(function.anglesInDegrees))
        .field("parametric", into(function.parametric))
        .field("from", into(function.from))
        .field("to", into(function.to))
        .field("pointNumber", into(function.pointNumber))
        .field("expression", into(function.expression))
        .field("constants", into(function.constants))
        .field("parameter", into(function.parameter))
        .field("domain", into(function.domain))
        .finish();
}

void readTreatment(const Json& value, const std::string& where, std::int32_t& treatment) {
    if (value.is_null()) {
        treatment = 0;
        return;
    }
    if (value.is_string()) {
        if (std::optional<int> known = treatmentFromCode(value.get_ref<const std::string&>())) {
            treatment = *known;
            return;
        }
    } else if (value.is_number()) {
        const std::int32_t number = readInt(value, where);
        if (number >= 0 && number <= MaxTreatment) {
            treatment = number;
            return;
        }
    }
    fail(keyName(where) + " : traitement inconnu (code, numéro de 0 à " + std::to_string(MaxTreatment) +
         " ou null attendu).");
}

void readPoints(const Json& value, const std::string& where, PointBuffer& points) {
    if (!value.is_array()) fail(keyName(where) + " doit être un tableau de points [x, y].");
    if (value.size() > static_cast<std::size_t>(MaxPoints)) {
        fail("Le nombre maxi de points autorisé (" + std::to_string(MaxPoints) + ") est dépassé !");
    }
    if (value.empty()) {
        points.clear();
        return;
    }
    std::span<Point> out = points.assignUninitialised(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string at = element(where, i);
        const Json& pair = value[i];
        if (!pair.is_array() || pair.size() != 2) fail(keyName(at) + " doit être un point [x, y].");
        out[i] = Point{readDouble(pair[0], element(at, 0)), readDouble(pair[1], element(at, 1))};
    }
}

// A count written beside its list must agree with it: a mismatch means the
// text was edited by hand and one of the two is wrong.
void checkCount(const Json* count, const std::string& where, int actual, const char* listName) {
    if (count == nullptr) return;
    const std::int32_t claimed = readInt(*count, where);
    if (claimed != actual) {
        fail(keyName(where) + " (" + std::to_string(claimed) + ") ne correspond pas au nombre d'éléments de « " +
             listName + " » (" + std::to_string(actual) + ").");
    }
}

void readCurve(const Json& value, const std::string& where, Curve& curve, std::vector<Point>* aside = nullptr) {
    ObjectReader reader(value, where);
    reader.field("title", into(curve.title))
        .field("modified", into(curve.modified))
        .field("axisName", into(curve.axisName))
        .field("hidden", into(curve.hidden))
        .field("legend", into(curve.legend))
        .field("symbol", [&](const Json& v, const std::string& at) { readSymbol(v, at, curve.symbol); })
        .field("line", [&](const Json& v, const std::string& at) { readLine(v, at, curve.line); })
        .field("treatment", [&](const Json& v, const std::string& at) { readTreatment(v, at, curve.treatment); })
        .field("confidence", into(curve.confidence))
        .field("extent", into(curve.extent))
        .field("bounds", into(curve.bounds))
        .field("excludePoints", into(curve.excludePoints))
        .field("fit", [&](const Json& v, const std::string& at) { readFit(v, at, curve.fit); })
        .field("unit", [&](const Json& v, const std::string& at) { readArray(v, at, curve.unit, readUnit); })
        .field("function", [&](const Json& v, const std::string& at) { readFunction(v, at, curve.function); })
        .field("points", [&](const Json& v, const std::string& at) {
            // Points read aside while parsing leave an empty array here; the
            // copy aside goes once the curve holds them.
            if (aside && v.is_array() && v.empty()) {
                curve.points = PointBuffer(*aside);
                std::vector<Point>().swap(*aside);
            } else {
                readPoints(v, at, curve.points);
            }
        });
    checkCount(reader.find("pointCount"), member(where, "pointCount"), curve.pointCount(), "points");
    reader.finish();
}

void readCurves(const Json& value, const std::string& where, std::vector<Curve>& curves, DumpPoints* aside) {
    if (!value.is_array()) fail(keyName(where) + " doit être un tableau de courbes.");
    if (value.size() > static_cast<std::size_t>(MaxCurves)) {
        fail("Impossible de créer une nouvelle courbe !\n\nLe nombre maxi de courbes est atteint pour ce diagramme.");
    }
    curves.clear();
    curves.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        Curve curve;
        resetCurve(curve);
        std::vector<Point>* points = aside && i < aside->size() && (*aside)[i] ? &*(*aside)[i] : nullptr;
        readCurve(value[i], element(where, i), curve, points);
        curves.push_back(std::move(curve));
    }
}

void readDiagram(const Json& value, Diagram& diagram, DumpPoints* aside) {
    ObjectReader reader(value, "");
    // The magic of the file a dump came from; a saved diagram always gets the current one.
    reader.field("format", [](const Json& v, const std::string& at) { readText(v, at); })
        .field("displayMode", into(diagram.displayMode))
        .field("orientation", into(diagram.orientation))
        .field("margins", into(diagram.margins))
        .field("centre", into(diagram.centre))
        .field("size", into(diagram.size))
        .field("drawSpace", into(diagram.drawSpace))
        .field("dashLength", into(diagram.dashLength))
        .field("reportFont", into(diagram.reportFont))
        .field("band", [&](const Json& v, const std::string& at) { readArray(v, at, diagram.band, readBand); })
        .field("logo", [&](const Json& v, const std::string& at) { readLogo(v, at, diagram.logo); })
        .field("backPaint", into(diagram.backPaint))
        .field("diagramPaint", into(diagram.diagramPaint))
        .field("backPicture", into(diagram.backPicture))
        .field("diagramPicture", into(diagram.diagramPicture))
        .field("labels", [&](const Json& v, const std::string& at) { readArray(v, at, diagram.labels, readLabel); })
        .field("tagOrder", into(diagram.tagOrder))
        .field("tagPosition", into(diagram.tagPosition))
        .field("scales", [&](const Json& v, const std::string& at) { readScales(v, at, diagram.scales); })
        .field("dataRange", into(diagram.dataRange))
        .field("henryExtentIndex", into(diagram.henryExtentIndex))
        .field("curves", [&](const Json& v, const std::string& at) { readCurves(v, at, diagram.curves, aside); });
    checkCount(reader.find("curveCount"), "curveCount", diagram.curveCount(), "curves");
    reader.finish();
}

base::Message errorMessage(const std::string& text) {
    return base::Message{0, base::Heading::Error, text};
}

}  // namespace

base::Message applyDiagramJson(const Json& json, Diagram& diagram, DumpPoints* aside) {
    try {
        readDiagram(json, diagram, aside);
    } catch (const FieldError& error) {
        return errorMessage(error.what());
    }
    return {};
}

base::Message applyCurveJson(const Json& json, Curve& curve, const std::string& where) {
    try {
        readCurve(json, where, curve);
    } catch (const FieldError& error) {
        return errorMessage(error.what());
    }
    return {};
}

}  // namespace ordinax::cli
