#include "ui/matrix_grid_panel.h"

#include <algorithm>

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "ui/engine_text.h"
#include "ui/int_validate.h"

namespace kalvo {

namespace {

constexpr int kInitialSize = 4;

QLineEdit* MakeField(const QString& name, const QString& text, int chars, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setMaximumWidth(field->fontMetrics().averageCharWidth() * chars + 16);
    return field;
}

}  // namespace

MatrixGridPanel::MatrixGridPanel(const QString& letter, const QString& defaultName, bool editable,
                                 QWidget* parent)
    : QWidget(parent) {
    setObjectName("pn" + letter);
    m_name = MakeField("edName" + letter, defaultName, 6, this);
    m_rows = MakeField("edRows" + letter, QString::number(kInitialSize), 4, this);
    m_cols = MakeField("edCols" + letter, QString::number(kInitialSize), 4, this);
    m_grid = new QTableWidget(kInitialSize, kInitialSize, this);
    m_grid->setObjectName("sg" + letter);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setDefaultSectionSize(m_grid->fontMetrics().averageCharWidth() *
                                                      11);
    m_grid->installEventFilter(this);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("Name"), this), 0, 0);
    top->addWidget(m_name, 0, 1);
    top->addWidget(new QLabel(tr("Rows"), this), 0, 2);
    top->addWidget(m_rows, 0, 3);
    top->addWidget(new QLabel(tr("Columns"), this), 0, 4);
    top->addWidget(m_cols, 0, 5);
    if (editable) {
        m_fill = MakeField("edFill" + letter, QStringLiteral("0"), 8, this);
        m_fill->setToolTip(tr("Written into every element when you leave the field"));
        top->addWidget(new QLabel(tr("Fill"), this), 0, 6);
        top->addWidget(m_fill, 0, 7);
        m_rowsGuard = new TIntValidate(1, tr("Rows"), this, m_rows, kMaxSize);
        m_colsGuard = new TIntValidate(1, tr("Columns"), this, m_cols, kMaxSize);
        connect(m_rows, &QLineEdit::editingFinished, this, [this] { CountEntered(true); });
        connect(m_cols, &QLineEdit::editingFinished, this, [this] { CountEntered(false); });
        // Only a fill value the user changed is written: passing through the field with
        // Tab must not overwrite the grid.
        connect(m_fill, &QLineEdit::editingFinished, this, [this] {
            if (!m_fill->isModified()) {
                return;
            }
            m_fill->setModified(false);
            for (int i = 0; i < m_grid->rowCount(); ++i) {
                for (int j = 0; j < m_grid->columnCount(); ++j) {
                    SetCellText(i, j, m_fill->text());
                }
            }
        });
    } else {
        m_rows->setReadOnly(true);
        m_cols->setReadOnly(true);
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    top->setColumnStretch(8, 1);
    connect(m_name, &QLineEdit::textEdited, this, &MatrixGridPanel::nameEdited);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    Relabel();
}

QString MatrixGridPanel::Name() const {
    return m_name->text();
}

int MatrixGridPanel::Rows() const {
    return m_grid->rowCount();
}

int MatrixGridPanel::Cols() const {
    return m_grid->columnCount();
}

bool MatrixGridPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::FocusIn) {
        emit gridFocused();
    }
    return QWidget::eventFilter(watched, event);
}

void MatrixGridPanel::CountEntered(bool rows) {
    TIntValidate* guard = rows ? m_rowsGuard : m_colsGuard;
    if (!guard->IsValid()) {
        return;
    }
    const int value = static_cast<int>(guard->Value());
    if (value == (rows ? Rows() : Cols())) {
        return;
    }
    SetSize(rows ? value : Rows(), rows ? Cols() : value);
    emit sizeEntered(rows);
}

void MatrixGridPanel::ShowCounts() {
    // Written only when they differ, so that a field being edited keeps its caret.
    const QString rows = QString::number(Rows());
    const QString cols = QString::number(Cols());
    if (m_rows->text() != rows) {
        m_rows->setText(rows);
    }
    if (m_cols->text() != cols) {
        m_cols->setText(cols);
    }
}

void MatrixGridPanel::SetSize(int rows, int cols) {
    m_grid->setRowCount(std::clamp(rows, 1, kMaxSize));
    m_grid->setColumnCount(std::clamp(cols, 1, kMaxSize));
    ShowCounts();
    Relabel();
}

QString MatrixGridPanel::CellText(int row, int col) const {
    const QTableWidgetItem* item = m_grid->item(row, col);
    return item != nullptr ? item->text() : QString();
}

void MatrixGridPanel::SetCellText(int row, int col, const QString& text) {
    if (QTableWidgetItem* item = m_grid->item(row, col)) {
        if (item->text() != text) {
            item->setText(text);
        }
    } else if (!text.isEmpty()) {
        m_grid->setItem(row, col, new QTableWidgetItem(text));
    }
}

CellTexts MatrixGridPanel::Cells() const {
    CellTexts cells = EmptyCells(Rows(), Cols());
    for (int i = 0; i < Rows(); ++i) {
        for (int j = 0; j < Cols(); ++j) {
            cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                ToEngine(CellText(i, j));
        }
    }
    return cells;
}

void MatrixGridPanel::SetCells(const CellTexts& cells) {
    SetSize(RowCount(cells), ColCount(cells));
    WriteCells(cells);
}

void MatrixGridPanel::WriteCells(const CellTexts& cells) {
    const int rows = std::min(RowCount(cells), Rows());
    for (int i = 0; i < rows; ++i) {
        const auto& row = cells[static_cast<std::size_t>(i)];
        const int cols = std::min(static_cast<int>(row.size()), Cols());
        for (int j = 0; j < cols; ++j) {
            SetCellText(i, j, FromEngine(row[static_cast<std::size_t>(j)]));
        }
    }
    // Wide enough for what was written, never narrower than a fresh column.
    const int narrowest = m_grid->horizontalHeader()->defaultSectionSize();
    m_grid->resizeColumnsToContents();
    for (int j = 0; j < Cols(); ++j) {
        m_grid->setColumnWidth(j, std::max(m_grid->columnWidth(j), narrowest));
    }
}

void MatrixGridPanel::ClearFirstColumn() {
    for (int i = 0; i < Rows(); ++i) {
        SetCellText(i, 0, QString());
    }
}

void MatrixGridPanel::Relabel() {
    const QString name = Name();
    QStringList rows;
    for (int i = 1; i <= Rows(); ++i) {
        rows << QStringLiteral("%1[%2,J]").arg(name).arg(i);
    }
    QStringList cols;
    for (int j = 1; j <= Cols(); ++j) {
        cols << QStringLiteral("%1[I,%2]").arg(name).arg(j);
    }
    m_grid->setVerticalHeaderLabels(rows);
    m_grid->setHorizontalHeaderLabels(cols);
}

void MatrixGridPanel::FillEmptyCounts() {
    if (m_rows->text().isEmpty() || m_cols->text().isEmpty()) {
        SetSize(m_rows->text().isEmpty() ? kInitialSize : Rows(),
                m_cols->text().isEmpty() ? kInitialSize : Cols());
    }
}

void MatrixGridPanel::Insert(bool row) {
    const int count = row ? Rows() : Cols();
    if (count >= kMaxSize) {
        return;
    }
    const int current = row ? m_grid->currentRow() : m_grid->currentColumn();
    const int at = current >= 0 ? current + 1 : count;
    if (row) {
        m_grid->insertRow(at);
    } else {
        m_grid->insertColumn(at);
    }
    ShowCounts();
    Relabel();
}

void MatrixGridPanel::Remove(bool row) {
    const int count = row ? Rows() : Cols();
    if (count <= 1) {
        return;
    }
    const int current = row ? m_grid->currentRow() : m_grid->currentColumn();
    const int at = current >= 0 ? current : count - 1;
    if (row) {
        m_grid->removeRow(at);
    } else {
        m_grid->removeColumn(at);
    }
    ShowCounts();
    Relabel();
}

}  // namespace kalvo
