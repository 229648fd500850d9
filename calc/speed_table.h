// The gear speed table: km/h of every chainring and sprocket pair.
#pragma once

#include <array>
#include <string>

struct GearInputs {
    double cadence = 0;                      // rpm
    std::array<double, 10> sprocket = {};    // teeth of the sprocket of columns 1 to 10
    std::array<double, 3> chainring = {};    // teeth of the chainring of rows 1 to 3
    double circumference = 0;                // mm
};

// Row r, column c (both from 0): empty, or the speed with two decimals.
using SpeedTable = std::array<std::array<std::string, 10>, 3>;

// Room the speed table reads of a box: 18 characters and the terminator.
inline constexpr std::size_t kGearInputBytes = 18;

// Room of a cell's text.
inline constexpr std::size_t kCellTextMax = 19;
// What a cell shows when the speed is infinite or its text needs more than that room.
inline constexpr char kCellOverflow[] = "####";

SpeedTable ComputeSpeedTable(const GearInputs& inputs);

// What a cell shows for a speed: empty, the speed with two decimals, or kCellOverflow.
std::string SpeedText(double speed);

// The speed of one pair, worked strictly left to right; 0 for a zero sprocket.
double GearSpeed(double chainring, double cadence, double sprocket, double circumference);
