#include "display/sexagesimal.h"

#include <cmath>
#include <cstdint>

namespace kalvo {

std::string FormatSexagesimal(Real v, FormatFault* fault) {
    constexpr Real kLimit = 2147483647.0L;
    const Real scaled = v * 3600.0L;
    if (!(v <= kLimit) || !(scaled <= kLimit)) {
        if (fault != nullptr) {
            *fault = FormatFault::kChangeNotation;
        }
        return "0:0:0";
    }
    // Split the whole number of seconds with integer arithmetic, so that no
    // fraction of 1/3600 can lose a second (1.51 is 5436 s, shown as 1:30:36).
    const auto seconds = static_cast<std::int64_t>(std::nearbyint(scaled));
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds % 3600 / 60;
    std::string text = std::to_string(hours);
    text.push_back(':');
    text += std::to_string(minutes);
    text.push_back(':');
    text += std::to_string(seconds % 60);
    return text;
}

}  // namespace kalvo
