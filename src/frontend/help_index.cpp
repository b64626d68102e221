#include "frontend/help_index.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace kalvo {

namespace {

constexpr std::size_t kExcerptBefore = 60;
constexpr std::size_t kExcerptLength = 160;

bool IsWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           c >= 0x80;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// The named character references the pages use; any other name is kept as written.
std::uint32_t NamedReference(std::string_view name) {
    static constexpr std::pair<std::string_view, std::uint32_t> kNames[] = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
        {"apos", '\''},    {"nbsp", ' '},     {"para", 0xB6},    {"deg", 0xB0},
        {"times", 0xD7},   {"minus", 0x2212}, {"sup2", 0xB2},    {"sup3", 0xB3},
        {"frac12", 0xBD},  {"micro", 0xB5},   {"pi", 0x3C0},     {"eacute", 0xE9},
        {"middot", 0xB7},  {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026},
        {"rarr", 0x2192},  {"larr", 0x2190},  {"le", 0x2264},    {"ge", 0x2265},
        {"ne", 0x2260},    {"laquo", 0xAB},   {"raquo", 0xBB},   {"Gamma", 0x393},
        {"alpha", 0x3B1},  {"theta", 0x3B8},  {"radic", 0x221A}, {"int", 0x222B},
        {"copy", 0xA9},    {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
        {"rdquo", 0x201D}, {"sum", 0x2211},   {"infin", 0x221E}, {"plusmn", 0xB1},
    };
    for (const auto& [known, code] : kNames) {
        if (name == known) {
            return code;
        }
    }
    return 0;
}

/// Decodes the reference that starts at html[i] == '&' into `out`; returns the index after
/// it, or i + 1 (having written the "&") when it is not a reference.
std::size_t DecodeReference(std::string_view html, std::size_t i, std::string& out) {
    // A reference is at most 12 bytes long: looking no further keeps a page full of "&"
    // without ";" linear.
    constexpr std::size_t kLongestReference = 12;
    const std::size_t semicolon = html.substr(i + 1, kLongestReference).find(';');
    if (semicolon == std::string_view::npos) {
        out += '&';
        return i + 1;
    }
    const std::size_t end = i + 1 + semicolon;
    const std::string_view name = html.substr(i + 1, end - i - 1);
    std::uint32_t code = 0;
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits(name.substr(hex ? 2 : 1));
        char* stop = nullptr;
        const unsigned long value = std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
        if (!digits.empty() && stop && *stop == '\0') {
            code = value > 0x10FFFF ? 0xFFFD : static_cast<std::uint32_t>(value);
        }
    } else {
        code = NamedReference(name);
    }
    if (code == 0) {
        out += '&';
        return i + 1;
    }
    AppendUtf8(out, code);
    return end + 1;
}

/// The tag name at html[i] == '<' in lower case ("/p" for a closing tag), and the index
/// after the tag's ">" (or the end of the text).
std::pair<std::string, std::size_t> ReadTag(std::string_view html, std::size_t i) {
    if (StartsWith(html.substr(i), "<!--")) {
        const std::size_t close = html.find("-->", i + 4);
        return {"!--", close == std::string_view::npos ? html.size() : close + 3};
    }
    std::size_t j = i + 1;
    std::string name;
    if (j < html.size() && html[j] == '/') {
        name += '/';
        ++j;
    }
    while (j < html.size() && IsWordByte(static_cast<unsigned char>(html[j])) &&
           static_cast<unsigned char>(html[j]) < 0x80) {
        name += Lower(html[j]);
        ++j;
    }
    const std::size_t close = html.find('>', j);
    return {name, close == std::string_view::npos ? html.size() : close + 1};
}

/// Tags that mark up text within a line (and comments), as opposed to those that start a
/// block or a cell.
bool IsInlineTag(std::string_view tag) {
    if (!tag.empty() && tag.front() == '/') {
        tag.remove_prefix(1);
    }
    static constexpr std::string_view kInline[] = {"!--",    "a",   "abbr", "b",  "big",   "code",
                                                   "em",     "i",   "kbd",  "q",  "small", "span",
                                                   "strong", "sub", "sup",  "tt", "u",     "var"};
    return std::find(std::begin(kInline), std::end(kInline), tag) != std::end(kInline);
}

/// Appends `text` to `out`, folding white space to single blanks.
void AppendFolded(std::string& out, std::string_view text) {
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f';
        if (space) {
            if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        } else {
            out += c;
        }
    }
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

/// Moves `at` back to the start of a UTF-8 character: over at most three continuation
/// bytes, so that a damaged page's long run of them cannot move it far.
std::size_t CharacterStart(const std::string& text, std::size_t at) {
    for (int step = 0; step < 3 && at > 0 && at < text.size() &&
                       (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
         ++step) {
        --at;
    }
    return at;
}

std::string Excerpt(const std::string& text, std::size_t at) {
    std::size_t start = at > kExcerptBefore ? at - kExcerptBefore : 0;
    if (start > 0) {
        // Begin at a word.
        const std::size_t blank = text.find(' ', start);
        start =
            (blank != std::string::npos && blank < at) ? blank + 1 : CharacterStart(text, start);
    }
    std::size_t end = std::min(text.size(), start + kExcerptLength);
    if (end < text.size()) {
        const std::size_t blank = text.rfind(' ', end);
        end = (blank != std::string::npos && blank > at) ? blank : CharacterStart(text, end);
    }
    std::string excerpt = text.substr(start, end - start);
    if (start > 0) {
        excerpt.insert(0, "... ");
    }
    if (end < text.size()) {
        excerpt += " ...";
    }
    return excerpt;
}

}  // namespace

std::vector<std::string> HelpWords(std::string_view text, std::vector<std::size_t>* offsets) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !IsWordByte(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        const std::size_t start = i;
        std::string word;
        while (i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]))) {
            word += Lower(text[i]);
            ++i;
        }
        if (!word.empty()) {
            words.push_back(std::move(word));
            if (offsets) {
                offsets->push_back(start);
            }
        }
    }
    return words;
}

HelpPageText ExtractHelpPage(std::string file, std::string_view html) {
    html = html.substr(0, std::min(html.size(), kMaxHelpPageBytes));
    HelpPageText page;
    page.file = std::move(file);
    std::string title;
    bool inTitle = false;
    int hidden = 0;  // depth of head, script and style elements
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<') {
            auto [tag, next] = ReadTag(html, i);
            if (tag == "title") {
                inTitle = true;
            } else if (tag == "/title") {
                inTitle = false;
            } else if (tag == "head" || tag == "script" || tag == "style") {
                ++hidden;
            } else if ((tag == "/head" || tag == "/script" || tag == "/style") && hidden > 0) {
                --hidden;
            } else if (hidden == 0 && !inTitle && !IsInlineTag(tag)) {
                // Block tags separate words: "a<br>b" is two words, "<b>a</b>," is one.
                AppendFolded(page.text, " ");
            }
            i = next;
            continue;
        }
        std::string decoded;
        i = c == '&' ? DecodeReference(html, i, decoded) : i + 1;
        if (c != '&') {
            decoded = c;
        }
        if (inTitle) {
            AppendFolded(title, decoded);
        } else if (hidden == 0) {
            AppendFolded(page.text, decoded);
        }
    }
    page.title = Trimmed(std::move(title));
    page.text = Trimmed(std::move(page.text));
    if (page.title.empty()) {
        page.title = page.file;
    }
    return page;
}

void HelpIndex::Add(HelpPageText page) {
    Entry entry;
    entry.titleWords = HelpWords(page.title);
    entry.words = HelpWords(page.text, &entry.offsets);
    entry.page = std::move(page);
    m_pages.push_back(std::move(entry));
}

std::vector<HelpHit> HelpIndex::Search(std::string_view query) const {
    const std::vector<std::string> wanted = HelpWords(query);
    std::vector<HelpHit> hits;
    if (wanted.empty()) {
        return hits;
    }
    for (const Entry& entry : m_pages) {
        long score = 0;
        std::size_t firstMatch = std::string::npos;
        bool all = true;
        for (const std::string& word : wanted) {
            long found = 0;
            for (const std::string& title : entry.titleWords) {
                if (StartsWith(title, word)) {
                    found += title.size() == word.size() ? 60 : 40;
                }
            }
            for (std::size_t k = 0; k < entry.words.size(); ++k) {
                if (StartsWith(entry.words[k], word)) {
                    found += entry.words[k].size() == word.size() ? 3 : 2;
                    if (firstMatch == std::string::npos) {
                        firstMatch = entry.offsets[k];
                    }
                }
            }
            if (found == 0) {
                all = false;
                break;
            }
            score += found;
        }
        if (!all) {
            continue;
        }
        HelpHit hit;
        hit.file = entry.page.file;
        hit.title = entry.page.title;
        hit.score = score;
        hit.excerpt = firstMatch == std::string::npos ? Excerpt(entry.page.text, 0)
                                                      : Excerpt(entry.page.text, firstMatch);
        hits.push_back(std::move(hit));
    }
    std::stable_sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) {
        if (a.score != b.score) {
            return a.score > b.score;
        }
        return a.title < b.title;
    });
    return hits;
}

std::string HelpResultsPage(std::string_view query, const std::vector<HelpHit>& hits,
                            std::string_view linkBase) {
    std::string page = "<html><head><title>Search</title></head><body><h2>Search: ";
    AppendEscaped(page, query);
    page += "</h2>";
    if (hits.empty()) {
        page +=
            "<p>No page of the manual holds all of these words. Try fewer words, or the "
            "start of a word: <i>integ</i> finds <i>integral</i> and <i>integration</i>."
            "</p>";
    } else {
        page += "<p>" + std::to_string(hits.size()) +
                (hits.size() == 1 ? " page holds" : " pages hold") +
                " every word, the best match first.</p>";
    }
    for (const HelpHit& hit : hits) {
        page += "<p><a href=\"";
        AppendEscaped(page, linkBase);
        AppendEscaped(page, hit.file);
        page += "\"><b>";
        AppendEscaped(page, hit.title);
        page += "</b></a><br>";
        AppendEscaped(page, hit.excerpt);
        page += "</p>";
    }
    page += "</body></html>";
    return page;
}

}  // namespace kalvo
