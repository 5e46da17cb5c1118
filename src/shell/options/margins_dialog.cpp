// The default margins and tick lengths dialog.
#include "shell/options/margins_dialog.h"

#include "render/grid_rules.h"
#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "ui_margins_dialog.h"

namespace ordinax::shell {

namespace {
constexpr int MaxSpace = 50;
}

MarginsDialog::MarginsDialog(DiagramEdit& edit, UserPrompts& prompts, const document::DiagramDefaults& defaults,
                             QWidget* parent)
    : OrdinaxDialog(prompts, parent), edit_(edit), defaults_(defaults), ui_(std::make_unique<Ui::MarginsDialog>()) {
    ui_->setupUi(this);
    ui_->spaceX->setIntegerRange(0, MaxSpace);
    ui_->spaceY->setIntegerRange(0, MaxSpace);
    ui_->dashX->setIntegerRange(render::MinDashLength, render::MaxDashLength);
    ui_->dashY->setIntegerRange(render::MinDashLength, render::MaxDashLength);
    showValues(edit_.working().drawSpace, edit_.working().dashLength);
    connect(ui_->restore, &QPushButton::clicked, this,
            [this] { showValues(defaults_.drawSpace, defaults_.dashLength); });
    for (NumberField* field : {ui_->spaceX, ui_->spaceY, ui_->dashX, ui_->dashY})
        connect(field, &NumberField::valueChanged, this, [this] {
            edit_.working().drawSpace = {ui_->spaceX->intValue(), ui_->spaceY->intValue()};
            edit_.working().dashLength = {ui_->dashX->intValue(), ui_->dashY->intValue()};
            edit_.preview();
        });
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &MarginsDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &MarginsDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("marges-et-tirets"));
    edit_.preview();
}

MarginsDialog::~MarginsDialog() = default;

void MarginsDialog::showValues(const std::array<std::int32_t, 2>& space, const std::array<std::int32_t, 2>& dash) {
    ui_->spaceX->setValue(space[0]);
    ui_->spaceY->setValue(space[1]);
    ui_->dashX->setValue(dash[0]);
    ui_->dashY->setValue(dash[1]);
    edit_.working().drawSpace = space;
    edit_.working().dashLength = dash;
    edit_.preview();
}

bool MarginsDialog::keepAsDefaults() const {
    return ui_->keepDefaults->isChecked();
}

void MarginsDialog::accept() {
    for (NumberField* field : {ui_->spaceX, ui_->spaceY, ui_->dashX, ui_->dashY})
        if (!field->commit()) return;
    edit_.working().drawSpace = {ui_->spaceX->intValue(), ui_->spaceY->intValue()};
    edit_.working().dashLength = {ui_->dashX->intValue(), ui_->dashY->intValue()};
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
