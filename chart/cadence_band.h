// The cadence band of the chart: the range of cadences a rider likes to hold, and each
// gear's speed at its two ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CadenceBand {
    double low = 0;   // rpm
    double high = 0;  // rpm
};

// What the two boxes say: no band (both empty), a band, or a refusal with its message
// (the band shown stays as it was).
struct BandReading {
    std::optional<CadenceBand> band;
    const char* refusal = nullptr;
};

// Each box holds a plain number of half-width digits (blanks around it allowed); both are
// needed, both above 0, the low one not above the high one.
BandReading ReadCadenceBand(std::string_view lowText, std::string_view highText);

// A gear's speeds at the band's two ends, as the speed table's cells show speeds.
struct BandSpeeds {
    std::string low;
    std::string high;
};

BandSpeeds ComputeBandSpeeds(double chainring, double sprocket, double circumference,
                             const CadenceBand& band);
