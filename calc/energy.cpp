#include "calc/energy.h"

#include <array>

#include "calc/gradient.h"
#include "res/strings.h"

namespace {

// The items of the speed-class list, in list order: the riding speed and the power the
// rider delivers at it.
struct SpeedClass {
    double speedKmh;
    double powerW;
};
constexpr std::array<SpeedClass, 3> kSpeedClasses{{{20.0, 60.0}, {25.0, 100.0}, {30.0, 170.0}}};

// Four times the work done at powerW during hours, plus 1.883333 kcal per minute of riding.
double RideKcal(OperandStack& stack, double hours, double powerW) {
    stack.Push(hours * 3600);
    stack.Push(stack.Pop() * 0.001);
    stack.Push(stack.Pop() * powerW);
    stack.Push(stack.Pop() * 0.238846);
    stack.Push(stack.Pop() * 4);
    stack.Push(hours * 60);
    stack.Push(stack.Pop() * 1.883333);
    const double allowance = stack.Pop();
    const double work = stack.Pop();
    stack.Push(work + allowance);
    return stack.Pop();
}

// Riding hours for distanceKm with a climb: the climb's own length is taken out of the
// distance and its lifting work put in as the distance ridden in the time that work takes.
double ClimbRideHours(OperandStack& stack, double distanceKm, double weightKg, double heightM,
                      double gradientPercent, const SpeedClass& speedClass) {
    const double slopeKm = SlopeLengthKm(stack, heightM, gradientPercent);
    stack.Push((heightM * weightKg) * 9.81);
    stack.Push(stack.Pop() / speedClass.powerW);
    stack.Push((stack.Pop() * speedClass.speedKmh) * 0.0002777777777777778);
    stack.Push((stack.Pop() + distanceKm) - slopeKm);
    return stack.Pop() / speedClass.speedKmh;
}

}  // namespace

SideCalcResult SolveEnergy(OperandStack& stack, std::string_view distanceText,
                           std::string_view weightText, std::string_view heightText,
                           std::string_view gradientText, int classIndex) {
    SideCalcResult outcome{text::kEnergyClimbHint, std::nullopt, std::nullopt};
    const SideBox distance = ReadSideBox(distanceText);
    const SideBox weight = ReadSideBox(weightText);
    const SideBox height = ReadSideBox(heightText);
    const SideBox gradient = ReadSideBox(gradientText);
    const int climbBoxes = CountFilled({weight, height, gradient});

    if (!distance.filled) {
        outcome.status = climbBoxes == 0 ? text::kEnergyNeedDistance : text::kEnergyClimbIncomplete;
        return outcome;
    }
    if (climbBoxes != 0 && climbBoxes != 3) {
        outcome.status = text::kEnergyClimbIncomplete;
        return outcome;
    }
    if (AnyFilledZero({distance, weight, height, gradient})) {
        outcome.status = text::kHalfWidthDigits;
        return outcome;
    }
    if (classIndex < 0 || classIndex >= static_cast<int>(kSpeedClasses.size())) {
        outcome.status = text::kEnergyNeedDistance;
        return outcome;
    }

    const SpeedClass& speedClass = kSpeedClasses[static_cast<std::size_t>(classIndex)];
    const bool flat = climbBoxes == 0;
    const double hours = flat ? distance.value / speedClass.speedKmh
                              : ClimbRideHours(stack, distance.value, weight.value, height.value,
                                               gradient.value, speedClass);
    outcome.status = flat ? text::kEnergyClimbIncomplete : text::kEnergySummitHint;
    SetResult(outcome, SideQuantity::Energy, RideKcal(stack, hours, speedClass.powerW),
              text::kNumbersTooLarge);
    return outcome;
}
