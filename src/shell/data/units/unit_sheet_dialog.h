// The unit sheet of a curve axis: the definition page (lists of the units
// database, the expression of the axis unit with its factors, the
// composition buttons), the search page and the recently used units. OK
// gives the unit; what it does to the curve is the caller's business.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "shell/common/ordinax_dialog.h"
#include "units/unit_database.h"
#include "units/unit_search.h"
#include "units/unit_sheet.h"

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QStringListModel;

namespace Ui {
class UnitSheetDialog;
}

namespace ordinax::shell {

class UnitSheetDialog : public OrdinaxDialog {
    Q_OBJECT

public:
    // `axis` 0 x, 1 y; `recentPath` is the recently-used units file.
    UnitSheetDialog(UserPrompts& prompts, const units::UnitDatabase& database, std::string recentPath,
                    const document::UnitDef& unit, int axis, QWidget* parent = nullptr);
    ~UnitSheetDialog() override;

    const document::UnitDef& unit() const { return state_.axis; }
    const units::UnitSheetState& state() const { return state_; }

    // The definition lists, by the texts they show (tests and keyboard users alike).
    bool chooseInLists(const QString& system, const QString& category, const QString& quantity, const QString& unit);
    void press(units::SheetButton button);
    // The search page: runs a search and takes the match `row`.
    int search(const QString& occurrence, units::SearchField field, bool wholeWord);
    bool useFound(int row);
    bool useRecent(int row);

protected:
    // Return in the occurrence field searches; it does not close the sheet.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Changes from the widgets.
    void systemChosen();
    void categoryChosen();
    void quantityChosen();
    void unitChosen();
    void multipleChosen();
    void exponentChosen();
    void runSearch();
    void clearRecent();
    void pageShown(int page);

    // Changes from the state.
    void fillCombo(QComboBox* combo, const std::vector<int>& values, const std::vector<std::string>& names);
    void fillUnitLists();
    void showUnit();
    void loadRecent();

    std::unique_ptr<Ui::UnitSheetDialog> ui_;
    const units::UnitDatabase& database_;
    std::string recentPath_;
    units::UnitSheetState state_;
    std::vector<units::UnitMatch> matches_;
    std::vector<document::UnitDef> recent_;
    QStringListModel* resultsModel_ = nullptr;
    QStringListModel* recentModel_ = nullptr;
    QHBoxLayout* factorLayout_ = nullptr;
    std::vector<std::pair<QAbstractButton*, units::SheetButton>> buttons_;
    bool filling_ = false;
};

}  // namespace ordinax::shell
