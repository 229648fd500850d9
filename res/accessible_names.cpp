#include "res/accessible_names.h"

#include <string>

#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

// Controls named by the label (and unit) that the template puts beside them; a label that
// two rows share is led by its row's purpose.
constexpr struct {
    int id;
    const char* name;
} kMainLabels[] = {
    {IDC_CRANKSET, text::kNameCrankset},
    {IDC_CASSETTE, text::kNameCassette},
    {IDC_TYRE, text::kNameTyre},
    {IDC_CIRCUMFERENCE, text::kNameCircumference},
    {IDC_CADENCE, text::kNameCadence},
    {IDC_AVG_DISTANCE, text::kNameAvgDistance},
    {IDC_AVG_TIME, text::kNameAvgTime},  // its label's unit changes between hours and minutes
    {IDC_AVG_SPEED, text::kNameAvgSpeed},
    {IDC_AVG_MINUTES, text::kNameAvgMinutes},
    {IDC_GRAD_LENGTH, text::kNameGradLength},
    {IDC_GRAD_HEIGHT, text::kNameGradHeight},
    {IDC_GRAD_GRADIENT, text::kNameGradGradient},
    {IDC_ENERGY_DISTANCE, text::kNameEnergyDistance},
    {IDC_ENERGY_CLASS, text::kNameEnergyClass},
    {IDC_ENERGY_WEIGHT, text::kNameEnergyWeight},
    {IDC_ENERGY_HEIGHT, text::kNameEnergyHeight},
    {IDC_ENERGY_GRADIENT, text::kNameEnergyGradient},
    {IDC_ENERGY_RESULT, text::kNameEnergyResult},
};

constexpr int kColumns = IDC_SPROCKET_LAST - IDC_SPROCKET_FIRST + 1;
constexpr int kRows = IDC_CHAINRING_LAST - IDC_CHAINRING_FIRST + 1;

// The gear table's headings: "1速" to "10速" over the columns and beside the rows.
std::string Gear(int n) { return std::to_string(n) + text::kNameGearNumber; }

std::vector<AccessibleName> MainNames() {
    std::vector<AccessibleName> names;
    for (const auto& label : kMainLabels) names.push_back({label.id, label.name});
    for (int c = 1; c <= kColumns; ++c)
        names.push_back({IDC_SPROCKET_FIRST + c - 1, Gear(c) + text::kNameSprocketBox});
    for (int r = 1; r <= kRows; ++r)
        names.push_back({IDC_CHAINRING_FIRST + r - 1, Gear(r) + text::kNameChainringBox});
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            names.push_back({CellId(r, c),
                             Gear(r) + text::kNameCellChainring + Gear(c) + text::kNameCellSprocket});
    return names;
}

}  // namespace

std::vector<AccessibleName> AccessibleNames(int dialogId) {
    switch (dialogId) {
    case IDD_MAIN:
        return MainNames();
    case IDD_SETTINGS:
        return {{IDC_EDITOR_TEXT, text::kGearFileName}};
    default:
        return {};
    }
}
