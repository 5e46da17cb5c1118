// The change bracket of a dialog.
#include "shell/common/diagram_edit.h"

#include "shell/ordinax_doc.h"
#include "shell/ordinax_view.h"

namespace ordinax::shell {

DiagramEdit::DiagramEdit(COrdinaxDoc& document, COrdinaxView* view)
    : document_(document), view_(view), working_(document.diagram()) {}

DiagramEdit::~DiagramEdit() {
    endPreview();
}

const document::Diagram& DiagramEdit::original() const {
    return document_.diagram();
}

void DiagramEdit::preview() {
    if (!view_) return;
    previewing_ = true;
    view_->setPreview(&working_);
}

void DiagramEdit::endPreview() {
    if (!previewing_ || !view_) return;
    previewing_ = false;
    view_->setPreview(nullptr);
}

bool DiagramEdit::commit(std::optional<int> selectedCurve) {
    endPreview();
    document_.beginChange();
    document_.diagram() = working_;
    if (selectedCurve) document_.setSelectedCurve(*selectedCurve);
    return document_.commitChange();
}

}  // namespace ordinax::shell
