// The variables file (".VAR"): read the lines, calculate every row as a load does, and
// check that what "Save" would write reads back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/variable_edit.h"
#include "frontend/variables_file.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    const std::vector<std::string> lines =
        kalvo::SplitLines(kalvo::ToLatin1(kalvo::FuzzText(data, size)));
    kalvo::VariablesData read;
    std::string message;
    if (!kalvo::ParseVariablesLines(lines, "fuzz.VAR", read, message)) {
        kalvo::FuzzCheck(!message.empty(), "a refused file says why");
        return 0;
    }
    kalvo::CalculateAllVariables(fuzz.GetEngine(), read);
    const kalvo::VariablesData saved = kalvo::VariablesFromState(fuzz.Session().State());
    kalvo::VariablesData reread;
    kalvo::FuzzCheck(
        kalvo::ParseVariablesLines(kalvo::VariablesFileLines(saved), "saved", reread, message),
        "a saved variables file reads back");
    kalvo::FuzzCheck(reread.texts == saved.texts, "the texts come back as saved");
    fuzz.CheckStillUsable();
    return 0;
}
