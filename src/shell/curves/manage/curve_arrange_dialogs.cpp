// Drawing order and activation of the curves.
#include "shell/curves/manage/curve_arrange_dialogs.h"

#include <QPushButton>
#include <QTreeWidget>

#include "document/curve_dialog_rules.h"
#include "document/curve_operations.h"
#include "shell/curves/curve_ui.h"
#include "ui_curve_activate_dialog.h"
#include "ui_curve_order_dialog.h"

namespace ordinax::shell {

using document::OrderMove;

// ---- order ------------------------------------------------------------------

CurveOrderDialog::CurveOrderDialog(UserPrompts& prompts, document::Diagram& working, int selected, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveOrderDialog>()), working_(working),
      selected_(selected) {
    ui_->setupUi(this);
    fillCurveList(ui_->curveList, working_);
    connect(ui_->curveList, &QListWidget::itemSelectionChanged, this, &CurveOrderDialog::updateButtons);
    const std::pair<QPushButton*, OrderMove> moves[] = {
        {ui_->topButton, OrderMove::Top},       {ui_->upButton, OrderMove::Up},
        {ui_->downButton, OrderMove::Down},     {ui_->bottomButton, OrderMove::Bottom},
        {ui_->sortAzButton, OrderMove::SortAZ}, {ui_->sortZaButton, OrderMove::SortZA},
    };
    for (const auto& [button, how] : moves)
        connect(button, &QPushButton::clicked, this, [this, how = how] { move(static_cast<int>(how)); });
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveOrderDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveOrderDialog::reject);
    updateButtons();
    finishSetup();
}

CurveOrderDialog::~CurveOrderDialog() = default;

void CurveOrderDialog::updateButtons() {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    const document::OrderButtons b = document::orderButtons(rows.empty() ? -1 : rows.front(), working_.curveCount());
    ui_->topButton->setEnabled(b.top);
    ui_->upButton->setEnabled(b.up);
    ui_->downButton->setEnabled(b.down);
    ui_->bottomButton->setEnabled(b.bottom);
    ui_->sortAzButton->setEnabled(b.sort);
    ui_->sortZaButton->setEnabled(b.sort);
}

void CurveOrderDialog::move(int how) {
    const std::vector<int> rows = selectedRows(ui_->curveList);
    const document::OrderResult r =
        document::orderCurves(working_, static_cast<OrderMove>(how), rows.empty() ? -1 : rows.front(), selected_);
    selected_ = r.selected;
    // The button pressed may have gone grey: the focus stays in the list.
    QWidget* focus = focusWidget();
    fillCurveList(ui_->curveList, working_);
    if (r.position >= 0) ui_->curveList->setCurrentRow(r.position);
    updateButtons();
    if (focus && !focus->isEnabled()) ui_->curveList->setFocus();
    if (r.changed) emit workingChanged();
}

// ---- activate ---------------------------------------------------------------

CurveActivateDialog::CurveActivateDialog(UserPrompts& prompts, document::Diagram& working, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveActivateDialog>()), working_(working) {
    ui_->setupUi(this);
    filling_ = true;
    for (const document::Curve& curve : working_.curves) {
        auto* item = new QTreeWidgetItem(ui_->curveTree, QStringList{uiText(curve.title)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, curve.hidden == 0 ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    connect(ui_->curveTree, &QTreeWidget::itemChanged, this, [this] {
        if (!filling_) store();
    });
    // A click anywhere on an item toggles it, not only on its box.
    connect(ui_->curveTree, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem* item) { pressedState_ = item->checkState(0); });
    connect(ui_->curveTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item->checkState(0) == pressedState_)
            item->setCheckState(0, pressedState_ == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(ui_->allButton, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(ui_->noneButton, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveActivateDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveActivateDialog::reject);
    finishSetup();
}

CurveActivateDialog::~CurveActivateDialog() = default;

std::vector<bool> CurveActivateDialog::checks() const {
    std::vector<bool> active;
    for (int i = 0; i < ui_->curveTree->topLevelItemCount(); ++i)
        active.push_back(ui_->curveTree->topLevelItem(i)->checkState(0) == Qt::Checked);
    return active;
}

void CurveActivateDialog::setAll(bool active) {
    filling_ = true;
    for (int i = 0; i < ui_->curveTree->topLevelItemCount(); ++i)
        ui_->curveTree->topLevelItem(i)->setCheckState(0, active ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
    store();
}

void CurveActivateDialog::store() {
    if (document::setActiveCurves(working_, checks())) emit workingChanged();
}

}  // namespace ordinax::shell
