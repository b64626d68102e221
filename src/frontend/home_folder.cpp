#include "frontend/home_folder.h"

#include "frontend/shipped_data.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

namespace kalvo {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsWritableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), W_OK) == 0;
}

// mkdir -p: each missing level is created in turn.
bool MakeFolders(const std::string& folder) {
    if (folder.empty() || IsFolder(folder)) {
        return !folder.empty();
    }
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (!IsFolder(part) && ::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    return IsFolder(folder);
}

}  // namespace

std::string TrimFolder(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

HomeFolderChoice ChooseHomeFolder(const HomeFolderInputs& inputs) {
    using Source = HomeFolderChoice::Source;
    if (!inputs.homeOption.empty()) {
        return {Source::kOption, TrimFolder(inputs.homeOption)};
    }
    if (!inputs.kalvoHome.empty()) {
        return {Source::kEnvironment, TrimFolder(inputs.kalvoHome)};
    }
    std::size_t slash = inputs.executablePath.find_last_of('/');
    if (slash != std::string::npos) {
        std::string folder = TrimFolder(inputs.executablePath.substr(0, slash + 1));
        std::string ini = (folder == "/" ? std::string() : folder) + "/Kalvo.INI";
        // The settings are replaced through a temporary file beside them, so the folder
        // must be writable as well as the file.
        if (IsWritableFile(ini) && ::access(folder.c_str(), W_OK) == 0) {
            return {Source::kPortable, folder};
        }
    }
    if (!inputs.xdgConfigHome.empty() && inputs.xdgConfigHome.front() == '/') {
        return {Source::kConfig, TrimFolder(inputs.xdgConfigHome) + "/kalvo"};
    }
    if (!inputs.userHome.empty()) {
        return {Source::kConfig, TrimFolder(inputs.userHome) + "/.config/kalvo"};
    }
    return {Source::kNone, {}};
}

HomeFolderInputs HomeFolderInputsFromEnvironment(const std::string& homeOption) {
    HomeFolderInputs inputs;
    inputs.homeOption = homeOption;
    inputs.kalvoHome = Environment("KALVO_HOME");
    inputs.xdgConfigHome = Environment("XDG_CONFIG_HOME");
    inputs.userHome = Environment("HOME");
    inputs.executablePath = RunningExecutable();
    return inputs;
}

FileResult OpenHomeFolder(const HomeFolderInputs& inputs, HomeFolder& home) {
    HomeFolderChoice choice = ChooseHomeFolder(inputs);
    home.folder = choice.folder;
    home.stem = (choice.folder == "/" ? std::string() : choice.folder) + "/Kalvo";
    if (choice.source == HomeFolderChoice::Source::kNone || !MakeFolders(choice.folder)) {
        return FileResult::Failure(kCantCreateFile + choice.folder);
    }
    return FileResult::Success();
}

}  // namespace kalvo
