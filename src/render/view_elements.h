// The elements of a drawn diagram as a screen reader lists them: titles and
// axis labels, the plot, the active scales, the curves, the legend lines and
// the tags, each with its rectangle in the last pass and a name in words.
#pragma once

#include <string>
#include <vector>

#include "document/diagram.h"
#include "render/diagram_renderer.h"

namespace ordinax::render {

struct ViewElement {
    enum class Kind { Label, Plot, Scale, Curve, LegendLine, Tag };
    Kind kind = Kind::Plot;
    int slot = -1;       // Label, Tag: the label slot
    int curve = -1;      // Curve, LegendLine
    int direction = -1;  // Scale
    int side = -1;
    DevRect rect;      // where it is drawn (curves: the plot)
    std::string name;  // UTF-8: what a screen reader says
};

// The elements of the diagram as the last pass laid it out, in reading order:
// upper title and labels, the plot, the scales, the curves, the legend lines,
// the tags (by stacking order), lower title and labels. Curves hidden or left
// out by `curveFilter` (-1 all) are not listed.
std::vector<ViewElement> viewElements(const DiagramLayout& layout, const document::Diagram& diagram,
                                      int curveFilter = -1);

// The text of label markup as words: codes dropped, lines joined by blanks.
std::string spokenText(std::string_view markup);

}  // namespace ordinax::render
