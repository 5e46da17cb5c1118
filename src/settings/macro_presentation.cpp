// The whole-diagram presentation macros: copy from a model diagram,
// simplified presentation, monochrome on white and inverted colours.
#include "settings/macro_presentation.h"

#include <algorithm>
#include <cstddef>

#include "richtext/markup_codes.h"
#include "richtext/markup_edit.h"
#include "settings/macro_commands.h"

namespace ordinax::settings::detail {

namespace {

using document::AxisScale;
using document::Curve;
using document::Diagram;
using document::PaintStyle;

constexpr std::int32_t White = 16777215;
constexpr std::int32_t Black = 0;

// The page, the plot area and the 17 label slots: every paint of the record.
template <typename Change>
void forEachPaint(Diagram& diagram, Change change) {
    change(diagram.backPaint);
    change(diagram.diagramPaint);
    for (document::LabelSlot& slot : diagram.labels) change(slot.paint);
}

// Every markup text of the diagram: labels, tags and curve legends.
template <typename Change>
void forEachText(Diagram& diagram, Change change) {
    for (document::LabelSlot& slot : diagram.labels) change(slot.text);
    for (Curve& c : diagram.curves) change(c.legend);
}

template <typename Change>
void forEachAxis(Diagram& diagram, Change change) {
    for (auto& direction : diagram.scales.axis)
        for (AxisScale& axis : direction) change(axis);
}

}  // namespace

void copyPresentation(Diagram& diagram, const Diagram& model) {
    diagram.orientation = model.orientation;
    diagram.margins = model.margins;
    diagram.centre = model.centre;
    diagram.size = model.size;
    diagram.drawSpace = model.drawSpace;
    diagram.dashLength = model.dashLength;
    diagram.band = model.band;
    diagram.logo = model.logo;
    diagram.backPaint = model.backPaint;
    diagram.diagramPaint = model.diagramPaint;
    diagram.backPicture = model.backPicture;
    diagram.diagramPicture = model.diagramPicture;
    for (std::size_t slot = 0; slot < diagram.labels.size(); ++slot) {
        diagram.labels[slot].paint = model.labels[slot].paint;
        diagram.labels[slot].option = model.labels[slot].option;
    }
    // The look of the scales only: activity, kind and limits follow the data.
    for (std::size_t d = 0; d < 2; ++d) {
        for (std::size_t s = 0; s < 2; ++s) {
            AxisScale& to = diagram.scales.axis[d][s];
            const AxisScale& from = model.scales.axis[d][s];
            to.subdivisionIndex = from.subdivisionIndex;
            to.mainGraduate = from.mainGraduate;
            to.mainGraduateLine = from.mainGraduateLine;
            to.subGraduate = from.subGraduate;
            to.subGraduateLine = from.subGraduateLine;
            to.graduateBoth = from.graduateBoth;
            to.font = from.font;
            to.colour = from.colour;
            to.format = from.format;
            to.decimals = from.decimals;
            to.symbol = from.symbol;
            to.orientation = from.orientation;
            to.customSymbol = from.customSymbol;
            to.thousands = from.thousands;
        }
    }
    const std::size_t shared = static_cast<std::size_t>(std::min(diagram.curveCount(), model.curveCount()));
    for (std::size_t i = 0; i < shared; ++i) {
        diagram.curves[i].symbol = model.curves[i].symbol;
        diagram.curves[i].line = model.curves[i].line;
    }
}

void simplifyPresentation(Diagram& diagram) {
    forEachPaint(diagram, [](PaintStyle& p) {
        p[PaintStyle::Fill] = 0;
        p[PaintStyle::Picture] = 0;
        p[PaintStyle::Gradient] = 0;
        p[PaintStyle::Shadow] = 0;
    });
    for (document::LabelSlot& slot : diagram.labels) slot.paint[PaintStyle::Border] = 0;
}

void makeMonochrome(Diagram& diagram) {
    forEachPaint(diagram, [](PaintStyle& p) {
        p[PaintStyle::Picture] = 0;
        p[PaintStyle::FillColour1] = White;
        p[PaintStyle::FillColour2] = White;
        p[PaintStyle::Gradient] = 0;
        p[PaintStyle::BorderColour] = Black;
        p[PaintStyle::ShadowColour] = Black;
    });
    for (document::HeaderFooter& band : diagram.band) band.colour = Black;
    forEachAxis(diagram, [](AxisScale& a) { a.colour = Black; });
    for (Curve& c : diagram.curves) {
        c.line.colour = {Black, Black};
        c.symbol.outerColour = Black;
        c.symbol.innerColour = White;
    }
    forEachText(diagram, [](std::string& text) { text = richtext::withoutColours(text); });
}

void invertColours(Diagram& diagram) {
    forEachPaint(diagram, [](PaintStyle& p) {
        for (int field : {PaintStyle::FillColour1, PaintStyle::FillColour2, PaintStyle::BorderColour,
                          PaintStyle::ShadowColour})
            p[field] = complementColour(p[field]);
    });
    for (document::HeaderFooter& band : diagram.band) band.colour = complementColour(band.colour);
    forEachAxis(diagram, [](AxisScale& a) { a.colour = complementColour(a.colour); });
    for (Curve& c : diagram.curves) {
        for (std::int32_t& colour : c.line.colour) colour = complementColour(colour);
        c.symbol.outerColour = complementColour(c.symbol.outerColour);
        c.symbol.innerColour = complementColour(c.symbol.innerColour);
    }
    forEachText(diagram, [](std::string& text) {
        if (!text.empty()) text = richtext::invertColours(text);
    });
}

}  // namespace ordinax::settings::detail
