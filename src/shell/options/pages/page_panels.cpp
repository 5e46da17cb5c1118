// The page settings panels.
#include "shell/options/pages/page_panels.h"

#include <QFileDialog>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_presentation.h"
#include "render/page_setup_rules.h"
#include "render/picture_placement.h"
#include "shell/common/number_field.h"
#include "shell/format/font_button.h"
#include "shell/options/pages/band_preview.h"
#include "ui_bands_panel.h"
#include "ui_diagram_page_panel.h"
#include "ui_logo_panel.h"
#include "ui_report_page_panel.h"

namespace ordinax::shell {

namespace {

// Page texts are Windows-1252 in the model.
QString fromModel(const std::string& text) {
    return QString::fromStdString(base::windows1252ToUtf8(text));
}
std::string toModel(const QString& text) {
    return base::utf8ToWindows1252Lossy(text.toStdString());
}

template <typename Ui>
std::array<NumberField*, 6> marginFields(Ui& ui) {
    return {ui.left, ui.right, ui.top, ui.bottom, ui.header, ui.footer};
}

// Emits `changed` of `panel` when any control of it changes (unless loading).
template <typename Panel>
void watch(Panel* panel, bool& loading) {
    auto notify = [panel, &loading] {
        if (!loading) emit panel->changed();
    };
    for (NumberField* field : panel->template findChildren<NumberField*>())
        QObject::connect(field, &NumberField::valueChanged, panel, notify);
    for (QAbstractButton* button : panel->template findChildren<QAbstractButton*>())
        if (button->isCheckable()) QObject::connect(button, &QAbstractButton::toggled, panel, notify);
    for (FontButton* button : panel->template findChildren<FontButton*>())
        QObject::connect(button, &FontButton::fontChanged, panel, notify);
    for (ColourButton* button : panel->template findChildren<ColourButton*>())
        QObject::connect(button, &ColourButton::colourChanged, panel, notify);
    for (QLineEdit* edit : panel->template findChildren<QLineEdit*>())
        if (!qobject_cast<NumberField*>(edit)) QObject::connect(edit, &QLineEdit::textEdited, panel, notify);
    for (QComboBox* list : panel->template findChildren<QComboBox*>())
        QObject::connect(list, &QComboBox::activated, panel, notify);
}

}  // namespace

bool commitNumberFields(QWidget* root) {
    for (NumberField* field : root->findChildren<NumberField*>())
        if (field->isEnabled() && !field->commit()) return false;
    return true;
}

// ---- Diagram page ----------------------------------------------------------

DiagramPagePanel::DiagramPagePanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::DiagramPagePanel>()) {
    ui_->setupUi(this);
    for (NumberField* field : marginFields(*ui_)) field->setRealRange(0.0, render::MaxMarginCm);
    ui_->width->setRealRange(render::MinDiagramCm, render::MaxDiagramCm);
    ui_->height->setRealRange(render::MinDiagramCm, render::MaxDiagramCm);
    ui_->spaceX->setIntegerRange(0, 50);
    ui_->spaceY->setIntegerRange(0, 50);
    watch(this, loading_);
}

DiagramPagePanel::~DiagramPagePanel() = default;

void DiagramPagePanel::setFontShown(bool shown) {
    ui_->drawingFont->setVisible(shown);
    ui_->drawingFontLabel->setVisible(shown);
}

void DiagramPagePanel::load(const DiagramPageChoice& c) {
    loading_ = true;
    loaded_ = c;
    (c.orientation == 1 ? ui_->landscape : ui_->portrait)->setChecked(true);
    const auto fields = marginFields(*ui_);
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setValue(c.margins[i]);
    ui_->width->setValue(c.size[0]);
    ui_->height->setValue(c.size[1]);
    ui_->centreX->setChecked(c.centre[0] != 0);
    ui_->centreY->setChecked(c.centre[1] != 0);
    ui_->spaceX->setValue(c.drawSpace[0]);
    ui_->spaceY->setValue(c.drawSpace[1]);
    ui_->drawingFont->setLogFont(c.drawingFont);
    loading_ = false;
}

DiagramPageChoice DiagramPagePanel::choice() const {
    DiagramPageChoice c = loaded_;
    c.orientation = ui_->landscape->isChecked() ? 1 : 0;
    const auto fields = marginFields(*ui_);
    for (std::size_t i = 0; i < fields.size(); ++i) c.margins[i] = fields[i]->value();
    c.size = {ui_->width->value(), ui_->height->value()};
    c.centre = {ui_->centreX->isChecked() ? 1 : 0, ui_->centreY->isChecked() ? 1 : 0};
    c.drawSpace = {ui_->spaceX->intValue(), ui_->spaceY->intValue()};
    c.drawingFont = ui_->drawingFont->font();
    return c;
}

// ---- Report page -----------------------------------------------------------

ReportPagePanel::ReportPagePanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::ReportPagePanel>()) {
    ui_->setupUi(this);
    for (NumberField* field : marginFields(*ui_)) field->setRealRange(0.0, render::MaxMarginCm);
    watch(this, loading_);
}

ReportPagePanel::~ReportPagePanel() = default;

void ReportPagePanel::load(const ReportPageChoice& c) {
    loading_ = true;
    (c.orientation == 1 ? ui_->landscape : ui_->portrait)->setChecked(true);
    const auto fields = marginFields(*ui_);
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setValue(c.margins[i]);
    ui_->font->setLogFont(c.font);
    loading_ = false;
}

ReportPageChoice ReportPagePanel::choice() const {
    ReportPageChoice c;
    c.orientation = ui_->landscape->isChecked() ? 1 : 0;
    const auto fields = marginFields(*ui_);
    for (std::size_t i = 0; i < fields.size(); ++i) c.margins[i] = fields[i]->value();
    c.font = ui_->font->font();
    return c;
}

// ---- Header and footer -----------------------------------------------------

BandsPanel::BandsPanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::BandsPanel>()) {
    ui_->setupUi(this);
    const std::string_view codes = base::messageText(base::MsgPreviewPageCodes);
    ui_->codes->setText(QString::fromUtf8(codes.data(), static_cast<qsizetype>(codes.size())));
    watch(this, loading_);
    connect(this, &BandsPanel::changed, this, &BandsPanel::updatePreviews);
}

BandsPanel::~BandsPanel() = default;

void BandsPanel::setColourChooser(const ColourButton::Chooser& chooser) {
    ui_->headerColour->setChooser(chooser);
    ui_->footerColour->setChooser(chooser);
}

void BandsPanel::setCodeContext(const render::PageCodeContext& context) {
    context_ = context;
    updatePreviews();
}

void BandsPanel::load(const std::array<document::HeaderFooter, 2>& bands) {
    loading_ = true;
    ui_->headerPrint->setChecked(bands[0].print != 0);
    ui_->headerSeparator->setChecked(bands[0].separator != 0);
    ui_->headerText->setText(fromModel(bands[0].text));
    ui_->headerFont->setLogFont(bands[0].font);
    ui_->headerColour->setColour(bands[0].colour);
    ui_->footerPrint->setChecked(bands[1].print != 0);
    ui_->footerSeparator->setChecked(bands[1].separator != 0);
    ui_->footerText->setText(fromModel(bands[1].text));
    ui_->footerFont->setLogFont(bands[1].font);
    ui_->footerColour->setColour(bands[1].colour);
    loading_ = false;
    updatePreviews();
}

std::array<document::HeaderFooter, 2> BandsPanel::bands() const {
    std::array<document::HeaderFooter, 2> b;
    b[0] = {ui_->headerPrint->isChecked() ? 1 : 0, toModel(ui_->headerText->text()), ui_->headerFont->font(),
            ui_->headerColour->colour(), ui_->headerSeparator->isChecked() ? 1 : 0};
    b[1] = {ui_->footerPrint->isChecked() ? 1 : 0, toModel(ui_->footerText->text()), ui_->footerFont->font(),
            ui_->footerColour->colour(), ui_->footerSeparator->isChecked() ? 1 : 0};
    return b;
}

void BandsPanel::updatePreviews() {
    const auto b = bands();
    ui_->headerPreview->setBand(b[0], context_);
    ui_->footerPreview->setBand(b[1], context_);
}

// ---- Logo ------------------------------------------------------------------

LogoPanel::LogoPanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::LogoPanel>()) {
    ui_->setupUi(this);
    ui_->positionX->setRealRange(0.0, render::MaxLogoPositionCm);
    ui_->positionY->setRealRange(0.0, render::MaxLogoPositionCm);
    ui_->zoom->setIntegerRange(1, render::MaxLogoZoom);
    ui_->logoWidth->setRealRange(0.1, render::MaxDiagramCm);
    ui_->logoHeight->setRealRange(0.1, render::MaxDiagramCm);
    watch(this, loading_);
    connect(this, &LogoPanel::changed, this, &LogoPanel::updateEnabling);
    connect(ui_->browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getOpenFileName(
            window(), QStringLiteral("Logo"), ui_->file->text(),
            QStringLiteral("Images (*.bmp *.gif *.jpg *.jpeg *.png *.wmf *.emf);;Tous les fichiers (*)"));
        if (chosen.isEmpty()) return;
        ui_->file->setText(chosen);
        emit changed();
    });
}

LogoPanel::~LogoPanel() = default;

void LogoPanel::load(const document::LogoSettings& logo) {
    loading_ = true;
    ui_->printDiagram->setChecked(logo.print[0] != 0);
    ui_->printReport->setChecked(logo.print[1] != 0);
    ui_->file->setText(fromModel(logo.file));
    ui_->location->setCurrentIndex(std::clamp(logo.location, 0, 5));
    ui_->positionX->setValue(logo.position[0]);
    ui_->positionY->setValue(logo.position[1]);
    switch (render::logoSizeMode(logo)) {
        case render::LogoSizeMode::Natural:
            ui_->natural->setChecked(true);
            break;
        case render::LogoSizeMode::Zoom:
            ui_->zoomed->setChecked(true);
            break;
        case render::LogoSizeMode::Manual:
            ui_->manual->setChecked(true);
            break;
    }
    ui_->zoom->setValue(logo.zoom);
    ui_->logoWidth->setValue(logo.logoSize[0]);
    ui_->logoHeight->setValue(logo.logoSize[1]);
    loading_ = false;
    updateEnabling();
}

document::LogoSettings LogoPanel::logo() const {
    document::LogoSettings logo;
    logo.print = {ui_->printDiagram->isChecked() ? 1 : 0, ui_->printReport->isChecked() ? 1 : 0};
    logo.file = toModel(ui_->file->text());
    logo.location = ui_->location->currentIndex();
    logo.position = {ui_->positionX->value(), ui_->positionY->value()};
    logo.logoSize = {ui_->logoWidth->value(), ui_->logoHeight->value()};
    logo.zoom = ui_->zoom->intValue();
    const render::LogoSizeMode mode = ui_->manual->isChecked()   ? render::LogoSizeMode::Manual
                                      : ui_->zoomed->isChecked() ? render::LogoSizeMode::Zoom
                                                                 : render::LogoSizeMode::Natural;
    render::setLogoSizeMode(logo, mode, logo.zoom);
    return logo;
}

void LogoPanel::updateEnabling() {
    const bool exact = ui_->location->currentIndex() == render::LogoExact;
    ui_->positionX->setEnabled(exact);
    ui_->positionY->setEnabled(exact);
    ui_->zoom->setEnabled(ui_->zoomed->isChecked());
    ui_->logoWidth->setEnabled(ui_->manual->isChecked());
    ui_->logoHeight->setEnabled(ui_->manual->isChecked());
}

}  // namespace ordinax::shell
