#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// One page of the manual as the search sees it: its file name, its title and its visible
/// text (UTF-8, tags removed, character references decoded, runs of white space folded).
struct HelpPageText {
    std::string file;
    std::string title;
    std::string text;
};

/// Reads the title and the visible text of a help page from its HTML bytes. The head and
/// any script or style element contribute only the title. Pages longer than
/// kMaxHelpPageBytes are read up to that length.
HelpPageText ExtractHelpPage(std::string file, std::string_view html);

inline constexpr std::size_t kMaxHelpPageBytes = 1 << 20;

/// A page that the search found.
struct HelpHit {
    std::string file;
    std::string title;
    long score = 0;
    std::string excerpt;  ///< the text around the first match, at most about 160 bytes
};

/// The manual's pages, searchable by their words. A query's words are matched without
/// regard to case against the starts of the page's words, so "integ" finds "integral";
/// a page must hold every word of the query. Pages whose title holds the words come
/// first, then pages where the words occur more often.
class HelpIndex {
  public:
    void Add(HelpPageText page);
    std::size_t Size() const { return m_pages.size(); }

    /// The pages that hold every word of `query`, best first; empty for a query without
    /// words.
    std::vector<HelpHit> Search(std::string_view query) const;

  private:
    struct Entry {
        HelpPageText page;
        std::vector<std::string> titleWords;
        std::vector<std::string> words;
        std::vector<std::size_t> offsets;  ///< where each word starts in page.text
    };
    std::vector<Entry> m_pages;
};

/// The words of a text as the search compares them: runs of letters, digits, "_" and
/// non-ASCII characters, with ASCII letters in lower case.
std::vector<std::string> HelpWords(std::string_view text,
                                   std::vector<std::size_t>* offsets = nullptr);

/// The results page the help window shows for a query: a heading, then one entry per hit
/// with a link to the page (`linkBase` + file) and its excerpt, or a line saying that
/// nothing was found. Text from the query and the pages is escaped.
std::string HelpResultsPage(std::string_view query, const std::vector<HelpHit>& hits,
                            std::string_view linkBase);

}  // namespace kalvo
