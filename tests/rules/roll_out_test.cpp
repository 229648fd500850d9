#include "rules/roll_out.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(RollOut, PassOrFailWithTheMarginAndTheImpliedCircumference) {
    const struct {
        const char* measured;
        double chainring;
        double sprocket;
        std::int64_t limit;
        std::int64_t margin;
        std::int64_t circumference;
        const char* text;
    } cases[] = {
        {"7.017", 50, 15, 7010, -7, 2105, "不合格: 制限を 7 mm 超過。\nこの実測の周長 2105 mm (一覧では 2105 mm)"},
        {"7.011", 50, 15, 7010, -1, 2103, "不合格: 制限を 1 mm 超過。\nこの実測の周長 2103 mm (一覧では 2105 mm)"},
        {"7.01", 50, 15, 7010, 0, 2103, "合格: 制限まで 0 mm の余裕。\nこの実測の周長 2103 mm (一覧では 2105 mm)"},
        {" 6.973 ", 53, 16, 7010, 37, 2105, "合格: 制限まで 37 mm の余裕。\nこの実測の周長 2105 mm (一覧では 2105 mm)"},
        {"6.0814", 52, 18, 6100, 19, 2105, "合格: 制限まで 19 mm の余裕。\nこの実測の周長 2105 mm (一覧では 2105 mm)"},
        {"5.5", 48, 18, 5660, 160, 2063, "合格: 制限まで 160 mm の余裕。\nこの実測の周長 2063 mm (一覧では 2105 mm)"},
        {"7.9305", 52, 14, 7930, -1, 2135, "不合格: 制限を 1 mm 超過。\nこの実測の周長 2135 mm (一覧では 2105 mm)"},
    };
    for (const auto& c : cases) {
        const RollOutReading reading = CheckRollOut(c.measured, c.chainring, c.sprocket, c.limit);
        ASSERT_TRUE(reading.rollOut) << c.measured;
        EXPECT_EQ(reading.refusal, nullptr);
        EXPECT_EQ(reading.rollOut->margin, c.margin) << c.measured;
        EXPECT_EQ(reading.rollOut->circumference, c.circumference) << c.measured;
        EXPECT_EQ(RollOutText(*reading.rollOut, 2105), c.text);
    }
}

TEST(RollOut, RefusesWhatIsNoMeasurement) {
    const struct {
        const char* measured;
        const char* refusal;
    } cases[] = {{"", text::kRollOutNotNumber},    {"7,01", text::kRollOutNotNumber}, {"７", text::kRollOutNotNumber},
                 {"0", text::kRollOutBad},         {"-7", text::kRollOutBad},         {"100.001", text::kRollOutBad},
                 {"0.0004", text::kRollOutBad}};
    for (const auto& c : cases) {
        const RollOutReading reading = CheckRollOut(c.measured, 50, 15, 7010);
        EXPECT_FALSE(reading.rollOut) << c.measured;
        EXPECT_STREQ(reading.refusal, c.refusal) << c.measured;
    }
}

}  // namespace
