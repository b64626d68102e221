// User-defined functions: definition parsing, textual substitution, error 26 and 27,
// nesting, and loading ".FNC" files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine_fixture.h"
#include "engine/error_codes.h"
#include "engine/user_functions.h"
#include "frontend/user_functions_file.h"

namespace kalvo::test {
namespace {

class UserFunctionsTest : public EngineFixture {
  protected:
    void Define(std::initializer_list<const char*> lines) {
        for (const char* line : lines) {
            ASSERT_TRUE(engine.Functions().Add(line, Sink())) << line;
        }
    }
    UserFunctions::MessageSink Sink() {
        return [this](const std::string& message) { messages.push_back(message); };
    }
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::vector<std::string> messages;
};

TEST_F(UserFunctionsTest, DefinitionParts) {
    TUserFunc f("f (x) = x^2 ; square it");
    EXPECT_TRUE(f.Valid());
    EXPECT_EQ(f.Name(), "f(");
    EXPECT_EQ(f.ParameterText(), "x");
    EXPECT_EQ(f.Body(), "x^2");
    EXPECT_EQ(f.Comment(), "; square it") << "blanks after the first \";\" stay";
    EXPECT_EQ(f.DefinitionText(), "f(x) = x^2; square it");

    TUserFunc comment(";comment only");
    EXPECT_TRUE(comment.Valid());
    EXPECT_EQ(comment.DefinitionText(), ";comment only");
}

TEST_F(UserFunctionsTest, RejectedDefinitions) {
    struct Row {
        const char* name;
        const char* line;
        std::string message;
    } rows[] = {
        {"parameter_missing", "k(x)=2*y", "Parametr missing k(x)=2*y"},
        {"duplicate_parameter", "m(a,a)=a", "Dublicate parametrs (a,a)"},
        {"no_parenthesis", "noparen=1", "Invalid functions noparen=1"},
        {"empty_body", "f(x)=", "Invalid functions f(x)="},
        {"no_parameters", "f()=1", "Invalid functions f()=1"},
        {"empty_parameter_item", "f(a,,b)=a+b", "Invalid functions f(a,,b)=a+b"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        messages.clear();
        EXPECT_FALSE(engine.Functions().Add(row.line, Sink()));
        EXPECT_EQ(messages, std::vector<std::string>{row.message});
    }
    EXPECT_EQ(engine.Functions().Count(), 0);
}

TEST_F(UserFunctionsTest, CallsSubstituteTheArgumentText) {
    Define({"f(x)=x^2;square", "g(a,b)=a-b", "h(x,xx)=xx+x", "sq(x)=x*x", "e1(x)=exp(x)",
            "q(x)=exp(1)"});
    S().Var(kSlotX) = 3;
    struct Row {
        const char* name;
        std::string text;
        Real expected;
    } rows[] = {
        {"square", "f(3)", 9},
        {"two_parameters", "g(5,2)", 3},
        {"longer_parameter_first", "h(1,10)", 11},
        {"textual_substitution", "sq(1+2)", 5},
        {"parenthesised_argument", "sq((1+2))", 9},
        {"nested_arguments", "sq(sq(2))", 16},
        {"x_inside_exp_is_kept", "e1(0)", 1},
        {"parameter_only_inside_a_word", "q(5)", std::exp(1.0L)},
        {"variable_argument", "sq(X)+1", 10},
        {"call_in_expression", "2*g(5,2)+1", 7},
        {"term_sign", "-g(5,2)", -3},
        {"argument_with_call", "g(sin(0),2)", -2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(Near(Value(row.text), row.expected, 1e-18L)) << row.text;
    }
    EXPECT_TRUE(Near(Value("solve(0,2,sq(X)-2)"), std::sqrt(2.0L), 1e-14L));
    Value("sq(X)");
    EXPECT_EQ(S().usedNames.ToVector(), (std::vector<std::string>{"X", "X"}))
        << "read once per occurrence";
}

TEST_F(UserFunctionsTest, MissingArguments) {
    Define({"g(a,b)=a-b"});
    struct Row {
        const char* name;
        std::string text;
        int pos;
        int length;
    } rows[] = {
        {"too_few", "g(5)", 4, 0},
        {"empty_first", "g(,2)", 3, 1},
        {"empty_second", "g(5,)", 5, 1},
        {"unclosed_at_end", "g(5,2", 5, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome out = Run(row.text);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.code, 26);
        EXPECT_EQ(out.pos, row.pos);
        EXPECT_EQ(out.length, row.length);
        EXPECT_EQ(engine.ErrorText(out.code), "Missing argument");
    }
}

TEST_F(UserFunctionsTest, ErrorInsideTheBody) {
    Define({"p(x)=x+foo*2", "a(x)=p(x)+1", "d(x)=1/(x-x)*2"});
    Outcome out = Run("p(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 27);
    EXPECT_EQ(S().userFuncErrorCode, 0);
    EXPECT_EQ(S().userFuncErrorPos, 2);
    EXPECT_EQ(out.pos, 4);
    EXPECT_EQ(engine.ErrorText(27), "User Function Error \"Syntax error position: 2\" ");

    out = Run("1+a(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 27);
    EXPECT_EQ(S().userFuncErrorCode, 0) << "the innermost failure is kept";
    EXPECT_EQ(engine.ErrorText(27), "User Function Error \"Syntax error position: 2\" ");

    out = Run("d(2)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 27);
    EXPECT_EQ(S().userFuncErrorCode, 13);
    EXPECT_EQ(engine.ErrorText(27), "User Function Error \"Division by zero position: 2\" ");
}

TEST_F(UserFunctionsTest, CallsNestUpToSixtyFourDeep) {
    Define({"one(x)=x"});
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) {
            text += "one(";
        }
        text += "5";
        text.append(static_cast<std::size_t>(depth), ')');
        return text;
    };
    EXPECT_EQ(Value(nested(UserFunctions::kMaxCallDepth)), 5);
    Outcome out = Run(nested(UserFunctions::kMaxCallDepth + 1));
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 27);
    EXPECT_EQ(S().userFuncErrorCode, 2);
}

TEST_F(UserFunctionsTest, EndMarkerInABodyIsASyntaxErrorThere) {
    Define({"f(x)=x+1\x7F+100"});
    Outcome out = Run("f(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, kErrUserFunction);
    EXPECT_EQ(S().userFuncErrorCode, kErrSyntax);
    EXPECT_EQ(S().userFuncErrorPos, 3);
}

TEST_F(UserFunctionsTest, ValueTakesPostfixButNoOperand) {
    Define({"f(x)=x^2"});
    EXPECT_EQ(Value("f(3)\xB2"), 81);
    Outcome out = Run("f(3)2");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 0);
    EXPECT_EQ(out.pos, 5);
    host.promptAnswers.push_back(std::nullopt);
    out = Run("f(y)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 27);
    EXPECT_EQ(S().userFuncErrorCode, 22);
}

TEST_F(UserFunctionsTest, RecursionStopsWithStackOverflow) {
    Define({"r(x)=r(x)+1", "s(x)=t(x)", "t(x)=s(x)"});
    for (const char* text : {"r(1)", "s(1)"}) {
        SCOPED_TRACE(text);
        Outcome out = Run(text);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.code, 27);
        EXPECT_EQ(S().userFuncErrorCode, 2);
        EXPECT_EQ(engine.ErrorText(27).rfind("User Function Error \"Stack overflow position: ", 0),
                  0u);
    }
    // The depth counter is back to zero: a call still works.
    Define({"one(x)=x"});
    EXPECT_EQ(Value("one(4)"), 4);
}

TEST_F(UserFunctionsTest, LoadsFilesWithAnyLineEnd) {
    struct Row {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"crlf", ";my functions\r\nf(x) = x*2 ;double\r\n\r\ng(a,b)=a+b\r\ns(x)=x\xB2\r\n"},
        {"lf", ";my functions\nf(x) = x*2 ;double\n\ng(a,b)=a+b\ns(x)=x\xB2\n"},
        {"utf8_without_last_line_end",
         ";my functions\nf(x) = x*2 ;double\n\ng(a,b)=a+b\ns(x)=x\xC2\xB2"},
        {"utf8_with_byte_order_mark",
         "\xEF\xBB\xBF;my functions\r\nf(x) = x*2 ;double\r\n\r\ng(a,b)=a+b\r\ns(x)=x\xC2\xB2\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        messages.clear();
        std::string path = WriteFile(std::string("kalvo_") + row.name + ".FNC", row.bytes);
        EXPECT_TRUE(LoadUserFunctionsFile(engine.Functions(), path, Sink()));
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(engine.Functions().Count(), 4) << "a load replaces the functions";
        EXPECT_EQ(engine.Functions().Items(0).DefinitionText(), ";my functions");
        EXPECT_EQ(engine.Functions().Items(1).DefinitionText(), "f(x) = x*2;double");
        EXPECT_EQ(Value("f(3)+g(1,2)"), 9);
        EXPECT_EQ(Value("s(3)"), 9);
        EXPECT_EQ(engine.Functions().FileName(), path);
    }
}

TEST_F(UserFunctionsTest, RejectedLineStopsTheLoad) {
    std::string path = WriteFile("kalvo_rejected.FNC", "f(x)=x+1\r\nbad line\r\ng(x)=x\r\n");
    EXPECT_FALSE(LoadUserFunctionsFile(engine.Functions(), path, Sink()));
    EXPECT_EQ(messages, std::vector<std::string>{"Invalid functions bad line"});
    ASSERT_EQ(engine.Functions().Count(), 1);
    EXPECT_EQ(Value("f(1)"), 2);
    EXPECT_TRUE(Run("g(1)").error);
}

TEST_F(UserFunctionsTest, MissingFileKeepsWhatIsLoaded) {
    Define({"f(x)=x+1"});
    const std::string path = ::testing::TempDir() + "kalvo_no_such_dir/none.FNC";
    EXPECT_FALSE(LoadUserFunctionsFile(engine.Functions(), path, Sink()));
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot load " + path + "!"});
    EXPECT_EQ(engine.Functions().Count(), 1);
    EXPECT_EQ(Value("f(1)"), 2);
}

// A parameter list "p1,p2,...,pN" and the call arguments "1,2,...,N".
std::string Numbered(const char* prefix, int count) {
    std::string text;
    for (int k = 1; k <= count; ++k) {
        text += (k > 1 ? "," : "") + std::string(prefix) + std::to_string(k);
    }
    return text;
}

TEST_F(UserFunctionsTest, ParameterThatIsItsOwnPlaceholderIsPreparedOnce) {
    // The parameter is the character with code 1, which is also its placeholder; the
    // whole-word search must not find the replacement again.
    struct Row {
        const char* name;
        std::string line;
        std::string workBody;
    } rows[] = {
        {"name_is_equals_sign", "=(\x01", "(\x01"},
        {"twice", "f(\x01)=\x01+\x01", "\x01+\x01"},
        {"second_is_code_two", "f(a,\x02)=a*\x02", "\x01*\x02"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TUserFunc f(row.line);
        EXPECT_TRUE(f.Valid());
        EXPECT_EQ(f.WorkBody(), row.workBody);
    }
}

TEST_F(UserFunctionsTest, LongBodiesArePreparedWhole) {
    // 200,000 occurrences of each parameter, and as many words that only contain them.
    constexpr int kTerms = 200000;
    std::string body;
    for (int i = 0; i < kTerms; ++i) {
        body += "a*b+ab+";
    }
    body += "0";
    ASSERT_TRUE(engine.Functions().Add("f(a,b)=" + body, Sink()));
    TUserFunc& f = engine.Functions().Items(0);
    const std::string& work = f.WorkBody();
    EXPECT_EQ(std::count(work.begin(), work.end(), '\x01'), kTerms);
    EXPECT_EQ(std::count(work.begin(), work.end(), '\x02'), kTerms);
    EXPECT_EQ(f.ParameterCount(), 2);
    // "ab" is not a parameter but a name; a named constant here.
    S().constants.Store("ab", 1);
    EXPECT_EQ(Value("f(3,4)"), static_cast<Real>(kTerms) * (3 * 4 + 1));
}

TEST_F(UserFunctionsTest, ParametersUpToTheLimitWorkAndMoreAreRefusedByName) {
    const int limit = TUserFunc::kMaxParameters;
    std::string sum;
    for (int k = 1; k <= limit; ++k) {
        sum += (k > 1 ? "+p" : "p") + std::to_string(k);
    }
    Define({("s(" + Numbered("p", limit) + ")=" + sum).c_str()});
    std::string call = "s(";
    Real expected = 0;
    for (int k = 1; k <= limit; ++k) {
        call += (k > 1 ? "," : "") + std::to_string(k * k);
        expected += k * k;
    }
    EXPECT_EQ(Value(call + ")"), expected);

    for (int count : {limit + 1, 45, 100000}) {
        SCOPED_TRACE(count);
        messages.clear();
        const std::string line = "t(" + Numbered("p", count) + ")=p1";
        TUserFunc f(line);
        EXPECT_FALSE(f.Valid());
        EXPECT_TRUE(f.TooManyParameters());
        EXPECT_FALSE(engine.Functions().Add(line, Sink()));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], TooManyParametersMessage(line));
        EXPECT_NE(messages[0].find(std::to_string(limit)), std::string::npos);
    }
}

TEST_F(UserFunctionsTest, ExpandedTextIsBounded) {
    // Each level doubles the argument: the text would reach gigabytes.
    Define({"g(x)=g(x+x)"});
    Outcome out = Run("g(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, kErrUserFunction);
    EXPECT_EQ(S().userFuncErrorCode, kErrStackOverflow);

    // One call whose own expansion is too long is marked whole.
    Define({"wide(x)=x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x"});
    const std::string longArgument(UserFunctions::kMaxExpandedLength / 16 + 1, '1');
    const std::string call = "1+wide(" + longArgument + ")";
    out = Run(call);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, kErrStackOverflow);
    EXPECT_EQ(out.pos, 3);
    EXPECT_EQ(out.length, static_cast<int>(call.size()) - 2);

    // Nothing of the failed calls is still counted: the longest argument that fits works
    // ("1+0+0...+0", 16 times, with the 15 "+" between them).
    std::string fitting = "1";
    while (fitting.size() + 2 <= (UserFunctions::kMaxExpandedLength - 15) / 16) {
        fitting += "+0";
    }
    const Outcome fits = Run("wide(" + fitting + ")");
    EXPECT_FALSE(fits.error) << "error " << fits.code << " at " << fits.pos;
    EXPECT_EQ(fits.value, 16);
}

TEST_F(UserFunctionsTest, BreakStopsFunctionsThatBranchIntoThemselves) {
    // 2^64 calls: only the break ends it, at the poll of the third call.
    Define({"b(x)=b(x)+b(x)"});
    S().breakRequested = true;
    host.confirmBreakAt = 3;
    Outcome out = Run("b(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, kErrUserFunction);
    EXPECT_EQ(S().userFuncErrorCode, kErrUserBreak);
    EXPECT_EQ(host.breakQuestions, 3);

    // A break confirmed at the first call is the plain "User break".
    host.breakQuestions = 0;
    host.confirmBreakAt = 1;
    out = Run("1+b(1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, kErrUserBreak);
}

}  // namespace
}  // namespace kalvo::test
