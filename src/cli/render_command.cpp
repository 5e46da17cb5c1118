// ordinax-cli render: reads a diagram and draws it into a picture file.
// PNG and SVG are drawn as the screen shows the diagram, in the normal mode
// (the picture is the diagram area) or the page mode (the picture is the
// sheet, with the header and footer bands); PDF is the printed page: the
// diagram inside the page margins, the bands in them.
#include "cli/render_command.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/strings.h"
#include "cli/cli_support.h"
#include "cli/render_outputs.h"
#include "document/orx_file.h"
#include "qt/image_output.h"
#include "qt/picture_loader.h"
#include "render/diagram_renderer.h"
#include "render/display_update.h"
#include "render/page_bands.h"

namespace ordinax::cli {

namespace {

constexpr double CmPerInch = 2.54;
constexpr int ScreenDpi = 96;

struct RenderCommandOptions {
    SettingsChoice settings;
    std::vector<std::string> inputs;
    std::string output;  // a file, a folder ("DIR/") or a pattern with %n
    std::string format;  // of the pictures written into a folder: png, svg or pdf
    int width = 0;   // 0: chosen from the mode
    int height = 0;
    std::string mode = "normal";
    int dpi = 0;     // 0: 96 for pictures, 600 for PDF
    bool autoScales = false;
};

enum class Format { Png, Svg, Pdf, Unknown };

Format formatOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos) return Format::Unknown;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "png") return Format::Png;
    if (ext == "svg") return Format::Svg;
    if (ext == "pdf") return Format::Pdf;
    return Format::Unknown;
}

// The sheet of the diagram page, turned for the landscape orientation.
struct Sheet {
    double widthCm = 21.0;
    double heightCm = 29.7;
};

Sheet sheetOf(const document::Diagram& diagram) {
    Sheet sheet;
    if (diagram.orientation[0] == 1) std::swap(sheet.widthCm, sheet.heightCm);
    return sheet;
}

int pixels(double cm, int dpi) { return static_cast<int>(std::lround(cm / CmPerInch * dpi)); }

// Picture size: as given; in page mode a missing side follows the sheet's
// proportions; in normal mode 800 × 600.
void pictureSize(const RenderCommandOptions& o, bool pageMode, const Sheet& sheet, int dpi, int& width, int& height) {
    width = o.width;
    height = o.height;
    if (!pageMode) {
        if (width <= 0) width = 800;
        if (height <= 0) height = 600;
        return;
    }
    if (width <= 0 && height <= 0) {
        width = pixels(sheet.widthCm, dpi);
        height = pixels(sheet.heightCm, dpi);
    } else if (width <= 0) {
        width = static_cast<int>(std::lround(height * sheet.widthCm / sheet.heightCm));
    } else if (height <= 0) {
        height = static_cast<int>(std::lround(width * sheet.heightCm / sheet.widthCm));
    }
}

struct DrawingFailed {};

// The drawing of every format: the error of the pass, if any, is kept.
struct Drawing {
    const document::Diagram& diagram;
    render::OutputKind output;
    bool printedPage = false;   // PDF: the printed page; else the screen's drawing
    bool pageMode = false;      // pictures of the sheet carry the bands
    bool thinFrame = false;     // the ThinFrame preference (printed pages only)
    render::PageCodeContext codes;
    std::optional<base::Message> error;

    void operator()(render::DrawDevice& device, const render::DevRect& page) {
        render::RenderRequest request;
        request.pageRect = page;
        request.output = output;
        request.output.deviceDpiX = device.dpiX();
        request.output.deviceDpiY = device.dpiY();
        request.output.pageRect = page;
        request.simpleShadow = !device.hasPixels();
        request.thinFrame = thinFrame;
        qt::QtPictureSource pictures;
        request.pictures = &pictures;
        render::RenderResult result;
        if (printedPage) {
            result = render::drawPrintedDiagramPage(device, diagram, request, codes);
        } else {
            result = render::drawDiagram(device, diagram, request);
            if (!result.error && pageMode)
                render::drawDiagramPageBands(device, diagram, page, output.pageWidthCm, output.pageHeightCm,
                                             render::DeviceScale(request.output), codes);
        }
        if (result.error) {
            error = result.error;
            // Leaving the writer by an exception discards the unfinished file,
            // so a failed drawing never replaces a previous picture.
            throw DrawingFailed{};
        }
    }
};

// Writes the picture in its format through the drawing.
base::Message writePicture(const RenderCommandOptions& o, const std::string& path, Format format, bool pageMode,
                           const Sheet& sheet, const document::Diagram& diagram, Drawing& drawing) {
    base::Message written;
    if (format == Format::Pdf) {
        drawing.output.printing = true;
        drawing.printedPage = true;
        qt::PdfOptions options;
        options.pageWidthCm = 21.0;
        options.pageHeightCm = 29.7;
        options.landscape = diagram.orientation[0] == 1;
        options.dpi = o.dpi > 0 ? o.dpi : 600;
        written = qt::writePdf(path, options, std::ref(drawing));
    } else {
        const int dpi = o.dpi > 0 ? o.dpi : ScreenDpi;
        int width = 0;
        int height = 0;
        pictureSize(o, pageMode, sheet, dpi, width, height);
        drawing.output.displayMode = pageMode ? 3 : 1;
        drawing.pageMode = pageMode;
        // In the normal mode sizes follow the screen; a finer picture zooms.
        drawing.output.zoom = static_cast<double>(dpi) / ScreenDpi;
        if (pageMode) drawing.output.zoom = 1.0;
        if (format == Format::Png) {
            qt::PngOptions options;
            options.width = width;
            options.height = height;
            options.dpi = dpi;
            written = qt::writePng(path, options, std::ref(drawing));
        } else {
            qt::SvgOptions options;
            options.width = width;
            options.height = height;
            options.dpi = dpi;
            written = qt::writeSvg(path, options, std::ref(drawing));
        }
    }
    return written;
}

// Draws one diagram into `output`; ExitSuccess or the failure reported.
int renderOne(const RenderCommandOptions& o, const settings::Preferences& preferences, const std::string& input,
              const std::string& output) {
    const Format format = formatOf(output);
    if (format == Format::Unknown)
        return reportFailure(errorMessage("Format de sortie inconnu : " + output + " (png, svg ou pdf)."));
    document::Diagram diagram;
    if (!openOrReport(input, preferences, diagram)) return ExitFailure;
    // A diagram never displayed is drawn as its first display shows it.
    if (o.autoScales)
        render::autoScalesOfMainSides(diagram);
    else
        render::prepareFirstDisplay(diagram);

    const bool pageMode = o.mode == "page";
    const Sheet sheet = sheetOf(diagram);
    Drawing drawing{diagram, {}, false, false, preferences.thinFrame != 0, {}, std::nullopt};
    std::error_code absoluteError;
    const std::filesystem::path absolute = std::filesystem::absolute(input, absoluteError);
    drawing.codes = render::pageCodeContextNow(absoluteError ? input : absolute.string(), preferences.reportLanguage);
    drawing.output.screenDpiX = drawing.output.screenDpiY = ScreenDpi;
    drawing.output.pageWidthCm = sheet.widthCm;
    drawing.output.pageHeightCm = sheet.heightCm;

    qt::ensureGuiApplication();
    try {
        const base::Message written = writePicture(o, output, format, pageMode, sheet, diagram, drawing);
        if (!written.empty()) return reportFailure(written);
    } catch (const DrawingFailed&) {
        return reportFailure(*drawing.error);
    }
    return ExitSuccess;
}

int runRender(const RenderCommandOptions& o) {
    std::vector<std::string> outputs;
    if (const std::optional<std::string> refused = renderOutputs(o.inputs, o.output, o.format, outputs)) {
        std::cerr << "Erreur d'utilisation : " << *refused << "\nVoir « render --help ».\n" << std::flush;
        return ExitUsage;
    }
    base::Message error;
    const std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    // One process for every diagram: a failed one is reported and the others
    // are still drawn; the status tells that one failed.
    int status = ExitSuccess;
    for (std::size_t i = 0; i < o.inputs.size(); ++i)
        if (renderOne(o, *preferences, o.inputs[i], outputs[i]) != ExitSuccess) status = ExitFailure;
    return status;
}

}  // namespace

void addRenderCommand(CLI::App& app, int& status) {
    std::shared_ptr<RenderCommandOptions> options;
    CLI::App* command = addCommand(app, status, "render",
                                   "Dessine un diagramme dans une image PNG, SVG ou PDF, comme à l'écran ou à "
                                   "l'impression",
                                   runRender, options);
    command->add_option("FICHIER", options->inputs,
                        "Fichiers diagrammes à lire (toutes générations) ; plusieurs sont dessinés dans le même "
                        "processus")
        ->required()
        ->type_name("FICHIER...");
    command->add_option("-o,--output", options->output,
                        "Image à écrire : .png, .svg ou .pdf ; pour plusieurs diagrammes, un dossier terminé par "
                        "« / » (les images y prennent le nom de leur diagramme) ou un modèle où %n est le nom du "
                        "diagramme sans son extension (par exemple sortie/%n.png ; %% pour « % »)")
        ->required()
        ->type_name("SORTIE");
    command->add_option("--format", options->format,
                        "Format des images écrites dans un dossier : png (par défaut), svg ou pdf")
        ->check(CLI::IsMember({"png", "svg", "pdf"}))
        ->type_name("FORMAT");
    command->add_option("--width", options->width, "Largeur de l'image en pixels (PNG, SVG)")
        ->check(CLI::Range(1, qt::kMaxPictureSide))
        ->type_name("PX");
    command->add_option("--height", options->height, "Hauteur de l'image en pixels (PNG, SVG)")
        ->check(CLI::Range(1, qt::kMaxPictureSide))
        ->type_name("PX");
    command->add_option("--mode", options->mode, "Affichage : normal (zone du diagramme) ou page (feuille entière)")
        ->check(CLI::IsMember({"normal", "page"}))
        ->type_name("MODE");
    command->add_option("--dpi", options->dpi, "Résolution en pixels par pouce (96 pour les images, 600 pour le PDF)")
        ->check(CLI::Range(72, 4800))
        ->type_name("N");
    command->add_flag("--auto-scales", options->autoScales,
                      "Échelles automatiques (comme « Echelles auto ») avant le dessin ; le fichier n'est pas "
                      "modifié");
}

}  // namespace ordinax::cli
