// The constants file (".CON"): tidy and sort the lines, search them, and evaluate what a
// click on the first lines would insert into the input line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/constants_file.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    std::vector<std::string> lines =
        kalvo::SplitLines(kalvo::ToLatin1(kalvo::FuzzText(data, size)));
    kalvo::TidyConstantLines(lines);
    for (std::size_t i = 0; i < lines.size() && i < 4; ++i) {
        const kalvo::ConstantSearchResult found =
            kalvo::SearchConstant(lines, std::string_view(lines[i]).substr(0, 2));
        kalvo::FuzzCheck(found.found && found.index <= i, "a line's own start finds a line");
        fuzz.Evaluate(kalvo::ConstantPasteText(lines[i]));
    }
    fuzz.CheckStillUsable();
    return 0;
}
