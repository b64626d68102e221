// The complex evaluator through the evaluation cycle in complex mode, set up as the
// engine target is: settings bytes, definition lines, the expression last.
#include <cstddef>
#include <cstdint>

#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    fuzz.ApplySettings(data, size);
    // Complex mode computes in decimal only, as the main window switches it.
    fuzz.Session().State().display.base = kalvo::kDec;
    fuzz.Session().State().digitSet = kalvo::CalculatorSession::DigitSetFor(kalvo::kDec);
    fuzz.Session().SetComplexMode(true);
    fuzz.DefineAndEvaluate(kalvo::FuzzText(data, size, fuzz.kSettingBytes));
    return 0;
}
