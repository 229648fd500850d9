// The chart's logarithmic development axis and its two scales: development in metres and
// speed in km/h at a cadence.
#pragma once

#include <string>
#include <vector>

struct ChartTick {
    double position = 0;  // 0 at the axis' left end, 1 at its right end
    std::string label;
};

class ChartAxis {
public:
    // Widens the axis to show a development (m, above 0).
    void Include(double development);
    bool IsEmpty() const { return !(lightest_ > 0); }
    // Where a development stands, with a margin at both ends.
    double Position(double development) const;

    // Labelled ticks at round values, at most maxCount of them.
    std::vector<ChartTick> DevelopmentTicks(int maxCount) const;
    std::vector<ChartTick> SpeedTicks(double cadence, int maxCount) const;

private:
    double Low() const;
    double High() const;
    // Ticks at round values of a scale that is `factor` times the development.
    std::vector<ChartTick> Ticks(double factor, int maxCount) const;

    double lightest_ = 0;
    double heaviest_ = 0;
};
