// ordinax-cli: report. Recomputes the curve's stored treatment as the
// dialog's "Calculer" does (the report needs the results of the last fit),
// fills the report template and prints the text or writes a report file,
// the printed report (every page, as PDF) included.
#include "cli/report_command.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "base/strings.h"
#include "base/strings_reports.h"
#include "base/system_reason.h"
#include "cli/cli_support.h"
#include "cli/diagram_json.h"
#include "document/orx_file.h"
#include "document/safe_file.h"
#include "numerics/fit_kind.h"
#include "numerics/fourier.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"
#include "qt/image_output.h"
#include "qt/picture_loader.h"
#include "render/page_bands.h"
#include "reports/report_builder.h"
#include "reports/report_export.h"
#include "reports/report_page.h"
#include "reports/report_template.h"
#include "richtext/rtf_writer.h"

namespace ordinax::cli {

namespace {

namespace fs = std::filesystem;

struct ReportOptions {
    SettingsChoice settings;
    std::string input;
    std::string output;
    int curve = 0;
};

// The language whose templates are read: the program's, always French.
constexpr int ProgramLanguage = 0;

fs::path programFolder() { return fs::path(programDataPath(reports::templateFileName(0, ProgramLanguage))).parent_path(); }

std::string lowerExtension(const std::string& path) {
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

// The report text, or nullopt with the failure reported.
std::optional<std::string> reportText(const document::Curve& curve, const numerics::FitModel* model,
                                      const numerics::FitReport* lastFit) {
    const reports::ReportBuild build =
        reports::buildReport(programFolder(), {&curve, model, lastFit, ProgramLanguage});
    if (!build.ok) {
        reportFailure(build.message);
        return std::nullopt;
    }
    return build.text;
}

bool isPdfName(const std::string& path) { return lowerExtension(path) == ".pdf"; }

// The printed report: every page of the report page settings, as the printer
// draws them, in one PDF document.
int writeReportPdf(const document::Diagram& diagram, const std::string& text, const ReportOptions& o,
                   const settings::Preferences& preferences) {
    qt::ensureGuiApplication();
    const bool landscape = diagram.orientation[1] == 1;
    qt::PdfOptions options;
    options.landscape = landscape;
    const double widthCm = landscape ? options.pageHeightCm : options.pageWidthCm;
    const double heightCm = landscape ? options.pageWidthCm : options.pageHeightCm;
    std::error_code absoluteError;
    const fs::path absolute = fs::absolute(o.input, absoluteError);
    const render::PageCodeContext codes =
        render::pageCodeContextNow(absoluteError ? o.input : absolute.string(), preferences.reportLanguage);
    qt::QtPictureSource pictures;
    const base::Message written = qt::writePdfDocument(
        o.output, options, [&](render::DrawDevice& device, const render::DevRect& page, int index) {
            const reports::ReportPageSetup setup =
                reports::printedReportSetup(page, widthCm, heightCm, device.dpiX(), device.dpiY());
            reports::drawReportPage(device, setup, diagram, text, codes, &pictures, index);
            return index + 1 < reports::reportPageCount(device, setup, diagram, text);
        });
    if (!written.empty()) return reportFailure(written);
    return ExitSuccess;
}

// Writes the report to the output file: PDF here, the text formats by writeReportFile.
int writeOutput(const document::Diagram& diagram, const document::Curve& curve, const numerics::FitModel* model,
                const numerics::FitReport* lastFit, const ReportOptions& o, const settings::Preferences& preferences) {
    if (!isPdfName(o.output)) return writeReportFile(curve, model, lastFit, diagram, o.output);
    const std::optional<std::string> text = reportText(curve, model, lastFit);
    return text ? writeReportPdf(diagram, *text, o, preferences) : ExitFailure;
}

int runReport(const ReportOptions& o) {
    if (!o.output.empty() && !isReportFileName(o.output) && !isPdfName(o.output))
        return reportFailure(base::makeMessage(base::MsgReportUnknownOutput, base::Heading::Error, o.output));
    base::Message error;
    std::optional<settings::Preferences> preferences = loadPreferences(o.settings, error);
    if (!preferences) return reportFailure(error);
    document::Diagram diagram;
    if (!openOrReport(o.input, *preferences, diagram)) return ExitFailure;
    if (o.curve < 0 || o.curve >= diagram.curveCount())
        return reportFailure(errorMessage("La courbe " + std::to_string(o.curve) + " n'existe pas dans ce diagramme."));

    // The computation works on a copy: the file is never written.
    document::Curve curve = diagram.curves[static_cast<std::size_t>(o.curve)];
    if (curve.treatment == numerics::KindFOU) {
        if (const int status = numerics::fourierFit(curve); status != 0)
            return reportFailure(base::makeMessage(status, base::Heading::Error));
        if (!o.output.empty()) return writeOutput(diagram, curve, nullptr, nullptr, o, *preferences);
        const std::optional<std::string> text = reportText(curve, nullptr, nullptr);
        return text ? writeJson(textToJson(*text), {}) : ExitFailure;
    }
    if (!numerics::isRegressionKind(curve.treatment))
        return reportFailure(
            base::makeMessage(base::MsgReportNoTreatment, base::Heading::Error, std::to_string(o.curve)));

    numerics::CatalogueLoad load = numerics::loadCatalogue(programDataPath(numerics::CatalogueFileName));
    if (!load.catalogue) return reportFailure(load.message);
    const bool henryY = numerics::axisKinds(diagram).y == numerics::ScaleHenry;
    // A refined curve is refined again: the report shows the fit the curve holds.
    numerics::CurveFit result;
    if (const int status = numerics::refitCurve(curve, *load.catalogue, henryY, &result); status != numerics::FitOk)
        return reportFailure(base::makeMessage(status, base::Heading::Error));
    if (result.refineAsked && !result.refinement.refined()) reportWarning(numerics::refineWarning(result.refinement));
    const numerics::FitReport& lastFit = result.report;
    const numerics::FitModel& model = (*load.catalogue)[curve.treatment];
    if (!o.output.empty()) return writeOutput(diagram, curve, &model, &lastFit, o, *preferences);
    const std::optional<std::string> text = reportText(curve, &model, &lastFit);
    return text ? writeJson(textToJson(*text), {}) : ExitFailure;
}

}  // namespace

bool isReportFileName(const std::string& path) {
    const std::string extension = lowerExtension(path);
    return extension == ".txt" || extension == ".rtf" || extension == ".csv";
}

int writeReportFile(const document::Curve& curve, const numerics::FitModel* model,
                    const numerics::FitReport* lastFit, const document::Diagram& diagram, const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (!isReportFileName(path))
        return reportFailure(base::makeMessage(base::MsgReportUnknownFormat, base::Heading::Error, path));
    const std::optional<std::string> text = reportText(curve, model, lastFit);
    if (!text) return ExitFailure;
    std::string bytes;
    if (extension == ".csv")
        bytes = reports::reportToCsv(*text);
    else if (extension == ".rtf")
    {
        reports::RtfPage page;
        page.landscape = diagram.orientation[1] == 1;
        for (std::size_t k = 0; k < page.marginsCm.size(); ++k) page.marginsCm[k] = diagram.margins[1][k];
        bytes = reports::reportToRtf(*text, diagram.reportFont, richtext::readRtfTemplate(programFolder()), page);
    }
    else
        bytes = *text;
    // Through the atomic routine: a failed export leaves the previous file whole.
    const document::WriteStatus written = document::replaceFile(path, bytes);
    if (written.ok()) return ExitSuccess;
    return reportFailure(base::withReason(base::makeMessage(base::MsgReportExportFailed, base::Heading::Error, path),
                                          base::systemReason(written.error, base::FileAccess::Write)));
}

void addReportCommand(CLI::App& app, int& status) {
    std::shared_ptr<ReportOptions> options;
    CLI::App* command = addCommand(app, status, "report",
                                   "Note de calcul d'une courbe ajustée ou analysée en série de Fourier (le "
                                   "traitement de la courbe est recalculé d'abord)",
                                   runReport, options);
    addInputArgument(*command, options->input);
    addCurveOption(*command, options->curve)->required();
    command->add_option("-o,--output", options->output,
                        "Fichier de la note : .txt (texte balisé), .rtf (traitement de texte), .csv (tableur) ou "
                        ".pdf (note imprimée, toutes les pages) ; sans -o, le texte est affiché en JSON")
        ->type_name("FICHIER");
}

}  // namespace ordinax::cli
