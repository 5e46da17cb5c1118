// Fuzz target of what a diagram file's fit slots say about a refinement: the
// record, the delta-method band drawn from it and a refit the way the curve
// was fitted. Slots read from a file can hold anything; only crashes count.
#include <cstdint>
#include <span>

#include "document/orx_file.h"
#include "numerics/catalogue.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"

using namespace ordinax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const document::DiagramDefaults defaults = document::factoryDiagramDefaults();
    static const numerics::Catalogue catalogue;
    document::Diagram diagram;
    if (!document::readDiagramBytes(std::span<const std::uint8_t>(data, size), defaults, diagram).ok) return 0;
    for (document::Curve& curve : diagram.curves) {
        if (const auto record = numerics::storedRefinement(curve)) (void)record->covariance[2][2];
        for (double x : {-1.0, 0.0, 0.5, 1.0, 2.0, 1.0e3})
            for (int side : {1, -1}) (void)numerics::confidenceBand(curve, x, side, curve.pointCount());
        numerics::RefineSettings settings;
        settings.minimiser.maxEvaluations = 50;
        (void)numerics::refitCurve(curve, catalogue, false, nullptr, settings);
    }
    return 0;
}
