// The manual's search: what a page's text is, which pages a query finds and in which order,
// and the results page the help window shows.
#include <gtest/gtest.h>

#include "frontend/help_index.h"

namespace {

using kalvo::ExtractHelpPage;
using kalvo::HelpHit;
using kalvo::HelpIndex;
using kalvo::HelpWords;

TEST(HelpIndexTest, PageTextIsTheVisibleTextWithReferencesDecoded) {
    const struct {
        const char* name;
        const char* html;
        const char* title;
        const char* text;
    } rows[] = {
        {"title and body", "<html><head><title> The  tape </title></head><body><p>Hi</p>",
         "The tape", "Hi"},
        {"head, style and script hidden",
         "<head><style>p{}</style><title>T</title><script>x=1</script></head><b>seen</b>"
         "<script>var a;</script>",
         "T", "seen"},
        {"block tags separate words", "<p>a<br>b</p><td>c</td>", "", "a b c"},
        {"inline tags do not", "<b>Deg</b>, <code>x</code>!<a href=\"y\">z</a>", "", "Deg, x!z"},
        {"white space folded", "one \r\n\t two", "", "one two"},
        {"named references", "&lt;&amp;&gt; &para; &sup2; &deg;", "",
         "<&> \xC2\xB6 \xC2\xB2 \xC2\xB0"},
        {"numeric references", "&#65;&#x42;&#182;", "", "AB\xC2\xB6"},
        {"unknown or broken references kept", "&bogus; & &#xZZ; &amp", "", "&bogus; & &#xZZ; &amp"},
        {"a reference spans at most twelve bytes", "&#0000000065;&#00000000066;", "",
         "A&#00000000066;"},
        {"comments skipped", "a<!-- <b>no</b> -->b", "", "ab"},
        {"an unclosed tag ends the text", "text<p class=\"x", "", "text"},
        {"a page without a title is named by its file", "<p>x</p>", "page.html", "x"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const kalvo::HelpPageText page = ExtractHelpPage("page.html", row.html);
        if (*row.title != '\0') {
            EXPECT_EQ(page.title, row.title);
        }
        EXPECT_EQ(page.text, row.text);
    }
}

TEST(HelpIndexTest, AnOverlongPageIsReadUpToTheLimit) {
    std::string html(kalvo::kMaxHelpPageBytes + 100, 'a');
    html.replace(kalvo::kMaxHelpPageBytes - 2, 4, " zz ");  // the second z lies past the limit
    const kalvo::HelpPageText page = ExtractHelpPage("big.html", html);
    EXPECT_EQ(page.text.size(), kalvo::kMaxHelpPageBytes);
    EXPECT_EQ(page.text.substr(page.text.size() - 2), " z");
}

TEST(HelpIndexTest, WordsAreLowerCaseRunsOfLettersDigitsAndOtherScripts) {
    std::vector<std::size_t> offsets;
    EXPECT_EQ(HelpWords("Ctrl+P, n!(x) \xC2\xB5M_2 10^3", &offsets),
              (std::vector<std::string>{"ctrl", "p", "n", "x", "\xC2\xB5m_2", "10", "3"}));
    EXPECT_EQ(offsets, (std::vector<std::size_t>{0, 5, 8, 11, 14, 20, 23}));
    EXPECT_TRUE(HelpWords(" ,;() ").empty());
}

class HelpSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Add("numerical.html", "Equation solving and integration",
            "integral(Low,Up,f) integrates f. Numerical integration uses Gauss-Legendre.");
        Add("functions.html", "Built-in functions",
            "sin cos tan. The integral sine Si(x). Integration is elsewhere.");
        Add("tape.html", "The tape", "Print, Copy, Cut and To File.");
    }
    void Add(const char* file, const char* title, const char* text) {
        index.Add(ExtractHelpPage(file, std::string("<title>") + title + "</title>" + text));
    }
    std::vector<std::string> Files(const char* query) {
        std::vector<std::string> files;
        for (const HelpHit& hit : index.Search(query)) {
            files.push_back(hit.file);
        }
        return files;
    }
    HelpIndex index;
};

TEST_F(HelpSearchTest, FindsThePagesThatHoldEveryWordBestFirst) {
    const struct {
        const char* query;
        std::vector<std::string> files;
    } rows[] = {
        {"integration", {"numerical.html", "functions.html"}},  // the title counts most
        {"INTEG", {"numerical.html", "functions.html"}},        // any case, start of a word
        {"integral sine", {"functions.html"}},                  // every word must occur
        {"copy tape", {"tape.html"}},
        {"cosine", {}},  // "cos" does not hold "cosine"
        {"  , ", {}},    // no words, no pages
        {"", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.query);
        EXPECT_EQ(Files(row.query), row.files);
    }
}

TEST_F(HelpSearchTest, HitsCarryTheTitleAndAnExcerptAroundTheFirstMatch) {
    const std::vector<HelpHit> hits = index.Search("legendre");
    ASSERT_EQ(hits.size(), 1U);
    EXPECT_EQ(hits[0].title, "Equation solving and integration");
    EXPECT_NE(hits[0].excerpt.find("Gauss-Legendre"), std::string::npos) << hits[0].excerpt;
    EXPECT_GT(hits[0].score, 0);
}

TEST(HelpIndexTest, ExcerptsOfLongPagesAreCutAtWordsAndMarked) {
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text += "filler" + std::to_string(i) + " ";
    }
    text += "needle ";
    for (int i = 0; i < 60; ++i) {
        text += "tail" + std::to_string(i) + " ";
    }
    HelpIndex index;
    index.Add(ExtractHelpPage("long.html", text));
    const std::vector<HelpHit> hits = index.Search("needle");
    ASSERT_EQ(hits.size(), 1U);
    const std::string& excerpt = hits[0].excerpt;
    EXPECT_EQ(excerpt.substr(0, 4), "... ");
    EXPECT_EQ(excerpt.substr(excerpt.size() - 4), " ...");
    EXPECT_NE(excerpt.find("needle"), std::string::npos);
    EXPECT_LE(excerpt.size(), 170U);
    EXPECT_EQ(excerpt.find("filler0 "), std::string::npos);
}

TEST(HelpIndexTest, ExcerptsOfDamagedTextStayShort) {
    // Text that is not UTF-8: a word that is one long run of continuation bytes, as a
    // damaged page may hold.
    const std::string run(400, '\x90');
    const struct {
        const char* name;
        std::string html;
    } rows[] = {
        {"after a long word", std::string(100, 'a') + " " + run},
        {"at the start", run},
        {"between long words", std::string(100, 'a') + " " + run + " " + std::string(100, 'c')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HelpIndex index;
        index.Add(ExtractHelpPage("damaged.html", row.html));
        const std::vector<HelpHit> hits = index.Search(run.substr(0, 10));
        ASSERT_EQ(hits.size(), 1U);
        EXPECT_LE(hits[0].excerpt.size(), 170U);
    }
}

TEST(HelpIndexTest, ResultsPageLinksEveryHitAndEscapesTheTexts) {
    const std::vector<HelpHit> hits = {{"a.html", "A <b>", 5, "x & y"}, {"b.html", "B", 3, "z"}};
    const std::string page = kalvo::HelpResultsPage("<i>q</i>", hits, "file:///help/");
    EXPECT_NE(page.find("&lt;i&gt;q&lt;/i&gt;"), std::string::npos);
    EXPECT_NE(page.find("href=\"file:///help/a.html\""), std::string::npos);
    EXPECT_NE(page.find("href=\"file:///help/b.html\""), std::string::npos);
    EXPECT_LT(page.find("a.html"), page.find("b.html"));
    EXPECT_NE(page.find("A &lt;b&gt;"), std::string::npos);
    EXPECT_NE(page.find("x &amp; y"), std::string::npos);
    EXPECT_NE(page.find("2 pages hold"), std::string::npos);
    EXPECT_EQ(page.find("<i>q</i>"), std::string::npos);

    const std::string none = kalvo::HelpResultsPage("zz", {}, "");
    EXPECT_NE(none.find("No page of the manual"), std::string::npos);
}

}  // namespace
