#include "calc/average_speed.h"

#include "res/strings.h"

SideCalcResult SolveAverageSpeed(OperandStack& stack, std::string_view distanceText,
                                 std::string_view timeText, std::string_view speedText,
                                 bool minutes) {
    SideCalcResult outcome{text::kEnterTwoValues, std::nullopt,
                           minutes ? text::kTimeLabelMinutes : text::kTimeLabelHours};
    const double divisor = minutes ? 60 : 1;
    const SideBox distance = ReadSideBox(distanceText);
    const SideBox time = ReadSideBox(timeText);
    const SideBox speed = ReadSideBox(speedText);

    if (!TwoOfThreeGiven(outcome, {distance, time, speed}, text::kAvgLeaveOneEmpty,
                         text::kAvgFillTwo))
        return outcome;

    SideQuantity solved = SideQuantity::AverageSpeed;
    if (!speed.filled) {
        PushCombined(stack, distance.value, time.value / divisor,
                     [](double p, double q) { return p / q; });
    } else if (!distance.filled) {
        solved = SideQuantity::Distance;
        PushCombined(stack, speed.value, time.value / divisor,
                     [](double p, double q) { return p * q; });
    } else {
        solved = SideQuantity::Time;
        PushCombined(stack, speed.value, distance.value,
                     [divisor](double p, double q) { return (q / p) * divisor; });
    }
    SetResult(outcome, solved, stack.Pop(), text::kNumbersTooLarge);
    return outcome;
}
