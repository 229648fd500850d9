#include "calc/gradient.h"

#include <cmath>

#include "res/strings.h"

double SlopeLengthKm(OperandStack& stack, double heightM, double gradientPercent) {
    stack.Push(heightM * 100);
    stack.Push(stack.Pop() / gradientPercent);
    const double run = stack.Pop();  // horizontal, in m
    PushCombined(stack, run * run, heightM * heightM, [](double p, double q) { return p + q; });
    stack.Push(std::sqrt(stack.Pop()) * 0.001);
    return stack.Pop();
}

namespace {

// Gradient in percent of a slope lengthKm long that rises heightM metres. The radicand
// (the squared horizontal run) is handed back, as a climb not below the slope's length
// has no finite gradient.
double GradientPercent(OperandStack& stack, double lengthKm, double heightM, double& radicand) {
    stack.Push(heightM * 100);
    stack.Push(lengthKm * 1000);
    const double slope = stack.Pop();  // in m
    PushCombined(stack, heightM * heightM, slope * slope, [&radicand](double p, double q) {
        return radicand = q - p;
    });
    stack.Push(std::sqrt(stack.Pop()));
    const double run = stack.Pop();
    const double rise = stack.Pop();
    stack.Push(rise / run);
    return stack.Pop();
}

}  // namespace

SideCalcResult SolveGradient(OperandStack& stack, std::string_view lengthText,
                             std::string_view heightText, std::string_view gradientText) {
    SideCalcResult outcome{text::kEnterTwoValues, std::nullopt, std::nullopt};
    const SideBox length = ReadSideBox(lengthText);
    const SideBox height = ReadSideBox(heightText);
    const SideBox gradient = ReadSideBox(gradientText);

    if (!TwoOfThreeGiven(outcome, {length, height, gradient}, text::kGradLeaveOneEmpty,
                         text::kGradFillTwo))
        return outcome;

    if (!height.filled) {
        outcome.status = text::kGradNeedHeight;
    } else if (!length.filled) {
        SetResult(outcome, SideQuantity::SlopeLength, SlopeLengthKm(stack, height.value, gradient.value),
                  text::kNumbersTooLarge);
    } else {
        double radicand = 0;
        const double percent = GradientPercent(stack, length.value, height.value, radicand);
        SetResult(outcome, SideQuantity::Gradient, percent,
                  radicand <= 0 ? text::kGradHeightNotBelowLength : text::kNumbersTooLarge);
    }
    return outcome;
}
