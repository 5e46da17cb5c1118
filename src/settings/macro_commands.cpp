// The label, legend, smoothing, curve, symbol and miscellaneous macros, and
// the dispatch of a catalogue id to its command.
#include "settings/macro_commands.h"

#include <array>
#include <cstdlib>
#include <cmath>
#include <functional>
#include <string>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "document/orx_file.h"
#include "settings/macro_catalogue.h"
#include "richtext/markup_codes.h"
#include "richtext/markup_edit.h"
#include "settings/macro_presentation.h"

namespace ordinax::settings {

namespace {

using document::Curve;
using document::Diagram;
using document::LabelSlot;
using document::PaintStyle;

// Very different colours (0x00BBGGRR): red, blue, green, magenta, orange,
// teal, purple, brown, black, navy, olive, dark red, grey, bright green,
// pink, sky blue.
constexpr std::array<std::int32_t, 16> DistinctColours = {
    0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x0080FF, 0x808000, 0x800080, 0x004080,
    0x000000, 0x800000, 0x008080, 0x000080, 0x808080, 0x00C000, 0x8000FF, 0xFF8000};

// Symbol numbers run over 2..23: larger ones are brought back by steps of 22.
constexpr int FirstSymbolNumber = 2;
constexpr int SymbolNumberCount = 22;

// Calls `change` for every slot of the label scope (0..5) or of the tags
// (7..16) that holds a text; the legend block is never in scope.
void forEachSlot(Diagram& diagram, bool tags, const std::function<void(LabelSlot&)>& change) {
    const int first = tags ? document::FirstTagSlot : 0;
    const int last = tags ? document::LabelSlotCount : document::LegendSlot;
    for (int slot = first; slot < last; ++slot) {
        LabelSlot& label = diagram.labels[static_cast<std::size_t>(slot)];
        if (label.placement == -1) continue;
        change(label);
    }
}

void forEachCurve(Diagram& diagram, const std::function<void(Curve&)>& change) {
    for (Curve& curve : diagram.curves) change(curve);
}

// The label commands 1..9 of a group (101xx libellés, 102xx étiquettes).
MacroStatus applySlotCommand(Diagram& diagram, int command, bool tags, const MacroAttributes& a) {
    switch (command) {
        case 1:
            forEachSlot(diagram, tags, [&](LabelSlot& s) {
                s.paint[PaintStyle::Fill] = 1;
                s.paint[PaintStyle::Picture] = 0;
                s.paint[PaintStyle::PicturePlacement] = 0;
                s.paint[PaintStyle::FillColour1] = a.gradColor1;
                s.paint[PaintStyle::FillColour2] = a.gradColor2;
                s.paint[PaintStyle::Gradient] = a.noGradation;
            });
            return MacroStatus::Done;
        case 2: {
            const BorderWidths widths = splitFrameWidth(a.frameWidth);
            forEachSlot(diagram, tags, [&](LabelSlot& s) {
                s.paint[PaintStyle::Border] = 1;
                s.paint[PaintStyle::BorderColour] = a.frameColor;
                s.paint[PaintStyle::BorderWidthX] = widths.horizontal;
                s.paint[PaintStyle::BorderWidthY] = widths.vertical;
                s.paint[PaintStyle::MarginX] = 3;
                s.paint[PaintStyle::MarginY] = 3;
            });
            return MacroStatus::Done;
        }
        case 3:
            forEachSlot(diagram, tags, [&](LabelSlot& s) {
                s.paint[PaintStyle::Shadow] = 1;
                s.paint[PaintStyle::ShadowColour] = a.shadowColor;
                s.paint[PaintStyle::ShadowHardness] = a.shadowHard;
                s.paint[PaintStyle::ShadowDepthX] = a.shadowDeep;
                s.paint[PaintStyle::ShadowDepthY] = a.shadowDeep;
            });
            return MacroStatus::Done;
        case 4:
            forEachSlot(diagram, tags, [](LabelSlot& s) { s.paint[PaintStyle::Fill] = 0; });
            return MacroStatus::Done;
        case 5:
            forEachSlot(diagram, tags, [](LabelSlot& s) { s.paint[PaintStyle::Border] = 0; });
            return MacroStatus::Done;
        case 6:
            forEachSlot(diagram, tags, [](LabelSlot& s) { s.paint[PaintStyle::Shadow] = 0; });
            return MacroStatus::Done;
        case 7:
            forEachSlot(diagram, tags, [&](LabelSlot& s) { s.text = richtext::withFont(s.text, a.textFont); });
            return MacroStatus::Done;
        case 8:
            forEachSlot(diagram, tags, [&](LabelSlot& s) {
                s.text = richtext::withColour(s.text, static_cast<richtext::Colour>(a.textColor));
            });
            return MacroStatus::Done;
        case 9:
            forEachSlot(diagram, tags, [](LabelSlot& s) {
                s.placement = -1;
                s.text.clear();
            });
            return MacroStatus::Done;
        default:
            return MacroStatus::Unknown;
    }
}

MacroStatus applyLegendCommand(Diagram& diagram, int command, const MacroInputs& inputs) {
    const MacroAttributes& a = inputs.attributes;
    switch (command) {
        case 1: {
            document::LegendTextOptions options = inputs.legendOptions;
            if (options.fontCode.empty() && a.textFont.height != 0)
                options.fontCode = richtext::sizeCode(std::abs(a.textFont.height) * 72.0 / 96.0);
            document::insertAllLegends(diagram, inputs.legendPlacement, options);
            return MacroStatus::Done;
        }
        case 2:
            forEachCurve(diagram, [&](Curve& c) { c.legend = richtext::withFont(c.legend, a.textFont); });
            return MacroStatus::Done;
        case 3:
            forEachCurve(diagram, [&](Curve& c) {
                c.legend = richtext::withColour(c.legend, static_cast<richtext::Colour>(a.textColor));
            });
            return MacroStatus::Done;
        case 4:
            forEachCurve(diagram, [](Curve& c) { c.legend.clear(); });
            diagram.labels[document::LegendSlot].placement = -1;
            return MacroStatus::Done;
        default:
            return MacroStatus::Unknown;
    }
}

// 10401..10404: the treatment and the fewest points a curve needs for it.
void setSmoothing(Diagram& diagram, int treatment, int minimumPoints) {
    forEachCurve(diagram, [&](Curve& c) {
        if (c.pointCount() >= minimumPoints) c.treatment = treatment;
    });
}

MacroStatus applySmoothingCommand(Diagram& diagram, int command, const MacroInputs& inputs) {
    switch (command) {
        case 1: setSmoothing(diagram, 1, 2); return MacroStatus::Done;
        case 2: setSmoothing(diagram, 2, 3); return MacroStatus::Done;
        case 3: setSmoothing(diagram, 3, 3); return MacroStatus::Done;
        case 4: setSmoothing(diagram, 4, 2); return MacroStatus::Done;
        case 5:
            forEachCurve(diagram, [&](Curve& c) {
                c.bounds = {{{inputs.bounds[0], inputs.bounds[1]}, {inputs.bounds[2], inputs.bounds[3]}}};
                c.excludePoints = inputs.excludePoints ? 1 : 0;
            });
            return MacroStatus::Done;
        case 6:
            forEachCurve(diagram, [](Curve& c) { c.bounds = {{{-1.0e35, 1.0e35}, {-1.0e35, 1.0e35}}}; });
            return MacroStatus::Done;
        case 7:
            forEachCurve(diagram, [](Curve& c) { c.treatment = 0; });
            return MacroStatus::Done;
        default:
            return MacroStatus::Unknown;
    }
}

MacroStatus applyCurveCommand(Diagram& diagram, int command, const MacroAttributes& a) {
    const int count = diagram.curveCount();
    switch (command) {
        case 1:
            for (int i = 0; i < count; ++i)
                diagram.curves[static_cast<std::size_t>(i)].line.colour[0] =
                    automaticColour(i, count, a.variousColor != 0);
            return MacroStatus::Done;
        case 2:
            forEachCurve(diagram, [&](Curve& c) { c.line.colour[0] = a.lineColor; });
            return MacroStatus::Done;
        case 3:
            forEachCurve(diagram, [](Curve& c) { c.line.colour[0] = c.symbol.outerColour; });
            return MacroStatus::Done;
        case 4: {
            // Only curves drawn with a line take part in the 1..5 sequence.
            int next = 0;
            forEachCurve(diagram, [&](Curve& c) {
                if (c.treatment < 1) return;
                c.line.type[0] = 1 + next % 5;
                ++next;
            });
            return MacroStatus::Done;
        }
        case 5:
            forEachCurve(diagram, [&](Curve& c) { c.line.type[0] = a.typeLine; });
            return MacroStatus::Done;
        case 6:
            forEachCurve(diagram, [&](Curve& c) { c.line.width[0] = a.sizeLine; });
            return MacroStatus::Done;
        case 7:
            forEachCurve(diagram, [](Curve& c) { c.symbol.belowLine = 0; });
            return MacroStatus::Done;
        case 8:
            forEachCurve(diagram, [](Curve& c) { c.symbol.belowLine = 1; });
            return MacroStatus::Done;
        default:
            return MacroStatus::Unknown;
    }
}

MacroStatus applySymbolCommand(Diagram& diagram, int command, const MacroAttributes& a) {
    const int count = diagram.curveCount();
    switch (command) {
        case 1: {
            // Defined shapes (type 1) step through the numbers from DefinedSymbol;
            // character symbols step through the characters from FirstSymbol.
            const int startNumber = document::reduceSymbolNumber(a.definedSymbol);
            const int startOffset = startNumber >= FirstSymbolNumber ? startNumber - FirstSymbolNumber : 0;
            for (int i = 0; i < count; ++i) {
                document::SymbolStyle& s = diagram.curves[static_cast<std::size_t>(i)].symbol;
                s.type = a.typeSymbol;
                if (a.typeSymbol == 1) {
                    s.number = FirstSymbolNumber + (startOffset + i) % SymbolNumberCount;
                } else {
                    s.character = (a.firstSymbol + i) & 0xFF;
                    s.font = a.symbolFont;
                }
            }
            return MacroStatus::Done;
        }
        case 2:
            forEachCurve(diagram, [&](Curve& c) {
                c.symbol.type = a.typeSymbol;
                c.symbol.number = a.definedSymbol;
                c.symbol.character = a.charSymbol;
                c.symbol.font = a.symbolFont;
                c.symbol.option = a.optionSymbol;
                c.symbol.fill = a.fillSymbol;
            });
            return MacroStatus::Done;
        case 3:
            forEachCurve(diagram, [&](Curve& c) { c.symbol.size = a.sizeSymbol; });
            return MacroStatus::Done;
        case 4:
            for (int i = 0; i < count; ++i)
                diagram.curves[static_cast<std::size_t>(i)].symbol.outerColour =
                    automaticColour(i, count, a.variousColor != 0);
            return MacroStatus::Done;
        case 5:
            forEachCurve(diagram, [&](Curve& c) { c.symbol.outerColour = a.symbolColor1; });
            return MacroStatus::Done;
        case 6:
            forEachCurve(diagram, [](Curve& c) { c.symbol.outerColour = c.line.colour[0]; });
            return MacroStatus::Done;
        case 7:
            forEachCurve(diagram, [&](Curve& c) {
                c.symbol.fill = 1;
                c.symbol.innerColour = a.symbolColor2;
            });
            return MacroStatus::Done;
        case 8:
            forEachCurve(diagram, [](Curve& c) { c.symbol.innerColour = c.symbol.outerColour; });
            return MacroStatus::Done;
        case 9:
            forEachCurve(diagram, [](Curve& c) { c.symbol.innerColour = complementColour(c.symbol.outerColour); });
            return MacroStatus::Done;
        case 10:
            forEachCurve(diagram, [](Curve& c) { c.symbol.fill = 1; });
            return MacroStatus::Done;
        case 11:
            forEachCurve(diagram, [](Curve& c) { c.symbol.fill = 0; });
            return MacroStatus::Done;
        case 12:
            forEachCurve(diagram, [](Curve& c) { c.symbol.type = 0; });
            return MacroStatus::Done;
        case 13:
            forEachCurve(diagram, [](Curve& c) { c.symbol.belowLine = 0; });
            return MacroStatus::Done;
        case 14:
            forEachCurve(diagram, [](Curve& c) { c.symbol.belowLine = 1; });
            return MacroStatus::Done;
        default:
            return MacroStatus::Unknown;
    }
}

MacroResult applyGeneralCommand(Diagram& diagram, int command, const MacroInputs& inputs) {
    MacroResult result;
    switch (command) {
        case 1: {
            // The model is read aside so that a refused file changes nothing.
            Diagram model;
            const document::DiagramDefaults fallback;
            const document::ReadResult read = document::readDiagramFile(
                inputs.attributes.fileName, inputs.defaults ? *inputs.defaults : fallback, model);
            if (!read.ok) {
                result.status = MacroStatus::Refused;
                result.message = read.message.empty()
                                     ? base::makeMessage(base::MsgFormatConvertFirst, base::Heading::Error)
                                     : read.message;
                return result;
            }
            detail::copyPresentation(diagram, model);
            return result;
        }
        case 2: detail::simplifyPresentation(diagram); return result;
        case 3: detail::makeMonochrome(diagram); return result;
        case 4: detail::invertColours(diagram); return result;
        default: result.status = MacroStatus::Unknown; return result;
    }
}

}  // namespace

std::int32_t complementColour(std::int32_t colour) {
    return static_cast<std::int32_t>(~static_cast<std::uint32_t>(colour) & 0x00FFFFFFu);
}

std::int32_t automaticColour(int index, int count, bool distinct) {
    if (index < 0) index = 0;
    if (distinct) return DistinctColours[static_cast<std::size_t>(index) % DistinctColours.size()];
    // Hue ramp from red towards magenta, full saturation, value 200/255 so
    // that no curve turns pale yellow on a white page.
    const int steps = count > 1 ? count : 1;
    const double hue = 300.0 * static_cast<double>(index % steps) / static_cast<double>(steps > 1 ? steps - 1 : 1);
    const double value = 200.0;
    const double sector = hue / 60.0;
    const int whole = static_cast<int>(std::floor(sector));
    const double fraction = sector - whole;
    const auto level = [](double v) { return static_cast<std::int32_t>(std::lround(v)); };
    const std::int32_t rising = level(value * fraction);
    const std::int32_t falling = level(value * (1.0 - fraction));
    const std::int32_t full = level(value);
    std::int32_t r = 0, g = 0, b = 0;
    switch (whole) {
        case 0: r = full; g = rising; break;
        case 1: r = falling; g = full; break;
        case 2: g = full; b = rising; break;
        case 3: g = falling; b = full; break;
        case 4: r = rising; b = full; break;
        default: r = full; b = falling; break;
    }
    return r | (g << 8) | (b << 16);
}

MacroResult applyMacro(Diagram& diagram, int id, const MacroInputs& inputs) {
    MacroResult result;
    if (!isMacroCommand(id)) {
        result.status = MacroStatus::Unknown;
        return result;
    }
    const int group = id / 100 - 100;
    const int command = id % 100;
    const MacroAttributes& a = inputs.attributes;
    switch (group) {
        case 0: result = applyGeneralCommand(diagram, command, inputs); break;
        case 1: result.status = applySlotCommand(diagram, command, false, a); break;
        case 2: result.status = applySlotCommand(diagram, command, true, a); break;
        case 3: result.status = applyLegendCommand(diagram, command, inputs); break;
        case 4: result.status = applySmoothingCommand(diagram, command, inputs); break;
        case 5: result.status = applyCurveCommand(diagram, command, a); break;
        case 6: result.status = applySymbolCommand(diagram, command, a); break;
        case 7:
            if (command == 1) {
                document::compactCurves(diagram);
            } else {
                forEachCurve(diagram, [](Curve& c) { c.hidden = 0; });
                result.showAllCurves = true;
            }
            break;
        default: result.status = MacroStatus::Unknown; break;
    }
    if (result.status == MacroStatus::Done) document::updateLabelLineCounts(diagram);
    return result;
}

}  // namespace ordinax::settings
