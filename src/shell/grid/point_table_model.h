// The table of the coordinates grid: a model over the edited curve's point
// buffer (no item per cell), with numbered rows, an X and a Y column, and a
// last, empty row that appends a point when a value is typed into it.
#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "document/point_grid.h"

namespace ordinax::shell {

class PointTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Called for a value typed into (row, column 1 X / 2 Y); true when the
    // grid took it.
    using CellEditor = std::function<bool(int row, int column, const QString& text)>;

    PointTableModel(const document::GridCurve& grid, CellEditor editor, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The points changed in number or everywhere.
    void reload();
    // One cell changed, or one point was added at the end (the row count grows by one).
    void cellChanged(int row, int column, int previousPointCount);

    // The text a cell shows and the text its editor starts from.
    static QString displayText(double value);
    static QString editText(double value);

private:
    const document::GridCurve& grid_;
    CellEditor editor_;
    int rows_ = 0;  // the points and the empty last row
};

}  // namespace ordinax::shell
