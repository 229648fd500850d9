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
    {IDC_CRANKSET, "Front Crankset"},
    {IDC_CASSETTE, "Cassette Sprocket"},
    {IDC_TYRE, "Tire surroundings length"},
    {IDC_CIRCUMFERENCE, "Tire surroundings length mm"},
    {IDC_CADENCE, "Velmor rpm"},
    {IDC_AVG_DISTANCE, "平均速度 距離 Km"},
    {IDC_AVG_TIME, "時間"},  // its label's unit changes between hours and minutes
    {IDC_AVG_SPEED, "平均速度 速度 Km/h"},
    {IDC_AVG_MINUTES, "分で計算"},
    {IDC_GRAD_LENGTH, "坂の距離 Km"},
    {IDC_GRAD_HEIGHT, "坂の勾配 標高 m"},
    {IDC_GRAD_GRADIENT, "平均勾配 %"},
    {IDC_ENERGY_DISTANCE, "消費カロリー 距離 Km"},
    {IDC_ENERGY_CLASS, "消費カロリー 速度 Km/h"},
    {IDC_ENERGY_WEIGHT, "体重+自転車重量 Kg"},
    {IDC_ENERGY_HEIGHT, "消費カロリー 標高 m"},
    {IDC_ENERGY_GRADIENT, "勾配 %"},
    {IDC_ENERGY_RESULT, "カロリー Kcal"},
};

constexpr int kColumns = IDC_SPROCKET_LAST - IDC_SPROCKET_FIRST + 1;
constexpr int kRows = IDC_CHAINRING_LAST - IDC_CHAINRING_FIRST + 1;

// The gear table's headings: "1速" to "10速" over the columns and beside the rows.
std::string Gear(int n) { return std::to_string(n) + "速"; }

std::vector<AccessibleName> MainNames() {
    std::vector<AccessibleName> names;
    for (const auto& label : kMainLabels) names.push_back({label.id, label.name});
    for (int c = 1; c <= kColumns; ++c)
        names.push_back({IDC_SPROCKET_FIRST + c - 1, Gear(c) + " スプロケット歯数"});
    for (int r = 1; r <= kRows; ++r)
        names.push_back({IDC_CHAINRING_FIRST + r - 1, Gear(r) + " チェーンリング歯数"});
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            names.push_back({CellId(r, c),
                             Gear(r) + " チェーンリング " + Gear(c) + " スプロケット Km/h"});
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
