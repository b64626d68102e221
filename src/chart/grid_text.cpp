#include "chart/grid_text.h"

#include <cmath>
#include <limits>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/decimal_text.h"
#include "plot/plot_setup.h"

namespace kalvo {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t';
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSeparator(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsSeparator(line[i])) {
            ++i;
        }
        if (i > start) {
            fields.push_back(line.substr(start, i - start));
        }
    }
    return fields;
}

class GridReader {
  public:
    GridReader(std::string_view text, const std::string& name)
        : m_lines(SplitLines(text)), m_name(name) {}

    GridTextResult Read() {
        GridTextResult result;
        ContourGrid& grid = result.grid;
        if (!ReadAxis(0, "X", grid.x) || !ReadAxis(1, "Y", grid.y)) {
            result.message = m_message;
            return result;
        }
        const std::size_t nx = grid.x.size();
        const std::size_t ny = grid.y.size();
        if (static_cast<double>(nx) * static_cast<double>(ny) > kMaxGridPoints) {
            result.message = At(2) + "a grid of " + std::to_string(nx) + " x " +
                             std::to_string(ny) + " values is larger than the limit of " +
                             std::to_string(kMaxGridPoints);
            return result;
        }
        grid.z.reserve(nx * ny);
        for (std::size_t row = 0; row < nx; ++row) {
            const std::size_t line = row + 2;
            if (line >= m_lines.size()) {
                result.message = At(line) + "row " + std::to_string(row + 1) + " of the " +
                                 std::to_string(nx) + " rows of Z values is missing";
                return result;
            }
            const auto fields = Fields(m_lines[line]);
            if (fields.size() != ny) {
                result.message = At(line) + std::to_string(fields.size()) + " Z values, " +
                                 std::to_string(ny) + " expected (one per Y value)";
                return result;
            }
            for (std::string_view field : fields) {
                double value = 0;
                if (!ReadNumber(line, field, value)) {
                    result.message = m_message;
                    return result;
                }
                grid.z.push_back(value);
            }
        }
        for (std::size_t line = nx + 2; line < m_lines.size(); ++line) {
            if (!Fields(m_lines[line]).empty()) {
                result.message =
                    At(line) + "text after the " + std::to_string(nx) + " rows of Z values";
                return result;
            }
        }
        result.ok = true;
        return result;
    }

  private:
    std::string At(std::size_t line) const {
        return m_name + ", line " + std::to_string(line + 1) + ": ";
    }

    bool ReadAxis(std::size_t line, const char* axis, std::vector<double>& values) {
        const auto fields =
            line < m_lines.size() ? Fields(m_lines[line]) : std::vector<std::string_view>{};
        if (fields.size() < 2) {
            m_message = At(line) + "at least 2 " + axis + " values are needed";
            return false;
        }
        for (std::string_view field : fields) {
            double value = 0;
            if (!ReadNumber(line, field, value)) {
                return false;
            }
            values.push_back(value);
        }
        return true;
    }

    bool ReadNumber(std::size_t line, std::string_view field, double& value) {
        Real read = 0;
        if (!ReadDecimalReal(field, read)) {
            m_message = BadNumberMessage(m_name, line + 1, field);
            return false;
        }
        if (std::fabs(read) > std::numeric_limits<double>::max()) {
            m_message = At(line) + "'" + std::string(field.substr(0, 60)) +
                        "' is beyond the range of the contour map (about 1.8E308)";
            return false;
        }
        value = static_cast<double>(read);
        return true;
    }

    std::vector<std::string> m_lines;
    const std::string& m_name;
    std::string m_message;
};

}  // namespace

GridTextResult ReadGridText(std::string_view text, const std::string& name) {
    return GridReader(text, name).Read();
}

}  // namespace kalvo
