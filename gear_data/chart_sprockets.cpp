#include "gear_data/chart_sprockets.h"

#include <algorithm>

#include "calc/number_text.h"
#include "calc/speed_table.h"

ChartSprockets ChooseChartSprockets(const CassetteFields& entry, std::span<const std::string, kSprocketBoxes> boxTexts,
                                    std::span<const double, kSprocketBoxes> boxSprockets) {
    ChartSprockets chosen{{boxSprockets.begin(), boxSprockets.end()}, false};
    if (entry.count <= kSprocketBoxes) return chosen;
    if (!std::equal(boxTexts.begin(), boxTexts.end(), entry.BoxTexts().begin())) {
        chosen.longerEntrySetAside = true;
        return chosen;
    }
    chosen.sprockets.clear();
    const auto fields = entry.Texts();
    for (std::size_t i = 0; i < std::min(entry.count, fields.size()); ++i)
        chosen.sprockets.push_back(ReadNumber(fields[i], kGearInputBytes));
    return chosen;
}
