#include "calc/average_speed.h"

#include "calc/operand_stack.h"
#include "res/resource_ids.h"
#include "res/strings.h"

SideCalcResult SolveAverageSpeed(std::string_view distanceText, std::string_view timeText,
                                 std::string_view speedText, bool minutes) {
    SideCalcResult outcome{text::kEnterTwoValues, std::nullopt,
                           minutes ? text::kTimeLabelMinutes : text::kTimeLabelHours};
    const double divisor = minutes ? 60 : 1;
    const SideBox distance = ReadSideBox(distanceText);
    const SideBox time = ReadSideBox(timeText);
    const SideBox speed = ReadSideBox(speedText);

    if (!TwoOfThreeGiven(outcome, {distance, time, speed}, text::kAvgLeaveOneEmpty,
                         text::kAvgFillTwo))
        return outcome;

    OperandStack& stack = OperandStack::Instance();
    int box = 0;
    if (!speed.filled) {
        box = IDC_AVG_SPEED;
        PushCombined(stack, distance.value, time.value / divisor,
                     [](double p, double q) { return p / q; });
    } else if (!distance.filled) {
        box = IDC_AVG_DISTANCE;
        PushCombined(stack, speed.value, time.value / divisor,
                     [](double p, double q) { return p * q; });
    } else {
        box = IDC_AVG_TIME;
        PushCombined(stack, speed.value, distance.value,
                     [divisor](double p, double q) { return (q / p) * divisor; });
    }
    SetResult(outcome, box, stack.Pop(), text::kNumbersTooLarge);
    return outcome;
}
