#include "frontend/user_functions_file.h"

#include "frontend/text_file.h"

namespace kalvo {

bool LoadUserFunctionsFile(UserFunctions& functions, const std::string& path,
                           const UserFunctions::MessageSink& sink) {
    std::string bytes;
    if (ReadFileBytes(path, bytes) != ReadStatus::kOk) {
        if (sink) {
            sink("Cannot load " + path + "!");
        }
        return false;
    }
    return functions.LoadFromText(bytes, path, sink);
}

}  // namespace kalvo
