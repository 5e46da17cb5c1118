// The user's preferences: every value of section "Preference" with its
// factory default, and the few application values of the other sections
// (recent files, custom colours, options). Read once at start-up, written
// back section by section when the user confirms a change.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/diagram.h"
#include "document/diagram_defaults.h"
#include "settings/store.h"

namespace ordinax::settings {

// Section names of the store.
inline constexpr const char* SectionPreference = "Preference";
inline constexpr const char* SectionOptions = "Options";
inline constexpr const char* SectionAppli = "Appli";
inline constexpr const char* SectionMemory = "Memory";
inline constexpr const char* SectionCustomColor = "CustomColor";
inline constexpr const char* SectionDisplay = "Display";
inline constexpr const char* SectionDocument = "Document";

// The program generation written to "Appli" / "Version" at every start.
inline constexpr const char* ProgramVersion = "6.0";

// The nine working folders, in the order they are resolved at start-up.
enum class Folder : int {
    Diagrams = 0,  // FolderOrdinax
    Procedures,    // FolderProcess
    Imports,       // FolderImport
    Exports,       // FolderExport
    Scanner,       // FolderScanner
    Pictures,      // FolderPicture
    Samples,       // FolderSample
    Tests,         // FolderTest
    Models,        // FolderModel
};
inline constexpr int FolderCount = 9;
inline constexpr std::array<const char*, FolderCount> FolderKeys = {
    "FolderOrdinax", "FolderProcess", "FolderImport", "FolderExport", "FolderScanner",
    "FolderPicture", "FolderSample", "FolderTest", "FolderModel"};

inline constexpr int RecentFileCount = 9;    // "Memory" / File0 .. File8
inline constexpr int CustomColourCount = 16;  // "CustomColor" / Color0 .. Color15

// The in-memory preferences. Fonts of a value-initialised record are blank:
// factoryPreferences() gives the real defaults.
struct Preferences {
    // Section "Preference". Diagram-page values (page layout, bands, logo,
    // paints, scales, report font, HenryScale) are the defaults of new diagrams.
    document::DiagramDefaults diagram;

    // Kinds of drives scanned by the diagram file explorer.
    std::int32_t scanFloppy = 0;
    std::int32_t scanFixe = 1;
    std::int32_t scanCdrom = 0;
    std::int32_t scanNetwork = 0;

    std::int32_t autoSave = 0;
    std::int32_t timeSave = 30;  // minutes

    // Working folders as UTF-8 paths, indexed by Folder.
    std::array<std::string, FolderCount> folders;

    base::LogFont drawingFont;
    document::SymbolStyle symbol;   // default symbol of new curves (its font is FontSymbol)
    std::int32_t changeSymbol = 1;  // a new symbol for every new curve
    document::LineStyle line;       // default smoothing and confidence-interval lines

    std::int32_t idemContour = 1;  // bIdemContour: origin axes drawn with the frame's pen width
    std::int32_t trueType = 1;
    std::int32_t keepMacro = 0;
    std::int32_t thinFrame = 0;
    std::int32_t angle = 0;  // default angle unit of new function definitions
    std::int32_t simpleShadow = 0;
    std::int32_t reportLanguage = 0;  // 0 French, 1 English, 2 German

    // Section "Options".
    std::int32_t maxMru = 7;
    std::int32_t beep = 1;

    // Section "Appli", written at every start.
    std::string install;  // the program's folder, UTF-8
    std::string version;

    // Section "Memory": remembered file paths (UTF-8), empty when unused.
    std::array<std::string, RecentFileCount> recentFiles;

    // Section "CustomColor": the colour picker's custom colours (0x00BBGGRR).
    std::array<std::int32_t, CustomColourCount> customColours = {
        16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215,
        16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215};

    // Section "Display" / PointColor and "Document" / numPreviewPages.
    std::int32_t pointColour = 0;
    std::int32_t numPreviewPages = 2;

    const std::string& folder(Folder which) const { return folders[static_cast<std::size_t>(which)]; }
    bool operator==(const Preferences&) const = default;
};

// Returns the values of an empty settings store.
Preferences factoryPreferences();

// Reads every section above; missing keys and unreadable font or paint texts
// keep their factory defaults. Working folders are read as stored: see
// resolveWorkingFolders for their defaults.
Preferences readPreferences(const SettingsStore& store);

// Writes every key of section "Preference".
void writePreferences(const Preferences& preferences, SettingsStore& store);

// Writes "Options" / MaxMRU and Beep and "Document" / numPreviewPages (when
// the main window closes).
void writeApplicationOptions(const Preferences& preferences, SettingsStore& store);

// Writes "Memory" / File0 .. File8, empty texts for unused entries.
void writeRecentFiles(const Preferences& preferences, SettingsStore& store);

// Writes "CustomColor" / Color0 .. Color15.
void writeCustomColours(const Preferences& preferences, SettingsStore& store);

// Writes "Display" / PointColor (the pipette's last colour).
void writePointColour(const Preferences& preferences, SettingsStore& store);

// Writes "Preference" / ReportLanguage alone, when the user picks a print language.
void writeReportLanguage(const Preferences& preferences, SettingsStore& store);

// Writes "Appli" / Install (the program's folder, UTF-8) and Version "6.0".
void writeStartupInfo(SettingsStore& store, const std::string& programFolder);

}  // namespace ordinax::settings
