// The computation of the smoothing dialog and its report.
#include "reports/treatment_report.h"

#include <utility>

#include "base/strings.h"
#include "reports/report_builder.h"

namespace ordinax::reports {

TreatmentRun runTreatment(document::Curve& curve, const numerics::TreatmentChoice& choice,
                          const numerics::Catalogue& catalogue, bool henryY, const std::filesystem::path& programFolder,
                          int language) {
    TreatmentRun run;
    // The copy shares the points: keeping it costs no point copy.
    const document::Curve before = curve;
    numerics::TreatmentOutcome outcome = numerics::applyTreatment(curve, choice, catalogue, henryY);
    if (outcome.status != 0) {
        run.message = base::makeMessage(outcome.status, base::Heading::Error);
        return run;
    }
    run.lastFit = std::move(outcome.lastFit);
    run.warning = std::move(outcome.warning);
    if (outcome.reportable) {
        const bool regression = numerics::isRegressionKind(curve.treatment);
        const ReportInputs inputs{&curve, regression ? &catalogue[curve.treatment] : nullptr,
                                  regression ? &run.lastFit : nullptr, language};
        ReportBuild build = buildReport(programFolder, inputs);
        if (!build.ok) {
            // Without its report the computation does not count.
            curve = before;
            run.message = std::move(build.message);
            return run;
        }
        run.report = std::move(build.text);
    }
    run.ok = true;
    return run;
}

}  // namespace ordinax::reports
