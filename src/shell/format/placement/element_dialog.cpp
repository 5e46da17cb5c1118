// Deletion and repositioning of one title, axis label, legend or tag.
#include "shell/format/placement/element_dialog.h"

#include <QFormLayout>

#include "document/label_choices.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/placement/placement_names.h"
#include "ui_element_dialog.h"

namespace ordinax::shell {

namespace {

QString captionOf(ElementDialog::Action action, ElementDialog::Kind kind) {
    const bool remove = action == ElementDialog::Action::Delete;
    switch (kind) {
        case ElementDialog::Kind::Labels:
            return remove ? QStringLiteral("Supprimer un libellé") : QStringLiteral("Repositionner un libellé");
        case ElementDialog::Kind::Legends:
            return remove ? QStringLiteral("Supprimer une légende") : QStringLiteral("Repositionner les légendes");
        case ElementDialog::Kind::Tags:
            break;
    }
    return remove ? QStringLiteral("Supprimer une étiquette") : QStringLiteral("Repositionner une étiquette");
}

}  // namespace

ElementDialog::ElementDialog(Action action, Kind kind, DiagramEdit& edit, UserPrompts& prompts, int selectedSlot,
                             int selectedCurve, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      action_(action),
      kind_(kind),
      edit_(edit),
      ui_(std::make_unique<Ui::ElementDialog>()) {
    ui_->setupUi(this);
    setWindowTitle(captionOf(action, kind));
    const document::Diagram& diagram = edit_.working();
    auto add = [this](const QString& name, int value, bool selected) {
        ui_->element->addItem(name, value);
        if (selected) ui_->element->setCurrentIndex(ui_->element->count() - 1);
    };
    switch (kind) {
        case Kind::Labels:
            for (const int slot : document::shownLabelSlots(diagram)) add(slotName(slot), slot, slot == selectedSlot);
            break;
        case Kind::Legends:
            if (action == Action::Delete) {
                for (const int curve : document::curvesWithLegend(diagram))
                    add(curveName(diagram, curve, true), curve, curve == selectedCurve);
            } else if (diagram.labels[document::LegendSlot].placement >= 0) {
                add(slotName(document::LegendSlot), document::LegendSlot, true);
            }
            break;
        case Kind::Tags:
            for (const int tag : document::tagsShown(diagram))
                add(slotName(document::FirstTagSlot + tag), tag, document::FirstTagSlot + tag == selectedSlot);
            break;
    }
    ui_->element->setEnabled(ui_->element->count() > 1);
    if (action == Action::Delete) {
        if (auto* form = findChild<QFormLayout*>()) form->setRowVisible(ui_->position, false);
    } else {
        connect(ui_->element, &QComboBox::currentIndexChanged, this, &ElementDialog::elementChosen);
        elementChosen();
    }
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &ElementDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &ElementDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("libelles"));
}

ElementDialog::~ElementDialog() = default;

bool ElementDialog::hasElements() const {
    return ui_->element->count() > 0;
}

int ElementDialog::chosenSlot() const {
    if (!ui_->element->currentData().isValid()) return -1;
    const int value = ui_->element->currentData().toInt();
    return kind_ == Kind::Tags ? document::FirstTagSlot + value : value;
}

void ElementDialog::elementChosen() {
    const int slot = chosenSlot();
    ui_->position->clear();
    if (slot < 0) return;
    for (const document::PlacementOption& option : document::placementOptions(slot))
        ui_->position->addItem(QString::fromUtf8(option.name.data(), static_cast<qsizetype>(option.name.size())),
                               option.code);
    const int placement = edit_.working().labels[static_cast<std::size_t>(slot)].placement;
    ui_->position->setCurrentIndex(document::placementIndex(slot, placement));
}

void ElementDialog::accept() {
    if (!ui_->element->currentData().isValid()) return;
    const int value = ui_->element->currentData().toInt();
    document::Diagram& diagram = edit_.working();
    if (action_ == Action::Delete) {
        switch (kind_) {
            case Kind::Labels:
                document::deleteLabel(diagram, value);
                break;
            case Kind::Legends:
                document::deleteLegend(diagram, value);
                break;
            case Kind::Tags:
                document::deleteTag(diagram, value);
                break;
        }
    } else if (!document::repositionLabel(diagram, chosenSlot(), ui_->position->currentData().toInt())) {
        return;
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
