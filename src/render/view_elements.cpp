// The elements of a drawn diagram for screen readers.
#include "render/view_elements.h"

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_drawing.h"
#include "base/strings_presentation.h"
#include "document/label_slots.h"
#include "richtext/markup_codes.h"

namespace ordinax::render {

namespace {

std::string tableText(int id, std::string_view argument = {}) {
    return base::makeMessage(id, base::Heading::None, argument).text;
}

// "Titre, côté inférieur : Températures du 14 mars".
std::string slotName(int slot, std::string_view markup) {
    std::string name = tableText(base::MsgSlotNameFirst + slot);
    const std::string text = spokenText(markup);
    if (!text.empty()) name += " : " + text;
    return name;
}

std::string scaleName(const document::AxisScale& scale, int direction, int side) {
    // The sides carry the names of the axis label slots 2 .. 5.
    const int slot = document::LowerXLabelSlot + direction * 2 + side;
    std::string name = tableText(base::MsgViewScale, tableText(base::MsgSlotNameFirst + slot));
    static const char* const Kinds[] = {"LIN", "LOG", "HENRY"};
    const int kind = scale.kind >= 0 && scale.kind <= 2 ? scale.kind : 0;
    name += " (" + std::string(Kinds[kind]) + ") : " + base::trimmedNumberText(scale.origin) + " à " +
            base::trimmedNumberText(scale.extremity);
    if (kind == 0) name += ", pas " + base::trimmedNumberText(scale.step);
    return name;
}

}  // namespace

std::string spokenText(std::string_view markup) {
    // The letters of the Symbol font in Greek runs, A .. Z and a .. z.
    static constexpr const char* Upper[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
                                              "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
    static constexpr const char* Lower[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
                                              "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
    std::string text;
    bool greek = false;
    richtext::MarkupReader reader(markup, 0);
    for (richtext::MarkupToken t = reader.next(); t.kind != richtext::MarkupTokenKind::End; t = reader.next()) {
        switch (t.kind) {
            case richtext::MarkupTokenKind::Code:
                if (t.letter == 'g') greek = !greek;
                break;
            case richtext::MarkupTokenKind::Tab:
            case richtext::MarkupTokenKind::LineFeed:
                text += ' ';
                break;
            case richtext::MarkupTokenKind::Text:
                for (const char c : t.raw) {
                    if (greek && c >= 'A' && c <= 'Z')
                        text += Upper[c - 'A'];
                    else if (greek && c >= 'a' && c <= 'z')
                        text += Lower[c - 'a'];
                    else
                        text += base::windows1252ToUtf8(std::string_view(&c, 1));
                }
                break;
            case richtext::MarkupTokenKind::End:
                break;
        }
    }
    return text;
}

std::vector<ViewElement> viewElements(const DiagramLayout& layout, const document::Diagram& diagram, int curveFilter) {
    std::vector<ViewElement> elements;
    if (layout.plotRect.empty()) return elements;
    auto label = [&](int slot) {
        const DevRect& rect = layout.blocks[static_cast<std::size_t>(slot)];
        const document::LabelSlot& l = diagram.labels[static_cast<std::size_t>(slot)];
        if (rect.empty() || l.placement < 0 || l.text.empty()) return;
        ViewElement e;
        e.kind = ViewElement::Kind::Label;
        e.slot = slot;
        e.rect = rect;
        e.name = slotName(slot, l.text);
        elements.push_back(std::move(e));
    };
    for (const int slot :
         {document::UpperTitleSlot, document::UpperXLabelSlot, document::LeftYLabelSlot, document::RightYLabelSlot})
        label(slot);

    ViewElement plot;
    plot.kind = ViewElement::Kind::Plot;
    plot.rect = layout.plotRect;
    plot.name = tableText(base::MsgViewPlot);
    elements.push_back(std::move(plot));

    for (int d = 0; d < 2; ++d)
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale =
                diagram.scales.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            const DevRect& area = layout.scaleAreas[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            if (scale.active == 0 || area.empty()) continue;
            ViewElement e;
            e.kind = ViewElement::Kind::Scale;
            e.direction = d;
            e.side = s;
            e.rect = area;
            e.name = scaleName(scale, d, s);
            elements.push_back(std::move(e));
        }

    for (int i = 0; i < diagram.curveCount(); ++i) {
        const document::Curve& curve = diagram.curves[static_cast<std::size_t>(i)];
        if (curve.hidden != 0 || (curveFilter >= 0 && curveFilter != i)) continue;
        ViewElement e;
        e.kind = ViewElement::Kind::Curve;
        e.curve = i;
        e.rect = layout.plotRect;
        std::string title = base::windows1252ToUtf8(curve.title);
        if (title.empty()) title = "n° " + std::to_string(i + 1);
        e.name = tableText(base::MsgViewCurve, title) + ", " + std::to_string(curve.pointCount()) +
                 (curve.pointCount() > 1 ? " points" : " point");
        elements.push_back(std::move(e));
    }

    for (const LegendLineRect& line : layout.legendLines) {
        if (line.curve < 0 || line.curve >= diagram.curveCount()) continue;
        ViewElement e;
        e.kind = ViewElement::Kind::LegendLine;
        e.curve = line.curve;
        e.rect = line.rect;
        e.name =
            tableText(base::MsgViewLegendLine, spokenText(diagram.curves[static_cast<std::size_t>(line.curve)].legend));
        elements.push_back(std::move(e));
    }

    // Tags from the bottom of the stack to the top, as they are drawn.
    for (int level = 0; level < document::TagCount; ++level)
        for (int tag = 0; tag < document::TagCount; ++tag) {
            if (diagram.tagOrder[static_cast<std::size_t>(tag)] != level) continue;
            const int slot = document::FirstTagSlot + tag;
            const DevRect& rect = layout.blocks[static_cast<std::size_t>(slot)];
            if (rect.empty()) continue;
            ViewElement e;
            e.kind = ViewElement::Kind::Tag;
            e.slot = slot;
            e.rect = rect;
            e.name = slotName(slot, diagram.labels[static_cast<std::size_t>(slot)].text);
            elements.push_back(std::move(e));
        }

    for (const int slot : {document::LowerXLabelSlot, document::LowerTitleSlot}) label(slot);
    return elements;
}

}  // namespace ordinax::render
