// Defaults of a new diagram: the record's own values, then the preference-backed ones.
#include "document/diagram_defaults.h"

#include <cstring>

namespace ordinax::document {

namespace {

LogFont makeFont(int height, int weight, int pitchAndFamily, const char* face) {
    LogFont f;
    f.height = height;
    f.weight = weight;
    f.pitchAndFamily = static_cast<std::uint8_t>(pitchAndFamily);
    std::strncpy(f.faceName, face, sizeof f.faceName - 1);
    return f;
}

}  // namespace

DiagramDefaults factoryDiagramDefaults() {
    DiagramDefaults d;
    const LogFont arial16 = makeFont(-16, 400, 48, "Arial");
    d.reportFont = makeFont(-16, 400, 49, "Courier New");
    d.band[0].text = "&S/&V - &N";
    d.band[1].text = "{Page &P/&Q}";
    for (HeaderFooter& b : d.band) b.font = arial16;
    d.scaleFont = makeFont(-12, 400, 48, "Arial");
    for (auto& direction : d.scale) direction[0].active = 1;
    return d;
}

void resetCurve(Curve& curve) { curve = Curve{}; }

void resetDiagram(Diagram& diagram, const DiagramDefaults& defaults) {
    diagram = Diagram{};
    diagram.orientation = defaults.orientation;
    diagram.margins = defaults.margins;
    diagram.centre = defaults.centre;
    diagram.size = defaults.size;
    diagram.drawSpace = defaults.drawSpace;
    diagram.dashLength = defaults.dashLength;
    diagram.reportFont = defaults.reportFont;
    diagram.band = defaults.band;
    diagram.logo = defaults.logo;
    diagram.backPaint = defaults.backPaint;
    diagram.diagramPaint = defaults.diagramPaint;
    for (int slot = 0; slot < LabelSlotCount; ++slot)
        diagram.labels[static_cast<std::size_t>(slot)].paint = defaults.labelPaint[slot < FirstTagSlot ? 0 : 1];
    diagram.scales.mainSide = defaults.mainSide;
    for (std::size_t d = 0; d < 2; ++d) {
        for (std::size_t s = 0; s < 2; ++s) {
            AxisScale& a = diagram.scales.axis[d][s];
            const ScaleDefaults& p = defaults.scale[d][s];
            a.active = p.active;
            a.mainGraduate = p.mainGraduate;
            a.mainGraduateLine = p.mainGraduateLine;
            a.subGraduate = p.subGraduate;
            a.subGraduateLine = p.subGraduateLine;
            a.graduateBoth = p.graduateBoth;
            a.font = defaults.scaleFont;
            a.colour = defaults.scaleColour;
        }
    }
    diagram.henryExtentIndex = defaults.henryExtentIndex;
}

}  // namespace ordinax::document
