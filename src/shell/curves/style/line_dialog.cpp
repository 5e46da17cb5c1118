// The line dialog.
#include "shell/curves/style/line_dialog.h"

#include <QPushButton>

#include "base/strings_curves.h"
#include "document/curve_style_rules.h"
#include "shell/common/colour_choice.h"
#include "shell/curves/curve_ui.h"
#include "shell/curves/style/style_pictures.h"
#include "ui_line_dialog.h"

namespace ordinax::shell {

LineDialog::LineDialog(UserPrompts& prompts, settings::Preferences& preferences, settings::SettingsStore& settingsStore,
                       document::Diagram& working, int curve, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::LineDialog>()), working_(working), curve_(curve),
      line_(working.curves[static_cast<std::size_t>(curve)].line) {
    ui_->setupUi(this);
    const document::Curve& c = working_.curves[static_cast<std::size_t>(curve_)];
    ui_->curveLabel->setText(QStringLiteral("Courbe : ") + uiText(c.title));
    // A curve is drawn with a line only once it is smoothed or fitted.
    if (c.treatment == 0) ui_->noteLabel->setText(tableText(base::MsgLineNeedsTreatment));
    ui_->noteLabel->setVisible(c.treatment == 0);
    for (QComboBox* combo : {ui_->lineTypeCombo, ui_->intervalTypeCombo})
        for (std::string_view name : document::LineTypeNames)
            combo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    for (NumberField* field : {ui_->lineWidthField, ui_->intervalWidthField})
        field->setIntegerRange(document::LineWidthMin, document::LineWidthMax);
    for (ColourButton* button : {ui_->lineColourButton, ui_->intervalColourButton})
        button->setChooser([this, &preferences, &settingsStore](std::int32_t initial) {
            return chooseColour(this, initial, preferences, settingsStore);
        });
    load();
    for (QComboBox* combo : {ui_->lineTypeCombo, ui_->intervalTypeCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &LineDialog::store);
    for (NumberField* field : {ui_->lineWidthField, ui_->intervalWidthField})
        connect(field, &NumberField::valueChanged, this, &LineDialog::store);
    for (ColourButton* button : {ui_->lineColourButton, ui_->intervalColourButton})
        connect(button, &ColourButton::colourChanged, this, &LineDialog::store);
    connect(ui_->okButton, &QPushButton::clicked, this, &LineDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &LineDialog::reject);
    rememberPlacement(settingsStore, "LineDlg");
    finishSetup();
}

LineDialog::~LineDialog() = default;

void LineDialog::load() {
    loading_ = true;
    line_ = document::normalisedLine(line_);
    ui_->lineTypeCombo->setCurrentIndex(line_.type[0]);
    ui_->intervalTypeCombo->setCurrentIndex(line_.type[1]);
    ui_->lineWidthField->setValue(line_.width[0]);
    ui_->intervalWidthField->setValue(line_.width[1]);
    ui_->lineColourButton->setColour(line_.colour[0]);
    ui_->intervalColourButton->setColour(line_.colour[1]);
    loading_ = false;
    const document::Curve& c = working_.curves[static_cast<std::size_t>(curve_)];
    ui_->lineSample->setCurve(c, true, 0);
    ui_->intervalSample->setCurve(c, true, 1);
}

void LineDialog::store() {
    if (loading_) return;
    line_.type = {ui_->lineTypeCombo->currentIndex(), ui_->intervalTypeCombo->currentIndex()};
    line_.width = {ui_->lineWidthField->intValue(), ui_->intervalWidthField->intValue()};
    line_.colour = {ui_->lineColourButton->colour(), ui_->intervalColourButton->colour()};
    line_ = document::normalisedLine(line_);
    document::Curve& c = working_.curves[static_cast<std::size_t>(curve_)];
    c.line = line_;
    ui_->lineSample->setCurve(c, true, 0);
    ui_->intervalSample->setCurve(c, true, 1);
    emit workingChanged();
}

void LineDialog::accept() {
    for (NumberField* field : {ui_->lineWidthField, ui_->intervalWidthField})
        if (!field->commit()) return;
    store();
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
