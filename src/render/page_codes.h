// Page codes of header and footer texts (&S, &V, &D, &T, &P, &Q, &F, &N), the
// report-only {..} blocks and the split of a band text at its &c / &r marks.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace ordinax::render {

// The page a band text is expanded for.
enum PageKind : int {
    PagePreview = -1,  // previews of the settings pages: {..} content kept
    PageDiagram = 0,   // a diagram page: {..} blocks removed
    PageReport = 1,    // a calculation report page: {..} content kept
};

// The program version as its version resource gives it.
struct ProgramVersion {
    bool present = false;  // false: "6.0" is written
    int major = 6;
    int minor = 0;
    int release = 1;  // third number: selects the letter after "major.minor"
};

// Everything the codes insert, gathered by the caller (no clock or file access here).
struct PageCodeContext {
    ProgramVersion version;
    std::tm now = {};                                     // local date and time for &D and &T
    base::Language language = base::Language::French;     // reportLanguage
    int page = 1;                                         // &P, at least 1
    int pageCount = 1;                                    // &Q, at least 1
    std::string documentPath;                             // empty while the document has no file
};

// "major.minor" followed by the letter of the release number (none for 1,
// 0xDF for 0, 'a' + n - 1 for n >= 2); "6.0" when the resource is missing.
std::string versionText(const ProgramVersion& version);

// Expands every page code of a band text, then removes the {..} blocks
// (pageKind 0) or their braces alone (other kinds). Values written by a code
// are never expanded again, and their braces are not block marks.
std::string expandPageCodes(std::string_view text, int pageKind, const PageCodeContext& context);

// The three aligned parts of an expanded band text.
struct BandParts {
    std::string left;
    std::string centre;
    std::string right;
    bool operator==(const BandParts&) const = default;
};

// Splits at the first "&r" (the rest is right-aligned), then what precedes it
// at the first "&c" (the rest is centred).
BandParts splitBandText(std::string_view text);

}  // namespace ordinax::render
