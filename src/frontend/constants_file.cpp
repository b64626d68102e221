#include "frontend/constants_file.h"

#include <sys/stat.h>
#include <algorithm>

#include "frontend/atomic_file.h"
#include "frontend/text_file.h"

namespace kalvo {

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string ConstantsNotFoundMessage(const std::string& stem) {
    return "File <" + stem + ".CON> not found.";
}

void SortConstantLines(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            auto x = static_cast<unsigned char>(Upper(a[i]));
            auto y = static_cast<unsigned char>(Upper(b[i]));
            if (x != y) {
                return x < y;
            }
        }
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
}

void TidyConstantLines(std::vector<std::string>& lines) {
    std::erase_if(lines, [](const std::string& line) {
        return line.find_first_not_of(" \t") == std::string::npos;
    });
    SortConstantLines(lines);
}

FileResult LoadConstantsFile(const std::string& stem, std::vector<std::string>& lines) {
    if (ReadTextLines(stem + ".CON", lines) != ReadStatus::kOk) {
        lines.clear();
        return FileResult::Failure(ConstantsNotFoundMessage(stem));
    }
    TidyConstantLines(lines);
    return FileResult::Success();
}

ConstantSearchResult SearchConstant(const std::vector<std::string>& lines, std::string_view text) {
    ConstantSearchResult result;
    if (!text.empty()) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (line.size() >= text.size() &&
                std::equal(text.begin(), text.end(), line.begin(),
                           [](char a, char b) { return Upper(a) == Upper(b); })) {
                result.found = true;
                result.index = i;
                return result;
            }
        }
    }
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    result.warning = "Constant name begining from <\"" + upper + "\"> not found";
    return result;
}

std::string ConstantPasteText(std::string_view line) {
    std::string text;
    for (char c : line) {
        if (c != ' ' && c != '\t') {
            text.push_back(c);
        }
    }
    std::size_t equals = text.find('=');
    return equals == std::string::npos ? text : text.substr(equals + 1);
}

FileResult InstallConstantsOnFirstStart(const std::string& shippedFile, const std::string& stem) {
    std::string target = stem + ".CON";
    if (Exists(stem + ".INI") || Exists(target)) {
        return FileResult::Success();
    }
    std::string content;
    if (ReadFileBytes(shippedFile, content) != ReadStatus::kOk) {
        return FileResult::Failure(kCantOpenFile + shippedFile);
    }
    return WriteFileAtomic(target, content);
}

}  // namespace kalvo
