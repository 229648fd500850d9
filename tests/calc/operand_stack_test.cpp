#include "calc/operand_stack.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

class OperandStackTest : public testing::Test {
protected:
    void SetUp() override {
        stack_.SetReporter([this](std::string_view message) { reports_.emplace_back(message); });
    }
    OperandStack stack_;
    std::vector<std::string> reports_;
};

TEST_F(OperandStackTest, GivesBackTheLastValueFirstBitForBit) {
    stack_.Push(1.5);
    stack_.Push(-0.0);
    stack_.Push(2.5);
    EXPECT_EQ(stack_.Pop(), 2.5);
    EXPECT_TRUE(std::signbit(stack_.Pop()));
    EXPECT_EQ(stack_.Pop(), 1.5);
    EXPECT_EQ(stack_.Count(), 0);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(OperandStackTest, HoldsAHundredValuesAndReportsAndDropsTheNext) {
    for (int i = 1; i <= 100; ++i) stack_.Push(i);
    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(stack_.Count(), 100);

    stack_.Push(101);
    EXPECT_EQ(reports_, std::vector<std::string>{text::kStackFull});
    EXPECT_EQ(stack_.Count(), 100);
    EXPECT_EQ(stack_.Pop(), 100);
    EXPECT_EQ(stack_.Pop(), 99);
}

TEST_F(OperandStackTest, PopOnEmptyReportsAndYieldsZero) {
    stack_.Push(7);
    stack_.Pop();
    EXPECT_EQ(stack_.Pop(), 0.0);
    EXPECT_EQ(reports_, std::vector<std::string>{text::kStackEmpty});
    EXPECT_EQ(stack_.Count(), 0);
    stack_.Push(3);
    EXPECT_EQ(stack_.Pop(), 3);
}

}  // namespace
