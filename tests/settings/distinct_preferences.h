// A preferences record in which every value differs from its default and from
// every other value, so that a key read into the wrong member shows.
#pragma once

#include <cstring>
#include <string>

#include "settings/preferences.h"

namespace ordinax::settings::testing {

inline base::LogFont distinctFont(int n, const char* face) {
    base::LogFont font;
    font.height = -n;
    font.width = n + 1;
    font.escapement = n + 2;
    font.orientation = n + 3;
    font.weight = 700;
    font.italic = 1;
    font.underline = 1;
    font.strikeOut = 1;
    font.charSet = static_cast<std::uint8_t>(n % 200);
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 34;
    std::strncpy(font.faceName, face, sizeof font.faceName - 1);
    return font;
}

inline document::PaintStyle distinctPaint(int n) {
    document::PaintStyle paint;
    for (int i = 0; i < document::PaintStyle::Count; ++i) paint[i] = n * 100 + i;
    return paint;
}

// Every member set; texts of the model carry Windows-1252 accents ("\xE9" is é).
inline Preferences distinctPreferences() {
    Preferences p;
    int n = 1000;
    auto next = [&n] { return n++; };
    // Lengths with two decimals, exact in hundredths.
    auto nextLength = [&n] { return (n++) / 100.0; };

    auto& d = p.diagram;
    for (auto& o : d.orientation) o = next();
    for (auto& page : d.margins)
        for (auto& m : page) m = nextLength();
    for (auto& c : d.centre) c = next();
    for (auto& s : d.size) s = nextLength();
    for (auto& s : d.drawSpace) s = next();
    for (auto& s : d.dashLength) s = next();
    d.reportFont = distinctFont(next(), "Courier \xC9tendu");
    for (int i = 0; i < 2; ++i) {
        d.band[i].print = next();
        d.band[i].text = "Bande " + std::to_string(i) + " \xE9t\xE9 &P";
        d.band[i].font = distinctFont(next(), i == 0 ? "Head" : "Foot");
        d.band[i].colour = next();
        d.band[i].separator = next();
    }
    d.logo.print = {next(), next()};
    d.logo.file = "/home/user/Images/logo \xE9l\xE9phant.png";
    d.logo.location = next();
    d.logo.position = {nextLength(), nextLength()};
    d.logo.dimension = next();
    d.logo.zoom = next();
    d.logo.logoSize = {nextLength(), nextLength()};
    d.backPaint = distinctPaint(next());
    d.diagramPaint = distinctPaint(next());
    d.labelPaint = {distinctPaint(next()), distinctPaint(next())};
    d.mainSide = {next(), next()};
    for (auto& direction : d.scale)
        for (auto& s : direction) {
            s.active = next();
            s.mainGraduate = next();
            s.mainGraduateLine = next();
            s.subGraduate = next();
            s.subGraduateLine = next();
            s.graduateBoth = next();
        }
    d.scaleFont = distinctFont(next(), "Scale");
    d.scaleColour = next();
    d.henryExtentIndex = 7;  // only 3..13 is kept

    p.scanFloppy = next();
    p.scanFixe = next();
    p.scanCdrom = next();
    p.scanNetwork = next();
    p.autoSave = next();
    p.timeSave = next();
    for (int i = 0; i < FolderCount; ++i) p.folders[i] = "/data/dossier " + std::to_string(next()) + " Mod\xC3\xA8les";
    p.drawingFont = distinctFont(next(), "Drawing");
    p.symbol.type = next();
    p.symbol.number = next();
    p.symbol.character = next();
    p.symbol.font = distinctFont(next(), "Symbols");
    p.symbol.size = next();
    p.symbol.option = next();
    p.symbol.fill = next();
    p.symbol.innerColour = next();
    p.symbol.outerColour = next();
    p.symbol.belowLine = next();
    p.changeSymbol = next();
    p.line.type = {next(), next()};
    p.line.width = {next(), next()};
    p.line.colour = {next(), next()};
    p.idemContour = next();
    p.trueType = next();
    p.keepMacro = next();
    p.thinFrame = next();
    p.angle = next();
    p.simpleShadow = next();
    p.reportLanguage = next();

    p.maxMru = next();
    p.beep = next();
    p.install = "/opt/ordinax " + std::to_string(next());
    p.version = "6.0";
    for (auto& f : p.recentFiles) f = "/home/user/Donn\xC3\xA9" "es/courbe " + std::to_string(next()) + ".orx";
    for (auto& c : p.customColours) c = next();
    p.pointColour = next();
    p.numPreviewPages = next();
    return p;
}

// Writes every section of the record.
inline void writeAllSections(const Preferences& p, SettingsStore& store) {
    writePreferences(p, store);
    writeApplicationOptions(p, store);
    writeRecentFiles(p, store);
    writeCustomColours(p, store);
    writePointColour(p, store);
    writeStartupInfo(store, p.install);
}

}  // namespace ordinax::settings::testing
