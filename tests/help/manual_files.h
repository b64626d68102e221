#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "frontend/help_index.h"

namespace kalvo::testing {

/// The pages of the manual in the source tree, by file name.
inline std::map<std::string, std::string> ManualPages() {
    std::map<std::string, std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(KALVO_HELP_DIR)) {
        if (entry.path().extension() == ".html") {
            std::ifstream in(entry.path(), std::ios::binary);
            pages[entry.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return pages;
}

inline std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::string(KALVO_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Every match of group `group` of `pattern` in `text`, in order.
inline std::vector<std::string> AllMatches(const std::string& text, const std::string& pattern,
                                           int group = 1) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[group].str());
    }
    return found;
}

/// The visible text of an HTML fragment, character references decoded (UTF-8).
inline std::string VisibleText(const std::string& html) {
    return ExtractHelpPage("", html).text;
}

}  // namespace kalvo::testing
