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

    /// A parameter is marked in the work body by the character with code k (1-based
    /// position in the written list); codes from 32 up are ordinary characters of the
    /// grammar, so a definition may have at most this many parameters.
    static constexpr int kMaxParameters = 31;

    /// Rebuilds the work body with one placeholder character (code k) per parameter k.
    /// Takes time linear in the length of the body for each parameter.
    void Prepare();
    /// The work body with every placeholder k replaced by arguments[k - 1], in one pass, so
    /// an argument's own text is never searched for placeholders. False, with `expanded`
    /// left empty, when the result would be longer than `limit` characters.
    bool Expand(const std::vector<std::string>& arguments, std::size_t limit,
                std::string& expanded) const;

    const std::string& Name() const { return m_name; }  ///< up to and including "("
    const std::string& ParameterText() const { return m_parameterText; }
    const std::string& Body() const { return m_body; }
    const std::string& Comment() const { return m_comment; }
    const std::string& WorkBody() const { return m_workBody; }
    int ParameterCount() const { return m_parameterCount; }
    bool Valid() const { return m_valid; }
    bool ParameterMissing() const { return m_parameterMissing; }
    bool DuplicateParameter() const { return m_duplicateParameter; }
    /// Set when the definition has more than kMaxParameters parameters.
    bool TooManyParameters() const { return m_tooManyParameters; }
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
    bool m_tooManyParameters = false;
};

/// The message that refuses a definition with too many parameters, naming the limit:
/// "Too many parameters (at most 31) " + line.
std::string TooManyParametersMessage(const std::string& line);

}  // namespace kalvo
