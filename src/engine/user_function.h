#pragma once

#include <string>
#include <vector>

namespace kalvo {

/// One user-defined function, a one-line text macro such as «f(x)=x^2+1;square».
/// A call substitutes the argument texts for the parameters in the body and evaluates
/// the result, so f(1+2) with f(x)=x*x reads 1+2*1+2.
class TUserFunc {
  public:
    /// Parses and prepares a definition line; check Valid(), ParameterMissing() and
    /// DuplicateParameter() afterwards. A line that starts with ";" is a comment entry.
    explicit TUserFunc(const std::string& line);

    /// Rebuilds the work body with one placeholder character (code k) per parameter k.
    void Prepare();
    /// Puts an argument text in place of the placeholder of parameter k (1-based).
    void Substitute(int k, const std::string& argument);

    const std::string& Name() const { return m_name; }  ///< up to and including "("
    const std::string& ParameterText() const { return m_parameterText; }
    const std::string& Body() const { return m_body; }
    const std::string& Comment() const { return m_comment; }
    const std::string& WorkBody() const { return m_workBody; }
    int ParameterCount() const { return m_parameterCount; }
    bool Valid() const { return m_valid; }
    bool ParameterMissing() const { return m_parameterMissing; }
    bool DuplicateParameter() const { return m_duplicateParameter; }
    bool IsComment() const { return m_name.empty() && !m_comment.empty(); }

    /// The text under which the function is listed and saved: «f(x) = x^2;square».
    std::string DefinitionText() const;

  private:
    std::string m_parameterText;
    std::string m_body;
    std::string m_name;
    std::string m_comment;
    std::string m_workBody;
    int m_parameterCount = 0;
    bool m_valid = false;
    std::vector<std::string> m_sortedParameters;
    std::vector<std::string> m_parameters;
    bool m_parameterMissing = false;
    bool m_duplicateParameter = false;
};

}  // namespace kalvo
