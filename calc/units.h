// Units and the conversions between them, for every figure of a gear: the speed table, its
// tooltips, the chart's model and its axis.
#pragma once

#include <bit>
#include <cstdint>

inline constexpr double kMmPerM = 1000;
inline constexpr double kMmPerInch = 25.4;

// km/h of one millimetre per crank turn at one rpm: 60 min/h over 10^6 mm/km, the double
// nearest to 6e-5, as the speed table has always worked it.
inline constexpr double kKmhPerMmRpm = std::bit_cast<double>(std::uint64_t{0x3F0F75104D551D69});

// Speed in km/h at a development (m) and cadence (rpm).
constexpr double SpeedAt(double development, double cadence) {
    return development * kMmPerM * cadence * kKmhPerMmRpm;
}
