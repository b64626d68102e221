#pragma once

#include <string>
#include <vector>

namespace kalvo {

/// How the files that ship with Kalvo (the constants file and the help pages) lie relative
/// to the program. Empty strings stand for "not given".
struct ShippedDataLayout {
    /// From the folder of the installed program to the installed data folder, for example
    /// "../share/kalvo" for bin/kalvo and share/kalvo under one prefix.
    std::string binToData;
    /// The build tree and the data folder of the source tree: a program run from inside the
    /// build tree reads the data from the sources, so nothing has to be copied after an edit.
    std::string buildTree;
    std::string sourceData;
};

/// The layout this program was configured with.
const ShippedDataLayout& ConfiguredDataLayout();

/// The folders that may hold the shipped data, in the order they are tried:
/// 1. the program's own folder (a portable folder holds everything beside the program);
/// 2. the installed data folder, found from the program's folder through `binToData`;
/// 3. the source tree's data folder, only when the program lies inside the build tree.
std::vector<std::string> ShippedDataFolders(const std::string& executablePath,
                                            const ShippedDataLayout& layout);

/// The first of those folders in which `relative` exists (a file or a folder), or "" when
/// none holds it. Example: FindShippedData(exe, layout, "Kalvo.CON") gives
/// "/usr/share/kalvo" for an installed /usr/bin/kalvo.
std::string FindShippedData(const std::string& executablePath, const ShippedDataLayout& layout,
                            const std::string& relative);

/// The path of the running program, from /proc/self/exe ("" when it cannot be read).
std::string RunningExecutable();

}  // namespace kalvo
