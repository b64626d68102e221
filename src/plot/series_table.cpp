#include "plot/series_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "display/format_general.h"
#include "engine/text_encoding.h"

namespace kalvo {

namespace {

constexpr int kNumberDigits = 15;

/// Characters that make the reader split a line, or that start or end a quoted cell.
constexpr std::string_view kQuotedCharacters = "\t;,\"\r\n";

/// A cell as text: quoted when it holds any separator the reader knows, not only the one
/// written, so that the reader's choice of separator for the line cannot fall on it.
std::string Cell(const std::string& text) {
    if (text.find_first_of(kQuotedCharacters) == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

/// The separator of a line: a tab where the line has one outside quoted cells, else a
/// semicolon, else a comma, else runs of blanks. A quote opens a quoted cell at the start
/// of the line or after a tab, semicolon, comma or blank; inside it "" stands for a quote
/// and a lone quote ends it.
char LineSeparator(std::string_view line) {
    bool tab = false;
    bool semicolon = false;
    bool comma = false;
    bool quoted = false;
    bool cellStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                ++i;
            } else if (c == '"') {
                quoted = false;
            }
            continue;
        }
        tab = tab || c == '\t';
        semicolon = semicolon || c == ';';
        comma = comma || c == ',';
        if (c == '"' && cellStart) {
            quoted = true;
        }
        cellStart = c == '\t' || c == ';' || c == ',' || c == ' ';
    }
    return tab ? '\t' : semicolon ? ';' : comma ? ',' : ' ';
}

/// Splits one line into cells at its separator (see LineSeparator); two separators in a
/// row leave an empty cell, except blanks, whose runs separate once. Quoted cells may hold
/// separators.
std::vector<std::string> SplitLine(std::string_view line) {
    const char separator = LineSeparator(line);
    const bool blanksSeparate = separator == ' ';
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    bool pending = false;  // a cell has begun
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"' && cell.find_first_not_of(' ') == std::string::npos) {
            cell.clear();
            quoted = true;
            pending = true;
        } else if (c == separator && !blanksSeparate) {
            cells.push_back(cell);
            cell.clear();
            pending = true;
        } else if (c == ' ' && blanksSeparate) {
            if (!cell.empty()) {
                cells.push_back(cell);
                cell.clear();
            }
            pending = false;
        } else {
            cell += c;
            pending = true;
        }
    }
    if (pending || !cell.empty()) {
        cells.push_back(cell);
    }
    for (std::string& c : cells) {
        const auto first = c.find_first_not_of(' ');
        const auto last = c.find_last_not_of(' ');
        c = first == std::string::npos ? std::string() : c.substr(first, last - first + 1);
    }
    return cells;
}

bool ReadNumber(const std::string& cell, double& value) {
    const char* begin = cell.data();
    const char* end = begin + cell.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    auto [stop, error] = std::from_chars(begin, end, value);
    return begin != end && error == std::errc() && stop == end && std::isfinite(value);
}

/// The lines of a text that hold more than blanks and tabs.
std::vector<std::string_view> NonBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) {
        if (line.find_first_not_of(" \t") != std::string_view::npos) {
            lines.push_back(line);
        }
    });
    return lines;
}

std::string PairName(const std::string& header) {
    std::string name = header;
    if (name.size() > 2 && name.compare(name.size() - 2, 2, " x") == 0) {
        name.resize(name.size() - 2);
    }
    return name;
}

}  // namespace

std::string FormatSeriesTable(const std::vector<SeriesData>& series, char separator) {
    std::string out;
    std::size_t rows = 0;
    for (std::size_t s = 0; s < series.size(); ++s) {
        if (s > 0) {
            out += separator;
        }
        out += Cell(series[s].name + " x") + separator + Cell(series[s].name + " y");
        rows = std::max(rows, std::min(series[s].x.size(), series[s].y.size()));
    }
    out += "\r\n";
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t s = 0; s < series.size(); ++s) {
            if (s > 0) {
                out += separator;
            }
            const SeriesData& d = series[s];
            if (r < d.x.size() && r < d.y.size()) {
                out += FormatGeneral(d.x[r], kNumberDigits) + separator +
                       FormatGeneral(d.y[r], kNumberDigits);
            } else {
                out += separator;
            }
        }
        out += "\r\n";
    }
    return out;
}

SeriesTableRead ReadSeriesTable(std::string_view text) {
    SeriesTableRead result;
    if (text.size() > kMaxSeriesTableBytes) {
        result.error = "The data is too large to import";
        return result;
    }
    const std::vector<std::string_view> lines = NonBlankLines(text);
    if (lines.empty()) {
        result.error = "There are no data to import";
        return result;
    }
    std::vector<std::string> header;
    std::size_t first = 0;
    {
        const std::vector<std::string> cells = SplitLine(lines.front());
        double ignored = 0;
        const bool numbers = std::all_of(cells.begin(), cells.end(), [&](const std::string& c) {
            return c.empty() || ReadNumber(c, ignored);
        });
        if (!numbers) {
            header = cells;
            first = 1;
        }
    }
    std::size_t columns = header.size();
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines.size() - first);
    for (std::size_t i = first; i < lines.size(); ++i) {
        rows.push_back(SplitLine(lines[i]));
        columns = std::max(columns, rows.back().size());
        if (columns > kMaxSeriesColumns) {
            result.error =
                "The data have more than " + std::to_string(kMaxSeriesColumns) + " columns";
            return result;
        }
    }
    if (rows.empty() || columns == 0) {
        result.error = "There are no data to import";
        return result;
    }
    const bool single = columns == 1;
    const std::size_t pairs = single ? 1 : columns / 2;
    result.series.resize(pairs);
    for (std::size_t p = 0; p < pairs; ++p) {
        const std::size_t column = single ? 0 : 2 * p;
        std::string name = column < header.size() ? PairName(header[column]) : std::string();
        result.series[p].name = name.empty() ? "Series " + std::to_string(p + 1) : name;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string>& cells = rows[r];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            double ignored = 0;
            if (!cells[c].empty() && !ReadNumber(cells[c], ignored)) {
                result.series.clear();
                result.error = "Line " + std::to_string(first + r + 1) + ": \"" +
                               cells[c].substr(0, 40) + "\" is not a number";
                return result;
            }
        }
        for (std::size_t p = 0; p < pairs; ++p) {
            double x = static_cast<double>(r + 1);
            double y = 0;
            const std::size_t xc = single ? cells.size() : 2 * p;
            const std::size_t yc = single ? 0 : 2 * p + 1;
            if (yc >= cells.size() || cells[yc].empty() ||
                (!single && (xc >= cells.size() || cells[xc].empty()))) {
                continue;
            }
            if (!single) {
                ReadNumber(cells[xc], x);
            }
            ReadNumber(cells[yc], y);
            result.series[p].x.push_back(x);
            result.series[p].y.push_back(y);
        }
    }
    std::erase_if(result.series, [](const SeriesData& s) { return s.x.empty(); });
    if (result.series.empty()) {
        result.error = "There are no data to import";
    }
    return result;
}

}  // namespace kalvo
