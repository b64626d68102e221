#pragma once

#include <string>

namespace kalvo {

/// Prefixes of the messages shown when a file fails; the path follows each of them.
inline constexpr char kCantCreateFile[] = "Can't create file ";
inline constexpr char kCantOpenFile[] = "Can't open file ";
inline constexpr char kCantReadFile[] = "Can't read file ";

/// Outcome of a file operation. On failure `message` holds the complete text for the
/// user's message box, e.g. "Can't create file /home/ann/.config/kalvo/Kalvo.USR".
struct FileResult {
    bool ok = true;
    std::string message;

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace kalvo
