#pragma once

#include <string>
#include <vector>

#include "frontend/file_result.h"

namespace kalvo {

/// Files larger than this are not data files of Kalvo; every reader refuses them instead
/// of filling the memory. A file of nothing but line ends splits into one line per byte,
/// and the readers keep each line with some bookkeeping, so the limit also bounds what a
/// damaged file can cost (a few hundred megabytes at worst, for the settings file).
inline constexpr std::size_t kMaxTextFileSize = 4u * 1024u * 1024u;

enum class ReadStatus { kOk, kCannotOpen, kCannotRead };

/// Reads a regular file's bytes. kCannotOpen when it is missing or not accessible,
/// kCannotRead when it is not a regular file, too large, or a read fails.
ReadStatus ReadFileBytes(const std::string& path, std::string& content);

/// Reads a text file as engine text: UTF-8 or Latin-1 becomes Latin-1, and CR LF, LF or
/// CR end the lines.
ReadStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines);

/// Lines joined with CR LF after each line. A CR or LF inside a line would split it on
/// reading, so it is written as a blank.
std::string JoinCrLf(const std::vector<std::string>& lines);

/// Writes the lines with CR LF through `WriteFileAtomic`.
FileResult WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kalvo
