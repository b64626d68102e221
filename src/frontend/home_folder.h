#pragma once

#include <string>

#include "frontend/file_result.h"

namespace kalvo {

/// What decides where Kalvo keeps its files. Empty strings stand for "not given".
struct HomeFolderInputs {
    std::string homeOption;      ///< the folder of the "--home DIR" option
    std::string kalvoHome;       ///< the KALVO_HOME environment variable
    std::string executablePath;  ///< the running program's file
    std::string xdgConfigHome;   ///< the XDG_CONFIG_HOME environment variable
    std::string userHome;        ///< the HOME environment variable
};

/// The home folder as chosen, before it is created.
struct HomeFolderChoice {
    enum class Source { kOption, kEnvironment, kPortable, kConfig, kNone };
    Source source = Source::kNone;
    std::string folder;  ///< without a trailing "/"
};

/// The folder that holds the settings, history, constants and default data files.
struct HomeFolder {
    std::string folder;  ///< without a trailing "/"
    std::string stem;    ///< folder + "/Kalvo"; the files are stem + ".INI", ".HST", ".CON"

    std::string SettingsFile() const { return stem + ".INI"; }
    std::string HistoryFile() const { return stem + ".HST"; }
    std::string ConstantsFile() const { return stem + ".CON"; }
    /// Defaults of the current user-variables and user-functions files.
    std::string DefaultVariablesFile() const { return stem + ".USR"; }
    std::string DefaultFunctionsFile() const { return stem + ".FNC"; }
};

/// Picks the home folder, first match wins:
/// 1. the "--home" option; 2. KALVO_HOME; 3. the executable's folder when it holds a
/// writable "Kalvo.INI" and is writable itself (a portable install); 4. XDG_CONFIG_HOME
/// + "/kalvo" when XDG_CONFIG_HOME is an absolute path; 5. HOME + "/.config/kalvo".
/// kNone when nothing applies (no executable folder and no HOME).
HomeFolderChoice ChooseHomeFolder(const HomeFolderInputs& inputs);

/// The inputs from this process's environment and /proc/self/exe.
HomeFolderInputs HomeFolderInputsFromEnvironment(const std::string& homeOption);

/// Chooses the home folder and creates it (with its parents) when missing. On failure
/// the result is "Can't create file " + folder and `home` still names the chosen folder.
FileResult OpenHomeFolder(const HomeFolderInputs& inputs, HomeFolder& home);

/// A folder path without trailing "/" (the root stays "/").
std::string TrimFolder(std::string folder);

}  // namespace kalvo
