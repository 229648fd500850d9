// The gradient row: slope length, height gain and average gradient of a climb.
#pragma once

#include <string_view>

#include "calc/operand_stack.h"
#include "calc/side_calc.h"

// Given height gain and gradient the slope length is worked out, given slope length and
// height gain the gradient; the height gain is always needed.
SideCalcResult SolveGradient(OperandStack& stack, std::string_view lengthText,
                             std::string_view heightText, std::string_view gradientText);

// Length in km, along the road, of a climb of heightM metres at gradientPercent, worked out
// on stack. The energy calculator charges a climb by it too.
double SlopeLengthKm(OperandStack& stack, double heightM, double gradientPercent);
