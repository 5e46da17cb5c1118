// The symbol dialog.
#include "shell/curves/style/symbol_dialog.h"

#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>

#include "base/number_field.h"
#include "document/curve_style_rules.h"
#include "qt/font_mapping.h"
#include "render/symbol_drawing.h"
#include "settings/preferences.h"
#include "shell/common/colour_choice.h"
#include "shell/curves/curve_ui.h"
#include "shell/curves/style/style_pictures.h"
#include "shell/user_prompts.h"
#include "ui_symbol_dialog.h"

namespace ordinax::shell {

namespace {

QString listText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The font a character symbol is drawn with: the curve's, or the default one when blank.
base::LogFont symbolFont(const document::SymbolStyle& symbol) {
    if (symbol.font.faceName[0] != '\0') return symbol.font;
    return base::fontFromTextOrDefault(render::DefaultSymbolFont);
}

constexpr int IconSide = 22;

std::optional<base::LogFont> askFont(QWidget* parent, const base::LogFont& current) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, qt::mapFont(current).font, parent, QStringLiteral("Police"));
    if (!ok) return std::nullopt;
    base::LogFont font = current;
    const std::string face = modelText(chosen.family());
    std::memset(font.faceName, 0, sizeof font.faceName);
    std::strncpy(font.faceName, face.c_str(), sizeof font.faceName - 1);
    font.weight = chosen.bold() ? 700 : 400;
    font.italic = chosen.italic() ? 1 : 0;
    // The symbol font's character set follows its face (symbol fonts have their own).
    font.charSet = qt::encodingForFace(face) == qt::FontEncoding::Windows1252 ? 0 : 2;
    return font;
}

}  // namespace

SymbolDialog::SymbolDialog(UserPrompts& prompts, settings::Preferences& preferences, settings::SettingsStore& settingsStore,
                           document::Diagram& working, int curve, QWidget* parent)
    : OrdinaxDialog(prompts, parent), ui_(std::make_unique<Ui::SymbolDialog>()), working_(working), curve_(curve),
      symbol_(working.curves[static_cast<std::size_t>(curve)].symbol), fontChooser_(askFont) {
    ui_->setupUi(this);
    ui_->curveLabel->setText(QStringLiteral("Courbe : ") +
                             uiText(working_.curves[static_cast<std::size_t>(curve_)].title));
    for (std::string_view name : document::SymbolTypeNames) ui_->typeCombo->addItem(listText(name));
    document::SymbolStyle shape;
    shape.type = render::SymbolPredefined;
    shape.fill = 0;
    for (int n = 1; n <= render::PredefinedShapeCount; ++n) {
        shape.number = n;
        ui_->shapeCombo->addItem(symbolIcon(shape, IconSide, 12),
                                 QStringLiteral("%1 - %2").arg(n).arg(listText(document::PredefinedShapeNames[static_cast<std::size_t>(n - 1)])));
    }
    ui_->shapeCombo->setIconSize(QSize(IconSide, IconSide));
    ui_->characterCombo->setIconSize(QSize(IconSide, IconSide));
    for (std::string_view name : document::BoxStyleNames) ui_->boxCombo->addItem(listText(name));
    for (std::string_view name : document::SpecialKindNames) ui_->specialCombo->addItem(listText(name));
    for (int size : document::fontSizes()) ui_->sizeCombo->addItem(QString::number(size));
    for (ColourButton* button : {ui_->innerButton, ui_->outerButton})
        button->setChooser([this, &preferences, &settingsStore](std::int32_t initial) {
            return chooseColour(this, initial, preferences, settingsStore);
        });

    load();
    for (QComboBox* combo : {ui_->typeCombo, ui_->shapeCombo, ui_->characterCombo, ui_->boxCombo, ui_->specialCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &SymbolDialog::store);
    connect(ui_->sizeCombo, &QComboBox::currentIndexChanged, this, [this] {
        if (readSize(false)) store();
    });
    connect(ui_->sizeCombo->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (readSize(true)) store();
    });
    connect(ui_->fillCheck, &QCheckBox::toggled, this, &SymbolDialog::store);
    connect(ui_->belowCheck, &QCheckBox::toggled, this, &SymbolDialog::store);
    connect(ui_->innerButton, &ColourButton::colourChanged, this, &SymbolDialog::store);
    connect(ui_->outerButton, &ColourButton::colourChanged, this, &SymbolDialog::store);
    connect(ui_->fontButton, &QPushButton::clicked, this, &SymbolDialog::chooseFont);
    connect(ui_->okButton, &QPushButton::clicked, this, &SymbolDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &SymbolDialog::reject);
    rememberPlacement(settingsStore, "SymbolDlg");
    finishSetup();
}

SymbolDialog::~SymbolDialog() = default;

void SymbolDialog::fillCharacters() {
    const QSignalBlocker block(ui_->characterCombo);
    ui_->characterCombo->clear();
    document::SymbolStyle glyph = symbol_;
    glyph.type = render::SymbolCharacter;
    glyph.reserved = 0;
    glyph.fill = 0;
    glyph.outerColour = 0;
    for (int code = document::CharacterCodeMin; code <= document::CharacterCodeMax; ++code) {
        glyph.character = code;
        ui_->characterCombo->addItem(symbolIcon(glyph, IconSide, 16), QStringLiteral("Code %1").arg(code));
    }
    ui_->characterCombo->setCurrentIndex(symbol_.character - document::CharacterCodeMin);
}

void SymbolDialog::load() {
    // Filling the widgets must not write back into the symbol.
    loading_ = true;
    symbol_ = document::normalisedSymbol(symbol_);
    ui_->typeCombo->setCurrentIndex(symbol_.type);
    ui_->shapeCombo->setCurrentIndex(render::reducedShapeNumber(symbol_.number) - 1);
    fillCharacters();
    ui_->fontButton->setToolTip(uiText(symbolFont(symbol_).faceName));
    ui_->boxCombo->setCurrentIndex(symbol_.reserved);
    ui_->specialCombo->setCurrentIndex(symbol_.type == render::SymbolSpecial ? symbol_.option : 0);
    ui_->sizeCombo->setCurrentText(QString::number(symbol_.size));
    ui_->fillCheck->setChecked(symbol_.fill != 0);
    ui_->belowCheck->setChecked(symbol_.belowLine != 0);
    ui_->innerButton->setColour(symbol_.innerColour);
    ui_->outerButton->setColour(symbol_.outerColour);
    loading_ = false;
    follow();
}

bool SymbolDialog::readSize(bool showRefusal) {
    const base::NumberFieldCheck check = base::checkIntegerField(ui_->sizeCombo->currentText().toStdString(),
                                                                 document::SymbolSizeMin, document::SymbolSizeMax);
    if (check.outcome == base::NumberFieldCheck::Outcome::Accepted) {
        symbol_.size = static_cast<int>(check.value);
        return true;
    }
    const bool refused = check.outcome == base::NumberFieldCheck::Outcome::Refused;
    if (refused && showRefusal) prompts().show(check.message);
    // Not a number: the size typed before comes back, as in every numeric field.
    const QSignalBlocker block(ui_->sizeCombo);
    ui_->sizeCombo->setCurrentText(QString::number(symbol_.size));
    return !refused;
}

void SymbolDialog::store() {
    if (loading_) return;
    symbol_.type = ui_->typeCombo->currentIndex();
    symbol_.number = ui_->shapeCombo->currentIndex() + 1;
    symbol_.character = ui_->characterCombo->currentIndex() + document::CharacterCodeMin;
    symbol_.reserved = ui_->boxCombo->currentIndex();
    if (symbol_.type == render::SymbolSpecial) symbol_.option = ui_->specialCombo->currentIndex();
    symbol_.fill = ui_->fillCheck->isChecked() ? 1 : 0;
    symbol_.belowLine = ui_->belowCheck->isChecked() ? 1 : 0;
    symbol_.innerColour = ui_->innerButton->colour();
    symbol_.outerColour = ui_->outerButton->colour();
    symbol_ = document::normalisedSymbol(symbol_);
    working_.curves[static_cast<std::size_t>(curve_)].symbol = symbol_;
    follow();
    emit workingChanged();
}

void SymbolDialog::follow() {
    const document::SymbolControls c = document::symbolControls(symbol_);
    ui_->shapeCombo->setEnabled(c.shape);
    ui_->characterCombo->setEnabled(c.character);
    ui_->fontButton->setEnabled(c.character || c.special);
    ui_->boxCombo->setEnabled(c.box);
    ui_->specialCombo->setEnabled(c.special);
    ui_->sizeCombo->setEnabled(c.size);
    ui_->fillCheck->setEnabled(c.fill);
    ui_->innerButton->setEnabled(c.innerColour);
    ui_->outerButton->setEnabled(c.outerColour);
    ui_->belowCheck->setEnabled(c.belowLine);
    ui_->sample->setCurve(working_.curves[static_cast<std::size_t>(curve_)]);
}

void SymbolDialog::chooseFont() {
    if (!fontChooser_) return;
    const auto chosen = fontChooser_(this, symbolFont(symbol_));
    if (!chosen) return;
    symbol_.font = *chosen;
    working_.curves[static_cast<std::size_t>(curve_)].symbol = symbol_;
    load();
    emit workingChanged();
}

void SymbolDialog::accept() {
    if (!readSize(true)) return;
    store();
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
