// A coordinates grid on curve 0 of a working copy of the demo, as the
// command opens it, for the grid's tests and its tools' tests.
#pragma once

#include <memory>
#include <vector>

#include "../curves/curve_test_support.h"
#include "shell/common/diagram_edit.h"
#include "shell/grid/grid_dialog.h"

namespace ordinax::shell::test {

class GridFixture : public DialogFrameTest {
protected:
    void open(std::vector<document::Point> points) {
        grid_.reset();
        edit_.reset();
        CMainFrame& f = demoFrame();
        f.document().diagram().curves[0] = curveOf("Essai", std::move(points));
        edit_ = std::make_unique<DiagramEdit>(f.document(), &f.view());
        grid_ = std::make_unique<GridDialog>(*prompts, edit_->working(), 0, &f.view(), &f);
        // What opening asked (saving the previous diagram) is not the grid's.
        prompts->asked.clear();
        prompts->shown.clear();
    }
    GridDialog& grid() { return *grid_; }
    std::vector<document::Point> points() {
        const auto v = grid_->grid().curve.points.view();
        return {v.begin(), v.end()};
    }
    std::unique_ptr<DiagramEdit> edit_;
    std::unique_ptr<GridDialog> grid_;
};

}  // namespace ordinax::shell::test
