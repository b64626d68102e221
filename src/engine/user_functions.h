#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/real.h"
#include "engine/user_function.h"

namespace kalvo {

class Engine;

/// The user's functions, in file or entry order, with the value stack that carries a
/// call's value back to the evaluator.
class UserFunctions {
  public:
    /// Receives the messages that adding or loading shows to the user.
    using MessageSink = std::function<void(const std::string&)>;

    /// Maximum nesting of user-function calls; a function that calls itself ends there.
    static constexpr int kMaxCallDepth = 64;

    void Clear();
    /// Appends a valid definition; otherwise reports why through the sink and returns false.
    bool Add(const std::string& line, const MessageSink& sink);
    /// Loads a ".FNC" file: CR LF or LF line ends, Latin-1 or UTF-8 text. The collection is
    /// replaced only when the file could be read; a rejected line stops the load and keeps
    /// the functions before it. Returns false when anything was reported.
    bool LoadFromFile(const std::string& path, const MessageSink& sink);

    int Count() const { return static_cast<int>(m_functions.size()); }
    TUserFunc& Items(int index) { return *m_functions[static_cast<std::size_t>(index)]; }
    void Insert(int index, std::unique_ptr<TUserFunc> function);
    void Remove(int index);
    const std::string& FileName() const { return m_fileName; }

    void PushValue(Real value) { m_values.push_back(value); }
    Real PopValue();

    /// Tries the functions named «name(» in list order with the engine's scanner on the
    /// "(" of the call. True when one was called and its value pushed; on failure the
    /// engine's error fields describe it.
    bool Call(Engine& engine, const std::string& name);

  private:
    std::string m_fileName;
    std::vector<std::unique_ptr<TUserFunc>> m_functions;
    std::vector<Real> m_values;
    int m_callDepth = 0;
};

}  // namespace kalvo
