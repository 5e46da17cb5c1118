// The axis settings of the acquisition kept between uses: "Preference" /
// SaveScan tells whether they are kept, section "Scanning" holds the axis
// kinds and the texts of the four value fields.
#pragma once

#include <string>

#include "acquisition/frame.h"
#include "settings/store.h"

namespace ordinax::acquisition {

struct AcquisitionSettings {
    bool save = false;  // "Mémoriser les réglages"
    AxisValues xAxis;
    AxisValues yAxis;
};

// Reads the settings; when SaveScan is 0 the axes are linear from 0 to 10.
AcquisitionSettings readAcquisitionSettings(const settings::SettingsStore& store);

// Writes SaveScan, and the axis settings when it is set.
void writeAcquisitionSettings(settings::SettingsStore& store, const AcquisitionSettings& values);

// The text of a value field ("%g", trailing zeros removed).
std::string axisValueText(double value);

// The size in screen pixels of a picture `metric` hundredths of a millimetre
// long at `pixelsPerInch`: rounded, halves away from zero; 0 for a zero size or factor.
int picturePixels(double metric, double pixelsPerInch);

}  // namespace ordinax::acquisition
