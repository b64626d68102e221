#pragma once

#include <string>
#include <string_view>

#include "frontend/file_result.h"

namespace kalvo {

/// Replaces the file at `path` with `content` as a whole: the bytes go to a temporary
/// file in the same folder, are flushed to the disk, and the temporary file is renamed
/// over the old one. A crash or a full disk therefore leaves either the old file or the
/// new one, never a half-written file. An existing file keeps its permission bits, and
/// a symbolic link is kept: the file it points to is the one replaced.
///
/// On failure the old file is untouched, the temporary file is removed and the result
/// carries "Can't create file " + path. Nothing is thrown.
FileResult WriteFileAtomic(const std::string& path, std::string_view content);

}  // namespace kalvo
