// A label's runs in a Qt text document and back: each run's look becomes a
// character format (family, size, weight, style, vertical alignment, colour)
// that also keeps the run's own markup codes and style, so that an unchanged
// text is written back byte for byte. Line feeds are line separators inside
// one paragraph; bytes without a character of their own take private-use
// characters, so that nothing is lost on the way.
#pragma once

#include <QTextCharFormat>
#include <vector>

#include "richtext/label_runs.h"

class QTextCursor;
class QTextDocument;

namespace ordinax::shell {

// The character format of a run's style.
QTextCharFormat runFormat(const richtext::RunStyle& style, const richtext::LabelBase& base);

// The style a character format stands for: the style it keeps, with the
// looks the user changed since (weight, italic, underline, strike-out,
// vertical alignment, colour, size, family) taken from the format.
richtext::RunStyle formatStyle(const QTextCharFormat& format, const richtext::LabelBase& base);

// The text shown for a run's bytes in its style (Symbol, Wingdings or Windows-1252).
QString runText(const std::string& bytes, const richtext::RunStyle& style);

// Inserts runs at the cursor, each in its format.
void insertRuns(QTextCursor& cursor, const std::vector<richtext::LabelRun>& runs, const richtext::LabelBase& base);

// Replaces the document's text by the runs.
void setDocumentRuns(QTextDocument& document, const std::vector<richtext::LabelRun>& runs,
                     const richtext::LabelBase& base);

// The runs of the document, or of the cursor's selection. Characters that have
// no byte in their font take the look that gives them one (a Greek letter a
// Greek run, ₂ a subscript 2); others become "?".
std::vector<richtext::LabelRun> documentRuns(const QTextDocument& document, const richtext::LabelBase& base);
std::vector<richtext::LabelRun> selectionRuns(const QTextCursor& cursor, const richtext::LabelBase& base);

}  // namespace ordinax::shell
