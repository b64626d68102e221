#include "engine/parse_decimal.h"

#include <locale.h>
#include <clocale>
#include <cstdlib>

namespace kalvo {

namespace {

locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

Real ParseDecimal(const std::string& text) { return strtold_l(text.c_str(), nullptr, CLocale()); }

}  // namespace kalvo
