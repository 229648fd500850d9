#include "calc/speed_table.h"

#include "calc/number_text.h"
#include "calc/units.h"

std::string SpeedText(double speed) {
    if (!(speed > 0)) return {};  // zero, negative, not a number
    return FormatFixed(speed, 2, kCellTextMax).value_or(kCellOverflow);
}

double GearSpeed(double chainring, double cadence, double sprocket, double circumference) {
    if (sprocket == 0) return 0;
    return chainring * cadence / sprocket * circumference * kKmhPerMmRpm;
}

SpeedTable ComputeSpeedTable(const GearInputs& in) {
    SpeedTable table;
    for (std::size_t r = 0; r < in.chainring.size(); ++r)
        for (std::size_t c = 0; c < in.sprocket.size(); ++c)
            table[r][c] = SpeedText(
                GearSpeed(in.chainring[r], in.cadence, in.sprocket[c], in.circumference));
    return table;
}
