// Internal to the macros: the whole-diagram presentation commands (copy from
// another diagram, simplified, monochrome, inverted colours).
#pragma once

#include "document/diagram.h"

namespace ordinax::settings::detail {

// Copies the presentation of `model` into `diagram`: page layout, bands, logo,
// page and plot paints and pictures, the paint and option of every label slot,
// the look of the four scales (not their kind nor their limits) and, curve by
// curve for the curves both hold, the symbol and the lines. Texts, placements,
// data, treatments and the curves beyond the model's count are kept.
void copyPresentation(document::Diagram& diagram, const document::Diagram& model);

// Removes fills, pictures, gradients and shadows everywhere and the borders of
// the label slots; the plot frame stays.
void simplifyPresentation(document::Diagram& diagram);

// Black drawing on white: white fills without gradient or picture, black
// borders, shadows, bands, scales, lines and symbol outlines, white symbol fills.
void makeMonochrome(document::Diagram& diagram);

// Replaces every colour of the record by its complement.
void invertColours(document::Diagram& diagram);

}  // namespace ordinax::settings::detail
