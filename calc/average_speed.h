// The average-speed row: distance ÷ time = speed, the one box left empty worked out from
// the other two.
#pragma once

#include <string_view>

#include "calc/operand_stack.h"
#include "calc/side_calc.h"

// Time is in minutes when minutes is set, otherwise in hours.
SideCalcResult SolveAverageSpeed(OperandStack& stack, std::string_view distanceText,
                                 std::string_view timeText, std::string_view speedText,
                                 bool minutes);
