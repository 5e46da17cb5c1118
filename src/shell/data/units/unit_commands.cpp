// The unit of a curve axis.
#include "shell/data/units/unit_commands.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <optional>

#include "base/strings.h"
#include "base/strings_data.h"
#include "base/strings_units.h"
#include "exchange/import_preview.h"
#include "shell/common/diagram_edit.h"
#include "shell/data/units/unit_change_dialog.h"
#include "shell/data/units/unit_sheet_dialog.h"
#include "shell/main_frame.h"
#include "units/recent_units.h"

namespace ordinax::shell {

std::string unitDatabasePath(CMainFrame& frame) {
    return (std::filesystem::path(frame.preferences().install) /
            std::string(units::UnitDatabaseFileName))
        .string();
}

std::string recentUnitsPath() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Vantoris");
    QDir().mkpath(folder);
    return (folder + QLatin1Char('/') + QString::fromUtf8(units::RecentUnitsFileName.data())).toStdString();
}

namespace {

// The units database, or its message shown and nothing.
std::optional<units::UnitDatabase> databaseOrReport(CMainFrame& frame) {
    units::UnitDatabaseLoad load = units::loadUnitDatabase(unitDatabasePath(frame));
    if (!load.database)
        frame.prompts().show(load.message.empty()
                                 ? base::makeMessage(base::MsgUnitDatabaseMissing, base::Heading::Error)
                                 : load.message);
    return std::move(load.database);
}

}  // namespace

bool chooseAxisUnit(CMainFrame& frame, QWidget* parent, document::UnitDef& unit, int axis) {
    const std::optional<units::UnitDatabase> database = databaseOrReport(frame);
    if (!database) return false;
    const std::string recent = recentUnitsPath();
    UnitSheetDialog sheet(frame.prompts(), *database, recent, unit, axis, parent);
    if (sheet.exec() != QDialog::Accepted || sheet.unit() == unit) return false;
    unit = sheet.unit();
    const base::Message failed = units::addRecentUnit(recent, unit);
    if (!failed.empty()) frame.prompts().show(failed);
    return true;
}

bool runUnitSheet(CMainFrame& frame, int curve, int axis) {
    UserPrompts& prompts = frame.prompts();
    if (curve < 0 || curve >= frame.document().diagram().curveCount() || (axis != 0 && axis != 1)) {
        prompts.show(base::makeMessage(base::MsgUnitSheetNoCurve, base::Heading::Remark));
        return false;
    }
    const std::optional<units::UnitDatabase> load = databaseOrReport(frame);
    if (!load) return false;
    const std::string recent = recentUnitsPath();
    DiagramEdit edit(frame.document(), &frame.view());
    document::Curve& target = edit.working().curves[static_cast<std::size_t>(curve)];
    const document::Curve before = target;
    const auto a = static_cast<std::size_t>(axis);

    UnitSheetDialog sheet(prompts, *load, recent, before.unit[a], axis, &frame);
    if (sheet.exec() != QDialog::Accepted) return false;
    target.unit[a] = sheet.unit();

    const units::AxisUnitChange change = units::describeAxisUnitChange(before.unit[a], sheet.unit());
    units::UnitChangeAction action = units::UnitChangeAction::KeepValues;
    if (change.changed && target.pointCount() > 0) {
        UnitChangeDialog dialog(prompts, change, &frame);
        dialog.exec();
        action = dialog.action();
    }
    const units::AxisUnitOutcome outcome = units::finishAxisUnitChange(target, before, axis, change, action);
    switch (outcome) {
        case units::AxisUnitOutcome::Restored:
            if (before.pointCount() == 0)
                prompts.show(base::makeMessage(base::MsgUnitCurveWithoutPoints, base::Heading::Remark));
            return false;
        case units::AxisUnitOutcome::ConversionRefused:
            prompts.show(base::makeMessage(base::MsgUnitConversionRefused, base::Heading::Error));
            return false;
        case units::AxisUnitOutcome::Converted:
            // The values moved: the scales follow them.
            exchange::showImportedCurves(edit.working(), exchange::ImportMode::Curve);
            break;
        case units::AxisUnitOutcome::Kept:
            break;
    }
    const base::Message failed = units::addRecentUnit(recent, target.unit[a]);
    if (!failed.empty()) prompts.show(failed);
    return edit.commit(curve);
}

}  // namespace ordinax::shell
