#include "calc/speed_table.h"

#include <bit>
#include <cstdint>

#include "calc/number_text.h"

namespace {

// 60 min/h over 10^6 mm/km: the double nearest to 6e-5.
constexpr double kKmhFactor = std::bit_cast<double>(std::uint64_t{0x3F0F75104D551D69});

}  // namespace

std::string SpeedText(double speed) {
    if (!(speed > 0)) return {};  // zero, negative, not a number
    return FormatFixed2Within(speed, kCellTextMax).value_or(kCellOverflow);
}

double GearSpeed(double chainring, double cadence, double sprocket, double circumference) {
    if (sprocket == 0) return 0;
    return chainring * cadence / sprocket * circumference * kKmhFactor;
}

SpeedTable ComputeSpeedTable(const GearInputs& in) {
    SpeedTable table;
    for (std::size_t r = 0; r < in.chainring.size(); ++r)
        for (std::size_t c = 0; c < in.sprocket.size(); ++c)
            table[r][c] = SpeedText(
                GearSpeed(in.chainring[r], in.cadence, in.sprocket[c], in.circumference));
    return table;
}
