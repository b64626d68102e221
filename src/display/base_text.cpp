#include "display/base_text.h"

#include <algorithm>

namespace kalvo {

namespace {
constexpr char kDigitChars[] = "0123456789ABCDEF";
}  // namespace

std::string IntToBaseText(std::int64_t n, int radix) {
    radix = std::clamp(radix, 2, 16);
    // Work on the unsigned magnitude so that the most negative value has one too.
    std::uint64_t magnitude =
        n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    char buf[65];
    int pos = 65;
    do {
        buf[--pos] = kDigitChars[magnitude % static_cast<std::uint64_t>(radix)];
        magnitude /= static_cast<std::uint64_t>(radix);
    } while (magnitude != 0);
    std::string text;
    if (n < 0) {
        text.push_back('-');
    }
    text.append(buf + pos, static_cast<std::size_t>(65 - pos));
    return text;
}

std::string GroupBits(const std::string& bits, int groupWidth) {
    const std::size_t group = static_cast<std::size_t>(std::max(groupWidth, 1));
    const std::size_t padded = (bits.size() + group - 1) / group * group;
    std::string text;
    text.reserve(padded + padded / group);
    const std::size_t zeros = padded - bits.size();
    for (std::size_t i = 1; i <= padded; ++i) {
        text.push_back(i <= zeros ? '0' : bits[i - 1 - zeros]);
        if (i % group == 0) {
            text.push_back(' ');
        }
    }
    return text;
}

}  // namespace kalvo
