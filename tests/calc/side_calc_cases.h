// Checking a side calculator's outcome against one row of a case table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "calc/operand_stack.h"
#include "calc/side_calc.h"

// What a row of a side calculator's table expects: its status and, when box is not 0, the
// result text for that box.
struct ExpectedOutcome {
    const char* status;
    int box = 0;
    const char* text = "";
};

// Runs solve on the process's stack, which it must leave empty and without a message.
template <class Solve>
SideCalcResult SolveOnEmptyStack(Solve solve) {
    OperandStack& stack = OperandStack::Instance();
    std::vector<std::string> reports;
    stack.SetReporter([&reports](std::string_view message) { reports.emplace_back(message); });
    SideCalcResult outcome = solve();
    stack.SetReporter(nullptr);
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_TRUE(reports.empty());
    return outcome;
}

inline void ExpectOutcome(const SideCalcResult& outcome, const ExpectedOutcome& expected) {
    EXPECT_EQ(outcome.status, expected.status);
    if (expected.box == 0) {
        EXPECT_FALSE(outcome.result) << "result " << outcome.result->text;
    } else {
        ASSERT_TRUE(outcome.result.has_value());
        EXPECT_EQ(outcome.result->box, expected.box);
        EXPECT_EQ(outcome.result->text, expected.text);
    }
}
