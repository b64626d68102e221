#pragma once

#include <QWidget>

#include "matrix/cell_texts.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace kalvo {

class TIntValidate;

/// One grid of the matrix window with its name field, its row and column count fields
/// and (for the operands) its fill value field. Element (i, j), 1-based, is the cell in
/// row i and column j; the headers read name + "[i,J]" and name + "[I,j]". The object
/// names end in the grid's letter: edNameA, edRowsA, edColsA, edFillA and sgA.
class MatrixGridPanel : public QWidget {
    Q_OBJECT
  public:
    /// The largest row and column count.
    static constexpr int kMaxSize = 100;

    /// `editable` false makes the result grid: read-only cells, count fields that only
    /// show the size, and no fill value field.
    MatrixGridPanel(const QString& letter, const QString& defaultName, bool editable,
                    QWidget* parent = nullptr);

    QTableWidget* Grid() const { return m_grid; }
    QLineEdit* NameField() const { return m_name; }
    QLineEdit* RowsField() const { return m_rows; }
    QLineEdit* ColsField() const { return m_cols; }
    QLineEdit* FillField() const { return m_fill; }

    QString Name() const;
    int Rows() const;
    int Cols() const;
    /// New dimensions (1..100 each), keeping the texts of the overlapping part; the count
    /// fields and the headers follow.
    void SetSize(int rows, int cols);
    /// The element texts as engine text.
    CellTexts Cells() const;
    /// Takes the texts' dimensions and texts.
    void SetCells(const CellTexts& cells);
    /// Writes the texts over the part of the grid they cover; the grid keeps its size.
    void WriteCells(const CellTexts& cells);
    /// Empties column 1.
    void ClearFirstColumn();
    /// Rebuilds the headers from the name field.
    void Relabel();
    /// Sets an empty count field to "4" and the grid to match.
    void FillEmptyCounts();
    /// Inserts a row after the current one (at the end without one); deletes the current
    /// row (the last without one). The same for columns. Nothing beyond 1..100.
    void AddRow() { Insert(true); }
    void DeleteRow() { Remove(true); }
    void AddColumn() { Insert(false); }
    void DeleteColumn() { Remove(false); }

  signals:
    /// A valid count was entered: `rows` tells which field.
    void sizeEntered(bool rows);
    void nameEdited();
    void gridFocused();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CountEntered(bool rows);
    void Insert(bool row);
    void Remove(bool row);
    void ShowCounts();
    QString CellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);

    QLineEdit* m_name;
    QLineEdit* m_rows;
    QLineEdit* m_cols;
    QLineEdit* m_fill = nullptr;
    TIntValidate* m_rowsGuard = nullptr;
    TIntValidate* m_colsGuard = nullptr;
    QTableWidget* m_grid;
};

}  // namespace kalvo
