// Filling a report template: placeholders, conditional blocks, coefficient,
// statistics and harmonic rows of the regression and Fourier reports.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "reports/report_template.h"

namespace ordinax::reports {

// What a report is made of: the curve after its computation, the model's
// catalogue record and the results of the most recent fit (determination,
// correlation, degrees of freedom and intervals are not kept in the curve).
// The report says which fit it shows ("@AJUSTEMENT@"): the linearised one,
// the refined one (whose statistics in y it prints for every model, with the
// "AFFINE" block), or the linearised one kept when a refinement failed.
struct ReportInputs {
    const document::Curve* curve = nullptr;
    const numerics::FitModel* model = nullptr;     // regression: the curve's model
    const numerics::FitReport* lastFit = nullptr;  // regression: the fit just computed
    int language = 0;                              // program language of the column titles
};

// The report kind of a curve: Fourier for a Fourier series, regression otherwise.
int reportKindOf(const document::Curve& curve);

// Removes the first (or, with `all`, every) block ":IF[name]" .. ":END[name]"
// with both marker lines; returns true when one was removed.
bool dropBlock(std::string& text, std::string_view name, bool all);

// Removes every remaining ":IF[" and ":END[" marker to the end of its line.
void removeBlockMarkers(std::string& text);

// Fills a normalised template text of `kind`; an empty template gives an empty text.
std::string fillReport(std::string text, int kind, const ReportInputs& inputs);

struct ReportBuild {
    bool ok = false;
    std::string text;       // label markup, lines ended by line feeds
    base::Message message;  // why the template could not be used
};

// Loads the template of the curve's kind from the program's folder and fills
// it; fails (with the message) when the template is missing or too short.
ReportBuild buildReport(const std::filesystem::path& programFolder, const ReportInputs& inputs);

}  // namespace ordinax::reports
