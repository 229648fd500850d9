// What to lock out so that the heaviest gear the bicycle can select stays within a limit:
// per chainring the smallest sprocket within it, and the one high-limit setting for the
// whole drivetrain.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_model.h"

struct RingLockOut {
    std::string chainring;                 // the row's label, "50T"
    std::optional<double> smallestWithin;  // nothing when every sprocket is over
    std::vector<double> over;              // the sprockets over the limit, smallest first
};

struct LockOut {
    std::vector<RingLockOut> rings;  // in the set's row order
    // The smallest sprocket every chainring may use; nothing when a chainring has none.
    std::optional<double> highLimit;
    // The heaviest gear left with that setting (into GearSet::gears).
    std::optional<std::size_t> heaviestLeft;
};

// Developments compared in whole millimetres as the chart rounds them; a gear exactly on
// the limit is within it.
LockOut PlanLockOut(const GearSet& set, std::int64_t limit);

// "50T: 15T 以上 (11～14T は超過)", "50T: すべて制限内" or "50T: どの歯数も超過".
std::string RingLockOutText(const RingLockOut& ring);

// The high-limit setting: needed, not needed, or impossible.
std::string HighLimitText(const LockOut& lockOut);
