#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "display/display_settings.h"
#include "engine/constant_list.h"
#include "frontend/file_result.h"

namespace kalvo {

/// Separator between a user variable's name and its value text in the list and the file.
inline constexpr char kUserVarSeparator[] = " = ";

/// A list line: name + " = " + `FormatReal`(digits, value) in the current display settings.
std::string UserVarLine(const DisplaySettings& display, int digits, const std::string& name,
                        Real value);

/// A list line split at its first " = ": the name field gets `name`, the expression field
/// `valueText`. Without " = " the whole line is the name.
struct UserVarLineParts {
    std::string name;
    std::string valueText;
};
UserVarLineParts SplitUserVarLine(std::string_view line);

/// What `StoreConstant` did.
struct StoreConstantResult {
    int identifier = 0;  ///< the record's identifier
    bool created = false;
    std::string line;  ///< the list line to insert at the front or to put in place
};

/// Stores a user variable: overwrites the record with exactly this name, or creates one
/// at the front of the list (name cut to 20 characters, identifier count + 1000), and
/// makes its list line. The engine's host calls this when an expression defines a named
/// constant; the User Vars tab calls it for "Add/Modify".
StoreConstantResult StoreConstant(ConstantList& constants, const DisplaySettings& display,
                                  int digits, const std::string& name, Real value);

/// Brings the list lines up to date after `StoreConstant`: a replaced value takes the
/// place of the first line that starts with name + " = " (keeping its position); a new
/// record's line goes to the front when `show` is set. Returns the index of the line
/// that was put in, or -1 when none was.
int ApplyToUserVarLines(std::vector<std::string>& lines, const std::string& name,
                        const StoreConstantResult& stored, bool show);

/// The host's `ConstantStored` callback: the engine has stored `record` itself; brings
/// the list lines up to date as `ApplyToUserVarLines` does.
///
///   void ConstantStored(const NamedConstant& c, bool created, bool show) override {
///       int row = UpdateUserVarLines(m_lines, display, digits, c, created, show);
///       ...refresh the list box row...
///   }
int UpdateUserVarLines(std::vector<std::string>& lines, const DisplaySettings& display, int digits,
                       const NamedConstant& record, bool created, bool show);

/// "&Delete": removes the record named on line `index` and the line itself.
bool DeleteUserVarLine(ConstantList& constants, std::vector<std::string>& lines, std::size_t index);

/// "&Save" and "Save As": the lines with CR LF ("Can't create file " + path).
FileResult WriteUserVarsFile(const std::string& path, const std::vector<std::string>& lines);

/// "&Load" and the start-up: reads the file's lines into `lines` (empty lines are
/// dropped), empties `constants` and stores each line's value under its name.
/// - A file that cannot be read gives "Can't read file " + path, and neither `lines` nor
///   `constants` change, so that saving the list afterwards cannot empty that file.
/// - A line without a name before " = ", or whose value is not a decimal real, stops the
///   load there with a message naming the file and the line; the records before it stay,
///   and `lines` still holds every line of the file so that saving does not lose any.
FileResult LoadUserVarsFile(const std::string& path, ConstantList& constants,
                            std::vector<std::string>& lines);

/// The part of `LoadUserVarsFile` after reading: takes the file's lines (`read`, emptied)
/// into `lines` and `constants`. Messages name `path`.
FileResult LoadUserVarsLines(std::vector<std::string>& read, const std::string& path,
                             ConstantList& constants, std::vector<std::string>& lines);

}  // namespace kalvo
