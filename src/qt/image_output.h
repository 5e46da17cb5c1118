// Pictures of a drawing: PNG, SVG and PDF files written through the QPainter
// device, shared by the command-line `render` and the GUI's export. The
// caller's callback draws the page; the file replaces its target only once
// it is completely written.
#pragma once

#include <functional>
#include <string>

#include "base/message.h"
#include "render/draw_device.h"

namespace ordinax::qt {

// Draws one page onto the device; `page` is the whole picture in device pixels.
using PageDrawer = std::function<void(render::DrawDevice& device, const render::DevRect& page)>;

// Largest side of a PNG or SVG picture, in pixels (well past any printed page).
inline constexpr int kMaxPictureSide = 30000;

struct PngOptions {
    int width = 800;
    int height = 600;
    int dpi = 96;         // stored in the file and reported by the device
    int compression = -1;  // zlib level 0..9; -1: chosen for the picture (see encodePng)
};

struct SvgOptions {
    int width = 800;
    int height = 600;
    int dpi = 96;
    std::string title;  // UTF-8
};

struct PdfOptions {
    double pageWidthCm = 21.0;  // the sheet upright; landscape turns it
    double pageHeightCm = 29.7;
    bool landscape = false;
    int dpi = 600;        // device pixels per inch of the drawing
    bool printer = true;  // the device reports itself as a printed page
    std::string title;    // UTF-8
};

// Each returns an empty message on success, else the message telling that
// the file could not be written (bad size, no memory, unwritable path).
base::Message writePng(const std::string& path, const PngOptions& options, const PageDrawer& draw);
base::Message writeSvg(const std::string& path, const SvgOptions& options, const PageDrawer& draw);
base::Message writePdf(const std::string& path, const PdfOptions& options, const PageDrawer& draw);

// Draws page `index` (0-based) of a document of several pages; returns true
// when another page follows.
using DocumentPageDrawer = std::function<bool(render::DrawDevice& device, const render::DevRect& page, int index)>;

// Most pages one PDF document takes: a drawer that never stops is cut there.
inline constexpr int kMaxPdfPages = 10000;

// A PDF of as many sheets as the drawer asks for, each of the options' size.
base::Message writePdfDocument(const std::string& path, const PdfOptions& options, const DocumentPageDrawer& draw);

// Creates the Qt application object fonts and pictures need when the process
// has none (command-line use): off-screen platform unless one is chosen, and
// numbers in the "C" convention afterwards. Does nothing when one exists.
void ensureGuiApplication();

}  // namespace ordinax::qt
