// The list of the curves fitted with a regression model.
#include "shell/analysis_function/regression_choice_dialog.h"

#include <QPushButton>

#include "numerics/fit_kind.h"
#include "shell/analysis_function/typing_filter.h"
#include "ui_regression_choice_dialog.h"

namespace ordinax::shell {

RegressionChoiceDialog::RegressionChoiceDialog(const document::Diagram& diagram, std::vector<int> curves,
                                               const numerics::Catalogue& catalogue, UserPrompts& prompts,
                                               QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::RegressionChoiceDialog>()), curves_(std::move(curves)) {
    ui_->setupUi(this);
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    for (int index : curves_) {
        const document::Curve& curve = diagram.curves[static_cast<std::size_t>(index)];
        const std::string name = numerics::stripMarkup(catalogue[curve.treatment].name);
        ui_->curveList->addItem(QStringLiteral("%1 - %2 : %3 (%4)")
                                    .arg(index + 1)
                                    .arg(screenText(curve.title), QString::fromLatin1(numerics::codeName(curve.treatment).data()),
                                         screenText(name)));
    }
    if (!curves_.empty()) ui_->curveList->setCurrentRow(0);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->curveList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    finishSetup();
}

RegressionChoiceDialog::~RegressionChoiceDialog() = default;

int RegressionChoiceDialog::chosenCurve() const {
    const int row = ui_->curveList->currentRow();
    return row >= 0 && row < static_cast<int>(curves_.size()) ? curves_[static_cast<std::size_t>(row)] : -1;
}

void RegressionChoiceDialog::choose(int row) { ui_->curveList->setCurrentRow(row); }

}  // namespace ordinax::shell
