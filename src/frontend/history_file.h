#pragma once

#include <deque>
#include <string>
#include <vector>

#include "frontend/file_result.h"

namespace kalvo {

/// The history and results lists, newest entry first.
struct HistoryLists {
    std::deque<std::string> history;
    std::deque<std::string> results;
};

/// The history file's lines: the number of history entries, the entries, the number of
/// results entries, the entries. Entries are written whole, whatever their length.
std::vector<std::string> HistoryFileLines(const HistoryLists& lists);

/// Reads the lines as far as they are sound: a count that is not a non-negative integer
/// ends the reading there, and a count larger than the lines left takes the lines that
/// are left. Returns false when the lines were damaged; `lists` then holds what was sound.
bool ParseHistoryLines(const std::vector<std::string>& lines, HistoryLists& lists);

/// Writes the history file through `WriteFileAtomic` ("Can't create file " + path).
FileResult WriteHistoryFile(const std::string& path, const HistoryLists& lists);

/// Reads the history file. A missing file gives empty lists and "Can't open file " +
/// path; an unreadable or damaged one gives what was sound and "Can't read file " + path.
/// The start-up ignores both messages and starts with what it got.
FileResult ReadHistoryFile(const std::string& path, HistoryLists& lists);

}  // namespace kalvo
