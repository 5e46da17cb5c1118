// The windows the coordinates grid opens.
#include "shell/grid/grid_hooks.h"

namespace ordinax::shell {

namespace {

GridUnitChooser& unitChooser() {
    static GridUnitChooser value;
    return value;
}

GridFunctionEditor& functionEditor() {
    static GridFunctionEditor value;
    return value;
}

}  // namespace

void setGridUnitChooser(GridUnitChooser chooser) { unitChooser() = std::move(chooser); }
const GridUnitChooser& gridUnitChooser() { return unitChooser(); }

void setGridFunctionEditor(GridFunctionEditor editor) { functionEditor() = std::move(editor); }
const GridFunctionEditor& gridFunctionEditor() { return functionEditor(); }

}  // namespace ordinax::shell
