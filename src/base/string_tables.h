// Texts of the string table kept per subsystem, so that each subsystem's
// messages live beside each other; messageText looks through every table.
#pragma once

#include <span>
#include <string_view>

namespace ordinax::base {

struct StringEntry {
    int id;
    std::string_view text;
};

// Smoothing, Fourier series and spectra.
std::span<const StringEntry> smoothingStrings();
// Derivative, integrals, length, y = f(x) and x = f(y).
std::span<const StringEntry> calculusStrings();
// Coordinate tools of the points grid.
std::span<const StringEntry> coordinateStrings();
// Scales, graduations, drawing of diagrams, curves and labels.
std::span<const StringEntry> drawingStrings();
// Units, dimensions and conversions.
std::span<const StringEntry> unitStrings();
// Calculation reports and page codes.
std::span<const StringEntry> reportStrings();
// Refinement of the regression fits by nonlinear least squares.
std::span<const StringEntry> refinementStrings();
// The desktop application.
std::span<const StringEntry> shellStrings();
// Getting data in from the desktop application.
std::span<const StringEntry> dataStrings();
// The curve menu, the coordinates grid and its tools, symbols, lines, curve export.
std::span<const StringEntry> curveStrings();
// The analysis dialogs of the desktop application.
std::span<const StringEntry> analysisShellStrings();
// The presentation dialogs of the desktop application.
std::span<const StringEntry> presentationStrings();
// Reasons of failed writes and reads, limits of the readers of outside input.
std::span<const StringEntry> fileStrings();
// The reading of one curve of a diagram file.
std::span<const StringEntry> speedStrings();

}  // namespace ordinax::base
