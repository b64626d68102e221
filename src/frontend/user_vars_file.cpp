#include "frontend/user_vars_file.h"

#include "display/format_real.h"
#include "frontend/decimal_text.h"
#include "frontend/text_file.h"

namespace kalvo {

namespace {

constexpr std::size_t kSeparatorLength = std::string_view(kUserVarSeparator).size();

}  // namespace

std::string UserVarLine(const DisplaySettings& display, int digits, const std::string& name,
                        Real value) {
    return name + kUserVarSeparator + FormatReal(display, digits, value);
}

UserVarLineParts SplitUserVarLine(std::string_view line) {
    std::size_t at = line.find(kUserVarSeparator);
    if (at == std::string_view::npos) {
        return {std::string(line), {}};
    }
    return {std::string(line.substr(0, at)),
            std::string(line.substr(at + std::string_view(kUserVarSeparator).size()))};
}

StoreConstantResult StoreConstant(ConstantList& constants, const DisplaySettings& display,
                                  int digits, const std::string& name, Real value) {
    StoreConstantResult result;
    NamedConstant& record = constants.Store(name, value, &result.created);
    result.identifier = record.identifier;
    result.line = UserVarLine(display, digits, name, value);
    return result;
}

int ApplyToUserVarLines(std::vector<std::string>& lines, const std::string& name,
                        const StoreConstantResult& stored, bool show) {
    if (stored.created) {
        if (!show) {
            return -1;
        }
        lines.insert(lines.begin(), stored.line);
        return 0;
    }
    std::string prefix = name + kUserVarSeparator;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(prefix)) {
            lines[i] = stored.line;
            return static_cast<int>(i);
        }
    }
    return -1;
}

int UpdateUserVarLines(std::vector<std::string>& lines, const DisplaySettings& display, int digits,
                       const NamedConstant& record, bool created, bool show) {
    StoreConstantResult stored;
    stored.identifier = record.identifier;
    stored.created = created;
    stored.line = UserVarLine(display, digits, record.name, record.value);
    return ApplyToUserVarLines(lines, record.name, stored, show);
}

bool DeleteUserVarLine(ConstantList& constants, std::vector<std::string>& lines,
                       std::size_t index) {
    if (index >= lines.size()) {
        return false;
    }
    constants.Remove(SplitUserVarLine(lines[index]).name);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

FileResult WriteUserVarsFile(const std::string& path, const std::vector<std::string>& lines) {
    return WriteTextLines(path, lines);
}

FileResult LoadUserVarsFile(const std::string& path, ConstantList& constants,
                            std::vector<std::string>& lines) {
    std::vector<std::string> read;
    if (ReadTextLines(path, read) != ReadStatus::kOk) {
        return FileResult::Failure(kCantReadFile + path);
    }
    return LoadUserVarsLines(read, path, constants, lines);
}

FileResult LoadUserVarsLines(std::vector<std::string>& read, const std::string& path,
                             ConstantList& constants, std::vector<std::string>& lines) {
    lines.clear();
    constants.Clear();
    std::size_t lineNumber = 0;
    FileResult result;
    for (std::string& line : read) {
        ++lineNumber;
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        lines.push_back(std::move(line));
        if (!result) {
            continue;  // keep the rest of the file's lines, store no more records
        }
        const std::string& text = lines.back();
        std::size_t at = text.find(kUserVarSeparator);
        Real value = 0;
        if (at == std::string::npos || at == 0) {
            result = FileResult::Failure(path + ", line " + std::to_string(lineNumber) +
                                         ": not a line of the form name = value");
        } else if (!ReadDecimalReal(std::string_view(text).substr(at + kSeparatorLength), value)) {
            result = FileResult::Failure(
                BadNumberMessage(path, lineNumber, text.substr(at + kSeparatorLength)));
        } else {
            constants.Store(text.substr(0, at), value);
        }
    }
    read.clear();
    return result;
}

}  // namespace kalvo
