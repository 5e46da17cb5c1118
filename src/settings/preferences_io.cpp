// Reading and writing the preferences, section by section. Section
// "Preference" is described once, key by key, and walked by a reader and a
// writer, so that the two can never disagree on a key name or a unit.
#include <string>

#include "settings/preferences.h"
#include "settings/store_values.h"

namespace ordinax::settings {

namespace {

constexpr const char* MarginSuffixes[6] = {"LMargin", "RMargin", "TMargin", "BMargin", "HMargin", "FMargin"};
constexpr const char* PagePrefixes[2] = {"Diagram", "Report"};

std::string digit(int i) { return std::to_string(i); }

// Calls the visitor once per key of section "Preference", with the member it
// holds and the way it is stored.
template <class Prefs, class Visitor>
void visitPreferenceKeys(Prefs& p, Visitor& v) {
    auto& d = p.diagram;

    v.integer("ScanFloppy", p.scanFloppy);
    v.integer("ScanFixe", p.scanFixe);
    v.integer("ScanCDROM", p.scanCdrom);
    v.integer("ScanNetwork", p.scanNetwork);
    v.integer("AutoSave", p.autoSave);
    v.integer("TimeSave", p.timeSave);
    for (int i = 0; i < FolderCount; ++i) v.path(FolderKeys[i], p.folders[i]);

    for (int page = 0; page < 2; ++page) {
        const std::string prefix = PagePrefixes[page];
        v.integer(prefix + "Orient", d.orientation[page]);
        for (int m = 0; m < 6; ++m) v.length(prefix + MarginSuffixes[m], d.margins[page][m]);
    }
    v.length("DiagramWidth", d.size[0]);
    v.length("DiagramHeight", d.size[1]);
    v.integer("CenterHor", d.centre[0]);
    v.integer("CenterVer", d.centre[1]);
    v.integer("DrawSpaceCx", d.drawSpace[0]);
    v.integer("DrawSpaceCy", d.drawSpace[1]);
    v.font("DrawingFont", p.drawingFont);
    v.font("ReportFont", d.reportFont);

    for (int i = 0; i < 2; ++i) {
        auto& band = d.band[i];
        v.integer("HFPrint" + digit(i), band.print);
        v.modelText("HFText" + digit(i), band.text);
        v.font("HFFont" + digit(i), band.font);
        v.integer("HFColor" + digit(i), band.colour);
        v.integer("HFSep" + digit(i), band.separator);
    }

    auto& logo = d.logo;
    for (int i = 0; i < 2; ++i) v.integer("LogoPrint" + digit(i), logo.print[i]);
    v.modelText("LogoFile", logo.file);
    v.integer("LogoLocate", logo.location);
    for (int i = 0; i < 2; ++i) v.length("LogoPosition" + digit(i), logo.position[i]);
    v.integer("LogoDimension", logo.dimension);
    v.integer("LogoZoom", logo.zoom);
    for (int i = 0; i < 2; ++i) v.length("LogoSize" + digit(i), logo.logoSize[i]);

    v.paint("BackPaint", d.backPaint);
    v.paint("DiagPaint", d.diagramPaint);
    for (int i = 0; i < 2; ++i) v.paint("LabelPaint" + digit(i), d.labelPaint[i]);

    for (int dir = 0; dir < 2; ++dir) {
        v.integer("MainScale" + digit(dir), d.mainSide[dir]);
        for (int side = 0; side < 2; ++side) {
            const std::string suffix = digit(dir) + digit(side);
            auto& scale = d.scale[dir][side];
            v.integer("bScale" + suffix, scale.active);
            v.integer("MainGraduate" + suffix, scale.mainGraduate);
            v.integer("MainGraduateLine" + suffix, scale.mainGraduateLine);
            v.integer("SubGraduate" + suffix, scale.subGraduate);
            v.integer("SubGraduateLine" + suffix, scale.subGraduateLine);
            v.integer("GraduateBoth" + suffix, scale.graduateBoth);
        }
    }
    v.integer("bIdemContour", p.idemContour);
    v.integer("DrawDashCx", d.dashLength[0]);
    v.integer("DrawDashCy", d.dashLength[1]);
    v.font("FontScale", d.scaleFont);
    v.integer("ColorScale", d.scaleColour);

    auto& symbol = p.symbol;
    v.integer("TypeSymbol", symbol.type);
    v.integer("NoSymbol", symbol.number);
    v.integer("SpecialSymbol", symbol.option);
    v.integer("CharSymbol", symbol.character);
    v.font("FontSymbol", symbol.font);
    v.integer("SizeSymbol", symbol.size);
    v.integer("FillSymbol", symbol.fill);
    v.integer("IntColorSymbol", symbol.innerColour);
    v.integer("ExtColorSymbol", symbol.outerColour);
    v.integer("OverSymbol", symbol.belowLine);
    v.integer("ChangeSymbol", p.changeSymbol);
    for (int i = 0; i < 2; ++i) {
        v.integer("TypeLine" + digit(i), p.line.type[i]);
        v.integer("WidthLine" + digit(i), p.line.width[i]);
        v.integer("ColorLine" + digit(i), p.line.colour[i]);
    }

    v.integer("TrueType", p.trueType);
    v.integer("KeepMacro", p.keepMacro);
    v.integer("ThinFrame", p.thinFrame);
    v.integer("Angle", p.angle);
    v.integer("HenryScale", d.henryExtentIndex);
    v.integer("SimpleShadow", p.simpleShadow);
    v.integer("ReportLanguage", p.reportLanguage);
}

struct KeyReader {
    const SettingsStore& store;
    const std::string section = SectionPreference;

    void integer(const std::string& key, std::int32_t& value) { value = store.readInt(section, key, value); }
    void length(const std::string& key, double& value) { readLength(store, section, key, value); }
    void font(const std::string& key, base::LogFont& value) { readFont(store, section, key, value); }
    void paint(const std::string& key, document::PaintStyle& value) { readPaint(store, section, key, value); }
    void modelText(const std::string& key, std::string& value) { readModelText(store, section, key, value); }
    void path(const std::string& key, std::string& value) { value = store.readString(section, key, value); }
};

struct KeyWriter {
    SettingsStore& store;
    const std::string section = SectionPreference;

    void integer(const std::string& key, std::int32_t value) { store.writeInt(section, key, value); }
    void length(const std::string& key, double value) { writeLength(store, section, key, value); }
    void font(const std::string& key, const base::LogFont& value) { writeFont(store, section, key, value); }
    void paint(const std::string& key, const document::PaintStyle& value) { writePaint(store, section, key, value); }
    void modelText(const std::string& key, const std::string& value) { writeModelText(store, section, key, value); }
    void path(const std::string& key, const std::string& value) { store.writeString(section, key, value); }
};

// The Henry scale index selects a row of the probability table (3 to 13);
// any other value would index outside it.
constexpr int HenryIndexMin = 3;
constexpr int HenryIndexMax = 13;

}  // namespace

Preferences readPreferences(const SettingsStore& store) {
    Preferences p = factoryPreferences();
    KeyReader reader{store};
    visitPreferenceKeys(p, reader);
    if (p.diagram.henryExtentIndex < HenryIndexMin || p.diagram.henryExtentIndex > HenryIndexMax)
        p.diagram.henryExtentIndex = factoryPreferences().diagram.henryExtentIndex;

    p.maxMru = store.readInt(SectionOptions, "MaxMRU", p.maxMru);
    p.beep = store.readInt(SectionOptions, "Beep", p.beep);
    p.install = store.readString(SectionAppli, "Install", p.install);
    p.version = store.readString(SectionAppli, "Version", p.version);
    for (int i = 0; i < RecentFileCount; ++i)
        p.recentFiles[i] = store.readString(SectionMemory, "File" + digit(i), p.recentFiles[i]);
    for (int i = 0; i < CustomColourCount; ++i)
        p.customColours[i] = store.readInt(SectionCustomColor, "Color" + digit(i), p.customColours[i]);
    p.pointColour = store.readInt(SectionDisplay, "PointColor", p.pointColour);
    p.numPreviewPages = store.readInt(SectionDocument, "numPreviewPages", p.numPreviewPages);
    return p;
}

void writePreferences(const Preferences& preferences, SettingsStore& store) {
    KeyWriter writer{store};
    visitPreferenceKeys(preferences, writer);
}

void writeApplicationOptions(const Preferences& preferences, SettingsStore& store) {
    store.writeInt(SectionOptions, "MaxMRU", preferences.maxMru);
    store.writeInt(SectionOptions, "Beep", preferences.beep);
    store.writeInt(SectionDocument, "numPreviewPages", preferences.numPreviewPages);
}

void writeRecentFiles(const Preferences& preferences, SettingsStore& store) {
    for (int i = 0; i < RecentFileCount; ++i)
        store.writeString(SectionMemory, "File" + digit(i), preferences.recentFiles[i]);
}

void writeCustomColours(const Preferences& preferences, SettingsStore& store) {
    for (int i = 0; i < CustomColourCount; ++i)
        store.writeInt(SectionCustomColor, "Color" + digit(i), preferences.customColours[i]);
}

void writePointColour(const Preferences& preferences, SettingsStore& store) {
    store.writeInt(SectionDisplay, "PointColor", preferences.pointColour);
}

void writeReportLanguage(const Preferences& preferences, SettingsStore& store) {
    store.writeInt(SectionPreference, "ReportLanguage", preferences.reportLanguage);
}

void writeStartupInfo(SettingsStore& store, const std::string& programFolder) {
    store.writeString(SectionAppli, "Install", programFolder);
    store.writeString(SectionAppli, "Version", ProgramVersion);
}

}  // namespace ordinax::settings
