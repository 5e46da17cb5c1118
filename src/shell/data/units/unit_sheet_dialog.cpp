// The unit sheet of a curve axis.
#include "shell/data/units/unit_sheet_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>

#include "base/encoding.h"
#include "base/strings.h"
#include "base/strings_data.h"
#include "exchange/file_io.h"
#include "base/strings_units.h"
#include "shell/data/units/unit_texts.h"
#include "shell/user_prompts.h"
#include "ui_unit_sheet_dialog.h"
#include "units/recent_units.h"
#include "units/unit_algebra.h"
#include "units/unit_composition.h"
#include "units/unit_tables.h"

namespace ordinax::shell {

using units::SheetButton;

namespace {

QString fromModel(std::string_view text) {
    return QString::fromStdString(base::windows1252ToUtf8(text));
}

std::vector<std::string> namesOf(const std::vector<std::string>& list, const std::vector<int>& oneBased) {
    std::vector<std::string> names;
    for (int i : oneBased) names.push_back(list[static_cast<std::size_t>(i - 1)]);
    return names;
}

}  // namespace

UnitSheetDialog::UnitSheetDialog(UserPrompts& prompts, const units::UnitDatabase& database, std::string recentPath,
                                 const document::UnitDef& unit, int axis, QWidget* parent)
    : OrdinaxDialog(prompts, parent),
      ui_(std::make_unique<Ui::UnitSheetDialog>()),
      database_(database),
      recentPath_(std::move(recentPath)),
      state_(units::openUnitSheet(unit)) {
    ui_->setupUi(this);
    setWindowTitle(axis == 0 ? QStringLiteral(" Unité de l'axe des x") : QStringLiteral(" Unité de l'axe des y"));
    setHelpTopic(QStringLiteral("unites"));
    ui_->buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &UnitSheetDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &UnitSheetDialog::reject);

    factorLayout_ = new QHBoxLayout(ui_->factorRow);
    factorLayout_->setContentsMargins(0, 0, 0, 0);
    ui_->factorRow->setFocusPolicy(Qt::NoFocus);

    {
        const QSignalBlocker block(ui_->systemList);
        ui_->systemList->addItem(QStringLiteral("(choisir)"), 0);
        for (std::size_t i = 0; i < database_.systems.size(); ++i)
            ui_->systemList->addItem(fromModel(database_.systems[i]), static_cast<int>(i + 1));
    }
    for (const units::SiMultiple& m : units::siMultiples()) ui_->multipleList->addItem(fromModel(m.name), m.index);
    for (const units::UnitExponent& e : units::unitExponents())
        ui_->exponentList->addItem(e.index == 0 ? QStringLiteral("(aucun)") : fromModel(e.text), e.index);
    ui_->multipleList->setCurrentIndex(ui_->multipleList->findData(0));
    ui_->exponentList->setCurrentIndex(ui_->exponentList->findData(0));

    connect(ui_->systemList, &QComboBox::activated, this, &UnitSheetDialog::systemChosen);
    connect(ui_->categoryList, &QComboBox::activated, this, &UnitSheetDialog::categoryChosen);
    connect(ui_->quantityList, &QComboBox::activated, this, &UnitSheetDialog::quantityChosen);
    connect(ui_->unitList, &QComboBox::activated, this, &UnitSheetDialog::unitChosen);
    connect(ui_->multipleList, &QComboBox::activated, this, &UnitSheetDialog::multipleChosen);
    connect(ui_->exponentList, &QComboBox::activated, this, &UnitSheetDialog::exponentChosen);

    buttons_ = {{ui_->prependNumerator, SheetButton::PrependNumerator},
                {ui_->prependDenominator, SheetButton::PrependDenominator},
                {ui_->insertNumerator, SheetButton::InsertNumerator},
                {ui_->insertDenominator, SheetButton::InsertDenominator},
                {ui_->appendNumerator, SheetButton::AppendNumerator},
                {ui_->appendDenominator, SheetButton::AppendDenominator},
                {ui_->removeButton, SheetButton::Remove},
                {ui_->clearButton, SheetButton::ClearAll},
                {ui_->oneButton, SheetButton::One},
                {ui_->invertButton, SheetButton::Invert}};
    for (const auto& [widget, button] : buttons_)
        connect(widget, &QAbstractButton::clicked, this, [this, button = button] { press(button); });
    connect(ui_->nonStandard, &QCheckBox::toggled, this, [this](bool on) { state_.nonStandard = on; });

    resultsModel_ = new QStringListModel(this);
    ui_->results->setModel(resultsModel_);
    recentModel_ = new QStringListModel(this);
    ui_->recent->setModel(recentModel_);
    connect(ui_->searchButton, &QPushButton::clicked, this, &UnitSheetDialog::runSearch);
    connect(ui_->useFound, &QPushButton::clicked, this,
            [this] { useFound(ui_->results->currentIndex().isValid() ? ui_->results->currentIndex().row() : -1); });
    connect(ui_->results, &QListView::activated, this, [this](const QModelIndex& i) { useFound(i.row()); });
    connect(ui_->useRecent, &QPushButton::clicked, this,
            [this] { useRecent(ui_->recent->currentIndex().isValid() ? ui_->recent->currentIndex().row() : -1); });
    connect(ui_->recent, &QListView::activated, this, [this](const QModelIndex& i) { useRecent(i.row()); });
    connect(ui_->clearRecent, &QPushButton::clicked, this, &UnitSheetDialog::clearRecent);
    connect(ui_->pages, &QTabWidget::currentChanged, this, &UnitSheetDialog::pageShown);

    // The lists after the system wait for their turn.
    ui_->categoryList->setEnabled(false);
    ui_->quantityList->setEnabled(false);
    ui_->unitList->setEnabled(false);
    showUnit();
    finishSetup();
}

UnitSheetDialog::~UnitSheetDialog() = default;

void UnitSheetDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ui_->occurrence->hasFocus()) {
        runSearch();
        event->accept();
        return;
    }
    OrdinaxDialog::keyPressEvent(event);
}

void UnitSheetDialog::fillCombo(QComboBox* combo, const std::vector<int>& values,
                                const std::vector<std::string>& names) {
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItem(QStringLiteral("(choisir)"), -1);
    for (std::size_t i = 0; i < values.size(); ++i) combo->addItem(fromModel(names[i]), values[i]);
    combo->setEnabled(!values.empty());
}

void UnitSheetDialog::systemChosen() {
    const int system = ui_->systemList->currentData().toInt();
    const std::vector<int> categories = units::sheetCategories(database_, system);
    fillCombo(ui_->categoryList, categories, namesOf(database_.categories, categories));
    fillCombo(ui_->quantityList, {}, {});
    fillCombo(ui_->unitList, {}, {});
    state_.unitChosen = false;
    showUnit();
}

void UnitSheetDialog::categoryChosen() {
    const int system = ui_->systemList->currentData().toInt();
    const int category = ui_->categoryList->currentData().toInt();
    const std::vector<int> quantities = units::sheetQuantities(database_, system, category);
    fillCombo(ui_->quantityList, quantities, namesOf(database_.quantities, quantities));
    fillCombo(ui_->unitList, {}, {});
    state_.unitChosen = false;
    showUnit();
}

void UnitSheetDialog::quantityChosen() {
    const std::vector<int> found = units::sheetUnits(database_, ui_->systemList->currentData().toInt(),
                                                     ui_->categoryList->currentData().toInt(),
                                                     ui_->quantityList->currentData().toInt());
    std::vector<std::string> names;
    for (int i : found) names.push_back(database_.units[static_cast<std::size_t>(i)].name);
    fillCombo(ui_->unitList, found, names);
    state_.unitChosen = false;
    showUnit();
}

void UnitSheetDialog::unitChosen() {
    const int index = ui_->unitList->currentData().toInt();
    if (index < 0 || index >= static_cast<int>(database_.units.size())) {
        state_.unitChosen = false;
    } else {
        units::chooseGenericUnit(state_, database_.units[static_cast<std::size_t>(index)].definition);
    }
    showUnit();
}

void UnitSheetDialog::multipleChosen() {
    units::chooseMultiple(state_, ui_->multipleList->currentData().toInt());
    showUnit();
}

void UnitSheetDialog::exponentChosen() {
    units::chooseExponent(state_, ui_->exponentList->currentData().toInt());
    showUnit();
}

bool UnitSheetDialog::chooseInLists(const QString& system, const QString& category, const QString& quantity,
                                    const QString& unit) {
    const std::pair<QComboBox*, const QString*> steps[] = {{ui_->systemList, &system},
                                                           {ui_->categoryList, &category},
                                                           {ui_->quantityList, &quantity},
                                                           {ui_->unitList, &unit}};
    for (const auto& [combo, text] : steps) {
        const int row = combo->findText(*text);
        if (row < 0) return false;
        combo->setCurrentIndex(row);
        emit combo->activated(row);
    }
    return true;
}

void UnitSheetDialog::press(SheetButton button) {
    if (!units::pressSheetButton(state_, button)) return;
    if (button == SheetButton::ClearAll) ui_->nonStandard->setChecked(false);
    showUnit();
    if (units::hasRepeatedQuantity(state_.axis))
        prompts().show(base::makeMessage(base::MsgUnitRepeatedQuantity, base::Heading::Check));
}

void UnitSheetDialog::showUnit() {
    // The factors of the expression, each a button that selects its place.
    while (QLayoutItem* item = factorLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::vector<std::string> factors = units::factorTexts(state_.axis);
    for (std::size_t i = 0; i < factors.size(); ++i) {
        auto* factor = new QToolButton(ui_->factorRow);
        factor->setText(fromModel(factors[i]));
        factor->setCheckable(true);
        factor->setChecked(static_cast<int>(i) == state_.selected);
        factor->setAccessibleName(QStringLiteral("Facteur %1 : %2").arg(i + 1).arg(fromModel(factors[i])));
        factor->setToolTip(QStringLiteral("Sélectionner ce facteur"));
        const int place = static_cast<int>(i);
        connect(factor, &QToolButton::clicked, this, [this, place] {
            units::selectFactor(state_, place);
            // Rebuilt after the click has been handled: the button is deleted.
            QMetaObject::invokeMethod(this, [this] { showUnit(); }, Qt::QueuedConnection);
        });
        factorLayout_->addWidget(factor);
    }
    if (factors.empty()) factorLayout_->addWidget(new QLabel(QStringLiteral("(aucune unité)"), ui_->factorRow));
    factorLayout_->addStretch(1);

    const std::string line = units::coefficientLine(state_.axis);
    ui_->coefficientLine->setText(line.empty() ? QStringLiteral("-") : unitMarkupHtml(line));
    ui_->coefficientLine->setAccessibleName(QStringLiteral("Coefficient SI"));
    for (const auto& [widget, button] : buttons_) widget->setEnabled(units::sheetButtonEnabled(state_, button));
    ui_->multipleList->setEnabled(units::multipleAllowed(state_));
    ui_->exponentList->setEnabled(units::exponentAllowed(state_));
    if (state_.unitChosen) {
        const QSignalBlocker a(ui_->multipleList), b(ui_->exponentList);
        ui_->multipleList->setCurrentIndex(ui_->multipleList->findData(units::factorMultipleIndex(state_.defined, 0)));
        ui_->exponentList->setCurrentIndex(ui_->exponentList->findData(units::factorExponentIndex(state_.defined, 0)));
    }
    {
        const QSignalBlocker block(ui_->nonStandard);
        ui_->nonStandard->setChecked(state_.nonStandard);
    }
}

int UnitSheetDialog::search(const QString& occurrence, units::SearchField field, bool wholeWord) {
    ui_->occurrence->setText(occurrence);
    (field == units::SearchField::Symbol ? ui_->bySymbol : ui_->byName)->setChecked(true);
    ui_->wholeWord->setChecked(wholeWord);
    runSearch();
    return static_cast<int>(matches_.size());
}

void UnitSheetDialog::runSearch() {
    const std::string occurrence = units::normaliseOccurrence(
        base::utf8ToWindows1252Lossy(ui_->occurrence->text().toStdString()));
    const units::SearchField field = ui_->bySymbol->isChecked() ? units::SearchField::Symbol : units::SearchField::Name;
    matches_ = units::searchUnits(database_, occurrence, field, ui_->wholeWord->isChecked());
    QStringList lines;
    for (const units::UnitMatch& m : matches_) lines << fromModel(m.line);
    if (lines.isEmpty()) lines << QString::fromUtf8(base::messageText(base::MsgUnitNoOccurrence).data());
    resultsModel_->setStringList(lines);
    ui_->useFound->setEnabled(!matches_.empty());
    if (!matches_.empty()) ui_->results->setCurrentIndex(resultsModel_->index(0));
}

bool UnitSheetDialog::useFound(int row) {
    if (row < 0 || row >= static_cast<int>(matches_.size())) return false;
    const units::GenericUnit& unit = database_.units[static_cast<std::size_t>(matches_[static_cast<std::size_t>(row)].unit)];
    // The lists show where the unit lives in the database, as if chosen there.
    const auto name = [](const std::vector<std::string>& list, int oneBased) {
        return oneBased >= 1 && oneBased <= static_cast<int>(list.size())
                   ? fromModel(list[static_cast<std::size_t>(oneBased - 1)])
                   : QString();
    };
    const bool placed = chooseInLists(name(database_.systems, unit.definition.system[0]),
                                      name(database_.categories, unit.definition.category[0]),
                                      name(database_.quantities, unit.definition.quantity[0]), fromModel(unit.name));
    if (!placed) units::chooseGenericUnit(state_, unit.definition);
    showUnit();
    ui_->pages->setCurrentWidget(ui_->definePage);
    return true;
}

void UnitSheetDialog::loadRecent() {
    recent_ = units::readRecentUnits(recentPath_);
    QStringList lines;
    for (const document::UnitDef& u : recent_) lines << unitPlainText(u);
    recentModel_->setStringList(lines);
    ui_->useRecent->setEnabled(!recent_.empty());
    ui_->clearRecent->setEnabled(!recent_.empty());
    if (!recent_.empty()) ui_->recent->setCurrentIndex(recentModel_->index(0));
}

void UnitSheetDialog::pageShown(int page) {
    if (ui_->pages->widget(page) == ui_->recentPage) loadRecent();
}

bool UnitSheetDialog::useRecent(int row) {
    if (recent_.empty()) loadRecent();
    if (row < 0 || row >= static_cast<int>(recent_.size())) return false;
    state_.axis = recent_[static_cast<std::size_t>(row)];
    state_.selected = -1;
    showUnit();
    ui_->pages->setCurrentWidget(ui_->definePage);
    return true;
}

void UnitSheetDialog::clearRecent() {
    if (!prompts().askYesNo(base::makeMessage(base::MsgRecentUnitsClear, base::Heading::Warning))) return;
    base::Message error;
    if (!exchange::writeFileAtomically(recentPath_, units::recentUnitsBytes({}), error)) prompts().show(error);
    loadRecent();
}

}  // namespace ordinax::shell
