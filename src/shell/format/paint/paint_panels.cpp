// The fill, border and shadow panels.
#include "shell/format/paint/paint_panels.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>

#include "base/encoding.h"
#include "qt/painter_device.h"
#include "render/gradient.h"
#include "shell/common/number_field.h"
#include "ui_border_panel.h"
#include "ui_fill_panel.h"
#include "ui_shadow_panel.h"

namespace ordinax::shell {

namespace {

// The gradient kinds in the order of their values 0 .. 19.
const char* const GradientNames[render::GradientKindCount] = {
    "Uni",
    "Vertical, de gauche à droite",
    "Horizontal, de haut en bas",
    "Oblique, vers la droite",
    "Oblique, vers la gauche",
    "Vertical, symétrique",
    "Horizontal, symétrique",
    "Oblique vers la droite, symétrique",
    "Oblique vers la gauche, symétrique",
    "Rectangles concentriques",
    "Radial, au centre",
    "Radial, en haut à gauche",
    "Radial, en haut à droite",
    "Radial, en bas à gauche",
    "Radial, en bas à droite",
    "Radial symétrique, au centre",
    "Radial symétrique, en haut à gauche",
    "Radial symétrique, en haut à droite",
    "Radial symétrique, en bas à gauche",
    "Radial symétrique, en bas à droite",
};

QString pictureFilter() {
    return QStringLiteral("Images (*.bmp *.gif *.jpg *.jpeg *.png *.tif *.tiff *.wmf *.emf);;Tous les fichiers (*)");
}

}  // namespace

// ---- Fill ------------------------------------------------------------------

FillPanel::FillPanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::FillPanel>()) {
    ui_->setupUi(this);
    for (const char* name : GradientNames) ui_->gradient->addItem(QString::fromUtf8(name));
    ui_->gradient->setIconSize(QSize(40, 16));
    pictureChooser_ = [this](const QString& current) {
        return QFileDialog::getOpenFileName(window(), QStringLiteral("Image"), current, pictureFilter());
    };
    connect(ui_->active, &QCheckBox::toggled, this, &FillPanel::edited);
    connect(ui_->colour1, &ColourButton::colourChanged, this, &FillPanel::edited);
    connect(ui_->colour2, &ColourButton::colourChanged, this, &FillPanel::edited);
    connect(ui_->gradient, &QComboBox::activated, this, &FillPanel::edited);
    for (QRadioButton* profile : {ui_->linear, ui_->sine, ui_->cosine})
        connect(profile, &QRadioButton::toggled, this, [this](bool on) {
            if (on) edited();
        });
    connect(ui_->inverted, &QCheckBox::toggled, this, &FillPanel::edited);
    connect(ui_->picture, &QCheckBox::toggled, this, &FillPanel::edited);
    connect(ui_->pictureFile, &QLineEdit::editingFinished, this, &FillPanel::edited);
    connect(ui_->pictureMode, &QComboBox::activated, this, &FillPanel::edited);
    connect(ui_->browse, &QPushButton::clicked, this, [this] {
        if (!pictureChooser_) return;
        const QString chosen = pictureChooser_(ui_->pictureFile->text());
        if (chosen.isEmpty()) return;
        ui_->pictureFile->setText(chosen);
        ui_->picture->setChecked(true);
        edited();
    });
    updateIcons();
}

FillPanel::~FillPanel() = default;

void FillPanel::setPictureOffered(bool offered) {
    pictureOffered_ = offered;
    ui_->pictureGroup->setVisible(offered);
    updateEnabling();
}

void FillPanel::setColourChooser(const ColourButton::Chooser& chooser) {
    ui_->colour1->setChooser(chooser);
    ui_->colour2->setChooser(chooser);
}

void FillPanel::load(const render::FillChoice& choice) {
    loading_ = true;
    ui_->active->setChecked(choice.active);
    ui_->colour1->setColour(choice.colour1);
    ui_->colour2->setColour(choice.colour2);
    ui_->gradient->setCurrentIndex(choice.gradient.kind);
    QRadioButton* profiles[] = {ui_->linear, ui_->sine, ui_->cosine};
    profiles[std::clamp(choice.gradient.profile, 0, 2)]->setChecked(true);
    ui_->inverted->setChecked(choice.gradient.inverted);
    ui_->picture->setChecked(choice.picture);
    ui_->pictureFile->setText(QString::fromStdString(base::windows1252ToUtf8(choice.pictureFile)));
    ui_->pictureMode->setCurrentIndex(std::clamp(choice.pictureMode, 0, render::PictureModeCount - 1));
    loading_ = false;
    updateEnabling();
    updateIcons();
}

render::FillChoice FillPanel::choice() const {
    render::FillChoice choice;
    choice.active = ui_->active->isChecked();
    choice.colour1 = ui_->colour1->colour();
    choice.colour2 = ui_->colour2->colour();
    choice.gradient.kind = ui_->gradient->currentIndex();
    choice.gradient.profile = ui_->sine->isChecked() ? 1 : ui_->cosine->isChecked() ? 2 : 0;
    choice.gradient.inverted = ui_->inverted->isChecked();
    choice.picture = pictureOffered_ && ui_->picture->isChecked();
    choice.pictureMode = ui_->pictureMode->currentIndex();
    choice.pictureFile = base::utf8ToWindows1252Lossy(ui_->pictureFile->text().toStdString());
    return choice;
}

void FillPanel::updateEnabling() {
    const bool gradient = ui_->gradient->currentIndex() > 0;
    ui_->colour2->setEnabled(gradient);
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->linear, ui_->sine, ui_->cosine, ui_->inverted})
        w->setEnabled(gradient);
    const bool picture = ui_->picture->isChecked();
    ui_->pictureFile->setEnabled(picture);
    ui_->pictureMode->setEnabled(picture);
}

void FillPanel::updateIcons() {
    // Each kind of the list shows itself in the chosen colours.
    const render::FillChoice c = choice();
    const QSize size = ui_->gradient->iconSize();
    for (int kind = 0; kind < render::GradientKindCount; ++kind) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            qt::PainterDevice device(painter);
            const render::DecodedGradient gradient{kind, c.gradient.profile, c.gradient.inverted};
            render::gradientFill(device, {0, 0, size.width(), size.height()}, static_cast<render::Colour>(c.colour1),
                                 static_cast<render::Colour>(c.colour2), render::encodeGradient(gradient));
            painter.setPen(Qt::gray);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
        }
        ui_->gradient->setItemIcon(kind, QIcon(QPixmap::fromImage(image)));
    }
}

void FillPanel::edited() {
    if (loading_) return;
    updateEnabling();
    updateIcons();
    emit changed();
}

// ---- Border ----------------------------------------------------------------

BorderPanel::BorderPanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::BorderPanel>()) {
    ui_->setupUi(this);
    ui_->width->setIntegerRange(render::MinBorderWidth, render::MaxBorderWidth);
    ui_->marginX->setIntegerRange(0, render::MaxInnerMargin);
    ui_->marginY->setIntegerRange(0, render::MaxInnerMargin);
    connect(ui_->active, &QCheckBox::toggled, this, &BorderPanel::edited);
    connect(ui_->colour, &ColourButton::colourChanged, this, &BorderPanel::edited);
    for (NumberField* field : {ui_->width, ui_->marginX, ui_->marginY})
        connect(field, &NumberField::valueChanged, this, &BorderPanel::edited);
}

BorderPanel::~BorderPanel() = default;

void BorderPanel::setColourChooser(const ColourButton::Chooser& chooser) {
    ui_->colour->setChooser(chooser);
}

void BorderPanel::load(const render::BorderChoice& choice) {
    loading_ = true;
    ui_->active->setChecked(choice.active);
    ui_->colour->setColour(choice.colour);
    ui_->width->setValue(choice.width);
    ui_->marginX->setValue(choice.marginX);
    ui_->marginY->setValue(choice.marginY);
    loading_ = false;
}

render::BorderChoice BorderPanel::choice() const {
    return {ui_->active->isChecked(), ui_->colour->colour(), ui_->width->intValue(), ui_->marginX->intValue(),
            ui_->marginY->intValue()};
}

bool BorderPanel::commitFields() {
    for (NumberField* field : {ui_->width, ui_->marginX, ui_->marginY})
        if (!field->commit()) return false;
    return true;
}

void BorderPanel::edited() {
    if (!loading_) emit changed();
}

// ---- Shadow ----------------------------------------------------------------

ShadowPanel::ShadowPanel(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::ShadowPanel>()) {
    ui_->setupUi(this);
    ui_->depthX->setIntegerRange(0, render::MaxShadowDepth);
    ui_->depthY->setIntegerRange(0, render::MaxShadowDepth);
    connect(ui_->active, &QCheckBox::toggled, this, &ShadowPanel::edited);
    connect(ui_->colour, &ColourButton::colourChanged, this, &ShadowPanel::edited);
    connect(ui_->hardness, &QSlider::valueChanged, this, [this](int value) {
        ui_->hardnessValue->setText(QString::number(value));
        edited();
    });
    for (NumberField* field : {ui_->depthX, ui_->depthY})
        connect(field, &NumberField::valueChanged, this, &ShadowPanel::edited);
}

ShadowPanel::~ShadowPanel() = default;

void ShadowPanel::setColourChooser(const ColourButton::Chooser& chooser) {
    ui_->colour->setChooser(chooser);
}

void ShadowPanel::load(const render::ShadowChoice& choice) {
    loading_ = true;
    ui_->active->setChecked(choice.active);
    ui_->colour->setColour(choice.colour);
    ui_->hardness->setValue(choice.hardness);
    ui_->hardnessValue->setText(QString::number(choice.hardness));
    ui_->depthX->setValue(choice.depthX);
    ui_->depthY->setValue(choice.depthY);
    loading_ = false;
}

render::ShadowChoice ShadowPanel::choice() const {
    return {ui_->active->isChecked(), ui_->colour->colour(), ui_->hardness->value(), ui_->depthX->intValue(),
            ui_->depthY->intValue()};
}

bool ShadowPanel::commitFields() {
    for (NumberField* field : {ui_->depthX, ui_->depthY})
        if (!field->commit()) return false;
    return true;
}

void ShadowPanel::edited() {
    if (!loading_) emit changed();
}

}  // namespace ordinax::shell
