#include "ui/matrix_print.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/engine_text.h"

namespace kalvo {

namespace {

constexpr int kPointSize = 10;
constexpr double kMillimetresPerInch = 25.4;

/// Draws rows of ruled cells top-down, starting new pages as needed.
class TablePrinter {
  public:
    TablePrinter(QPrinter& printer, QPainter& painter, const PrintMargins& margins)
        : m_printer(printer), m_painter(painter), m_metrics(painter.font(), &printer) {
        const double dpi = printer.resolution();
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        m_left = static_cast<int>(margins.leftMm * dpi / kMillimetresPerInch);
        m_top = static_cast<int>(margins.topMm * dpi / kMillimetresPerInch);
        m_right = std::max(m_left + 1, static_cast<int>(paper.width()) - m_left);
        m_bottom = std::max(m_top + 1, static_cast<int>(paper.height()) - m_top);
        m_lineHeight = m_metrics.height() + m_metrics.height() / 3;
        m_y = m_top;
    }

    void Line(const QString& text) {
        Room(m_lineHeight);
        m_painter.drawText(QRect(m_left, m_y, m_right - m_left, m_lineHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += m_lineHeight;
    }

    void Table(const PrintedTable& table) {
        const int rows = RowCount(table.cells);
        const int cols = ColCount(table.cells);
        const int pad = m_metrics.averageCharWidth();
        int cellWidth =
            m_metrics.horizontalAdvance(QStringLiteral("%1[I,%2]").arg(table.name).arg(cols));
        for (const auto& row : table.cells) {
            for (const std::string& cell : row) {
                cellWidth = std::max(cellWidth, m_metrics.horizontalAdvance(FromEngine(cell)));
            }
        }
        cellWidth += 2 * pad;
        const int headerWidth =
            m_metrics.horizontalAdvance(QStringLiteral("%1[%2,J]").arg(table.name).arg(rows)) +
            2 * pad;
        const int perBand = std::max(1, (m_right - m_left - headerWidth) / cellWidth);
        for (int first = 0; first < cols; first += perBand) {
            const int last = std::min(cols, first + perBand);
            HeaderRow(table.name, first, last, headerWidth, cellWidth);
            for (int i = 0; i < rows; ++i) {
                if (Room(m_lineHeight)) {
                    HeaderRow(table.name, first, last, headerWidth, cellWidth);
                }
                Cell(m_left, headerWidth, QStringLiteral("%1[%2,J]").arg(table.name).arg(i + 1));
                for (int j = first; j < last; ++j) {
                    Cell(
                        m_left + headerWidth + (j - first) * cellWidth, cellWidth,
                        FromEngine(
                            table.cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]));
                }
                m_y += m_lineHeight;
            }
            m_y += m_lineHeight / 2;
        }
    }

  private:
    /// Starts a new page unless `height` more fits; true when it did.
    bool Room(int height) {
        if (m_y + height <= m_bottom || m_y == m_top) {
            return false;
        }
        m_printer.newPage();
        m_y = m_top;
        return true;
    }

    void HeaderRow(const QString& name, int first, int last, int headerWidth, int cellWidth) {
        Room(2 * m_lineHeight);
        Cell(m_left, headerWidth, QString());
        for (int j = first; j < last; ++j) {
            Cell(m_left + headerWidth + (j - first) * cellWidth, cellWidth,
                 QStringLiteral("%1[I,%2]").arg(name).arg(j + 1));
        }
        m_y += m_lineHeight;
    }

    void Cell(int x, int width, const QString& text) {
        const QRect box(x, m_y, width, m_lineHeight);
        m_painter.drawRect(box);
        m_painter.drawText(
            box.adjusted(m_metrics.averageCharWidth(), 0, -m_metrics.averageCharWidth(), 0),
            Qt::AlignRight | Qt::AlignVCenter, text);
    }

    QPrinter& m_printer;
    QPainter& m_painter;
    QFontMetrics m_metrics;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_lineHeight = 0;
    int m_y = 0;
};

}  // namespace

bool PrintMatrixTables(QPrinter& printer, const QString& title,
                       const std::vector<PrintedTable>& tables, const PrintMargins& margins) {
    // Coordinates from the paper's corner, so that the margins are the settings' own.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont font = painter.font();
    font.setPointSize(kPointSize);
    painter.setFont(font);
    TablePrinter out(printer, painter, margins);
    out.Line(title);
    for (const PrintedTable& table : tables) {
        out.Line(table.heading);
        out.Table(table);
    }
    return painter.end();
}

}  // namespace kalvo
