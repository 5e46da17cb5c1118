// The preference-backed values a new diagram starts from. The preferences
// record of the settings hold one of these; the document only sees this part.
#pragma once

#include <array>
#include <cstdint>

#include "document/diagram.h"

namespace ordinax::document {

struct ScaleDefaults {
    std::int32_t active = 0;
    std::int32_t mainGraduate = 0;
    std::int32_t mainGraduateLine = 0;
    std::int32_t subGraduate = 0;
    std::int32_t subGraduateLine = 0;
    std::int32_t graduateBoth = 0;
    bool operator==(const ScaleDefaults&) const = default;
};

struct DiagramDefaults {
    std::array<std::int32_t, 2> orientation = {0, 0};
    std::array<std::array<double, 6>, 2> margins = {{{2.5, 1.5, 2.5, 2.0, 1.5, 1.5}, {2.5, 1.5, 2.5, 2.0, 1.5, 1.5}}};
    std::array<std::int32_t, 2> centre = {1, 1};
    std::array<double, 2> size = {17.0, 18.0};
    std::array<std::int32_t, 2> drawSpace = {4, 4};
    std::array<std::int32_t, 2> dashLength = {5, 5};
    LogFont reportFont;
    std::array<HeaderFooter, 2> band;
    LogoSettings logo;
    PaintStyle backPaint;
    PaintStyle diagramPaint;
    std::array<PaintStyle, 2> labelPaint;  // [0] titles, axis labels, legends; [1] tags
    std::array<std::int32_t, 2> mainSide = {0, 0};
    std::array<std::array<ScaleDefaults, 2>, 2> scale;  // [direction][side]
    LogFont scaleFont;
    std::int32_t scaleColour = 0;
    std::int32_t henryExtentIndex = 13;

    bool operator==(const DiagramDefaults&) const = default;
};

// The factory values (those of an empty settings store).
DiagramDefaults factoryDiagramDefaults();

// Resets every field to the record defaults, then applies the preference-backed
// values; the diagram has no curve afterwards.
void resetDiagram(Diagram& diagram, const DiagramDefaults& defaults);

// Resets one curve slot to the curve defaults.
void resetCurve(Curve& curve);

}  // namespace ordinax::document
