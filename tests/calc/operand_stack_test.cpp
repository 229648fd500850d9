#include "calc/operand_stack.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(OperandStack, HoldsAHundredValuesAndReportsAndDropsTheNext) {
    OperandStack stack;
    std::vector<std::string> reports;
    stack.SetReporter([&reports](std::string_view message) { reports.emplace_back(message); });
    for (int i = 1; i <= 100; ++i) stack.Push(i);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(stack.Count(), 100);

    stack.Push(101);
    EXPECT_EQ(reports, std::vector<std::string>{text::kStackFull});
    EXPECT_EQ(stack.Count(), 100);
    EXPECT_EQ(stack.Pop(), 100);
    EXPECT_EQ(stack.Pop(), 99);
}

}  // namespace
