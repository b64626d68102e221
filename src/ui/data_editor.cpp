#include "ui/data_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "plot/data_grid_text.h"

namespace kalvo {

namespace {

constexpr int kMaxCount = static_cast<int>(kMaxGridCells);

QString TooBig() {
    return QObject::tr("A data grid holds at most %1 values").arg(kMaxGridCells);
}

}  // namespace

DataGridModel::DataGridModel(DataGrid grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(std::move(grid)) {}

bool DataGridModel::Resize(int rows, int columns) {
    DataGrid resized = m_grid;
    if (!resized.Resize(rows, columns)) {
        return false;
    }
    beginResetModel();
    m_grid = std::move(resized);
    endResetModel();
    return true;
}

int DataGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.RowCount() + 1;
}

int DataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.ColumnCount() + 1;
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() - 1;
    const int column = index.column() - 1;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (row < 0 && column < 0) {
            return {};
        }
        if (row < 0) {
            return QString::fromStdString(m_grid.ColumnLabel(column));
        }
        if (column < 0) {
            return QString::fromStdString(m_grid.RowLabel(row));
        }
        return QString::fromStdString(m_grid.CellText(row, column));
    }
    if (role == Qt::BackgroundRole && (row < 0 || column < 0)) {
        return QApplication::palette().brush(QPalette::AlternateBase);
    }
    if (role == Qt::TextAlignmentRole && row >= 0 && column >= 0) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = index.row() - 1;
    const int column = index.column() - 1;
    if (role != Qt::EditRole || (row < 0 && column < 0)) {
        return false;
    }
    const std::string text = value.toString().toStdString();
    if (row < 0) {
        m_grid.SetColumnLabel(column, text);
    } else if (column < 0) {
        m_grid.SetRowLabel(row, text);
    } else {
        std::optional<double> number;
        if (!ReadCellValue(text, number)) {
            emit Refused(QString::fromStdString(BadCellMessage(row + 1, column + 1, text)));
            return false;
        }
        m_grid.SetCellText(row, column, text);
    }
    emit Refused(QString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const {
    if (index.row() == 0 && index.column() == 0) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (section == 0) {
        return orientation == Qt::Horizontal ? tr("Row label") : tr("Labels");
    }
    return section;
}

DataEditor::DataEditor(const DataGrid& grid, QWidget* parent) : QDialog(parent) {
    setObjectName("fmDataEditor");
    setWindowTitle(tr("Chart data"));
    m_model = new DataGridModel(grid, this);
    m_table = new QTableView(this);
    m_table->setObjectName("sgData");
    m_table->setModel(m_model);
    m_table->horizontalHeader()->setDefaultSectionSize(140);
    m_table->setWordWrap(false);

    m_rows = new QSpinBox(this);
    m_rows->setObjectName("seRows");
    m_rows->setRange(0, kMaxCount);
    m_rows->setValue(grid.RowCount());
    m_columns = new QSpinBox(this);
    m_columns->setObjectName("seColumns");
    m_columns->setRange(0, kMaxCount);
    m_columns->setValue(grid.ColumnCount());
    connect(m_rows, &QSpinBox::editingFinished, this, &DataEditor::SizeChanged);
    connect(m_columns, &QSpinBox::editingFinished, this, &DataEditor::SizeChanged);

    auto* copy = new QPushButton(tr("Copy data"), this);
    copy->setObjectName("bbCopyData");
    copy->setToolTip(tr("Copy the grid as tab-separated text"));
    connect(copy, &QPushButton::clicked, this, &DataEditor::CopyData);

    m_status = new QLabel(this);
    m_status->setObjectName("lbStatus");
    m_status->setWordWrap(true);
    connect(m_model, &DataGridModel::Refused, m_status, &QLabel::setText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bbCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* size = new QHBoxLayout;
    size->addWidget(new QLabel(tr("Rows:"), this));
    size->addWidget(m_rows);
    size->addSpacing(12);
    size->addWidget(new QLabel(tr("Columns:"), this));
    size->addWidget(m_columns);
    size->addStretch();
    size->addWidget(copy);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(size);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(640, 420);
}

QString DataEditor::Status() const {
    return m_status->text();
}

void DataEditor::SizeChanged() {
    const DataGrid& grid = m_model->Grid();
    if (m_rows->value() == grid.RowCount() && m_columns->value() == grid.ColumnCount()) {
        return;
    }
    if (!m_model->Resize(m_rows->value(), m_columns->value())) {
        m_status->setText(TooBig());
        m_rows->setValue(grid.RowCount());
        m_columns->setValue(grid.ColumnCount());
        return;
    }
    m_status->clear();
}

void DataEditor::CopyData() {
    QApplication::clipboard()->setText(QString::fromStdString(WriteDataGridText(m_model->Grid())));
}

}  // namespace kalvo
