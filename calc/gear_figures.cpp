#include "calc/gear_figures.h"

#include <numbers>
#include <optional>

#include "calc/number_text.h"

namespace {

constexpr double kMmPerM = 1000;
constexpr double kMmPerInch = 25.4;

// A tooth count as read: whole numbers bare, others with up to two decimals.
std::optional<std::string> TeethText(double teeth) {
    std::optional<std::string> text = FormatFixed(teeth, 2, kCellTextMax);
    if (text) {
        text->erase(text->find_last_not_of('0') + 1);
        if (text->back() == '.') text->pop_back();
    }
    return text;
}

std::string FiguresOf(double chainring, double sprocket, double circumference) {
    const double ratio = chainring / sprocket;
    const auto front = TeethText(chainring);
    const auto rear = TeethText(sprocket);
    const auto ratioText = FormatFixed(ratio, 2, kCellTextMax);
    const auto development = FormatFixed(ratio * circumference / kMmPerM, 2, kCellTextMax);
    const auto inches =
        FormatFixed(ratio * circumference / std::numbers::pi / kMmPerInch, 1, kCellTextMax);
    if (!front || !rear || !ratioText || !development || !inches) return {};
    return *front + "×" + *rear + "\nギア比 " + *ratioText + "\n展開 " + *development +
           " m\nギアインチ " + *inches;
}

}  // namespace

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
