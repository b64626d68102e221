#include "frontend/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <vector>

namespace kalvo {

namespace {

bool WriteAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link is followed, so that a settings file kept elsewhere (with the user's other
// dotfiles, say) is updated there instead of being replaced by a plain file.
std::string LinkTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return path;
    }
    std::string target(resolved);
    std::free(resolved);
    return target;
}

}  // namespace

FileResult WriteFileAtomic(const std::string& shownPath, std::string_view content) {
    FileResult failure = FileResult::Failure(kCantCreateFile + shownPath);
    if (shownPath.empty() || shownPath.back() == '/') {
        return failure;
    }
    std::string path = LinkTarget(shownPath);
    // The temporary file lies beside the target so that the rename stays on one file
    // system and is atomic.
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return failure;
    }
    std::string temporary(name.data());

    struct stat old {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return failure;
        }
        mode = old.st_mode & 07777;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return failure;
    }
    // Make the rename itself durable; a failure here no longer endangers either file.
    int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return FileResult::Success();
}

}  // namespace kalvo
