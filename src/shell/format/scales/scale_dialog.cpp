// The scale dialog.
#include "shell/format/scales/scale_dialog.h"

#include <QPushButton>
#include <QTabWidget>

#include "base/encoding.h"
#include "render/plot_mapping.h"
#include "render/scale_auto.h"
#include "render/scale_dialog_rules.h"
#include "shell/common/diagram_edit.h"
#include "shell/format/tab_chain.h"
#include "shell/user_prompts.h"
#include "ui_scale_dialog.h"
#include "ui_scale_panel.h"

namespace ordinax::shell {

namespace {

// The tab captions, in tab order.
const char* const TabCaptions[] = {" Axe des X (inférieur) ", " Axe des Y (à gauche) ", " Axe des X (supérieur) ",
                                   " Axe des Y (à droite) "};

document::AxisScale& scaleOf(document::Diagram& diagram, int tab) {
    const render::ScaleTab t = render::ScaleTabs[static_cast<std::size_t>(tab)];
    return diagram.scales.axis[static_cast<std::size_t>(t.direction)][static_cast<std::size_t>(t.side)];
}

}  // namespace

ScaleDialog::ScaleDialog(DiagramEdit& edit, UserPrompts& prompts, int direction, int side, QWidget* parent)
    : OrdinaxDialog(prompts, parent), edit_(edit), ui_(std::make_unique<Ui::ScaleDialog>()) {
    ui_->setupUi(this);
    // All four tabs stay readable: the dialog is as wide as their captions.
    ui_->tabs->setUsesScrollButtons(false);
    for (int tab = 0; tab < 4; ++tab) buildPanel(tab);
    // Tab order: the tab bar, the controls of the pages, the buttons.
    QWidget* last = ui_->tabs;
    for (int tab = 0; tab < 4; ++tab) last = chainTabOrder(last, ui_->tabs->widget(tab));
    setTabOrder(last, ui_->defaults);
    QPushButton* cancel = ui_->buttonBox->button(QDialogButtonBox::Cancel);
    for (auto& panel : panels_)
        for (ScaleField* field : {panel->origin, panel->extremity, panel->step}) {
            field->setCancelButton(cancel);
            field->setMessageSink([this](const base::Message& message) { this->prompts().show(message); });
        }
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &ScaleDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &ScaleDialog::reject);
    connect(ui_->tabs, &QTabWidget::currentChanged, this, &ScaleDialog::tabShown);
    connect(ui_->defaults, &QPushButton::clicked, this,
            [this] { onShownScale([](document::Diagram& d, int dir, int s) { render::defaultScale(d, dir, s); }); });
    auto automatic = [this] {
        onShownScale([](document::Diagram& d, int dir, int s) { render::reducedScale(d, dir, s); });
    };
    connect(ui_->automatic, &QPushButton::clicked, this, automatic);
    connect(ui_->reduced, &QPushButton::clicked, this, automatic);
    connect(ui_->extended, &QPushButton::clicked, this,
            [this] { onShownScale([](document::Diagram& d, int dir, int s) { render::extendedScale(d, dir, s); }); });
    connect(ui_->duplicate, &QPushButton::clicked, this, [this] {
        onShownScale([](document::Diagram& d, int dir, int s) { render::duplicateFacingScale(d, dir, s); });
    });
    finishSetup();
    setHelpTopic(QStringLiteral("echelles"));
    showTab(render::scaleTabIndex(direction, side));
    tabShown(currentTab());
    edit_.preview();
}

ScaleDialog::~ScaleDialog() = default;

Ui::ScalePanel& ScaleDialog::panel(int tab) {
    return *panels_[static_cast<std::size_t>(tab)];
}

int ScaleDialog::currentTab() const {
    return ui_->tabs->currentIndex();
}

void ScaleDialog::showTab(int tab) {
    ui_->tabs->setCurrentIndex(tab);
}

void ScaleDialog::setColourChooser(const ColourButton::Chooser& chooser) {
    for (auto& panel : panels_) panel->colour->setChooser(chooser);
}

void ScaleDialog::setFontChooser(const FontButton::Chooser& chooser) {
    for (auto& panel : panels_) panel->font->setChooser(chooser);
}

void ScaleDialog::buildPanel(int tab) {
    auto& slot = panels_[static_cast<std::size_t>(tab)];
    slot = std::make_unique<Ui::ScalePanel>();
    auto* page = new QWidget(ui_->tabs);
    slot->setupUi(page);
    ui_->tabs->addTab(page, QString::fromUtf8(TabCaptions[tab]));
    Ui::ScalePanel& p = *slot;
    const int direction = render::ScaleTabs[static_cast<std::size_t>(tab)].direction;
    // HENRY exists on the Y scales only.
    while (p.kind->count() > render::kindCount(direction)) p.kind->removeItem(p.kind->count() - 1);
    for (const int count : render::subdivisionCounts()) p.subdivisions->addItem(QString::number(count));
    p.origin->setField(render::ScaleField::Origin);
    p.extremity->setField(render::ScaleField::Extremity);
    p.step->setField(render::ScaleField::Step);

    auto edit = [this, tab](auto change) {
        return [this, tab, change](auto... value) {
            if (loading_) return;
            change(scaleOf(edit_.working(), tab), value...);
            changed();
        };
    };
    const render::ScaleTab at = render::ScaleTabs[static_cast<std::size_t>(tab)];
    connect(p.active, &QCheckBox::toggled, this, edit([](document::AxisScale& s, bool on) { s.active = on ? 1 : 0; }));
    connect(p.main, &QCheckBox::toggled, this, [this, at](bool on) {
        if (loading_ || !on) return;
        render::setMainSide(edit_.working(), at.direction, at.side);
        changed();
    });
    connect(p.kind, &QComboBox::activated, this, [this, at](int index) {
        if (loading_) return;
        render::changeKind(edit_.working(), at.direction, at.side, index);
        changed();
    });
    connect(p.subdivisions, &QComboBox::activated, this,
            edit([](document::AxisScale& s, int index) { s.subdivisionIndex = index; }));
    connect(p.origin, &ScaleField::valueChanged, this, edit([](document::AxisScale& s, double v) { s.origin = v; }));
    connect(p.extremity, &ScaleField::valueChanged, this,
            edit([](document::AxisScale& s, double v) { s.extremity = v; }));
    connect(p.step, &ScaleField::valueChanged, this, edit([](document::AxisScale& s, double v) { s.step = v; }));
    connect(p.format, &QComboBox::activated, this,
            edit([](document::AxisScale& s, int index) { render::changeFormat(s, index + 1); }));
    connect(p.decimals, &QSpinBox::valueChanged, this, edit([](document::AxisScale& s, int v) { s.decimals = v; }));
    connect(p.symbol, &QComboBox::activated, this, edit([](document::AxisScale& s, int index) { s.symbol = index; }));
    connect(p.customSymbol, &QLineEdit::textEdited, this, edit([](document::AxisScale& s, const QString& text) {
                render::setCustomSymbol(s, base::utf8ToWindows1252Lossy(text.toStdString()));
            }));
    connect(p.orientation, &QComboBox::activated, this,
            edit([](document::AxisScale& s, int index) { s.orientation = render::orientationFromList(index); }));
    connect(p.thousands, &QCheckBox::toggled, this,
            edit([](document::AxisScale& s, bool on) { s.thousands = on ? 1 : 0; }));
    connect(p.font, &FontButton::fontChanged, this,
            edit([](document::AxisScale& s, const base::LogFont& font) { s.font = font; }));
    connect(p.colour, &ColourButton::colourChanged, this,
            edit([](document::AxisScale& s, std::int32_t colour) { s.colour = colour; }));
    connect(p.copyLook, &QPushButton::clicked, this, [this, at] {
        render::copyGraduationLook(edit_.working(), at.direction, at.side);
        changed();
    });
}

void ScaleDialog::loadPanel(int tab) {
    Ui::ScalePanel& p = panel(tab);
    const render::ScaleTab at = render::ScaleTabs[static_cast<std::size_t>(tab)];
    const document::Diagram& diagram = edit_.working();
    const document::AxisScale& s = scaleOf(edit_.working(), tab);
    const bool wasLoading = loading_;
    loading_ = true;
    p.active->setChecked(s.active != 0);
    const bool both = diagram.scales.axis[static_cast<std::size_t>(at.direction)][0].active != 0 &&
                      diagram.scales.axis[static_cast<std::size_t>(at.direction)][1].active != 0;
    const int mainSide = diagram.scales.mainSide[static_cast<std::size_t>(at.direction)] == 1 ? 1 : 0;
    // The main scale matters only when both sides are shown.
    p.main->setChecked(s.active != 0 && (!both || mainSide == at.side));
    p.main->setEnabled(both && mainSide != at.side);
    p.kind->setCurrentIndex(std::clamp(s.kind, 0, p.kind->count() - 1));
    p.subdivisions->setCurrentIndex(std::clamp(s.subdivisionIndex, 0, p.subdivisions->count() - 1));
    p.subdivisions->setEnabled(s.kind == render::ScaleLin);
    for (ScaleField* field : {p.origin, p.extremity, p.step}) field->setKind(s.kind);
    p.origin->setValue(s.origin);
    p.extremity->setValue(s.extremity);
    p.step->setValue(s.step);
    p.step->setEnabled(s.kind == render::ScaleLin);
    p.format->setCurrentIndex(std::clamp(s.format - 1, 0, render::FormatListCount - 1));
    p.decimals->setValue(std::clamp(s.decimals, 0, render::MaxDecimals));
    p.decimals->setEnabled(render::formatUsesDecimals(s.format));
    p.symbol->setCurrentIndex(std::clamp(s.symbol, 0, render::SymbolCount - 1));
    const QString custom = QString::fromStdString(base::windows1252ToUtf8(render::customSymbolText(s)));
    if (p.customSymbol->text() != custom) p.customSymbol->setText(custom);
    p.customSymbol->setEnabled(s.symbol == render::CustomSymbol);
    p.orientation->setCurrentIndex(render::orientationListIndex(s.orientation));
    p.thousands->setChecked(s.thousands != 0);
    p.font->setLogFont(s.font);
    p.colour->setColour(s.colour);
    loading_ = wasLoading;
}

void ScaleDialog::loadAll() {
    for (int tab = 0; tab < 4; ++tab) loadPanel(tab);
    updateButtons();
}

void ScaleDialog::changed() {
    loadAll();
    edit_.preview();
}

template <typename Change>
void ScaleDialog::onShownScale(Change change) {
    const render::ScaleTab at = render::ScaleTabs[static_cast<std::size_t>(currentTab())];
    change(edit_.working(), at.direction, at.side);
    changed();
}

void ScaleDialog::tabShown(int tab) {
    if (tab < 0) return;
    const render::ScaleTab at = render::ScaleTabs[static_cast<std::size_t>(tab)];
    render::prepareShownScale(edit_.working(), at.direction, at.side);
    changed();
}

void ScaleDialog::updateButtons() {
    const document::AxisScale& s = scaleOf(edit_.working(), currentTab());
    ui_->extended->setEnabled(s.kind == render::ScaleHenry);
}

void ScaleDialog::accept() {
    Ui::ScalePanel& p = panel(currentTab());
    for (ScaleField* field : {p.origin, p.extremity, p.step})
        if (!field->commit()) return;
    const render::ScaleTab at = render::ScaleTabs[static_cast<std::size_t>(currentTab())];
    const render::ScaleOkCheck check = render::checkScalesOnOk(edit_.working().scales, at.direction, at.side);
    loadAll();
    edit_.preview();
    if (!check.message.empty()) {
        showTab(render::scaleTabIndex(check.direction, check.side));
        prompts().show(check.message);
        panel(currentTab()).step->setFocus();
        return;
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
