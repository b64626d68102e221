#include "frontend/shipped_data.h"

#include <sys/stat.h>
#include <unistd.h>

#include "frontend/home_folder.h"

namespace kalvo {

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string Join(const std::string& folder, const std::string& relative) {
    if (relative.empty()) {
        return folder;
    }
    return (folder == "/" ? std::string() : folder) + "/" + relative;
}

bool Inside(const std::string& path, const std::string& folder) {
    const std::string prefix = TrimFolder(folder);
    return !prefix.empty() && path.size() > prefix.size() &&
           path.compare(0, prefix.size(), prefix) == 0 &&
           (prefix == "/" || path[prefix.size()] == '/');
}

}  // namespace

const ShippedDataLayout& ConfiguredDataLayout() {
    static const ShippedDataLayout layout {
#ifdef KALVO_BIN_TO_DATA
        KALVO_BIN_TO_DATA,
#else
        "../share/kalvo",
#endif
#if defined(KALVO_BUILD_TREE) && defined(KALVO_SOURCE_DATA)
            KALVO_BUILD_TREE, KALVO_SOURCE_DATA,
#else
            {}, {},
#endif
    };
    return layout;
}

std::vector<std::string> ShippedDataFolders(const std::string& executablePath,
                                            const ShippedDataLayout& layout) {
    std::vector<std::string> folders;
    const std::string programFolder = FolderOf(executablePath);
    if (!programFolder.empty()) {
        folders.push_back(programFolder);
        if (!layout.binToData.empty()) {
            folders.push_back(Join(programFolder, layout.binToData));
        }
    }
    if (!layout.sourceData.empty() && Inside(executablePath, layout.buildTree)) {
        folders.push_back(TrimFolder(layout.sourceData));
    }
    return folders;
}

std::string FindShippedData(const std::string& executablePath, const ShippedDataLayout& layout,
                            const std::string& relative) {
    for (const std::string& folder : ShippedDataFolders(executablePath, layout)) {
        if (Exists(Join(folder, relative))) {
            return folder;
        }
    }
    return {};
}

std::string RunningExecutable() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace kalvo
