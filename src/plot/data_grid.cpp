#include "plot/data_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "display/format_general.h"
#include "frontend/decimal_text.h"

namespace kalvo {

namespace {

constexpr int kCellDigits = 15;
constexpr std::size_t kShownTextLength = 40;
constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();

template <typename MakeLabel>
void ResizeLabels(std::vector<std::string>& labels, int count, MakeLabel make) {
    const std::size_t old = labels.size();
    labels.resize(static_cast<std::size_t>(count));
    for (std::size_t i = old; i < labels.size(); ++i) {
        labels[i] = make(i + 1);
    }
}

bool OnlyBlanks(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

bool DataGrid::Resize(int rows, int columns) {
    if (rows < 0 || columns < 0 ||
        static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns) > kMaxGridCells) {
        return false;
    }
    if (columns != m_columns) {
        std::vector<double> values(Index(m_rows) * Index(columns), kEmpty);
        const int kept = std::min(columns, m_columns);
        for (int r = 0; r < m_rows; ++r) {
            std::copy_n(m_values.begin() + static_cast<std::ptrdiff_t>(CellIndex(r, 0)), kept,
                        values.begin() + static_cast<std::ptrdiff_t>(Index(r) * Index(columns)));
        }
        m_values = std::move(values);
        m_columns = columns;
    }
    m_rows = rows;
    m_values.resize(Index(m_rows) * Index(m_columns), kEmpty);
    ResizeLabels(m_rowLabels, rows, [](std::size_t n) { return "R" + std::to_string(n); });
    ResizeLabels(m_columnLabels, columns, [](std::size_t n) { return "C" + std::to_string(n); });
    m_row = std::clamp(m_row, 0, std::max(rows - 1, 0));
    m_column = std::clamp(m_column, 0, std::max(columns - 1, 0));
    return true;
}

std::optional<double> DataGrid::Cell(int row, int column) const {
    const double value = m_values[CellIndex(row, column)];
    if (std::isnan(value)) {
        return std::nullopt;
    }
    return value;
}

void DataGrid::SetCell(int row, int column, double value) {
    m_values[CellIndex(row, column)] = std::isfinite(value) ? value : kEmpty;
}

void DataGrid::ClearCell(int row, int column) {
    m_values[CellIndex(row, column)] = kEmpty;
}

bool DataGrid::SetCellText(int row, int column, std::string_view text) {
    std::optional<double> value;
    const bool ok = ReadCellValue(text, value);
    m_values[CellIndex(row, column)] = value.value_or(kEmpty);
    return ok;
}

std::string DataGrid::CellText(int row, int column) const {
    const std::optional<double> value = Cell(row, column);
    return value ? FormatGeneral(static_cast<Real>(*value), kCellDigits) : std::string();
}

void DataGrid::SetCurrentCell(int row, int column) {
    m_row = std::clamp(row, 0, std::max(m_rows - 1, 0));
    m_column = std::clamp(column, 0, std::max(m_columns - 1, 0));
}

bool DataGrid::ValueRange(double& least, double& greatest) const {
    bool any = false;
    for (double value : m_values) {
        if (std::isnan(value)) {
            continue;
        }
        least = any ? std::min(least, value) : value;
        greatest = any ? std::max(greatest, value) : value;
        any = true;
    }
    return any;
}

bool DataGrid::operator==(const DataGrid& other) const {
    if (m_rows != other.m_rows || m_columns != other.m_columns ||
        m_rowLabels != other.m_rowLabels || m_columnLabels != other.m_columnLabels) {
        return false;
    }
    // Empty cells are NaN, which never compares equal to itself.
    return std::equal(
        m_values.begin(), m_values.end(), other.m_values.begin(),
        [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); });
}

bool ReadCellValue(std::string_view text, std::optional<double>& value) {
    value.reset();
    if (OnlyBlanks(text)) {
        return true;
    }
    Real read = 0;
    if (!ReadDecimalReal(text, read) || std::fabs(read) > std::numeric_limits<double>::max()) {
        return false;
    }
    value = static_cast<double>(read);
    return true;
}

std::string BadCellMessage(int row, int column, std::string_view text) {
    std::string shown(text.substr(0, kShownTextLength));
    if (text.size() > kShownTextLength) {
        shown += "...";
    }
    return "Row " + std::to_string(row) + ", column " + std::to_string(column) + ": '" + shown +
           "' is not a number";
}

}  // namespace kalvo
