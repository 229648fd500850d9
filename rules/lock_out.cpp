#include "rules/lock_out.h"

#include <algorithm>

#include "calc/gear_figures.h"
#include "res/strings.h"

namespace {

std::string SprocketText(double teeth) { return TeethText(teeth).value_or(std::string()) + text::kChainringSuffix; }

}  // namespace

LockOut PlanLockOut(const GearSet& set, std::int64_t limit) {
    LockOut plan;
    bool everyRingHasOne = true;
    double highLimit = 0;
    for (const ChartRow& row : set.rows) {
        if (row.gears.empty()) continue;
        RingLockOut ring{row.label, std::nullopt, {}};
        for (const std::size_t index : row.gears) {
            const ChartGear& gear = set.gears[index];
            if (gear.millimetres > limit)
                ring.over.push_back(gear.sprocket);
            else if (!ring.smallestWithin || gear.sprocket < *ring.smallestWithin)
                ring.smallestWithin = gear.sprocket;
        }
        std::sort(ring.over.begin(), ring.over.end());
        ring.over.erase(std::unique(ring.over.begin(), ring.over.end()), ring.over.end());
        if (ring.smallestWithin)
            highLimit = std::max(highLimit, *ring.smallestWithin);
        else
            everyRingHasOne = false;
        plan.rings.push_back(std::move(ring));
    }
    if (plan.rings.empty() || !everyRingHasOne) return plan;
    plan.highLimit = highLimit;
    // Lightest first: the last gear the setting leaves is the heaviest.
    for (std::size_t i = set.gears.size(); i-- > 0;)
        if (set.gears[i].sprocket >= highLimit) {
            plan.heaviestLeft = i;
            break;
        }
    return plan;
}

std::string RingLockOutText(const RingLockOut& ring) {
    std::string line = ring.chainring + ": ";
    if (!ring.smallestWithin) return line + text::kLockOutNone;
    if (ring.over.empty()) return line + text::kLockOutAllWithin;
    line += SprocketText(*ring.smallestWithin) + text::kLockOutFrom;
    if (ring.over.size() > 1) line += TeethText(ring.over.front()).value_or(std::string()) + text::kLockOutTo;
    return line + SprocketText(ring.over.back()) + text::kLockOutOver;
}

std::string HighLimitText(const LockOut& lockOut) {
    if (!lockOut.highLimit) return text::kHighLimitNone;
    const bool anyOver = std::any_of(lockOut.rings.begin(), lockOut.rings.end(),
                                     [](const RingLockOut& ring) { return !ring.over.empty(); });
    if (!anyOver) return text::kHighLimitNotNeeded;
    return text::kHighLimitBefore + SprocketText(*lockOut.highLimit) + text::kHighLimitAfter;
}
