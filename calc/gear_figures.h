// What each cell of the speed table tells besides its speed: the gear ratio, the
// development and the gear inches of its chainring and sprocket.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/speed_table.h"

// Row r, column c (both from 0): the cell's figures as CP932 lines, "53×11", "ギア比 4.82",
// "展開 10.10 m", "ギアインチ 126.6"; empty where the cell shows no speed or a figure has
// no finite text within a cell's room.
using GearFigures = std::array<std::array<std::string, 10>, 3>;

// `speeds` is ComputeSpeedTable(inputs), which the caller has at hand.
GearFigures ComputeGearFigures(const GearInputs& inputs, const SpeedTable& speeds);

// The figures of one chainring and sprocket pair.
struct GearMeasures {
    double ratio = 0;
    double development = 0;  // m
    double inches = 0;
};
GearMeasures MeasureGear(double chainring, double sprocket, double circumference);

// A number as read, within a cell's room: whole numbers bare, others with up to two
// decimals ("53", "10.5"); nothing when it has no such text.
std::optional<std::string> TeethText(double teeth);

// "53×11"; nothing when either count has no text.
std::optional<std::string> GearText(double chainring, double sprocket);
