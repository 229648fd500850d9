#include "rules/roll_out.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

// The text tells the margin and the circumference the measurement implies, beside the
// list's 2105 mm.
TEST(RollOut, PassOrFailWithTheMarginAndTheImpliedCircumferenceOrWhyItIsNoMeasurement) {
    const struct {
        const char* measured;
        double chainring;
        double sprocket;
        std::int64_t limit;
        const char* text;  // nullptr: refused
        const char* refusal;
    } cases[] = {
        {"7.017", 50, 15, 7010, "不合格: 制限を 7 mm 超過。\nこの実測の周長 2105 mm (一覧では 2105 mm)", nullptr},
        {"7.011", 50, 15, 7010, "不合格: 制限を 1 mm 超過。\nこの実測の周長 2103 mm (一覧では 2105 mm)", nullptr},
        {"7.01", 50, 15, 7010, "合格: 制限まで 0 mm の余裕。\nこの実測の周長 2103 mm (一覧では 2105 mm)", nullptr},
        {" 6.973 ", 53, 16, 7010, "合格: 制限まで 37 mm の余裕。\nこの実測の周長 2105 mm (一覧では 2105 mm)", nullptr},
        {"6.0814", 52, 18, 6100, "合格: 制限まで 19 mm の余裕。\nこの実測の周長 2105 mm (一覧では 2105 mm)", nullptr},
        {"5.5", 48, 18, 5660, "合格: 制限まで 160 mm の余裕。\nこの実測の周長 2063 mm (一覧では 2105 mm)", nullptr},
        {"7.9305", 52, 14, 7930, "不合格: 制限を 1 mm 超過。\nこの実測の周長 2135 mm (一覧では 2105 mm)", nullptr},
        {"7,01", 50, 15, 7010, nullptr, text::kRollOutNotNumber},
        {"0", 50, 15, 7010, nullptr, text::kRollOutBad},
        {"-7", 50, 15, 7010, nullptr, text::kRollOutBad},
        {"100.001", 50, 15, 7010, nullptr, text::kRollOutBad},
        {"0.0004", 50, 15, 7010, nullptr, text::kRollOutBad},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.measured);
        const RollOutReading reading = CheckRollOut(c.measured, c.chainring, c.sprocket, c.limit);
        EXPECT_EQ(reading.rollOut ? RollOutText(*reading.rollOut, 2105) : "", c.text ? c.text : "");
        EXPECT_STREQ(reading.refusal, c.refusal);
    }
}

}  // namespace
