// The acquisition settings kept between uses.
#include "acquisition/acquisition_settings.h"

#include <cmath>
#include <limits>

#include "base/format.h"

namespace ordinax::acquisition {

namespace {

constexpr const char* Preference = "Preference";
constexpr const char* Scanning = "Scanning";

double fieldValue(const settings::SettingsStore& store, const char* key, const char* fallback) {
    const std::string text = store.readString(Scanning, key, fallback);
    return base::parseNumber(text).value_or(*base::parseNumber(fallback));
}

AxisKind kindOf(int stored) {
    return stored == 1 ? AxisKind::Logarithmic : AxisKind::Linear;
}

}  // namespace

AcquisitionSettings readAcquisitionSettings(const settings::SettingsStore& store) {
    AcquisitionSettings values;
    values.save = store.readInt(Preference, "SaveScan", 0) != 0;
    if (!values.save) return values;
    values.xAxis.kind = kindOf(store.readInt(Scanning, "ScaleX", 0));
    values.yAxis.kind = kindOf(store.readInt(Scanning, "ScaleY", 0));
    values.xAxis.origin = fieldValue(store, "OrgX", "0.");
    values.yAxis.origin = fieldValue(store, "OrgY", "0.");
    values.xAxis.extremity = fieldValue(store, "ExtX", "10.");
    values.yAxis.extremity = fieldValue(store, "ExtY", "10.");
    values.xAxis = checkedAxisValues(values.xAxis);
    values.yAxis = checkedAxisValues(values.yAxis);
    return values;
}

void writeAcquisitionSettings(settings::SettingsStore& store, const AcquisitionSettings& values) {
    store.writeInt(Preference, "SaveScan", values.save ? 1 : 0);
    if (!values.save) return;
    store.writeInt(Scanning, "ScaleX", static_cast<int>(values.xAxis.kind));
    store.writeInt(Scanning, "ScaleY", static_cast<int>(values.yAxis.kind));
    store.writeString(Scanning, "OrgX", axisValueText(values.xAxis.origin));
    store.writeString(Scanning, "OrgY", axisValueText(values.yAxis.origin));
    store.writeString(Scanning, "ExtX", axisValueText(values.xAxis.extremity));
    store.writeString(Scanning, "ExtY", axisValueText(values.yAxis.extremity));
}

std::string axisValueText(double value) {
    return base::trimmedNumberText(value);
}

int picturePixels(double metric, double pixelsPerInch) {
    if (metric == 0.0 || pixelsPerInch == 0.0) return 0;
    const double pixels = std::round(metric * pixelsPerInch / 2540.0);
    if (!(std::abs(pixels) < static_cast<double>(std::numeric_limits<int>::max()))) return 0;
    return static_cast<int>(pixels);
}

}  // namespace ordinax::acquisition
