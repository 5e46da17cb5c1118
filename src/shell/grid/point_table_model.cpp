// The table model of the coordinates grid.
#include "shell/grid/point_table_model.h"

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QApplication>

#include "base/format.h"
#include "base/strings_curves.h"
#include "shell/curves/curve_ui.h"

namespace ordinax::shell {

PointTableModel::PointTableModel(const document::GridCurve& grid, CellEditor editor, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), editor_(std::move(editor)), rows_(grid.pointCount() + 1) {}

int PointTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int PointTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QString PointTableModel::displayText(double value) {
    // Ten significant digits show what was typed; the exponent has three digits as everywhere.
    return QString::fromStdString(base::formatPrintf("%.10g", value));
}

QString PointTableModel::editText(double value) {
    // The editor starts from the exact value, so that leaving it unchanged changes nothing.
    return QString::fromStdString(base::shortestNumberText(value));
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.pointCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const document::Point& p = grid_.curve.points[row];
    const double value = index.column() == 0 ? p.x : p.y;
    switch (role) {
        case Qt::DisplayRole:
            return displayText(value);
        case Qt::EditRole:
            return editText(value);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole: {
            // Cells typed or pasted in this grid stand out.
            const std::string& flags = index.column() == 0 ? grid_.xFlags : grid_.yFlags;
            if (row < flags.size() && flags[row] == document::CellEdited)
                return QBrush(QApplication::palette().color(QPalette::Link));
            return {};
        }
        default:
            return {};
    }
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (orientation == Qt::Vertical)
        return section < grid_.pointCount() ? QString::number(section + 1) : tableText(base::MsgGridRowHeaderNew);
    const std::string& name = grid_.curve.axisName[static_cast<std::size_t>(section == 0 ? 0 : 1)];
    const QString letter = section == 0 ? QStringLiteral("X") : QStringLiteral("Y");
    return name.empty() ? letter : letter + QStringLiteral(" (") + uiText(name) + QStringLiteral(")");
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool PointTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editor_) return false;
    return editor_(index.row(), index.column() + 1, value.toString());
}

void PointTableModel::reload() {
    beginResetModel();
    rows_ = grid_.pointCount() + 1;
    endResetModel();
}

void PointTableModel::cellChanged(int row, int column, int previousPointCount) {
    if (grid_.pointCount() == previousPointCount + 1) {
        // The empty row became a point: one more empty row below it.
        beginInsertRows({}, rows_, rows_);
        rows_ = grid_.pointCount() + 1;
        endInsertRows();
        emit dataChanged(this->index(row, 0), this->index(row, 1));
        emit headerDataChanged(Qt::Vertical, row, row + 1);
        return;
    }
    if (grid_.pointCount() != previousPointCount) {
        reload();
        return;
    }
    const QModelIndex cell = this->index(row, column - 1);
    emit dataChanged(cell, cell);
}

}  // namespace ordinax::shell
