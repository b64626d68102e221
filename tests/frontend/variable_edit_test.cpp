// Evaluating the variables' definitions outside the evaluation cycle: a floating-point
// fault is reported like an error and changes nothing.
#include "frontend/variable_edit.h"

#include <gtest/gtest.h>

#include "engine/float_fault.h"

namespace kalvo {
namespace {

TEST(VariableEditTest, FaultIsReportedAndLeavesSlotAndTextAlone) {
    const struct {
        const char* name;
        const char* field;
        FloatFault fault;
    } rows[] = {
        {"literal_overflow", "1E40000", FloatFault::kOverflow},
        {"exp_overflow", "exp(1E6)", FloatFault::kOverflow},
        {"power_of_zero", "0^-1", FloatFault::kDivisionByZero},
        {"bits_beyond_32", "1E10&1", FloatFault::kInvalidOperation},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SilentHost host;
        Engine engine(host);
        engine.State().Var(kSlotY) = 4;
        engine.State().VarText(kSlotY) = "2*2";
        engine.State().text = "kept";
        const VariableEditResult result = EvaluateVariableText(engine, kSlotY, row.field);
        EXPECT_TRUE(result.evaluated);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.fault);
        EXPECT_EQ(result.error, FloatFaultMessage(row.fault));
        EXPECT_EQ(engine.State().Var(kSlotY), 4);
        EXPECT_EQ(engine.State().VarText(kSlotY), "2*2");
        EXPECT_EQ(engine.State().text, "kept");
        EXPECT_FALSE(engine.State().errorFlag);
        // The engine is usable at once.
        EXPECT_EQ(EvaluateVariableText(engine, kSlotY, "3+4").value, 7);
    }
}

TEST(VariableEditTest, CalculateAllGoesOnAfterAFault) {
    SilentHost host;
    Engine engine(host);
    VariablesData data;
    data.texts[0] = "Y*2";      // X reads Y before Y's row ran: still undefined
    data.texts[1] = "1E40000";  // Y faults
    data.texts[2] = "5";        // Z
    data.texts[3] = "2+";       // V: an engine error
    const auto rows = CalculateAllVariables(engine, data);
    EXPECT_TRUE(rows[0].ok);
    EXPECT_TRUE(rows[1].fault);
    EXPECT_TRUE(rows[2].ok);
    EXPECT_FALSE(rows[3].ok);
    EXPECT_FALSE(rows[3].fault);
    EXPECT_FALSE(rows[4].evaluated);
    EXPECT_EQ(engine.State().Var(kSlotY), kUndefinedValue);
    EXPECT_EQ(engine.State().Var(kSlotZ), 5);
    EXPECT_EQ(engine.State().VarText(kSlotY), "1E40000") << "the text is kept for editing";
}

}  // namespace
}  // namespace kalvo
