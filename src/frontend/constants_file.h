#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/file_result.h"

namespace kalvo {

/// The warning of a start-up or "Reload" without the constants file:
/// "File <" + stem + ".CON> not found."
std::string ConstantsNotFoundMessage(const std::string& stem);

/// Sorts the list alphabetically ignoring case (ties by their exact bytes), the order
/// the Constants tab shows.
void SortConstantLines(std::vector<std::string>& lines);

/// Drops the blank lines and sorts the rest as the Constants tab shows them.
void TidyConstantLines(std::vector<std::string>& lines);

/// Reads stem + ".CON" (LF or CR LF, UTF-8 or Latin-1) into `lines`, sorted, without
/// blank lines. On failure `lines` is empty and the message is `ConstantsNotFoundMessage`.
FileResult LoadConstantsFile(const std::string& stem, std::vector<std::string>& lines);

/// The search field: the first line whose first n characters equal the search text
/// ignoring case (n = its length). When none does, or the text is empty, `found` is false
/// and `warning` holds the text of the warning box:
/// "Constant name begining from <\"PL\"> not found".
struct ConstantSearchResult {
    bool found = false;
    std::size_t index = 0;
    std::string warning;
};
ConstantSearchResult SearchConstant(const std::vector<std::string>& lines, std::string_view text);

/// What a click or "Paste" inserts: the line without any blanks and, when it holds "=",
/// only what follows the first "=". "c = 3E8" gives "3E8".
std::string ConstantPasteText(std::string_view line);

/// On a first start (no settings file stem + ".INI" yet) copies the constants file that
/// ships with Kalvo to stem + ".CON" unless one is there already. Later starts leave a
/// deleted file deleted, so the "not found" warning tells the user. Fails with
/// "Can't open file " + shipped or "Can't create file " + stem + ".CON"; a successful
/// call that copied nothing is a success as well.
FileResult InstallConstantsOnFirstStart(const std::string& shippedFile, const std::string& stem);

}  // namespace kalvo
