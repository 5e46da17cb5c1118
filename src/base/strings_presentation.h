// Message ids: the presentation dialogs of the desktop application (scales,
// fills, labels, legends and tags, the label editor, page setup, preferences,
// macros). Texts without a documented number take this group's own range.
#pragma once

namespace ordinax::base {

enum : int {
    MsgAllLabelsInserted = 10400,     // every title and axis label is already there
    MsgAllLegendsInserted = 10401,    // every curve already has a legend
    MsgTagsFull = 10402,              // the ten tags are in use
    MsgRtfUnreadable = 10403,         // the RTF of the clipboard could not be read (%s: the reader's status)
    MsgMarginsTooWide = 10404,        // left + right margins leave no room on the sheet
    MsgMarginsTooHigh = 10405,        // top + bottom margins leave no room on the sheet
    MsgDiagramTooLarge = 10406,       // the diagram is larger than the body of the sheet (%s: its size)
    MsgFolderMissing = 10407,         // a working folder does not exist and cannot be created (%s)
    MsgMacroModelMissing = 10408,     // "Copier la présentation ..." without a model diagram
    MsgMacroApplied = 10409,          // status bar: the macro %s was applied
    MsgPreferencesNextStart = 10410,  // the "Divers" values take effect at the next start
    MsgLogoFileMissing = 10411,       // the logo file %s cannot be read
    MsgPreviewPageCodes = 10412,      // the page codes shown under the band texts
    MsgBoundsOrder = 10413,           // macro 10405: a minimum above its maximum
    // Names the screen reader gives to the elements of the view.
    MsgViewName = 10450,        // the view itself
    MsgViewPlot = 10451,        // the plot rectangle
    MsgViewScale = 10452,       // a scale: "Échelle %s"
    MsgViewCurve = 10453,       // a curve: "Courbe %s"
    MsgViewLegendLine = 10454,  // a legend line: "Légende : %s"
    MsgViewStatusBar = 10455,   // the status bar
    MsgViewTagText = 10456,     // a tag: "Étiquette n : text"
};

}  // namespace ordinax::base
