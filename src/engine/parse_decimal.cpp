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

Real ParseDecimal(const std::string& text, std::size_t* consumed) {
    char* end = nullptr;
    Real value = strtold_l(text.c_str(), &end, CLocale());
    if (consumed) {
        *consumed = static_cast<std::size_t>(end - text.c_str());
    }
    return value;
}

}  // namespace kalvo
