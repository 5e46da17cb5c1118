// The grid dialog.
#include "shell/format/scales/diagram_grid_dialog.h"

#include <QPushButton>

#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "ui_diagram_grid_dialog.h"

namespace ordinax::shell {

DiagramGridDialog::DiagramGridDialog(DiagramEdit& edit, UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent), edit_(edit), ui_(std::make_unique<Ui::DiagramGridDialog>()) {
    ui_->setupUi(this);
    for (int direction = 0; direction < 2; ++direction) {
        const DirectionControls c = controlsOf(direction);
        c.dash->setIntegerRange(render::MinDashLength, render::MaxDashLength);
        for (QCheckBox* box : {c.inner, c.outer, c.mainGrid, c.subGrid, c.both})
            connect(box, &QCheckBox::toggled, this, [this, direction] { changed(direction); });
        for (QComboBox* list : {c.mainStyle, c.subStyle})
            connect(list, &QComboBox::activated, this, [this, direction] { changed(direction); });
        connect(c.dash, &NumberField::valueChanged, this, [this, direction] { changed(direction); });
    }
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &DiagramGridDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &DiagramGridDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("quadrillage"));
    load();
    edit_.preview();
}

DiagramGridDialog::~DiagramGridDialog() = default;

DiagramGridDialog::DirectionControls DiagramGridDialog::controlsOf(int direction) const {
    if (direction == 0)
        return {ui_->xInner,   ui_->xOuter,    ui_->xMainGrid, ui_->xMainStyle,
                ui_->xSubGrid, ui_->xSubStyle, ui_->xBoth,     ui_->xDash};
    return {ui_->yInner,   ui_->yOuter,    ui_->yMainGrid, ui_->yMainStyle,
            ui_->ySubGrid, ui_->ySubStyle, ui_->yBoth,     ui_->yDash};
}

render::GridChoice DiagramGridDialog::choiceOf(int direction) const {
    const DirectionControls c = controlsOf(direction);
    render::GridChoice choice;
    choice.innerTicks = c.inner->isChecked();
    choice.outerTicks = c.outer->isChecked();
    choice.mainGrid = c.mainGrid->isChecked();
    choice.mainGridStyle = c.mainStyle->currentIndex();
    choice.subGrid = c.subGrid->isChecked();
    choice.subGridStyle = c.subStyle->currentIndex();
    choice.graduateBoth = c.both->isChecked();
    choice.dashLength = c.dash->intValue();
    return choice;
}

void DiagramGridDialog::load() {
    loading_ = true;
    for (int direction = 0; direction < 2; ++direction) {
        const DirectionControls c = controlsOf(direction);
        const render::GridChoice choice = render::readGridChoice(edit_.working(), direction);
        const render::GridOffers offers = render::gridOffers(edit_.working(), direction, choice);
        c.inner->setChecked(choice.innerTicks);
        c.outer->setChecked(choice.outerTicks);
        c.mainGrid->setChecked(choice.mainGrid);
        c.mainStyle->setCurrentIndex(choice.mainGridStyle);
        c.subGrid->setChecked(choice.subGrid && offers.subGrid);
        c.subStyle->setCurrentIndex(choice.subGridStyle);
        c.both->setChecked(choice.graduateBoth);
        c.dash->setValue(choice.dashLength);
        c.inner->setEnabled(offers.ticks);
        c.outer->setEnabled(offers.ticks);
        c.mainStyle->setEnabled(offers.mainGridStyle);
        c.subGrid->setEnabled(offers.subGrid);
        c.subStyle->setEnabled(offers.subGridStyle);
        c.both->setEnabled(offers.graduateBoth);
    }
    loading_ = false;
}

void DiagramGridDialog::changed(int direction) {
    if (loading_) return;
    render::applyGridChoice(edit_.working(), direction, choiceOf(direction));
    load();
    edit_.preview();
}

void DiagramGridDialog::accept() {
    for (int direction = 0; direction < 2; ++direction)
        if (!controlsOf(direction).dash->commit()) return;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
