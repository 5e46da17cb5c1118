// The diagram as JSON and back: every field of the record under its own name,
// texts converted between Windows-1252 (the model) and UTF-8 (JSON).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::cli {

// Ordered, so that a dump lists the fields in the order of the record.
using Json = nlohmann::ordered_json;

// Returns a Windows-1252 model text as a JSON (UTF-8) string.
Json textToJson(std::string_view windows1252);

// Returns one curve as JSON, its points as [[x, y], ...].
Json curveToJson(const document::Curve& curve);

// Returns the whole diagram as JSON; `format` is the magic the file was read with.
Json diagramToJson(const document::Diagram& diagram, const std::string& format);

// The points of a dump's curves read aside from the JSON document (see
// readJsonInput), by curve index; set for the curves whose points were met.
using DumpPoints = std::vector<std::optional<std::vector<document::Point>>>;

// Applies the keys present in `json` over `diagram` (missing keys keep what the
// diagram holds; the curves, when given, replace the curve list, each starting
// from the curve defaults). Returns an empty message on success, otherwise the
// French error message naming the faulty key; `diagram` may then be partly
// changed. `aside`, when given, holds the points the document left empty;
// each curve's are released once the curve holds them.
base::Message applyDiagramJson(const Json& json, document::Diagram& diagram, DumpPoints* aside = nullptr);

// Applies the keys present in `json` over one curve; `where` names the curve in
// error messages ("curves[2]"). Same result convention as applyDiagramJson.
base::Message applyCurveJson(const Json& json, document::Curve& curve, const std::string& where);

}  // namespace ordinax::cli
