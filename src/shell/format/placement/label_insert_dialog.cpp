// The insertion of titles and axis labels.
#include "shell/format/placement/label_insert_dialog.h"

#include "base/strings_drawing.h"
#include "document/label_choices.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/placement/placement_names.h"
#include "ui_label_insert_dialog.h"

namespace ordinax::shell {

LabelInsertDialog::LabelInsertDialog(DiagramEdit& edit, UserPrompts& prompts,
                                     const std::array<std::string, 6>& unitTexts, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      edit_(edit),
      unitTexts_(unitTexts),
      ui_(std::make_unique<Ui::LabelInsertDialog>()) {
    ui_->setupUi(this);
    const document::Diagram& diagram = edit_.working();
    setWindowTitle(QString::fromStdString(document::insertionCaption(
        tableText(base::MsgInsertLabelCaption).toStdString(), !document::shownLabelSlots(diagram).empty())));
    for (const int slot : document::insertableLabelSlots(diagram)) ui_->slot->addItem(slotName(slot), slot);
    connect(ui_->slot, &QComboBox::currentIndexChanged, this, &LabelInsertDialog::slotChosen);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &LabelInsertDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &LabelInsertDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("libelles"));
    slotChosen();
}

LabelInsertDialog::~LabelInsertDialog() = default;

int LabelInsertDialog::chosenSlot() const {
    return ui_->slot->currentData().isValid() ? ui_->slot->currentData().toInt() : -1;
}

void LabelInsertDialog::slotChosen() {
    const int slot = chosenSlot();
    ui_->position->clear();
    if (slot < 0) return;
    for (const document::PlacementOption& option : document::placementOptions(slot))
        ui_->position->addItem(QString::fromUtf8(option.name.data(), static_cast<qsizetype>(option.name.size())),
                               option.code);
    ui_->position->setCurrentIndex(document::placementIndex(slot, document::defaultPlacement(slot)));
    // Titles are always centred on the plot: their code only aligns their lines.
    const bool hasUnit = !unitTexts_[static_cast<std::size_t>(slot)].empty();
    ui_->unit->setEnabled(hasUnit);
    ui_->unit->setChecked(hasUnit && ui_->unit->isChecked());
}

void LabelInsertDialog::accept() {
    const int slot = chosenSlot();
    if (slot < 0) return;
    const std::string unit = ui_->unit->isChecked() ? unitTexts_[static_cast<std::size_t>(slot)] : std::string();
    if (!document::insertLabel(edit_.working(), slot, ui_->position->currentData().toInt(), unit)) return;
    inserted_ = slot;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
