// The history file (".HST"): read what is sound, hand it to the session, and check that
// the lists written at close read back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_encoding.h"
#include "frontend/history_file.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvo::FuzzSession fuzz;
    const std::vector<std::string> lines =
        kalvo::SplitLines(kalvo::ToLatin1(kalvo::FuzzText(data, size)));
    kalvo::HistoryLists lists;
    kalvo::ParseHistoryLines(lines, lists);
    kalvo::FuzzCheck(lists.history.size() + lists.results.size() <= lines.size(),
                     "no more entries than lines");
    kalvo::HistoryLists reread;
    kalvo::FuzzCheck(kalvo::ParseHistoryLines(kalvo::HistoryFileLines(lists), reread),
                     "a written history file reads back");
    kalvo::FuzzCheck(reread.history == lists.history && reread.results == lists.results,
                     "the entries come back as written");
    fuzz.Session().SetHistory(lists.history);
    fuzz.Session().SetResults(lists.results);
    if (!lists.history.empty()) {
        fuzz.Evaluate(lists.history.front());
    }
    fuzz.CheckStillUsable();
    return 0;
}
