// The manual's pages: every link and help context leads somewhere, every built-in name is
// documented with its syntax, and every example gives what the page says it gives.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "complex/complex_convert.h"
#include "engine/engine_host.h"
#include "engine/error_codes.h"
#include "engine/function_table.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/decimal_text.h"
#include "help/manual_files.h"
#include "ui/help_contexts.h"

namespace kalvo {
namespace {

using testing::AllMatches;
using testing::ManualPages;
using testing::VisibleText;

const std::map<std::string, std::string>& Pages() {
    static const std::map<std::string, std::string> pages = ManualPages();
    return pages;
}

std::set<std::string> Anchors(const std::string& html) {
    const std::vector<std::string> names = AllMatches(html, R"re(<a name="([^"]+)")re");
    return {names.begin(), names.end()};
}

/// "page.html#anchor" exists (a bare "#anchor" refers to `from`).
::testing::AssertionResult Resolves(const std::string& from, const std::string& href) {
    const std::size_t hash = href.find('#');
    const std::string file = hash == 0 ? from : href.substr(0, hash);
    const auto page = Pages().find(file);
    if (page == Pages().end()) {
        return ::testing::AssertionFailure() << "no page " << file;
    }
    if (hash != std::string::npos && !Anchors(page->second).count(href.substr(hash + 1))) {
        return ::testing::AssertionFailure() << file << " has no anchor " << href.substr(hash + 1);
    }
    return ::testing::AssertionSuccess();
}

TEST(HelpPagesTest, EveryPageHasATitleAndEveryLinkLeadsToAPageOfTheManual) {
    ASSERT_GE(Pages().size(), 20U) << KALVO_HELP_DIR;
    for (const auto& [file, html] : Pages()) {
        SCOPED_TRACE(file);
        EXPECT_FALSE(ExtractHelpPage(file, html).title == file) << "no title";
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const std::string& href : AllMatches(html, R"re(href="([^"]+)")re")) {
            if (href.rfind("https:", 0) == 0 || href.rfind("mailto:", 0) == 0 ||
                href == "manual.css") {
                continue;
            }
            EXPECT_TRUE(Resolves(file, href)) << href;
        }
    }
}

TEST(HelpPagesTest, TheContentsPageLinksEveryOtherPage) {
    const std::string& contents = Pages().at("index.html");
    for (const auto& [file, html] : Pages()) {
        if (file != "index.html") {
            EXPECT_NE(contents.find("href=\"" + file + "\""), std::string::npos) << file;
        }
    }
}

TEST(HelpPagesTest, EveryHelpContextHasItsPage) {
    std::set<int> contexts;
    for (const HelpPage& entry : kHelpPages) {
        SCOPED_TRACE(entry.context);
        EXPECT_TRUE(contexts.insert(entry.context).second) << "listed twice";
        EXPECT_TRUE(Resolves("", std::string(entry.page)));
    }
    for (int numbered : {0, 3, 8, 10, 18, 19, 20, 21}) {
        EXPECT_TRUE(contexts.count(numbered)) << numbered;
    }
    EXPECT_EQ(HelpPageFor(-7), "index.html");
}

/// The syntax cells of all pages, as visible text in engine (Latin-1) characters.
std::vector<std::string> SyntaxEntries() {
    std::vector<std::string> entries;
    for (const auto& [file, html] : Pages()) {
        for (const std::string& cell : AllMatches(html, R"re(<td class="syn">([\s\S]*?)</td>)re")) {
            for (const std::string& code : AllMatches(cell, R"re(<code>([\s\S]*?)</code>)re")) {
                entries.push_back(ToLatin1(VisibleText(code)));
            }
        }
    }
    return entries;
}

TEST(HelpPagesTest, EveryBuiltInNameIsDocumentedWithItsSyntax) {
    const std::vector<std::string> entries = SyntaxEntries();
    for (const FunctionEntry& entry : RealFunctionTable()) {
        const std::string name(entry.name);
        SCOPED_TRACE(name);
        const bool takesArguments = name.back() == '(';
        bool found = false;
        for (const std::string& syntax : entries) {
            found = found || (takesArguments ? syntax.rfind(name, 0) == 0 && syntax.back() == ')'
                                             : syntax == name);
        }
        EXPECT_TRUE(found) << "no syntax cell for " << Latin1ToUtf8(name);
    }
}

/// A number as a page shows it, and how far the true value may lie from it: half a unit
/// of its last digit.
struct ShownNumber {
    Real value = 0;
    Real tolerance = 0;
};

bool ReadShown(const std::string& text, ShownNumber& shown) {
    if (!ReadDecimalReal(text, shown.value)) {
        return false;
    }
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : int(text.size() - point - 1);
    shown.tolerance = 0.5L * std::pow(10.0L, -decimals) + 1e-15L * std::fabs(shown.value);
    return true;
}

struct Example {
    std::string page;
    std::string input;     ///< engine text
    std::string expected;  ///< the shown result, "" when none is shown
    std::string message;   ///< the shown error message, "" when none
    bool complex = false;
};

std::vector<Example> Examples() {
    std::vector<Example> examples;
    const std::string cell =
        R"re(<td class="(c?ex)"><code>([\s\S]*?)</code>(?:\s*=\s*<code>([\s\S]*?)</code>|\s*gives\s*<i>([\s\S]*?)</i>)?)re";
    const std::regex re(cell);
    for (const auto& [file, html] : Pages()) {
        for (auto it = std::sregex_iterator(html.begin(), html.end(), re);
             it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            examples.push_back({file, ToLatin1(VisibleText(m[2])), VisibleText(m[3]),
                                VisibleText(m[4]), m[1] == "cex"});
        }
    }
    return examples;
}

/// "a+bi" or "a-bi" as shown on the complex-mode page.
bool ReadShownComplex(const std::string& text, ShownNumber& re, ShownNumber& im) {
    if (text.size() < 3 || text.back() != 'i') {
        return false;
    }
    const std::size_t sign = text.find_last_of("+-", text.size() - 2);
    if (sign == std::string::npos || sign == 0) {
        return false;
    }
    return ReadShown(text.substr(0, sign), re) &&
           ReadShown(text.substr(sign, text.size() - 1 - sign), im);
}

TEST(HelpPagesTest, EveryExampleGivesWhatThePageShows) {
    const std::vector<Example> examples = Examples();
    ASSERT_GE(examples.size(), 80U);
    for (const Example& example : examples) {
        SCOPED_TRACE(example.page + ": " + Latin1ToUtf8(example.input));
        SilentHost host;
        CalculatorSession session(host);
        session.SetAngle(1);  // the pages' examples use degrees, as a first start does
        session.SetComplexMode(example.complex);
        const ResultLine line = session.Evaluate(example.input, true);
        if (!example.message.empty()) {
            ASSERT_EQ(line.kind, ResultLine::Kind::kError) << line.text;
            EXPECT_EQ(line.text.substr(0, line.text.find(": position")), example.message);
            continue;
        }
        ASSERT_EQ(line.kind, ResultLine::Kind::kValue) << line.text;
        if (example.expected.empty()) {
            continue;
        }
        if (example.complex) {
            ShownNumber re, im;
            ASSERT_TRUE(ReadShownComplex(example.expected, re, im)) << example.expected;
            const ComplexNum z = CxConvert(session.LastComplexAnswer(), kFormRect);
            EXPECT_NEAR(double(z.a), double(re.value), double(re.tolerance)) << "real part";
            EXPECT_NEAR(double(z.b), double(im.value), double(im.tolerance)) << "imaginary part";
        } else {
            ShownNumber shown;
            ASSERT_TRUE(ReadShown(example.expected, shown)) << example.expected;
            const Real value = session.State().lastAnswer;
            EXPECT_LE(std::fabs(value - shown.value), shown.tolerance)
                << "computed " << double(value) << ", page shows " << example.expected;
        }
    }
}

TEST(HelpPagesTest, ShownNumbersAreReadWithTheToleranceOfTheirLastDigit) {
    const struct {
        const char* text;
        double value;
        double tolerance;
    } rows[] = {
        {"0.5", 0.5, 0.05}, {"12", 12, 0.5}, {"-0.75", -0.75, 0.005}, {"1.605413", 1.605413, 5e-7}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ShownNumber shown;
        ASSERT_TRUE(ReadShown(row.text, shown));
        EXPECT_DOUBLE_EQ(double(shown.value), row.value);
        EXPECT_NEAR(double(shown.tolerance), row.tolerance, row.tolerance * 1e-6);
    }
    ShownNumber re, im;
    ASSERT_TRUE(ReadShownComplex("-2+1i", re, im));
    EXPECT_EQ(re.value, -2);
    EXPECT_EQ(im.value, 1);
    ASSERT_TRUE(ReadShownComplex("0.63+1.29i", re, im));
    EXPECT_DOUBLE_EQ(double(im.value), 1.29);
    ASSERT_TRUE(ReadShownComplex("1.5-0.25i", re, im));
    EXPECT_DOUBLE_EQ(double(im.value), -0.25);
    EXPECT_FALSE(ReadShownComplex("3", re, im));
}

}  // namespace
}  // namespace kalvo
