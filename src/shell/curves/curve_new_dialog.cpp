// The new-curve dialog.
#include "shell/curves/curve_new_dialog.h"

#include <QPushButton>
#include <QRadioButton>

#include "base/strings.h"
#include "base/strings_shell.h"
#include "shell/curves/curve_ui.h"
#include "shell/curves/new_curve_modes.h"
#include "ui_curve_new_dialog.h"

namespace ordinax::shell {


CurveNewDialog::CurveNewDialog(UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::CurveNewDialog>()) {
    ui_->setupUi(this);
    QRadioButton* const radios[] = {ui_->manualRadio, ui_->fileRadio, ui_->textRadio, ui_->functionRadio,
                                    ui_->pictureRadio};
    bool checked = false;
    for (std::size_t i = 0; i < std::size(radios); ++i) {
        const bool available = hasNewCurveModeHandler(document::NewCurveModes[i]);
        radios[i]->setEnabled(available);
        if (!available) radios[i]->setToolTip(tableText(base::MsgShellNotYetAvailable));
        if (available && !checked) {
            radios[i]->setChecked(true);
            checked = true;
        }
    }
    ui_->okButton->setEnabled(checked);
    connect(ui_->okButton, &QPushButton::clicked, this, &CurveNewDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CurveNewDialog::reject);
    finishSetup();
}

CurveNewDialog::~CurveNewDialog() = default;

document::NewCurveMode CurveNewDialog::mode() const {
    if (ui_->fileRadio->isChecked()) return document::NewCurveMode::OtherFile;
    if (ui_->textRadio->isChecked()) return document::NewCurveMode::TextImport;
    if (ui_->functionRadio->isChecked()) return document::NewCurveMode::Function;
    if (ui_->pictureRadio->isChecked()) return document::NewCurveMode::Picture;
    return document::NewCurveMode::Manual;
}

}  // namespace ordinax::shell
