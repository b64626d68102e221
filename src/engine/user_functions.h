#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
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
    /// Maximum total length of the expanded bodies of the calls in progress. Substitution
    /// is textual, so g(x)=g(x+x) doubles its text at every level; a call that would pass
    /// this bound fails with "Stack overflow" instead of filling the memory.
    static constexpr std::size_t kMaxExpandedLength = std::size_t{1} << 22;

    void Clear();
    /// Appends a valid definition; otherwise reports why through the sink and returns false.
    bool Add(const std::string& line, const MessageSink& sink);
    /// Loads the bytes of a ".FNC" file named `fileName`: CR LF, LF or CR line ends,
    /// Latin-1 or UTF-8 text. The collection is replaced; a rejected line stops the load and
    /// keeps the functions before it. Returns false when anything was reported. (Reading
    /// the file itself is the front end's: see frontend/user_functions_file.h.)
    bool LoadFromText(std::string_view bytes, const std::string& fileName,
                      const MessageSink& sink);

    int Count() const { return static_cast<int>(m_functions.size()); }
    TUserFunc& Items(int index) { return *m_functions[static_cast<std::size_t>(index)]; }
    void Insert(int index, std::unique_ptr<TUserFunc> function);
    void Remove(int index);
    const std::string& FileName() const { return m_fileName; }

    void PushValue(Real value) { m_values.push_back(value); }
    Real PopValue();

    /// Tries the functions named «name(» in list order with the engine's scanner on the
    /// "(" of the call. True when one was called and its value pushed; on failure the
    /// engine's error fields describe it. Every call polls for a break, so that a
    /// function that branches into itself can be stopped.
    bool Call(Engine& engine, const std::string& name);

  private:
    /// Reads the arguments of a call into `arguments`; false (error 26 raised) when one is
    /// missing or empty.
    bool ReadArguments(EngineState& s, const TUserFunc& function,
                       std::vector<std::string>& arguments);
    /// Evaluates an expanded body in place of the engine's text and puts the text back.
    Real EvaluateBody(Engine& engine, std::string body);

    std::string m_fileName;
    std::vector<std::unique_ptr<TUserFunc>> m_functions;
    std::vector<Real> m_values;
    int m_callDepth = 0;
    std::size_t m_expandedLength = 0;  ///< sum over the calls in progress
};

}  // namespace kalvo
