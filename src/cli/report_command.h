// ordinax-cli: report. The calculation report of a fitted or Fourier curve,
// and the writing of report files shared with `fit --report` and `fourier --report`.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "base/logfont.h"
#include "document/diagram.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"

namespace ordinax::cli {

// Adds the `report` command.
void addReportCommand(CLI::App& app, int& status);

// True when the path names a report file the CLI can write (.txt, .rtf, .csv, any case).
bool isReportFileName(const std::string& path);

// Builds the report of a curve just computed (`model` and `lastFit` for a
// regression, null for a Fourier series) from the templates of the program's
// folder and writes it to `path` in the format of its extension: the label
// markup text (.txt), RTF in the diagram's report font and report page
// settings (.rtf) or CSV (.csv). Returns the exit
// status, the failure already reported on standard error.
int writeReportFile(const document::Curve& curve, const numerics::FitModel* model,
                    const numerics::FitReport* lastFit, const document::Diagram& diagram, const std::string& path);

}  // namespace ordinax::cli
