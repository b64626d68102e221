// The real-number fields (the unit converter's value, kalvo-cli convert): the whole text
// is one finite number or nothing, and an accepted value read back from its full-precision
// text is the same value.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frontend/real_field.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kalvo::FuzzText(data, size);
    kalvo::Real value = 0;
    if (!kalvo::ParseRealField(text, &value)) {
        return 0;
    }
    kalvo::FuzzCheck(std::isfinite(value), "an accepted value is finite");
    kalvo::FuzzCheck(text.find_first_of(" \t\n\r") == std::string_view::npos,
                     "an accepted text has no blanks");
    char written[64];
    const auto end = std::to_chars(written, written + sizeof written, value).ptr;
    kalvo::Real again = 0;
    kalvo::FuzzCheck(
        kalvo::ParseRealField(std::string_view(written, end - written), &again) && again == value,
        "the value's own text reads back the same");
    return 0;
}
