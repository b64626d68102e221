#include "display/number_text.h"

#include <algorithm>
#include <cstddef>

#include "display/display_settings.h"

namespace kalvo {

namespace {

// Appends the exponent magnitude as exactly four digits.
void AppendExponentDigits(int magnitude, std::string& out) {
    char buf[4];
    for (int i = 3; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    out.append(buf, 4);
}

}  // namespace

void RenderScientific(const DecimalDigits& dd, int width, std::string& out) {
    width = std::clamp(width, -kMaxWidth, kMaxWidth);
    const int significant = std::clamp(width - 8, 2, kStandardDigits);
    char digits[kStandardDigits];
    const int exponent = RoundSignificant(dd, significant, digits);

    out.clear();
    out.append(static_cast<std::size_t>(std::max(width - significant - 8, 0)), ' ');
    out.push_back(' ');
    out.push_back(digits[0]);
    out.push_back('.');
    out.append(digits + 1, static_cast<std::size_t>(significant - 1));
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    AppendExponentDigits(exponent < 0 ? -exponent : exponent, out);
}

void RenderFixed(const DecimalDigits& dd, int width, int decimals, std::string& out) {
    if (decimals < 0) {
        RenderScientific(dd, width, out);
        return;
    }
    width = std::clamp(width, -kMaxWidth, kMaxWidth);
    decimals = std::min(decimals, kMaxWidth);

    // The kept digits, first one at decimal position `lead` (10^lead); positions outside
    // them read as "0". `count` is how many digits reach down to the last decimal place.
    char kept[kStandardDigits];
    int keptCount = 0;
    int lead = 0;
    if (!dd.isZero) {
        const int count = dd.exponent + 1 + decimals;
        if (count >= kStandardDigits) {
            keptCount = kStandardDigits;
            std::copy(dd.digits, dd.digits + kStandardDigits, kept);
            lead = dd.exponent;
        } else if (count >= 1) {
            keptCount = count;
            lead = RoundSignificant(dd, count, kept);
        } else if (count == 0 && dd.digits[0] >= '5') {
            // The first digit sits just past the last place and rounds it up to 1.
            keptCount = 1;
            kept[0] = '1';
            lead = -decimals;
        }
    }
    auto digitAt = [&](int position) {
        const int index = lead - position;
        return (keptCount > 0 && index >= 0 && index < keptCount) ? kept[index] : '0';
    };

    const int top = (keptCount > 0) ? std::max(lead, 0) : 0;
    const int length = top + 1 + (decimals > 0 ? decimals + 1 : 0);
    out.clear();
    out.append(static_cast<std::size_t>(std::max(width - length, 0)), ' ');
    for (int p = top; p >= 0; --p) {
        out.push_back(digitAt(p));
    }
    if (decimals > 0) {
        out.push_back('.');
        for (int p = -1; p >= -decimals; --p) {
            out.push_back(digitAt(p));
        }
    }
}

int TrimNumberText(std::string& s, int notation) {
    const std::size_t leading = s.find_first_not_of(' ');
    const std::size_t removed = (leading == std::string::npos) ? s.size() : leading;
    s.erase(0, removed);
    const int counter = static_cast<int>(removed);

    std::size_t ePos = s.find('E');
    if (ePos == std::string::npos) {
        if (s.find('.') != std::string::npos) {
            while (s.size() >= 2 && s.back() == '0' && s[s.size() - 2] != '.') {
                s.pop_back();
            }
        }
        return counter;
    }
    while (ePos >= 2 && s[ePos - 1] == '0' && s[ePos - 2] != '.') {
        s.erase(ePos - 1, 1);
        --ePos;
    }
    if (notation == kFix) {
        const std::size_t zeroExp = s.find("E+0000");
        if (zeroExp != std::string::npos) {
            s.erase(zeroExp, 6);
        }
    }
    return counter;
}

void ShortenExponent(std::string& s, int* counter) {
    const std::size_t ePos = s.find('E');
    if (ePos == std::string::npos) {
        return;
    }
    const std::size_t first = ePos + 2;  // first exponent digit, behind the sign
    for (int i = 0; i < 3; ++i) {
        // At least one exponent digit stays.
        if (first + 1 < s.size() && s[first] == '0') {
            s.erase(first, 1);
            if (counter != nullptr) {
                ++*counter;
            }
        }
    }
}

void ToEngineering(std::string& s) {
    const std::size_t leading = s.find_first_not_of(' ');
    s.erase(0, leading == std::string::npos ? s.size() : leading);

    std::size_t ePos = s.find('E');
    const std::size_t dot = s.find('.');
    if (ePos == std::string::npos || dot == std::string::npos || dot > ePos ||
        ePos + 2 >= s.size()) {
        return;
    }
    int magnitude = 0;
    for (std::size_t i = ePos + 2; i < s.size(); ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
    }
    const int r = magnitude % 3;
    if (r == 0) {
        return;
    }
    const bool negativeExp = s[ePos + 1] == '-';
    const int shift = negativeExp ? 3 - r : r;
    magnitude = negativeExp ? magnitude + shift : magnitude - shift;

    s.erase(dot, 1);
    --ePos;
    std::size_t newDot = dot + static_cast<std::size_t>(shift);
    if (newDot > ePos) {
        // Only at widths below 11 (two significant digits) can the point move past the
        // last digit. The digits are then already rounded to that precision, so the
        // places in between are filled with "0" and the point follows them, the same
        // shape that a width of 11 gives when the point lands after the last digit:
        // 123 at two digits, " 1.2E+0002", becomes "120.E+0000".
        s.insert(ePos, newDot - ePos, '0');
        ePos = newDot;
    }
    s.insert(newDot, 1, '.');
    ++ePos;
    s.erase(ePos + 2);
    AppendExponentDigits(magnitude, s);
}

}  // namespace kalvo
