#include "cli/line_reader.h"

#include <cstdlib>
#include <iostream>

#ifdef KALVO_HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>
#endif

namespace kalvo {

bool LineReader::Read(const char* prompt, std::string& line) {
#ifdef KALVO_HAVE_READLINE
    if (m_interactive) {
        char* raw = readline(prompt);
        if (raw == nullptr) {
            return false;
        }
        line = raw;
        if (!line.empty()) {
            add_history(raw);
        }
        std::free(raw);
        return true;
    }
#else
    if (m_interactive) {
        std::cout << prompt << std::flush;
    }
#endif
    return static_cast<bool>(std::getline(std::cin, line));
}

}  // namespace kalvo
