#pragma once

#include <string>

namespace kalvo {

/// Reads input lines: with GNU readline (prompt, line editing, history) on a terminal when
/// the build found it, otherwise plain lines from standard input.
class LineReader {
  public:
    explicit LineReader(bool interactive) : m_interactive(interactive) {}
    bool Read(const char* prompt, std::string& line);

  private:
    bool m_interactive;
};

}  // namespace kalvo
