// The "Macros" dialog.
#include "shell/options/macros_dialog.h"

#include <QFileDialog>
#include <QTreeWidget>

#include "document/label_choices.h"
#include "richtext/markup_codes.h"
#include "settings/macro_uses.h"
#include "shell/common/diagram_edit.h"
#include "shell/common/number_field.h"
#include "shell/format/font_button.h"
#include "shell/user_prompts.h"
#include "ui_macros_dialog.h"

namespace ordinax::shell {

namespace {

constexpr int IdRole = Qt::UserRole + 1;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MacrosDialog::MacrosDialog(DiagramEdit& edit, UserPrompts& prompts, const settings::MacroAttributes& attributes,
                           const document::DiagramDefaults& defaults, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      edit_(edit),
      defaults_(defaults),
      ui_(std::make_unique<Ui::MacrosDialog>()),
      attributes_(attributes) {
    ui_->setupUi(this);
    QTreeWidgetItem* heading = nullptr;
    for (const settings::MacroEntry& entry : settings::macroCatalogue()) {
        if (settings::isMacroHeading(entry.id)) {
            heading = new QTreeWidgetItem(ui_->commands, {utf8(entry.caption)});
            heading->setData(0, IdRole, entry.id);
            // Headings group the commands; they run nothing.
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setExpanded(true);
            continue;
        }
        auto* item = heading ? new QTreeWidgetItem(heading, {utf8(entry.caption)})
                             : new QTreeWidgetItem(ui_->commands, {utf8(entry.caption)});
        item->setData(0, IdRole, entry.id);
    }
    ui_->commands->expandAll();
    for (const document::PlacementOption& option : document::placementOptions(document::LegendSlot))
        ui_->legendPosition->addItem(utf8(option.name), option.code);
    ui_->frameWidth->setIntegerRange(1, 20);
    ui_->shadowHard->setIntegerRange(0, 100);
    ui_->shadowDeep->setIntegerRange(0, 50);
    ui_->lineSize->setIntegerRange(1, 20);
    ui_->symbolNumber->setIntegerRange(1, 23);
    ui_->symbolChar->setIntegerRange(32, 255);
    ui_->firstChar->setIntegerRange(32, 255);
    ui_->symbolSize->setIntegerRange(1, 128);
    for (NumberField* bound : {ui_->xMin, ui_->xMax, ui_->yMin, ui_->yMax}) bound->setRealRange(-1.0e35, 1.0e35);
    ui_->xMin->setValue(-1.0e35);
    ui_->xMax->setValue(1.0e35);
    ui_->yMin->setValue(-1.0e35);
    ui_->yMax->setValue(1.0e35);
    load(attributes_);
    connect(ui_->commands, &QTreeWidget::currentItemChanged, this, &MacrosDialog::commandChosen);
    connect(ui_->browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Diagramme modèle"), ui_->file->text(),
                                                            QStringLiteral("Fichiers Ordinax (*.orx)"));
        if (!chosen.isEmpty()) ui_->file->setText(chosen);
    });
    connect(ui_->apply, &QPushButton::clicked, this, &MacrosDialog::apply);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &MacrosDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &MacrosDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("macros"));
    commandChosen();
    resize(860, 560);
    edit_.preview();
}

MacrosDialog::~MacrosDialog() = default;

void MacrosDialog::setColourChooser(const ColourButton::Chooser& chooser) {
    for (ColourButton* button : findChildren<ColourButton*>()) button->setChooser(chooser);
}

void MacrosDialog::load(const settings::MacroAttributes& a) {
    ui_->file->setText(QString::fromStdString(a.fileName));
    ui_->gradColour1->setColour(a.gradColor1);
    ui_->gradColour2->setColour(a.gradColor2);
    ui_->gradient->setCurrentIndex(std::clamp(a.noGradation % 100, 0, ui_->gradient->count() - 1));
    ui_->frameColour->setColour(a.frameColor);
    ui_->frameWidth->setValue(settings::splitFrameWidth(a.frameWidth).horizontal);
    ui_->shadowColour->setColour(a.shadowColor);
    ui_->shadowHard->setValue(a.shadowHard);
    ui_->shadowDeep->setValue(a.shadowDeep);
    ui_->textFont->setLogFont(a.textFont);
    ui_->textColour->setColour(a.textColor);
    ui_->lineType->setCurrentIndex(std::clamp(a.typeLine, 0, ui_->lineType->count() - 1));
    ui_->lineColour->setColour(a.lineColor);
    ui_->lineSize->setValue(a.sizeLine);
    ui_->symbolType->setCurrentIndex(std::clamp(a.typeSymbol, 0, ui_->symbolType->count() - 1));
    ui_->symbolNumber->setValue(a.definedSymbol);
    ui_->symbolChar->setValue(a.charSymbol);
    ui_->firstChar->setValue(a.firstSymbol);
    ui_->symbolFont->setLogFont(a.symbolFont);
    ui_->symbolFill->setChecked(a.fillSymbol != 0);
    ui_->symbolSize->setValue(a.sizeSymbol);
    ui_->symbolColour1->setColour(a.symbolColor1);
    ui_->symbolColour2->setColour(a.symbolColor2);
    ui_->various->setChecked(a.variousColor != 0);
}

settings::MacroInputs MacrosDialog::inputs() const {
    settings::MacroInputs in;
    settings::MacroAttributes& a = in.attributes;
    a = attributes_;
    a.fileName = ui_->file->text().toStdString();
    a.gradColor1 = ui_->gradColour1->colour();
    a.gradColor2 = ui_->gradColour2->colour();
    a.noGradation = ui_->gradient->currentIndex();
    a.frameColor = ui_->frameColour->colour();
    a.frameWidth = ui_->frameWidth->intValue();
    a.shadowColor = ui_->shadowColour->colour();
    a.shadowHard = ui_->shadowHard->intValue();
    a.shadowDeep = ui_->shadowDeep->intValue();
    a.textFont = ui_->textFont->font();
    a.textColor = ui_->textColour->colour();
    a.typeLine = ui_->lineType->currentIndex();
    a.lineColor = ui_->lineColour->colour();
    a.sizeLine = ui_->lineSize->intValue();
    a.typeSymbol = ui_->symbolType->currentIndex();
    a.definedSymbol = ui_->symbolNumber->intValue();
    a.charSymbol = ui_->symbolChar->intValue();
    a.firstSymbol = ui_->firstChar->intValue();
    a.symbolFont = ui_->symbolFont->font();
    a.fillSymbol = ui_->symbolFill->isChecked() ? 1 : 0;
    a.sizeSymbol = ui_->symbolSize->intValue();
    a.symbolColor1 = ui_->symbolColour1->colour();
    a.symbolColor2 = ui_->symbolColour2->colour();
    a.variousColor = ui_->various->isChecked() ? 1 : 0;
    in.bounds = {ui_->xMin->value(), ui_->xMax->value(), ui_->yMin->value(), ui_->yMax->value()};
    in.excludePoints = ui_->exclude->isChecked();
    in.legendOptions.useCurveNumber = ui_->legendNumber->isChecked();
    in.legendOptions.caseChange = static_cast<document::LegendCase>(ui_->legendCase->currentIndex());
    in.legendPlacement = ui_->legendPosition->currentData().toInt();
    in.defaults = &defaults_;
    return in;
}

void MacrosDialog::selectCommand(int id) {
    for (QTreeWidgetItemIterator it(ui_->commands); *it; ++it)
        if ((*it)->data(0, IdRole).toInt() == id) ui_->commands->setCurrentItem(*it);
}

int MacrosDialog::selectedCommand() const {
    const QTreeWidgetItem* item = ui_->commands->currentItem();
    return item ? item->data(0, IdRole).toInt() : 0;
}

void MacrosDialog::commandChosen() {
    appliedSinceChoice_ = false;
    const int id = selectedCommand();
    const unsigned uses = settings::macroUses(id);
    ui_->fileGroup->setVisible(uses & settings::UsesFile);
    ui_->fillGroup->setVisible(uses & settings::UsesFill);
    ui_->frameGroup->setVisible(uses & settings::UsesFrame);
    ui_->shadowGroup->setVisible(uses & settings::UsesShadow);
    ui_->textGroup->setVisible(uses & (settings::UsesTextFont | settings::UsesTextColour));
    ui_->textFont->setEnabled(uses & settings::UsesTextFont);
    ui_->textColour->setEnabled(uses & settings::UsesTextColour);
    ui_->legendGroup->setVisible(uses & settings::UsesLegend);
    ui_->boundsGroup->setVisible(uses & settings::UsesBounds);
    ui_->lineGroup->setVisible(uses & (settings::UsesLineColour | settings::UsesLineType | settings::UsesLineSize));
    ui_->lineType->setEnabled(uses & settings::UsesLineType);
    ui_->lineColour->setEnabled(uses & settings::UsesLineColour);
    ui_->lineSize->setEnabled(uses & settings::UsesLineSize);
    const unsigned symbol =
        settings::UsesSymbol | settings::UsesSymbolSize | settings::UsesSymbolColour1 | settings::UsesSymbolColour2;
    ui_->symbolGroup->setVisible(uses & symbol);
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->symbolType, ui_->symbolNumber, ui_->symbolChar,
                                                      ui_->firstChar, ui_->symbolFont, ui_->symbolFill})
        w->setEnabled(uses & settings::UsesSymbol);
    ui_->symbolSize->setEnabled(uses & settings::UsesSymbolSize);
    ui_->symbolColour1->setEnabled(uses & settings::UsesSymbolColour1);
    ui_->symbolColour2->setEnabled(uses & settings::UsesSymbolColour2);
    ui_->various->setVisible(uses & settings::UsesVarious);
    ui_->noAttribute->setVisible(uses == settings::UsesNothing);
    const bool command = settings::isMacroCommand(id);
    ui_->apply->setEnabled(command);
}

bool MacrosDialog::apply() {
    const int id = selectedCommand();
    if (!settings::isMacroCommand(id)) return false;
    QWidget* attributes = ui_->attributeGroup;
    for (NumberField* field : attributes->findChildren<NumberField*>())
        if (field->isVisibleTo(attributes) && field->isEnabled() && !field->commit()) return false;
    const settings::MacroResult result = settings::applyMacro(edit_.working(), id, inputs());
    if (result.status == settings::MacroStatus::Refused) {
        prompts().show(result.message);
        return false;
    }
    showAll_ = showAll_ || result.showAllCurves;
    appliedSinceChoice_ = true;
    edit_.preview();
    return true;
}

void MacrosDialog::accept() {
    if (!appliedSinceChoice_ && settings::isMacroCommand(selectedCommand()) && !apply()) return;
    attributes_ = inputs().attributes;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
