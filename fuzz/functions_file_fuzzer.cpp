// The user-functions file (".FNC"): load the bytes, then call the first functions with
// numeric arguments and list their definitions as the User Funcs tab does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/user_functions.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    kalvo::UserFunctions& functions = fuzz.GetEngine().Functions();
    functions.LoadFromText(kalvo::FuzzText(data, size), "fuzz.FNC", nullptr);
    for (int i = 0; i < functions.Count() && i < 4; ++i) {
        kalvo::TUserFunc& function = functions.Items(i);
        kalvo::FuzzCheck(function.Valid(), "only valid definitions are loaded");
        kalvo::FuzzCheck(function.ParameterCount() <= kalvo::TUserFunc::kMaxParameters,
                         "no more parameters than placeholders");
        const std::string listed = function.DefinitionText();
        if (function.IsComment()) {
            continue;
        }
        std::string call = function.Name();
        for (int k = 1; k <= function.ParameterCount(); ++k) {
            if (k > 1) {
                call += ',';
            }
            call += std::to_string(k);
        }
        fuzz.Evaluate(call + ")");
    }
    fuzz.CheckStillUsable();
    return 0;
}
