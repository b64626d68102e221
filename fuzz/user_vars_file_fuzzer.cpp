// The user-variables file (".USR"): load the lines, read the first variables back
// through the engine, replace and delete one as the User Vars tab does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/user_vars_file.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    kalvo::EngineState& state = fuzz.Session().State();
    std::vector<std::string> read = kalvo::SplitLines(kalvo::ToLatin1(kalvo::FuzzText(data, size)));
    std::vector<std::string> lines;
    const kalvo::FileResult result =
        kalvo::LoadUserVarsLines(read, "fuzz.USR", state.constants, lines);
    kalvo::FuzzCheck(result.ok || !result.message.empty(), "a failed load says why");
    kalvo::FuzzCheck(state.constants.Count() <= lines.size(), "at most one variable a line");
    int evaluated = 0;
    for (const kalvo::NamedConstant& record : state.constants.Records()) {
        if (++evaluated > 4) {
            break;
        }
        fuzz.Evaluate(record.name);
    }
    if (!lines.empty()) {
        const kalvo::UserVarLineParts parts = kalvo::SplitUserVarLine(lines.front());
        const kalvo::StoreConstantResult stored = kalvo::StoreConstant(
            state.constants, state.display, fuzz.Session().Digits(), parts.name, 1);
        kalvo::ApplyToUserVarLines(lines, parts.name, stored, true);
        kalvo::DeleteUserVarLine(state.constants, lines, 0);
    }
    fuzz.CheckStillUsable();
    return 0;
}
