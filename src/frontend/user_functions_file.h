#pragma once

#include <string>

#include "engine/user_functions.h"

namespace kalvo {

/// Loads a ".FNC" file into the collection. A file that is missing, not a regular file
/// (a fifo, a device) or larger than the data-file limit is reported as
/// "Cannot load " + path + "!" and leaves the collection as it was; otherwise the text is
/// loaded as `UserFunctions::LoadFromText` does. Returns false when anything was reported.
bool LoadUserFunctionsFile(UserFunctions& functions, const std::string& path,
                           const UserFunctions::MessageSink& sink);

}  // namespace kalvo
