// Diagram -> JSON. Keys are the field names of the record; fonts are their
// 14-field text, paint styles arrays of 17 integers, fixed character buffers
// the text up to their first zero byte.
#include "cli/diagram_json.h"

#include <cstring>

#include "base/encoding.h"
#include "base/logfont.h"
#include "cli/treatment_code.h"

namespace ordinax::cli {

using namespace document;

namespace {

// A fixed buffer holds a zero-terminated text; bytes after the terminator are
// left-overs of the buffer that a JSON string cannot carry.
template <std::size_t N>
Json charArrayToJson(const std::array<char, N>& buffer) {
    return textToJson(std::string_view(buffer.data(), strnlen(buffer.data(), N)));
}

Json fontToJson(const LogFont& font) {
    return textToJson(base::fontToText(font));
}

Json paintToJson(const PaintStyle& paint) {
    return Json(paint.value);
}

template <std::size_t N, std::size_t M>
Json charArraysToJson(const std::array<std::array<char, M>, N>& buffers) {
    Json out = Json::array();
    for (const auto& buffer : buffers) out.push_back(charArrayToJson(buffer));
    return out;
}

Json bandToJson(const HeaderFooter& band) {
    Json out = Json::object();
    out["print"] = band.print;
    out["text"] = textToJson(band.text);
    out["font"] = fontToJson(band.font);
    out["colour"] = band.colour;
    out["separator"] = band.separator;
    return out;
}

Json logoToJson(const LogoSettings& logo) {
    Json out = Json::object();
    out["print"] = logo.print;
    out["file"] = textToJson(logo.file);
    out["location"] = logo.location;
    out["position"] = logo.position;
    out["dimension"] = logo.dimension;
    out["zoom"] = logo.zoom;
    out["logoSize"] = logo.logoSize;
    return out;
}

Json labelToJson(const LabelSlot& label) {
    Json out = Json::object();
    out["placement"] = label.placement;
    out["lineCount"] = label.lineCount;
    out["option"] = label.option;
    out["paint"] = paintToJson(label.paint);
    out["text"] = textToJson(label.text);
    return out;
}

Json axisScaleToJson(const AxisScale& scale) {
    Json out = Json::object();
    out["active"] = scale.active;
    out["kind"] = scale.kind;
    out["subdivisionIndex"] = scale.subdivisionIndex;
    out["mainGraduate"] = scale.mainGraduate;
    out["mainGraduateLine"] = scale.mainGraduateLine;
    out["subGraduate"] = scale.subGraduate;
    out["subGraduateLine"] = scale.subGraduateLine;
    out["graduateBoth"] = scale.graduateBoth;
    out["font"] = fontToJson(scale.font);
    out["colour"] = scale.colour;
    out["format"] = scale.format;
    out["decimals"] = scale.decimals;
    out["symbol"] = scale.symbol;
    out["orientation"] = scale.orientation;
    out["customSymbol"] = charArrayToJson(scale.customSymbol);
    out["thousands"] = scale.thousands;
    out["origin"] = scale.origin;
    out["extremity"] = scale.extremity;
    out["step"] = scale.step;
    out["reserved"] = scale.reserved;
    return out;
}

Json scalesToJson(const Scales& scales) {
    Json axis = Json::array();
    for (const auto& direction : scales.axis) {
        Json sides = Json::array();
        for (const AxisScale& scale : direction) sides.push_back(axisScaleToJson(scale));
        axis.push_back(std::move(sides));
    }
    Json out = Json::object();
    out["mainSide"] = scales.mainSide;
    out["axis"] = std::move(axis);
    return out;
}

Json symbolToJson(const SymbolStyle& symbol) {
    Json out = Json::object();
    out["type"] = symbol.type;
    out["number"] = symbol.number;
    out["character"] = symbol.character;
    out["font"] = fontToJson(symbol.font);
    out["size"] = symbol.size;
    out["option"] = symbol.option;
    out["fill"] = symbol.fill;
    out["reserved"] = symbol.reserved;
    out["innerColour"] = symbol.innerColour;
    out["outerColour"] = symbol.outerColour;
    out["belowLine"] = symbol.belowLine;
    return out;
}

Json lineToJson(const LineStyle& line) {
    Json out = Json::object();
    out["type"] = line.type;
    out["width"] = line.width;
    out["colour"] = line.colour;
    return out;
}

Json fitToJson(const FitResult& fit) {
    Json out = Json::object();
    out["stats"] = fit.stats;
    out["studentT"] = fit.studentT;
    out["meanX"] = fit.meanX;
    out["meanY"] = fit.meanY;
    out["fValue"] = fit.fValue;
    out["varX"] = fit.varX;
    out["varY"] = fit.varY;
    out["residualVar"] = fit.residualVar;
    out["explainedVar"] = fit.explainedVar;
    out["detail"] = fit.detail;
    out["harmonicCount"] = fit.harmonicCount;
    out["omega"] = fit.omega;
    out["fourierA0"] = fit.fourierA0;
    out["coefficient"] = fit.coefficient;
    out["linearCoefficient"] = fit.linearCoefficient;
    return out;
}

Json unitToJson(const UnitDef& unit) {
    Json out = Json::object();
    out["factorCount"] = unit.factorCount;
    out["reference"] = unit.reference;
    out["system"] = unit.system;
    out["category"] = unit.category;
    out["quantity"] = unit.quantity;
    out["denominator"] = unit.denominator;
    out["prefix"] = charArraysToJson(unit.prefix);
    out["symbol"] = charArraysToJson(unit.symbol);
    out["exponent"] = charArraysToJson(unit.exponent);
    out["padding1"] = charArrayToJson(unit.padding1);
    out["prefixAllowed"] = unit.prefixAllowed;
    out["exponentAllowed"] = unit.exponentAllowed;
    out["padding2"] = charArrayToJson(unit.padding2);
    out["coefficient"] = unit.coefficient;
    out["offset"] = unit.offset;
    out["dimension"] = unit.dimension;
    return out;
}

Json functionToJson(const FunctionDef& function) {
    Json out = Json::object();
    out["functionId"] = function.functionId;
    out["anglesInDegrees"] = function.anglesInDegrees;
    out["parametric"] = function.parametric;
    out["from"] = function.from;
    out["to"] = function.to;
    out["pointNumber"] = function.pointNumber;
    out["expression"] = textToJson(function.expression);
    out["constants"] = textToJson(function.constants);
    out["parameter"] = textToJson(function.parameter);
    out["domain"] = textToJson(function.domain);
    return out;
}

Json pointsToJson(const PointBuffer& points) {
    Json out = Json::array();
    out.get_ref<Json::array_t&>().reserve(points.size());
    for (const Point& point : points.view()) out.push_back(Json::array({point.x, point.y}));
    return out;
}

}  // namespace

Json textToJson(std::string_view windows1252) {
    return base::windows1252ToUtf8(windows1252);
}

Json curveToJson(const Curve& curve) {
    Json out = Json::object();
    out["title"] = textToJson(curve.title);
    out["modified"] = textToJson(curve.modified);
    out["axisName"] = Json::array({textToJson(curve.axisName[0]), textToJson(curve.axisName[1])});
    out["hidden"] = curve.hidden;
    out["pointCount"] = curve.pointCount();
    out["legend"] = textToJson(curve.legend);
    out["symbol"] = symbolToJson(curve.symbol);
    out["line"] = lineToJson(curve.line);
    out["treatment"] = treatmentCode(curve.treatment);
    out["confidence"] = curve.confidence;
    out["extent"] = curve.extent;
    out["bounds"] = curve.bounds;
    out["excludePoints"] = curve.excludePoints;
    out["fit"] = fitToJson(curve.fit);
    out["unit"] = Json::array({unitToJson(curve.unit[0]), unitToJson(curve.unit[1])});
    out["function"] = functionToJson(curve.function);
    out["points"] = pointsToJson(curve.points);
    return out;
}

Json diagramToJson(const Diagram& diagram, const std::string& format) {
    Json out = Json::object();
    out["format"] = textToJson(format);
    out["displayMode"] = diagram.displayMode;
    out["orientation"] = diagram.orientation;
    out["margins"] = diagram.margins;
    out["centre"] = diagram.centre;
    out["size"] = diagram.size;
    out["drawSpace"] = diagram.drawSpace;
    out["dashLength"] = diagram.dashLength;
    out["curveCount"] = diagram.curveCount();
    out["reportFont"] = fontToJson(diagram.reportFont);
    out["band"] = Json::array({bandToJson(diagram.band[0]), bandToJson(diagram.band[1])});
    out["logo"] = logoToJson(diagram.logo);
    out["backPaint"] = paintToJson(diagram.backPaint);
    out["diagramPaint"] = paintToJson(diagram.diagramPaint);
    out["backPicture"] = charArrayToJson(diagram.backPicture);
    out["diagramPicture"] = charArrayToJson(diagram.diagramPicture);
    Json labels = Json::array();
    for (const LabelSlot& label : diagram.labels) labels.push_back(labelToJson(label));
    out["labels"] = std::move(labels);
    out["tagOrder"] = diagram.tagOrder;
    out["tagPosition"] = diagram.tagPosition;
    out["scales"] = scalesToJson(diagram.scales);
    out["dataRange"] = diagram.dataRange;
    out["henryExtentIndex"] = diagram.henryExtentIndex;
    Json curves = Json::array();
    for (const Curve& curve : diagram.curves) curves.push_back(curveToJson(curve));
    out["curves"] = std::move(curves);
    return out;
}

}  // namespace ordinax::cli
