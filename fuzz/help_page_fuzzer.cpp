// The manual's search: the first line of the input is a query, the rest a page of HTML.
// Extract the page, index it, search it for the query and for one of its own words, and
// build the results page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "frontend/help_index.h"
#include "fuzz_session.h"

namespace {

// The excerpt's length plus the "... " and " ..." around it.
constexpr std::size_t kLongestExcerpt = 160 + 8;

void CheckHits(const std::vector<kalvo::HelpHit>& hits) {
    kalvo::FuzzCheck(hits.size() <= 1, "one page gives at most one hit");
    for (const kalvo::HelpHit& hit : hits) {
        kalvo::FuzzCheck(hit.excerpt.size() <= kLongestExcerpt, "the excerpt stays short");
        kalvo::FuzzCheck(hit.file == "page.html", "a hit names its page");
    }
}

std::size_t Count(std::string_view text, std::string_view tag) {
    std::size_t count = 0;
    for (std::size_t at = text.find(tag); at != std::string_view::npos;
         at = text.find(tag, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = kalvo::FuzzText(data, size);
    const std::size_t lineEnd = input.find('\n');
    const std::string_view query = input.substr(0, lineEnd);
    const std::string_view html =
        lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

    kalvo::HelpIndex index;
    index.Add(kalvo::ExtractHelpPage("page.html", html));
    const std::vector<kalvo::HelpHit> hits = index.Search(query);
    CheckHits(hits);
    // The query, titles and excerpts are escaped: none of them can add a tag.
    const std::string results = kalvo::HelpResultsPage(query, hits, "file:///");
    kalvo::FuzzCheck(Count(results, "<a ") == hits.size() && Count(results, "</body>") == 1,
                     "the results page has only its own tags");

    // Every word of the page's text finds the page.
    const kalvo::HelpPageText page = kalvo::ExtractHelpPage("page.html", html);
    const std::vector<std::string> words = kalvo::HelpWords(page.text);
    if (!words.empty()) {
        const std::vector<kalvo::HelpHit> own = index.Search(words[words.size() / 2]);
        CheckHits(own);
        kalvo::FuzzCheck(own.size() == 1, "a word of the page finds the page");
    }
    return 0;
}
