#include "matrix/matrix_text.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/text_file.h"

namespace kalvo {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// Marks where fields end: every tab; else every comma outside parentheses; else every
/// run of blanks.
std::vector<bool> SeparatorMarks(std::string_view line) {
    std::vector<bool> marks(line.size(), false);
    if (line.find('\t') != std::string_view::npos) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            marks[i] = line[i] == '\t';
        }
        return marks;
    }
    bool anyComma = false;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '(') {
            ++depth;
        } else if (line[i] == ')' && depth > 0) {
            --depth;
        } else if (line[i] == ',' && depth == 0) {
            marks[i] = anyComma = true;
        }
    }
    if (!anyComma) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            marks[i] = line[i] == ' ';
        }
    }
    return marks;
}

/// Splits one line (without blanks at its ends) into at most `limit` + 1 fields; one
/// more than the limit tells the caller the line is too long.
std::vector<std::string> SplitFields(std::string_view line, int limit) {
    const std::vector<bool> marks = SeparatorMarks(line);
    const bool tabs = line.find('\t') != std::string_view::npos;
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size() && static_cast<int>(fields.size()) <= limit; ++i) {
        if (i < line.size() && !marks[i]) {
            continue;
        }
        const std::string_view field = TrimBlanks(line.substr(start, i - start));
        // Repeated commas or blanks make no empty fields; repeated tabs do, as
        // spreadsheets write an empty cell. A separator at the end opens no field.
        const bool last = i == line.size();
        if (tabs ? !(last && field.empty()) : !field.empty()) {
            fields.emplace_back(field);
        }
        start = i + 1;
    }
    return fields;
}

std::string Plain(std::string cell) {
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return cell;
}

/// A line with a tab splits at tabs only, and a tab at its end opens no field: one more tab
/// keeps an empty last cell, and keeps a lone cell with commas or blanks in one piece.
bool NeedsClosingTab(const std::vector<std::string>& row) {
    if (row.empty()) {
        return false;
    }
    const std::string last = Plain(row.back());
    return TrimBlanks(last).empty() ||
           (row.size() == 1 && last.find_first_of(", ") != std::string::npos);
}

}  // namespace

MatrixTextResult ReadMatrixText(std::string_view text, const MatrixTextLimits& limits) {
    MatrixTextResult result;
    if (text.size() > limits.bytes) {
        result.error = "more than " + std::to_string(limits.bytes) + " bytes";
        return result;
    }
    for (const std::string& rawLine : SplitLines(text)) {
        const std::string_view line = TrimBlanks(rawLine);
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> fields = SplitFields(line, limits.fields);
        if (fields.empty()) {
            continue;  // separators only (",", ", ,"): as empty as a blank line
        }
        if (static_cast<int>(result.rows.size()) == limits.rows) {
            result.error = "more than " + std::to_string(limits.rows) + " rows";
            result.rows.clear();
            return result;
        }
        result.rows.push_back(std::move(fields));
        if (static_cast<int>(result.rows.back().size()) > limits.fields) {
            result.error = "row " + std::to_string(result.rows.size()) + " has more than " +
                           std::to_string(limits.fields) + " fields";
            result.rows.clear();
            return result;
        }
    }
    result.ok = true;
    return result;
}

std::string ClipboardText(const CellTexts& cells) {
    std::string text;
    for (const auto& row : cells) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0) {
                text += '\t';
            }
            text += Plain(row[j]);
        }
        if (NeedsClosingTab(row)) {
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

std::string MatrixFileText(const std::string& operationText,
                           const std::vector<NamedCells>& matrices) {
    std::vector<std::string> lines{operationText};
    for (const NamedCells& matrix : matrices) {
        lines.push_back("Matrix " + matrix.name);
        const CellTexts& cells = *matrix.cells;
        for (int j = 0; j < ColCount(cells); ++j) {
            std::string line;
            for (int i = 0; i < RowCount(cells); ++i) {
                if (i > 0) {
                    line += ',';
                }
                line += cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            }
            lines.push_back(std::move(line));
        }
    }
    return JoinCrLf(lines);
}

}  // namespace kalvo
