#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include "plot/data_grid.h"

class QLabel;
class QSpinBox;
class QTableView;

namespace kalvo {

/// A data grid as a table: the first row holds the column labels, the first column the
/// row labels, the rest the values in the general 15-digit format. A value that is not a
/// number is refused, the cell keeps its value and `Refused` tells why.
class DataGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DataGridModel(DataGrid grid, QObject* parent = nullptr);

    const DataGrid& Grid() const { return m_grid; }
    /// False, changing nothing, when the grid would pass its size limit.
    bool Resize(int rows, int columns);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    void Refused(const QString& message);

  private:
    DataGrid m_grid;
};

/// The data editor of the surface and polar windows: the grid as a table with its row
/// and column counts; OK hands back the edited grid, Cancel leaves the chart as it was.
class DataEditor : public QDialog {
    Q_OBJECT
  public:
    explicit DataEditor(const DataGrid& grid, QWidget* parent = nullptr);

    const DataGrid& Grid() const { return m_model->Grid(); }
    DataGridModel& Model() { return *m_model; }
    /// The line under the table that explains a refused entry ("" when all is well).
    QString Status() const;

  private:
    void SizeChanged();
    void CopyData();

    DataGridModel* m_model;
    QTableView* m_table;
    QSpinBox* m_rows;
    QSpinBox* m_columns;
    QLabel* m_status;
};

}  // namespace kalvo
