// The fuzzing dictionary names every built-in of the real and the complex evaluator, so
// the fuzzers reach each function without guessing its name.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <string>

#include "complex/complex_function_table.h"
#include "engine/function_table.h"

namespace kalvo {
namespace {

// The entries of a libFuzzer dictionary: the text between the quotes of each line, with
// \xHH, \\ and \" undone.
std::set<std::string> DictionaryEntries(const std::string& path) {
    std::set<std::string> entries;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t open = line.find('"');
        const std::size_t close = line.rfind('"');
        if (line.empty() || line[0] == '#' || open == std::string::npos || close <= open) {
            continue;
        }
        std::string entry;
        for (std::size_t i = open + 1; i < close; ++i) {
            if (line[i] == '\\' && i + 1 < close && line[i + 1] == 'x' && i + 3 < close) {
                entry.push_back(static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16)));
                i += 3;
            } else if (line[i] == '\\' && i + 1 < close) {
                entry.push_back(line[++i]);
            } else {
                entry.push_back(line[i]);
            }
        }
        entries.insert(entry);
    }
    return entries;
}

TEST(FuzzDictionaryTest, NamesEveryBuiltIn) {
    const std::set<std::string> entries = DictionaryEntries(KALVO_FUZZ_DICTIONARY);
    ASSERT_FALSE(entries.empty()) << KALVO_FUZZ_DICTIONARY;
    for (const auto* table : {&RealFunctionTable(), &ComplexFunctionTable()}) {
        for (const FunctionEntry& function : *table) {
            const std::string name(function.name);
            // Unused rows, and the variables' small letters (their capitals are listed).
            if (name.starts_with("___") ||
                (name.size() == 1 && std::islower(static_cast<unsigned char>(name[0])) &&
                 name != "e")) {
                continue;
            }
            EXPECT_EQ(entries.count(name), 1u) << "missing from the dictionary: " << name;
        }
    }
}

}  // namespace
}  // namespace kalvo
