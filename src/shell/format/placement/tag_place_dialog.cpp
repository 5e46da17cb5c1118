// Insertion and placement of tags.
#include "shell/format/placement/tag_place_dialog.h"

#include <QFormLayout>

#include "base/strings_drawing.h"
#include "document/label_choices.h"
#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "shell/format/placement/placement_names.h"
#include "ui_tag_place_dialog.h"

namespace ordinax::shell {

TagPlaceDialog::TagPlaceDialog(Mode mode, DiagramEdit& edit, UserPrompts& prompts, int selectedTag, QWidget* parent)
    : OrdinaxDialog(prompts, parent), mode_(mode), edit_(edit), ui_(std::make_unique<Ui::TagPlaceDialog>()) {
    ui_->setupUi(this);
    const document::Diagram& diagram = edit_.working();
    ui_->x->setRealRange(-100.0, 100.0);
    ui_->y->setRealRange(-100.0, 100.0);
    const std::vector<int> tags = document::tagsShown(diagram);
    if (mode == Mode::Insert) {
        setWindowTitle(QString::fromStdString(
            document::insertionCaption(tableText(base::MsgInsertTagCaption).toStdString(), !tags.empty())));
        // A new tag has no choice of tag: the row goes.
        if (auto* form = findChild<QFormLayout*>()) form->setRowVisible(ui_->tag, false);
        ui_->alignment->setCurrentIndex(document::PlaceCentred - 1);
        ui_->x->setValue(0.0);
        ui_->y->setValue(0.0);
    } else {
        setWindowTitle(QStringLiteral("Repositionner une étiquette"));
        for (const int tag : tags) {
            ui_->tag->addItem(slotName(document::FirstTagSlot + tag), tag);
            if (tag == selectedTag) ui_->tag->setCurrentIndex(ui_->tag->count() - 1);
        }
        connect(ui_->tag, &QComboBox::currentIndexChanged, this, &TagPlaceDialog::tagChosen);
        tagChosen();
    }
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &TagPlaceDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &TagPlaceDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("etiquettes"));
}

TagPlaceDialog::~TagPlaceDialog() = default;

void TagPlaceDialog::tagChosen() {
    const int tag = ui_->tag->currentData().isValid() ? ui_->tag->currentData().toInt() : -1;
    if (tag < 0) return;
    const document::Diagram& diagram = edit_.working();
    const int placement = diagram.labels[static_cast<std::size_t>(document::FirstTagSlot + tag)].placement;
    ui_->alignment->setCurrentIndex(document::placementIndex(document::FirstTagSlot + tag, placement));
    const auto percent = document::tagPercent(diagram, tag);
    ui_->x->setValue(percent[0]);
    ui_->y->setValue(percent[1]);
}

void TagPlaceDialog::accept() {
    if (!ui_->x->commit() || !ui_->y->commit()) return;
    const int alignment = ui_->alignment->currentIndex() + 1;
    const auto position = document::tagPositionFromPercent(ui_->x->value(), ui_->y->value());
    document::Diagram& diagram = edit_.working();
    if (mode_ == Mode::Insert) {
        tag_ = document::insertTag(diagram, alignment, position);
        if (tag_ < 0) return;
    } else {
        if (!ui_->tag->currentData().isValid()) return;
        tag_ = ui_->tag->currentData().toInt();
        document::repositionLabel(diagram, document::FirstTagSlot + tag_, alignment);
        document::moveTag(diagram, tag_, position);
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
