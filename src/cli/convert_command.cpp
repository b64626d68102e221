#include "cli/convert_command.h"

#include <cmath>
#include <ostream>
#include <string>

#include "display/format_general.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/real_field.h"
#include "units/unit_conversion.h"
#include "units/unit_names.h"

namespace kalvo {

namespace {

constexpr const char* kUsage =
    "Usage: kalvo-cli convert CATEGORY UNIT VALUE\n"
    "       kalvo-cli convert --list [CATEGORY]\n"
    "\n"
    "Converts VALUE, given in UNIT, into every other unit of CATEGORY and prints one line\n"
    "per unit in table order: the unit's name, a tab and the value in the notation and\n"
    "width of --notation and --digits (default 12), in decimal.\n"
    "\n"
    "CATEGORY is one of Acceleration, Area, Force, Length, Mass, Temperature, Time, Volume,\n"
    "Energy; UNIT a unit name as the window shows it or in ASCII (A for A\xC2\xB0, uM for\n"
    "\xC2\xB5M, CM3 for CM\xC2\xB3, Reaumur for R\xC3\xA9"
    "aumur); both in any letter case.\n"
    "VALUE is a decimal number such as 1.5 or -2.5e3. A temperature must not lie below\n"
    "absolute zero; volumes, areas, times, masses, forces, accelerations and energies must\n"
    "not be negative.\n"
    "\n"
    "  --list             the categories, one per line\n"
    "  --list CATEGORY    the category's units, one per line\n"
    "\n"
    "Example: kalvo-cli --digits 10 convert length KM 1\n"
    "Exit status: 0 success, 1 a value the unit does not take, 2 a usage error.\n";

constexpr std::size_t kShownText = 40;  // a huge argument is not echoed whole

std::string Quoted(const std::string& text) {
    if (text.size() <= kShownText) {
        return "'" + text + "'";
    }
    return "'" + text.substr(0, kShownText) + "...'";
}

std::string CategoryNames() {
    std::string names;
    for (const UnitCategory& category : UnitCategories()) {
        names += (names.empty() ? "" : ", ") + std::string(category.name);
    }
    return names;
}

std::string UnitNames(const UnitCategory& category) {
    std::string names;
    for (int unit = 1; unit <= category.Count(); ++unit) {
        names += (unit == 1 ? "" : ", ") + Latin1ToUtf8(category.Unit(unit).name);
    }
    return names;
}

const UnitCategory* CategoryArgument(const SubcommandContext& context, const std::string& word) {
    const UnitCategory* category = FindUnitCategoryByName(word);
    if (category == nullptr) {
        context.err << "kalvo-cli convert: unknown category " << Quoted(word)
                    << "; the categories are " << CategoryNames() << '\n';
    }
    return category;
}

// The value check of the unit's field: a number within the unit's accepted range.
bool ReadValue(const SubcommandContext& context, const UnitCategory& category, int unit,
               const std::string& text, Real& value) {
    const std::string name = Latin1ToUtf8(category.Unit(unit).name);
    const Real least = LeastValue(category, unit);
    const std::string range =
        std::isfinite(least) ? "numbers from " + FormatGeneral(least, 12) : "any number";
    if (!ParseRealField(text, &value)) {
        context.err << "kalvo-cli convert: " << Quoted(text) << " is not a number; " << name
                    << " takes " << range << '\n';
        return false;
    }
    if (value < least) {
        context.err << "kalvo-cli convert: " << Quoted(text) << " is below the least value of "
                    << name << ", " << FormatGeneral(least, 12) << '\n';
        return false;
    }
    if (!AcceptsValue(category, unit, value)) {
        context.err << "kalvo-cli convert: " << Quoted(text) << " is above the greatest value of "
                    << name << ", " << FormatGeneral(GreatestValue(category, unit), 12) << '\n';
        return false;
    }
    return true;
}

int List(const SubcommandContext& context, const std::vector<std::string>& words) {
    if (words.size() > 1) {
        context.err << "kalvo-cli convert: --list takes at most one category\n";
        return 2;
    }
    if (words.empty()) {
        for (const UnitCategory& category : UnitCategories()) {
            context.out << category.name << '\n';
        }
        return 0;
    }
    const UnitCategory* category = CategoryArgument(context, words[0]);
    if (category == nullptr) {
        return 2;
    }
    for (int unit = 1; unit <= category->Count(); ++unit) {
        context.out << Latin1ToUtf8(category->Unit(unit).name) << '\n';
    }
    return 0;
}

int RunConvert(const SubcommandContext& context) {
    std::string error;
    const auto args = ParseSubcommandArgs(context.args, {}, {"--list"}, error);
    if (!args) {
        context.err << "kalvo-cli convert: " << error << '\n';
        return 2;
    }
    if (args->Has("--list")) {
        return List(context, args->words);
    }
    if (args->words.size() != 3) {
        context.err << "kalvo-cli convert: expected CATEGORY UNIT VALUE\n";
        return 2;
    }
    const UnitCategory* category = CategoryArgument(context, args->words[0]);
    if (category == nullptr) {
        return 2;
    }
    const int unit = FindUnitByName(*category, ToLatin1(args->words[1]));
    if (unit == 0) {
        context.err << "kalvo-cli convert: " << category->name << " has no unit "
                    << Quoted(args->words[1]) << "; its units are " << UnitNames(*category) << '\n';
        return 2;
    }
    Real value = 0;
    if (!ReadValue(context, *category, unit, args->words[2], value)) {
        return 1;
    }
    const std::vector<std::string> texts = ConversionTexts(
        *category, unit, value, context.session.State().display, context.session.Digits());
    for (int b = 1; b <= category->Count(); ++b) {
        if (b != unit) {
            context.out << Latin1ToUtf8(category->Unit(b).name) << '\t'
                        << texts[static_cast<std::size_t>(b - 1)] << '\n';
        }
    }
    return 0;
}

}  // namespace

Subcommand ConvertCommand() {
    return {"convert", "a value in every unit of its category", kUsage, RunConvert};
}

}  // namespace kalvo
