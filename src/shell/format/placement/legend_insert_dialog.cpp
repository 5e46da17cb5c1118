// The insertion of curve legends.
#include "shell/format/placement/legend_insert_dialog.h"

#include "base/strings_drawing.h"
#include "document/label_choices.h"
#include "richtext/markup_codes.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/placement/placement_names.h"
#include "ui_legend_insert_dialog.h"

namespace ordinax::shell {

namespace {

// The font sizes the dialogs offer: 6 to 12 by 1, 14 to 48 by 2, 52 to 128 by 4.
QList<int> offeredSizes() {
    QList<int> sizes;
    for (int s = 6; s <= 12; ++s) sizes << s;
    for (int s = 14; s <= 48; s += 2) sizes << s;
    for (int s = 52; s <= 128; s += 4) sizes << s;
    return sizes;
}

constexpr int AllCurves = -1;

}  // namespace

LegendInsertDialog::LegendInsertDialog(DiagramEdit& edit, UserPrompts& prompts, int selectedCurve, QWidget* parent)
    : OrdinaxDialog(prompts, parent), edit_(edit), ui_(std::make_unique<Ui::LegendInsertDialog>()) {
    ui_->setupUi(this);
    const document::Diagram& diagram = edit_.working();
    const bool another = !document::curvesWithLegend(diagram).empty();
    setWindowTitle(QString::fromStdString(
        document::insertionCaption(tableText(base::MsgInsertLegendCaption).toStdString(), another)));
    const std::vector<int> curves = document::curvesWithoutLegend(diagram);
    if (curves.size() > 1) ui_->curve->addItem(QStringLiteral("Toutes les courbes sans légende"), AllCurves);
    for (const int curve : curves) {
        ui_->curve->addItem(curveName(diagram, curve), curve);
        if (curve == selectedCurve) ui_->curve->setCurrentIndex(ui_->curve->count() - 1);
    }
    ui_->size->addItem(QStringLiteral("(celle du bloc)"), 0);
    for (const int size : offeredSizes()) ui_->size->addItem(QString::number(size), size);
    const bool blockEmpty = diagram.labels[document::LegendSlot].placement < 0;
    for (const document::PlacementOption& option : document::placementOptions(document::LegendSlot))
        ui_->position->addItem(QString::fromUtf8(option.name.data(), static_cast<qsizetype>(option.name.size())),
                               option.code);
    const int shown =
        blockEmpty ? document::defaultPlacement(document::LegendSlot) : diagram.labels[document::LegendSlot].placement;
    ui_->position->setCurrentIndex(document::placementIndex(document::LegendSlot, shown));
    // The block keeps its place once it shows legends (Repositionner moves it).
    ui_->position->setEnabled(blockEmpty);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &LegendInsertDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &LegendInsertDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("legendes"));
}

LegendInsertDialog::~LegendInsertDialog() = default;

void LegendInsertDialog::accept() {
    if (ui_->curve->count() == 0) return;
    document::LegendTextOptions options;
    options.useCurveNumber = ui_->number->isChecked();
    options.caseChange = static_cast<document::LegendCase>(ui_->caseChange->currentIndex());
    const int size = ui_->size->currentData().toInt();
    if (size > 0) options.fontCode = richtext::sizeCode(size);
    const int placement = ui_->position->currentData().toInt();
    const int curve = ui_->curve->currentData().toInt();
    if (curve == AllCurves) {
        document::insertAllLegends(edit_.working(), placement, options);
    } else if (!document::insertLegend(edit_.working(), curve, placement, options)) {
        return;
    }
    inserted_ = curve;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
