#include "frontend/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "engine/text_encoding.h"
#include "frontend/atomic_file.h"

namespace kalvo {

ReadStatus ReadFileBytes(const std::string& path, std::string& content) {
    content.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return ReadStatus::kCannotOpen;
    }
    struct stat info {};
    // Only regular files: a fifo or a device would block or never end.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > kMaxTextFileSize) {
        ::close(fd);
        return ReadStatus::kCannotRead;
    }
    content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 || content.size() + static_cast<std::size_t>(n) > kMaxTextFileSize) {
            ::close(fd);
            content.clear();
            return ReadStatus::kCannotRead;
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadStatus::kOk;
}

ReadStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string content;
    ReadStatus status = ReadFileBytes(path, content);
    if (status == ReadStatus::kOk) {
        lines = SplitLines(ToLatin1(content));
    }
    return status;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        for (char c : line) {
            text.push_back(c == '\r' || c == '\n' ? ' ' : c);
        }
        text += "\r\n";
    }
    return text;
}

FileResult WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    return WriteFileAtomic(path, JoinCrLf(lines));
}

}  // namespace kalvo
