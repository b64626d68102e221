// The real engine through the evaluation cycle: the first bytes choose the display
// settings, the lines before the last define variables ("X:text") and user functions,
// and the last line is evaluated.
#include <cstddef>
#include <cstdint>

#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    fuzz.ApplySettings(data, size);
    fuzz.DefineAndEvaluate(kalvo::FuzzText(data, size, fuzz.kSettingBytes));
    return 0;
}
