// Filling report templates.
#include "reports/report_builder.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "base/encoding.h"
#include "base/format.h"
#include "base/strings.h"
#include "base/strings_refinement.h"
#include "base/text.h"
#include "numerics/fit_kind.h"
#include "numerics/refine_curve.h"
#include "reports/report_format.h"

namespace ordinax::reports {

namespace {

// Models whose correlation block is dropped: their determination and
// correlation do not compare with those of the other models.
bool withoutCorrelation(int kind) {
    switch (kind) {
        case numerics::KindHYPTP:
        case numerics::KindLINTO:
        case numerics::KindLINTP:
        case numerics::KindPOL2TO:
        case numerics::KindPOL2TP:
        case numerics::KindRECLINTP:
            return true;
        default:
            return false;
    }
}

std::string intText(int value) { return std::to_string(value); }

// The line that holds `placeholder`: [begin, end) where begin is just after
// the preceding line feed (0 on the first line) and end is the line's own
// line feed (or the end of the text).
struct RowSpan {
    std::size_t begin;
    std::size_t end;
};

std::optional<RowSpan> findRow(const std::string& text, std::string_view placeholder) {
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t feed = at == 0 ? std::string::npos : text.rfind('\n', at - 1);
    const std::size_t begin = feed == std::string::npos ? 0 : feed + 1;
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    return RowSpan{begin, end};
}

// Replaces the row that holds `placeholder` with one filled copy per index of
// [first, last]; `fill` edits a copy. No index leaves no line at all.
template <typename Fill>
void expandRows(std::string& text, std::string_view placeholder, int first, int last, Fill fill) {
    const std::optional<RowSpan> row = findRow(text, placeholder);
    if (!row) return;
    const std::string pattern = text.substr(row->begin, row->end - row->begin);
    std::string rows;
    for (int i = first; i <= last; ++i) {
        std::string copy = pattern;
        fill(copy, i);
        rows += copy;
        if (i < last) rows += '\n';
    }
    // Without any row the line disappears with its line feed.
    std::size_t end = row->end;
    if (first > last && end < text.size()) ++end;
    text.replace(row->begin, end - row->begin, rows);
}

std::string subscriptName(const char* format, int i) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, i);
    return buffer;
}

// Whether the fit shown is refined: the fit just computed says so, or else
// the curve's own record.
bool refinedFit(const ReportInputs& in) {
    return in.lastFit ? in.lastFit->refined : numerics::isRefined(*in.curve);
}

// Which fit the report shows, in the template's 8-bit text.
std::string fitDescription(const ReportInputs& in) {
    std::string text;
    if (refinedFit(in)) {
        text = base::messageText(base::MsgRefineFitRefined);
    } else if (in.lastFit && in.lastFit->refineAsked) {
        text = base::makeMessage(base::MsgRefineFitNotKept, base::Heading::None, in.lastFit->refineReason).text;
    } else {
        text = base::messageText(base::MsgRefineFitLinearised);
    }
    return base::utf8ToWindows1252Lossy(text);
}

// The refinement's own lines: both sums of squared errors in y, the iterations and the stop.
void fillRefinement(std::string& text, const document::Curve& curve) {
    const std::optional<numerics::RefinementRecord> record = numerics::storedRefinement(curve);
    if (!record) return;
    replaceAll(text, "@SCE@", formatNumber(record->sse));
    replaceAll(text, "@SCE_LIN@", formatNumber(record->linearisedSse));
    replaceAll(text, "@ITERATIONS@", intText(record->iterations));
    replaceAll(text, "@ARRET@", base::utf8ToWindows1252Lossy(numerics::refineReason(
                                    numerics::RefineStatus::Refined, record->stop, record->evaluations)));
}

double pointX(const document::Curve& curve, bool last) {
    const auto points = curve.points.view();
    if (points.empty()) return 0.0;
    return last ? points.back().x : points.front().x;
}

void fillRegression(std::string& text, const ReportInputs& in) {
    const document::Curve& curve = *in.curve;
    const document::FitResult& fit = curve.fit;
    const int kind = curve.treatment;
    static const numerics::FitReport noFit;
    const numerics::FitReport& last = in.lastFit ? *in.lastFit : noFit;
    // A refined fit has the statistics in y of every model.
    const bool statistics = (in.model && in.model->flag != 0) || refinedFit(in);
    const int n = std::clamp(numerics::coefficientCount(kind), 0, numerics::MaxCoefficients);
    if (refinedFit(in)) fillRefinement(text, curve);

    // 1. Coefficient rows.
    expandRows(text, "@AN@", 0, n - 1, [&](std::string& row, int i) {
        replaceAll(row, "@AN@", formatNumber(fit.coefficient[static_cast<std::size_t>(i)]));
        replaceAll(row, "\xB6s0\xB6s", subscriptName("\xB6s%d\xB6s", i));
    });

    // 2. Determination and correlation.
    if (!withoutCorrelation(kind)) {
        replaceAll(text, "@C_DET@", formatNumber(last.determination, "%.5f"));
        replaceAll(text, "@C_COR@", formatNumber(last.correlation, "%.5f"));
    }
    if (!statistics) return;

    // 3. Statistics, column titles and the statistics rows.
    replaceAll(text, "@NB_POINTS@", intText(curve.pointCount()));
    replaceAll(text, "@DDL@", intText(last.dof));
    replaceAll(text, "@IC_REG@", formatNumber(curve.confidence));
    replaceAll(text, "@T_STUDENT@", formatNumber(fit.studentT));
    replaceAll(text, "@FEXP@", formatNumber(fit.fValue));
    replaceAll(text, "@X_MOYEN@", formatNumber(fit.meanX));
    replaceAll(text, "@Y_MOYEN@", formatNumber(fit.meanY));
    replaceAll(text, "@VAR_X@", formatNumber(fit.varX));
    replaceAll(text, "@VAR_Y@", formatNumber(fit.varY));
    replaceAll(text, "@VAR_EXP@", formatNumber(fit.explainedVar));
    replaceAll(text, "@VAR_RES@", formatNumber(fit.residualVar));
    // A title can occur in several tables: each field is centred where it stands.
    const std::pair<std::string_view, ColumnTitle> titles[] = {{"@TXTMIN@", ColumnTitle::Minimum},
                                                               {"@TXTMOY@", ColumnTitle::Mean},
                                                               {"@TXTMAX@", ColumnTitle::Maximum},
                                                               {"@TXTET@", ColumnTitle::Deviation}};
    for (const auto& [placeholder, column] : titles)
        replaceInField(text, placeholder, columnTitle(column, in.language));
    expandRows(text, "@N@", 0, n - 1, [&](std::string& row, int i) {
        const auto index = static_cast<std::size_t>(i);
        const bool hasBounds = index < last.intervals.size();
        const double lower = hasBounds ? last.intervals[index][0] : 0.0;
        const double upper = hasBounds ? last.intervals[index][1] : 0.0;
        replaceInField(row, "@N@", subscriptName(" a\xB6s%d\xB6s", i));
        replaceInField(row, "@AMIN@", formatShortest(lower, RegressionFormats));
        replaceInField(row, "@AMOY@", formatShortest(fit.coefficient[index], RegressionFormats));
        replaceInField(row, "@AMAX@", formatShortest(upper, RegressionFormats));
        replaceInField(row, "@AET@", formatShortest(fit.detail[index], RegressionFormats));
    });
}

void fillFourier(std::string& text, const ReportInputs& in) {
    const document::Curve& curve = *in.curve;
    const document::FitResult& fit = curve.fit;
    const int h = std::clamp(fit.harmonicCount, 0, static_cast<int>(document::HarmonicSlots) - 1);
    replaceAll(text, "@NB_POINTS@", intText(curve.pointCount()));
    replaceAll(text, "@NHARM@", intText(fit.harmonicCount));
    if (h > 0) {
        replaceAll(text, "@PERIODE@", formatNumber(6.283185307179586 / fit.omega));
        replaceAll(text, "@PULSATION@", formatNumber(fit.omega));
        replaceAll(text, "@FREQUENCE@", formatNumber(fit.omega * 0.15915494309189535));
    }
    replaceAll(text, "@A0@", formatNumber(fit.fourierA0));
    if (h <= 0) return;
    const double span = pointX(curve, true) - pointX(curve, false);
    expandRows(text, "@N@", 1, h, [&](std::string& row, int i) {
        const auto index = static_cast<std::size_t>(i);
        replaceInField(row, "@N@", subscriptName(" %02d", i));
        replaceInField(row, "@AN_HARM@", formatShortest(fit.coefficient[index], HarmonicFormats));
        replaceInField(row, "@BN_HARM@", formatShortest(fit.linearCoefficient[index], HarmonicFormats));
        replaceInField(row, "@FR_HARM@", formatShortest(i / span, HarmonicFormats));
    });
}

// Removes text[from, end of the line holding `to`] (line feed included).
void eraseThroughLine(std::string& text, std::size_t from, std::size_t to) {
    std::size_t end = text.find('\n', to);
    end = end == std::string::npos ? text.size() : end + 1;
    text.erase(from, end - from);
}

}  // namespace

int reportKindOf(const document::Curve& curve) {
    return curve.treatment == numerics::KindFOU ? ReportFourier : ReportRegression;
}

bool dropBlock(std::string& text, std::string_view name, bool all) {
    const std::string open = ":IF[" + std::string(name) + "]";
    const std::string close = ":END[" + std::string(name) + "]";
    bool dropped = false;
    do {
        // The search starts after the first character: a marker standing
        // there opens no block, as in every earlier generation's reports.
        const std::size_t begin = text.find(open, 1);
        if (begin == std::string::npos) break;
        const std::size_t end = text.find(close, begin);
        if (end == std::string::npos) break;
        eraseThroughLine(text, begin, end);
        dropped = true;
    } while (all);
    return dropped;
}

void removeBlockMarkers(std::string& text) {
    for (std::string_view marker : {":IF[", ":END["})
        for (std::size_t at = text.find(marker, 1); at != std::string::npos; at = text.find(marker, 1))
            eraseThroughLine(text, at, at);
}

std::string fillReport(std::string text, int kind, const ReportInputs& in) {
    if (text.empty() || in.curve == nullptr) return {};
    const int model = in.curve->treatment;
    if (kind == ReportRegression) {
        std::string name = in.model ? in.model->name : std::string();
        if (!name.empty()) name[0] = base::upperCase1252(name[0]);
        replaceAll(text, "@FUNCTION@", name);
        replaceAll(text, "@EXPRESSION@", in.model ? in.model->equation : std::string());
        replaceAll(text, "@AJUSTEMENT@", fitDescription(in));
        if (withoutCorrelation(model)) dropBlock(text, "CCOR", false);
        if (!(in.model && in.model->flag != 0) && !refinedFit(in)) dropBlock(text, "STAT", false);
        if (!refinedFit(in)) dropBlock(text, "AFFINE", false);
    } else if (in.curve->fit.harmonicCount < 1) {
        dropBlock(text, "HARMONIC", true);
    }
    removeBlockMarkers(text);
    if (kind == ReportRegression)
        fillRegression(text, in);
    else
        fillFourier(text, in);
    return text;
}

ReportBuild buildReport(const std::filesystem::path& programFolder, const ReportInputs& inputs) {
    ReportBuild build;
    if (inputs.curve == nullptr) return build;
    const int kind = reportKindOf(*inputs.curve);
    TemplateLoad load = loadTemplate(programFolder, kind, inputs.language);
    if (load.text.empty()) {
        build.message = std::move(load.message);
        return build;
    }
    build.text = fillReport(std::move(load.text), kind, inputs);
    build.ok = true;
    return build;
}

}  // namespace ordinax::reports
