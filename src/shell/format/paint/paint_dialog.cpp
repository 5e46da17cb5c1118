// The fill, border and shadow dialogs.
#include "shell/format/paint/paint_dialog.h"

#include <QPushButton>

#include "base/strings.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/paint/paint_panels.h"
#include "shell/format/tab_chain.h"
#include "ui_paint_dialog.h"

namespace ordinax::shell {

namespace {

QString captionOf(PaintAspect aspect) {
    switch (aspect) {
        case PaintAspect::Fill:
            return QStringLiteral("Fond");
        case PaintAspect::Border:
            return QStringLiteral("Bordure");
        case PaintAspect::Shadow:
            break;
    }
    return QStringLiteral("Ombre");
}

std::array<char, document::PictureBufferSize>* pictureOf(document::Diagram& diagram,
                                                         const document::PaintTarget& target) {
    switch (target.kind) {
        case document::PaintTarget::Kind::Background:
            return &diagram.backPicture;
        case document::PaintTarget::Kind::Plot:
            return &diagram.diagramPicture;
        case document::PaintTarget::Kind::Slot:
            break;
    }
    return nullptr;
}

}  // namespace

const char* PaintDialog::placementKey(PaintAspect aspect) {
    switch (aspect) {
        case PaintAspect::Fill:
            return "BackColorDlg";
        case PaintAspect::Border:
            return "FrameDlg";
        case PaintAspect::Shadow:
            break;
    }
    return "ShadowDlg";
}

PaintDialog::PaintDialog(PaintAspect aspect, document::PaintGroup group, DiagramEdit& edit, UserPrompts& prompts,
                         int selectedSlot, bool simpleShadow, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      aspect_(aspect),
      edit_(edit),
      simpleShadow_(simpleShadow),
      ui_(std::make_unique<Ui::PaintDialog>()),
      targets_(document::paintTargets(edit.working(), group)) {
    ui_->setupUi(this);
    setWindowTitle(captionOf(aspect));
    QWidget* panel = nullptr;
    switch (aspect) {
        case PaintAspect::Fill:
            panel = fill_ = new FillPanel(ui_->panelHost);
            connect(fill_, &FillPanel::changed, this, &PaintDialog::panelChanged);
            break;
        case PaintAspect::Border:
            panel = border_ = new BorderPanel(ui_->panelHost);
            connect(border_, &BorderPanel::changed, this, &PaintDialog::panelChanged);
            break;
        case PaintAspect::Shadow:
            panel = shadow_ = new ShadowPanel(ui_->panelHost);
            connect(shadow_, &ShadowPanel::changed, this, &PaintDialog::panelChanged);
            break;
    }
    ui_->panelLayout->addWidget(panel);
    // The panel's controls come after the element list in the tab order.
    chainTabOrder(ui_->element, panel, ui_->buttonBox);
    for (const document::PaintTarget& t : targets_) {
        const std::string_view name = base::messageText(document::paintTargetNameId(t));
        ui_->element->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    ui_->element->setCurrentIndex(document::preferredTarget(targets_, selectedSlot));
    // A single area needs no choice.
    ui_->element->setEnabled(targets_.size() > 1);
    connect(ui_->element, &QComboBox::currentIndexChanged, this, &PaintDialog::loadTarget);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &PaintDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &PaintDialog::reject);
    finishSetup();
    setHelpTopic(QStringLiteral("fond-bordure-ombre"));
    loadTarget();
    edit_.preview();
}

PaintDialog::~PaintDialog() = default;

void PaintDialog::setColourChooser(const ColourButton::Chooser& chooser) {
    if (fill_) fill_->setColourChooser(chooser);
    if (border_) border_->setColourChooser(chooser);
    if (shadow_) shadow_->setColourChooser(chooser);
}

const document::PaintTarget& PaintDialog::target() const {
    static const document::PaintTarget none;
    const int index = ui_->element->currentIndex();
    return index >= 0 && index < static_cast<int>(targets_.size()) ? targets_[static_cast<std::size_t>(index)] : none;
}

void PaintDialog::loadTarget() {
    document::Diagram& diagram = edit_.working();
    const document::PaintTarget& t = target();
    const document::PaintStyle& style = document::paintOf(diagram, t);
    if (fill_) {
        fill_->setPictureOffered(document::takesPicture(t));
        fill_->load(render::readFill(style, pictureOf(diagram, t)));
    }
    if (border_) border_->load(render::readBorder(style));
    if (shadow_) shadow_->load(render::readShadow(style));
    ui_->sample->setStyle(style, simpleShadow_);
}

void PaintDialog::panelChanged() {
    if (targets_.empty()) return;
    document::Diagram& diagram = edit_.working();
    const document::PaintTarget& t = target();
    document::PaintStyle& style = document::paintOf(diagram, t);
    if (fill_) render::applyFill(style, pictureOf(diagram, t), fill_->choice());
    if (border_) render::applyBorder(style, border_->choice());
    if (shadow_) render::applyShadow(style, shadow_->choice());
    ui_->sample->setStyle(style, simpleShadow_);
    edit_.preview();
}

void PaintDialog::accept() {
    if (border_ && !border_->commitFields()) return;
    if (shadow_ && !shadow_->commitFields()) return;
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
