// The energy row: the kilocalories of a ride, flat or with a climb, at a speed class.
#pragma once

#include <string_view>

#include "calc/operand_stack.h"
#include "calc/side_calc.h"

// classIndex is the selected item of the speed-class list; any other value (no item
// selected) means the speed is not chosen yet.
SideCalcResult SolveEnergy(OperandStack& stack, std::string_view distanceText,
                           std::string_view weightText, std::string_view heightText,
                           std::string_view gradientText, int classIndex);
