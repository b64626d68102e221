// The variables file: fixed-width values, expression texts, and bad lines.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "frontend/decimal_text.h"
#include "frontend/temp_folder.h"
#include "frontend/variables_file.h"

namespace {

using kalvo::Real;
using kalvo::VariablesData;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(VariablesFileTest, ValueLinesHaveTheFixedWidthForm) {
    const struct {
        const char* name;
        Real value;
        const char* text;
    } rows[] = {
        {"undefined", kalvo::kUndefinedValue, " 1.23454321000000E-0001"},
        {"zero", 0.0L, " 0.00000000000000E+0000"},
        {"negative", -2.5L, "-2.50000000000000E+0000"},
        {"rounds to 15 digits", 2.0L / 3.0L, " 6.66666666666667E-0001"},
        {"rounds up a decade", 9.9999999999999999L, " 1.00000000000000E+0001"},
        {"large", 6.02214076E23L, " 6.02214076000000E+0023"},
        {"extended range", 1.5E-4000L, " 1.50000000000000E-4000"},
        {"not finite", INFINITY, " 1.23454321000000E-0001"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = kalvo::FormatVariableValue(row.value);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(text.size(), 23u);
    }
}

TEST(VariablesFileTest, RoundTripWithAnEmptyYExpressionKeepsYUndefined) {
    TempFolder folder;
    std::string path = folder.File("a.VAR");
    VariablesData data;
    for (std::size_t k = 0; k < 10; ++k) {
        data.values[k] = std::pow(-3.7L, static_cast<Real>(k)) / 7.0L;
        data.texts[k] = "(" + std::to_string(k) + ")^2";
    }
    data.values[1] = kalvo::kUndefinedValue;
    data.texts[1] = "";
    data.texts[9] = "";
    ASSERT_TRUE(kalvo::WriteVariablesFile(path, data));
    std::string bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.find("\r\n 1.23454321000000E-0001\r\n") != std::string::npos);
    EXPECT_TRUE(bytes.ends_with("(8)^2\r\n\r\n"));

    VariablesData back;
    back.values.fill(99);
    ASSERT_TRUE(kalvo::ReadVariablesFile(path, back));
    EXPECT_EQ(back.values[1], kalvo::kUndefinedValue);
    EXPECT_EQ(back.texts[1], "");
    EXPECT_EQ(kalvo::VariableFieldText({}, 12, back.values[1], back.texts[1]), "Undefind");
    for (std::size_t k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(static_cast<double>(back.values[k] / data.values[k]), 1.0, 1e-14);
        EXPECT_EQ(back.texts[k], data.texts[k]);
    }
}

TEST(VariablesFileTest, ValueFieldShowsUndefindOnlyWithoutTextAndValue) {
    const struct {
        const char* name;
        Real value;
        const char* text;
        const char* shown;
    } rows[] = {
        {"neither", kalvo::kUndefinedValue, "", "Undefind"},
        {"text only", kalvo::kUndefinedValue, "1/0", "1.23454321E-1"},
        {"value only", 2, "", "2.0E+0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kalvo::VariableFieldText({}, 16, row.value, row.text), row.shown);
    }
}

TEST(VariablesFileTest, ValueLinesAcceptAnyDecimalReal) {
    std::vector<std::string> lines = {"1", " -2.5 ", "3.", ".25", "+4E2", "5e-1", "6.0E+0006",
                                      "7", "8",      "9",  "X+1", "",     "",     "",
                                      "",  "",       "",   "",    "",     "N"};
    VariablesData data;
    std::string message;
    ASSERT_TRUE(kalvo::ParseVariablesLines(lines, "f.VAR", data, message)) << message;
    const Real expected[] = {1, -2.5L, 3, 0.25L, 400, 0.5L, 6e6L, 7, 8, 9};
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(data.values[k], expected[k]);
    }
    EXPECT_EQ(data.texts[0], "X+1");
    EXPECT_EQ(data.texts[9], "N");
}

TEST(VariablesFileTest, BadOrMissingValueLinesNameTheFileAndLineAndChangeNothing) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        const char* message;
    } rows[] = {
        {"hex value", {"1", "$FF"}, "f.VAR, line 2: '$FF' is not a valid floating point value"},
        {"sexagesimal value",
         {"1", "2", "1:30:00"},
         "f.VAR, line 3: '1:30:00' is not a valid floating point value"},
        {"empty value", {""}, "f.VAR, line 1: '' is not a valid floating point value"},
        {"inf", {"inf"}, "f.VAR, line 1: 'inf' is not a valid floating point value"},
        {"overflow", {"1E99999"}, "f.VAR, line 1: '1E99999' is not a valid floating point value"},
        {"truncated", {"1", "2", "3"}, "f.VAR, line 4: the value is missing"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        VariablesData data;
        data.texts[0] = "kept";
        std::string message;
        EXPECT_FALSE(kalvo::ParseVariablesLines(row.lines, "f.VAR", data, message));
        EXPECT_EQ(message, row.message);
        EXPECT_EQ(data.texts[0], "kept");
        EXPECT_EQ(data.values[0], kalvo::kUndefinedValue);
    }
}

TEST(VariablesFileTest, MissingAndBinaryFiles) {
    TempFolder folder;
    VariablesData data;
    kalvo::FileResult missing = kalvo::ReadVariablesFile(folder.File("none.VAR"), data);
    EXPECT_EQ(missing.message, "Can't open file " + folder.File("none.VAR"));
    std::string garbage(4096, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>(i * 131 + 7);
    }
    WriteBytes(folder.File("bin.VAR"), garbage);
    kalvo::FileResult binary = kalvo::ReadVariablesFile(folder.File("bin.VAR"), data);
    EXPECT_FALSE(binary);
    EXPECT_TRUE(binary.message.starts_with(folder.File("bin.VAR") + ", line 1: '"));
    EXPECT_EQ(data.values[0], kalvo::kUndefinedValue);
}

TEST(VariablesFileTest, StateSlotsOneToTenTravelAndTheBoundsStay) {
    kalvo::SilentHost host;
    kalvo::Engine engine(host);
    kalvo::EngineState& state = engine.State();
    state.Var(kalvo::kSlotX) = 4;
    state.VarText(kalvo::kSlotX) = "2*2";
    state.Var(kalvo::kSlotN) = 9;
    state.Var(kalvo::kSlotL) = 1;
    VariablesData data = kalvo::VariablesFromState(state);
    EXPECT_EQ(data.values[0], 4);
    EXPECT_EQ(data.texts[0], "2*2");
    EXPECT_EQ(data.values[9], 9);
    EXPECT_EQ(data.values[1], kalvo::kUndefinedValue);

    data.values[9] = 5;
    data.texts[9] = "N";
    kalvo::ApplyVariables(state, data);
    EXPECT_EQ(state.Var(kalvo::kSlotN), 5);
    EXPECT_EQ(state.VarText(kalvo::kSlotN), "N");
    EXPECT_EQ(state.Var(kalvo::kSlotL), 1);
}

}  // namespace
