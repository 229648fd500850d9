#include "calc/gear_figures.h"

#include <numbers>

#include "calc/number_text.h"
#include "calc/units.h"
#include "res/strings.h"

namespace {

std::string FiguresOf(double chainring, double sprocket, double circumference) {
    const GearMeasures gear = MeasureGear(chainring, sprocket, circumference);
    const auto name = GearText(chainring, sprocket);
    const auto ratio = FormatFixed(gear.ratio, 2, kCellTextMax);
    const auto development = FormatFixed(gear.development, 2, kCellTextMax);
    const auto inches = FormatFixed(gear.inches, 1, kCellTextMax);
    if (!name || !ratio || !development || !inches) return {};
    return *name + text::kFigureRatio + *ratio + text::kFigureDevelopment + *development +
           text::kFigureInches + *inches;
}

}  // namespace

GearMeasures MeasureGear(double chainring, double sprocket, double circumference) {
    const double ratio = chainring / sprocket;
    return {ratio, ratio * circumference / kMmPerM,
            ratio * circumference / std::numbers::pi / kMmPerInch};
}

std::optional<std::string> TeethText(double teeth) {
    std::optional<std::string> text = FormatFixed(teeth, 2, kCellTextMax);
    if (text) {
        text->erase(text->find_last_not_of('0') + 1);
        if (text->back() == '.') text->pop_back();
    }
    return text;
}

std::optional<std::string> GearText(double chainring, double sprocket) {
    const auto front = TeethText(chainring);
    const auto rear = TeethText(sprocket);
    if (!front || !rear) return std::nullopt;
    return *front + "×" + *rear;
}

GearFigures ComputeGearFigures(const GearInputs& in, const SpeedTable& speeds) {
    GearFigures figures;
    for (std::size_t r = 0; r < in.chainring.size(); ++r)
        for (std::size_t c = 0; c < in.sprocket.size(); ++c) {
            const std::string& cell = speeds[r][c];
            if (!cell.empty() && cell != kCellOverflow)
                figures[r][c] = FiguresOf(in.chainring[r], in.sprocket[c], in.circumference);
        }
    return figures;
}
