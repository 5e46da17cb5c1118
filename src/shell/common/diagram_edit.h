// The change bracket of a dialog: the dialog edits a working copy of the
// diagram (the points are shared until one side writes them, so the copy is
// cheap), OK puts the copy in place as one undo step, Cancel simply drops it
// and leaves the diagram and its history untouched. While the dialog is
// open the view can draw the working copy (live preview).
#pragma once

#include <optional>

#include "document/diagram.h"

namespace ordinax::shell {

class COrdinaxDoc;
class COrdinaxView;

class DiagramEdit {
public:
    // `view` may be null (no preview).
    explicit DiagramEdit(COrdinaxDoc& document, COrdinaxView* view = nullptr);
    ~DiagramEdit();
    DiagramEdit(const DiagramEdit&) = delete;
    DiagramEdit& operator=(const DiagramEdit&) = delete;

    document::Diagram& working() { return working_; }
    const document::Diagram& original() const;

    // The view draws the working copy from now on, until commit or the end of the edit.
    void preview();

    // Puts the working copy in place as one undoable change, with `selectedCurve`
    // as the new selection when given; true when a step was recorded (the
    // copy differed). The edit is over afterwards.
    bool commit(std::optional<int> selectedCurve = std::nullopt);

private:
    void endPreview();

    COrdinaxDoc& document_;
    COrdinaxView* view_;
    document::Diagram working_;
    bool previewing_ = false;
};

}  // namespace ordinax::shell
