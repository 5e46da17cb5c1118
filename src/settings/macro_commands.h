// The presentation commands of the "Macros" dialog, each a function over the
// whole diagram. The caller brackets the dialog as one undoable change.
#pragma once

#include <array>
#include <cstdint>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"
#include "document/label_slots.h"
#include "settings/macro_attributes.h"

namespace ordinax::settings {

// What the dialog adds to the remembered attributes for some commands.
struct MacroInputs {
    MacroAttributes attributes;
    // 10405: X mini, X maxi, Y mini, Y maxi and " &Exclure aussi les points lors du tracé".
    std::array<double, 4> bounds = {-1.0e35, 1.0e35, -1.0e35, 1.0e35};
    bool excludePoints = false;
    // 10301: how the inserted legends are written (an empty font code takes
    // the size of TextFont) and where the legend block goes when it was empty.
    document::LegendTextOptions legendOptions;
    int legendPlacement = 0;
    // 10001 reads its model diagram with these defaults.
    const document::DiagramDefaults* defaults = nullptr;
};

enum class MacroStatus {
    Done,         // the command ran (it may have found nothing to change)
    Refused,      // the command was refused: `message` says why, the diagram is unchanged
    Unknown,      // not a command of the catalogue (or a heading)
};

struct MacroResult {
    MacroStatus status = MacroStatus::Done;
    base::Message message;
    bool showAllCurves = false;  // 10702: the view shows every active curve again
};

// Runs one command of the catalogue over the diagram, then recomputes the
// label line counts. A refused or unknown command leaves the diagram as it was.
MacroResult applyMacro(document::Diagram& diagram, int id, const MacroInputs& inputs);

// The complement of a colour: each of the red, green and blue bytes replaced
// by 255 minus itself (the unused high byte stays 0).
std::int32_t complementColour(std::int32_t colour);

// The automatic colour of curve `index` out of `count`: a fixed sequence of
// very different colours when `distinct`, otherwise a hue ramp over the count.
std::int32_t automaticColour(int index, int count, bool distinct);

}  // namespace ordinax::settings
