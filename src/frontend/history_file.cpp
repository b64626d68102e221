#include "frontend/history_file.h"

#include <charconv>

#include "frontend/text_file.h"

namespace kalvo {

namespace {

// A count line: a decimal integer with optional blanks around it.
bool ReadCount(const std::string& line, std::size_t& count) {
    std::size_t first = line.find_first_not_of(" \t");
    std::size_t last = line.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    const char* begin = line.data() + first;
    const char* end = line.data() + last + 1;
    auto [stop, error] = std::from_chars(begin, end, count);
    return error == std::errc() && stop == end;
}

// Reads one counted block starting at `next`; false when it is damaged.
bool ReadBlock(const std::vector<std::string>& lines, std::size_t& next,
               std::deque<std::string>& entries) {
    std::size_t count = 0;
    if (next >= lines.size() || !ReadCount(lines[next], count)) {
        return false;
    }
    ++next;
    std::size_t available = lines.size() - next;
    std::size_t taken = count < available ? count : available;
    entries.assign(lines.begin() + static_cast<std::ptrdiff_t>(next),
                   lines.begin() + static_cast<std::ptrdiff_t>(next + taken));
    next += taken;
    return taken == count;
}

}  // namespace

std::vector<std::string> HistoryFileLines(const HistoryLists& lists) {
    std::vector<std::string> lines;
    lines.reserve(lists.history.size() + lists.results.size() + 2);
    lines.push_back(std::to_string(lists.history.size()));
    lines.insert(lines.end(), lists.history.begin(), lists.history.end());
    lines.push_back(std::to_string(lists.results.size()));
    lines.insert(lines.end(), lists.results.begin(), lists.results.end());
    return lines;
}

bool ParseHistoryLines(const std::vector<std::string>& lines, HistoryLists& lists) {
    lists = {};
    std::size_t next = 0;
    return ReadBlock(lines, next, lists.history) && ReadBlock(lines, next, lists.results);
}

FileResult WriteHistoryFile(const std::string& path, const HistoryLists& lists) {
    return WriteTextLines(path, HistoryFileLines(lists));
}

FileResult ReadHistoryFile(const std::string& path, HistoryLists& lists) {
    lists = {};
    std::vector<std::string> lines;
    switch (ReadTextLines(path, lines)) {
        case ReadStatus::kOk:
            break;
        case ReadStatus::kCannotOpen:
            return FileResult::Failure(kCantOpenFile + path);
        case ReadStatus::kCannotRead:
            return FileResult::Failure(kCantReadFile + path);
    }
    if (!ParseHistoryLines(lines, lists)) {
        return FileResult::Failure(kCantReadFile + path);
    }
    return FileResult::Success();
}

}  // namespace kalvo
