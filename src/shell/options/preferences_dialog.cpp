// The preferences sheet.
#include "shell/options/preferences_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "base/strings.h"
#include "base/strings_drawing.h"
#include "render/page_setup_rules.h"
#include "render/paint_rules.h"
#include "settings/preference_rules.h"
#include "shell/common/number_field.h"
#include "shell/format/font_button.h"
#include "shell/format/paint/paint_panels.h"
#include "shell/format/tab_chain.h"
#include "shell/options/pages/page_panels.h"
#include "shell/user_prompts.h"
#include "ui_folders_page.h"
#include "ui_other_page.h"
#include "ui_preferences_dialog.h"
#include "ui_scales_page.h"
#include "ui_symbols_page.h"

namespace ordinax::shell {

namespace {

// The captions of the pages as the sheet lists them.
const char* const Captions[] = {
    "  Dossiers d'enregistrement par défaut  ",
    "  Mise en page du diagramme  ",
    "  Mise en page des notes de calcul  ",
    "  En-tête et pied de page  ",
    "  Arrière-plan  ",
    "  Diagramme  ",
    "  Libellés, étiquettes et légendes  ",
    "  Échelles et quadrillage  ",
    "  Symboles et lignes  ",
    "  Logo, Image, Filigrane  ",
    "  Divers  ",
};

struct ScaleRow {
    QCheckBox* active;
    QComboBox* mode;
    QComboBox* style;
    QCheckBox* sub;
    QComboBox* subStyle;
    QCheckBox* both;
};

ScaleRow rowOf(Ui::ScalesPage& ui, int direction, int side) {
    if (direction == 0 && side == 0) return {ui.x0Active, ui.x0Mode, ui.x0Style, ui.x0Sub, ui.x0SubStyle, ui.x0Both};
    if (direction == 0) return {ui.x1Active, ui.x1Mode, ui.x1Style, ui.x1Sub, ui.x1SubStyle, ui.x1Both};
    if (side == 0) return {ui.y0Active, ui.y0Mode, ui.y0Style, ui.y0Sub, ui.y0SubStyle, ui.y0Both};
    return {ui.y1Active, ui.y1Mode, ui.y1Style, ui.y1Sub, ui.y1SubStyle, ui.y1Both};
}

std::array<QLineEdit*, settings::FolderCount> folderEdits(Ui::FoldersPage& ui) {
    return {ui.folder0, ui.folder1, ui.folder2, ui.folder3, ui.folder4, ui.folder5, ui.folder6, ui.folder7, ui.folder8};
}

std::array<QPushButton*, settings::FolderCount> folderButtons(Ui::FoldersPage& ui) {
    return {ui.browse0, ui.browse1, ui.browse2, ui.browse3, ui.browse4, ui.browse5, ui.browse6, ui.browse7, ui.browse8};
}

void loadPaint(PaintPage& page, const document::PaintStyle& style) {
    page.fill->load(render::readFill(style, nullptr));
    page.border->load(render::readBorder(style));
    page.shadow->load(render::readShadow(style));
}

void storePaint(const PaintPage& page, document::PaintStyle& style) {
    render::applyFill(style, nullptr, page.fill->choice());
    render::applyBorder(style, page.border->choice());
    render::applyShadow(style, page.shadow->choice());
}

}  // namespace

PreferencesDialog::PreferencesDialog(const settings::Preferences& preferences, UserPrompts& prompts, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      preferences_(preferences),
      ui_(std::make_unique<Ui::PreferencesDialog>()),
      folders_(std::make_unique<Ui::FoldersPage>()),
      scales_(std::make_unique<Ui::ScalesPage>()),
      symbols_(std::make_unique<Ui::SymbolsPage>()),
      other_(std::make_unique<Ui::OtherPage>()) {
    ui_->setupUi(this);

    auto* foldersPage = new QWidget;
    folders_->setupUi(foldersPage);
    addPage(QString::fromUtf8(Captions[0]), foldersPage);
    const auto edits = folderEdits(*folders_);
    const auto buttons = folderButtons(*folders_);
    for (std::size_t i = 0; i < edits.size(); ++i)
        connect(buttons[i], &QPushButton::clicked, this, [this, edit = edits[i]] {
            const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Dossier"), edit->text());
            if (!chosen.isEmpty()) edit->setText(chosen);
        });

    diagramPage_ = new DiagramPagePanel;
    addPage(QString::fromUtf8(Captions[1]), diagramPage_);
    reportPage_ = new ReportPagePanel;
    addPage(QString::fromUtf8(Captions[2]), reportPage_);
    bands_ = new BandsPanel;
    addPage(QString::fromUtf8(Captions[3]), bands_);
    paints_[0] = makePaintPage(false);
    addPage(QString::fromUtf8(Captions[4]), paints_[0].page);
    paints_[1] = makePaintPage(false);
    addPage(QString::fromUtf8(Captions[5]), paints_[1].page);
    paints_[2] = makePaintPage(true);
    addPage(QString::fromUtf8(Captions[6]), paints_[2].page);

    auto* scalesPage = new QWidget;
    scales_->setupUi(scalesPage);
    scales_->dashX->setIntegerRange(1, 50);
    scales_->dashY->setIntegerRange(1, 50);
    addPage(QString::fromUtf8(Captions[7]), scalesPage);

    auto* symbolsPage = new QWidget;
    symbols_->setupUi(symbolsPage);
    symbols_->number->setIntegerRange(1, 23);
    symbols_->character->setIntegerRange(32, 255);
    symbols_->option->setIntegerRange(0, 7);
    symbols_->size->setIntegerRange(1, 128);
    symbols_->lineWidth0->setIntegerRange(1, 20);
    symbols_->lineWidth1->setIntegerRange(1, 20);
    addPage(QString::fromUtf8(Captions[8]), symbolsPage);

    logo_ = new LogoPanel;
    addPage(QString::fromUtf8(Captions[9]), logo_);

    auto* otherPage = new QWidget;
    other_->setupUi(otherPage);
    other_->timeSave->setIntegerRange(1, 600);
    addPage(QString::fromUtf8(Captions[10]), otherPage);
    connect(other_->simpleShadow, &QCheckBox::toggled, this, [this](bool on) {
        if (settings::warnsAboutSoftShadows(preferences_.simpleShadow, on ? 1 : 0))
            this->prompts().show(base::makeMessage(base::MsgSoftShadowWarning, base::Heading::Warning));
    });

    // The list is as wide as its longest caption: every page can be read at once.
    ui_->pages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_->pages->setFixedWidth(ui_->pages->sizeHintForColumn(0) + 2 * ui_->pages->frameWidth() + 12);
    connect(ui_->pages, &QListWidget::currentRowChanged, ui_->stack, &QStackedWidget::setCurrentIndex);
    QWidget* last = ui_->pages;
    for (int i = 0; i < ui_->stack->count(); ++i) last = chainTabOrder(last, ui_->stack->widget(i));
    setTabOrder(last, ui_->buttonBox);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    load();
    ui_->pages->setCurrentRow(0);
    finishSetup();
    setHelpTopic(QStringLiteral("preferences"));
    resize(900, 560);
}

PreferencesDialog::~PreferencesDialog() = default;

QListWidget* PreferencesDialog::pageList() {
    return ui_->pages;
}

int PreferencesDialog::pageCount() const {
    return ui_->stack->count();
}

void PreferencesDialog::showPage(int index) {
    ui_->pages->setCurrentRow(index);
}

QString PreferencesDialog::pageCaption(int index) const {
    return ui_->pages->item(index)->text();
}

void PreferencesDialog::addPage(const QString& caption, QWidget* page) {
    // The list shows the caption without its framing blanks; the page keeps it.
    ui_->pages->addItem(caption.trimmed());
    page->setAccessibleName(caption.trimmed());
    ui_->stack->addWidget(page);
}

PaintPage PreferencesDialog::makePaintPage(bool withChoice) {
    PaintPage p;
    p.page = new QWidget;
    auto* layout = new QVBoxLayout(p.page);
    if (withChoice) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(QStringLiteral("É&léments :"), p.page);
        labelPaintChoice_ = new QComboBox(p.page);
        labelPaintChoice_->addItems(
            {QStringLiteral("Titres, libellés des axes et légendes"), QStringLiteral("Étiquettes")});
        label->setBuddy(labelPaintChoice_);
        row->addWidget(label);
        row->addWidget(labelPaintChoice_);
        row->addStretch();
        layout->addLayout(row);
        connect(labelPaintChoice_, &QComboBox::currentIndexChanged, this, [this](int which) {
            storeLabelPaint(labelPaintShown_);
            loadLabelPaint(which);
        });
    }
    auto add = [&](const QString& title, QWidget* panel) {
        auto* box = new QGroupBox(title, p.page);
        auto* inner = new QVBoxLayout(box);
        inner->addWidget(panel);
        layout->addWidget(box);
    };
    p.fill = new FillPanel;
    p.fill->setPictureOffered(false);
    add(QStringLiteral("Fond"), p.fill);
    p.border = new BorderPanel;
    add(QStringLiteral("Bordure"), p.border);
    p.shadow = new ShadowPanel;
    add(QStringLiteral("Ombre"), p.shadow);
    layout->addStretch();
    return p;
}

void PreferencesDialog::setColourChooser(const ColourButton::Chooser& chooser) {
    for (PaintPage& p : paints_) {
        p.fill->setColourChooser(chooser);
        p.border->setColourChooser(chooser);
        p.shadow->setColourChooser(chooser);
    }
    bands_->setColourChooser(chooser);
    for (ColourButton* button : findChildren<ColourButton*>()) button->setChooser(chooser);
}

void PreferencesDialog::loadLabelPaint(int which) {
    labelPaintShown_ = which;
    loadPaint(paints_[2], preferences_.diagram.labelPaint[static_cast<std::size_t>(which)]);
}

void PreferencesDialog::storeLabelPaint(int which) {
    storePaint(paints_[2], preferences_.diagram.labelPaint[static_cast<std::size_t>(which)]);
}

void PreferencesDialog::load() {
    const settings::Preferences& p = preferences_;
    const document::DiagramDefaults& d = p.diagram;
    const auto edits = folderEdits(*folders_);
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i]->setText(QString::fromStdString(p.folders[i]));

    DiagramPageChoice page;
    page.orientation = d.orientation[0];
    page.margins = d.margins[0];
    page.centre = d.centre;
    page.size = d.size;
    page.drawSpace = d.drawSpace;
    page.drawingFont = p.drawingFont;
    diagramPage_->load(page);
    reportPage_->load({d.orientation[1], d.margins[1], d.reportFont});
    bands_->load(d.band);
    loadPaint(paints_[0], d.backPaint);
    loadPaint(paints_[1], d.diagramPaint);
    loadLabelPaint(0);

    for (int dir = 0; dir < 2; ++dir)
        for (int side = 0; side < 2; ++side) {
            const document::ScaleDefaults& s = d.scale[static_cast<std::size_t>(dir)][static_cast<std::size_t>(side)];
            const ScaleRow row = rowOf(*scales_, dir, side);
            row.active->setChecked(s.active != 0);
            row.mode->setCurrentIndex(std::clamp(s.mainGraduate, 0, 3));
            row.style->setCurrentIndex(std::clamp(s.mainGraduateLine, 0, 2));
            row.sub->setChecked(s.subGraduate != 0);
            row.subStyle->setCurrentIndex(std::clamp(s.subGraduateLine, 0, 2));
            row.both->setChecked(s.graduateBoth != 0);
        }
    scales_->mainX->setCurrentIndex(d.mainSide[0] == 1 ? 1 : 0);
    scales_->mainY->setCurrentIndex(d.mainSide[1] == 1 ? 1 : 0);
    scales_->dashX->setValue(d.dashLength[0]);
    scales_->dashY->setValue(d.dashLength[1]);
    scales_->font->setLogFont(d.scaleFont);
    scales_->colour->setColour(d.scaleColour);
    scales_->idemContour->setChecked(p.idemContour != 0);

    symbols_->type->setCurrentIndex(std::clamp(p.symbol.type, 0, 4));
    symbols_->number->setValue(p.symbol.number);
    symbols_->character->setValue(p.symbol.character);
    symbols_->option->setValue(p.symbol.option);
    symbols_->font->setLogFont(p.symbol.font);
    symbols_->size->setValue(p.symbol.size);
    symbols_->outer->setColour(p.symbol.outerColour);
    symbols_->inner->setColour(p.symbol.innerColour);
    symbols_->fill->setChecked(p.symbol.fill != 0);
    symbols_->below->setChecked(p.symbol.belowLine != 0);
    symbols_->change->setChecked(p.changeSymbol != 0);
    symbols_->lineType0->setCurrentIndex(std::clamp(p.line.type[0], 0, 5));
    symbols_->lineType1->setCurrentIndex(std::clamp(p.line.type[1], 0, 5));
    symbols_->lineWidth0->setValue(p.line.width[0]);
    symbols_->lineWidth1->setValue(p.line.width[1]);
    symbols_->lineColour0->setColour(p.line.colour[0]);
    symbols_->lineColour1->setColour(p.line.colour[1]);

    logo_->load(d.logo);

    other_->autoSave->setChecked(p.autoSave != 0);
    other_->timeSave->setValue(p.timeSave);
    other_->trueType->setChecked(p.trueType != 0);
    other_->keepMacro->setChecked(p.keepMacro != 0);
    other_->thinFrame->setChecked(p.thinFrame != 0);
    other_->angle->setCurrentIndex(p.angle == 1 ? 1 : 0);
    const QSignalBlocker quiet(other_->simpleShadow);
    other_->simpleShadow->setChecked(p.simpleShadow != 0);
}

bool PreferencesDialog::store() {
    for (int i = 0; i < ui_->stack->count(); ++i) {
        if (commitNumberFields(ui_->stack->widget(i))) continue;
        showPage(i);
        return false;
    }
    settings::Preferences& p = preferences_;
    document::DiagramDefaults& d = p.diagram;
    const auto edits = folderEdits(*folders_);
    for (std::size_t i = 0; i < edits.size(); ++i) p.folders[i] = edits[i]->text().trimmed().toStdString();

    const DiagramPageChoice page = diagramPage_->choice();
    d.orientation[0] = page.orientation;
    d.margins[0] = page.margins;
    d.centre = page.centre;
    d.size = page.size;
    d.drawSpace = page.drawSpace;
    p.drawingFont = page.drawingFont;
    const ReportPageChoice report = reportPage_->choice();
    d.orientation[1] = report.orientation;
    d.margins[1] = report.margins;
    d.reportFont = report.font;
    d.band = bands_->bands();
    storePaint(paints_[0], d.backPaint);
    storePaint(paints_[1], d.diagramPaint);
    storeLabelPaint(labelPaintShown_);

    for (int dir = 0; dir < 2; ++dir)
        for (int side = 0; side < 2; ++side) {
            document::ScaleDefaults& s = d.scale[static_cast<std::size_t>(dir)][static_cast<std::size_t>(side)];
            const ScaleRow row = rowOf(*scales_, dir, side);
            s.active = row.active->isChecked() ? 1 : 0;
            s.mainGraduate = row.mode->currentIndex();
            s.mainGraduateLine = row.style->currentIndex();
            s.subGraduate = row.sub->isChecked() ? 1 : 0;
            s.subGraduateLine = row.subStyle->currentIndex();
            s.graduateBoth = row.both->isChecked() ? 1 : 0;
        }
    d.mainSide = {scales_->mainX->currentIndex(), scales_->mainY->currentIndex()};
    d.dashLength = {scales_->dashX->intValue(), scales_->dashY->intValue()};
    d.scaleFont = scales_->font->font();
    d.scaleColour = scales_->colour->colour();
    p.idemContour = scales_->idemContour->isChecked() ? 1 : 0;

    p.symbol.type = symbols_->type->currentIndex();
    p.symbol.number = symbols_->number->intValue();
    p.symbol.character = symbols_->character->intValue();
    p.symbol.option = symbols_->option->intValue();
    p.symbol.font = symbols_->font->font();
    p.symbol.size = symbols_->size->intValue();
    p.symbol.outerColour = symbols_->outer->colour();
    p.symbol.innerColour = symbols_->inner->colour();
    p.symbol.fill = symbols_->fill->isChecked() ? 1 : 0;
    p.symbol.belowLine = symbols_->below->isChecked() ? 1 : 0;
    p.changeSymbol = symbols_->change->isChecked() ? 1 : 0;
    p.line.type = {symbols_->lineType0->currentIndex(), symbols_->lineType1->currentIndex()};
    p.line.width = {symbols_->lineWidth0->intValue(), symbols_->lineWidth1->intValue()};
    p.line.colour = {symbols_->lineColour0->colour(), symbols_->lineColour1->colour()};

    d.logo = logo_->logo();

    p.autoSave = other_->autoSave->isChecked() ? 1 : 0;
    p.timeSave = other_->timeSave->intValue();
    p.trueType = other_->trueType->isChecked() ? 1 : 0;
    p.keepMacro = other_->keepMacro->isChecked() ? 1 : 0;
    p.thinFrame = other_->thinFrame->isChecked() ? 1 : 0;
    p.angle = other_->angle->currentIndex();
    p.simpleShadow = other_->simpleShadow->isChecked() ? 1 : 0;
    return true;
}

void PreferencesDialog::accept() {
    if (!store()) return;
    const document::DiagramDefaults& d = preferences_.diagram;
    struct Check {
        base::Message message;
        int page;
    };
    const Check checks[] = {
        {settings::ensureWorkingFolders(preferences_.folders), 0},
        {render::checkMargins(d.margins[0], d.orientation[0]), 1},
        {render::checkDiagramSize(d.size, d.margins[0], d.orientation[0]), 1},
        {render::checkMargins(d.margins[1], d.orientation[1]), 2},
    };
    for (const Check& check : checks) {
        if (check.message.empty()) continue;
        showPage(check.page);
        prompts().show(check.message);
        return;
    }
    OrdinaxDialog::accept();
}

}  // namespace ordinax::shell
