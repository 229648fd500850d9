#include "calc/side_calc.h"

#include <algorithm>
#include <utility>

#include "calc/number_text.h"
#include "res/strings.h"

namespace {
constexpr std::size_t kResultChars = 24;
}  // namespace

SideBox ReadSideBox(std::string_view text) {
    return {!text.empty(), ReadNumber(text, kSideBoxBytes)};
}

int CountFilled(std::initializer_list<SideBox> boxes) {
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(),
                                          [](const SideBox& b) { return b.filled; }));
}

bool AnyFilledZero(std::initializer_list<SideBox> boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const SideBox& b) { return b.filled && b.value == 0; });
}

bool TwoOfThreeGiven(SideCalcResult& outcome, std::initializer_list<SideBox> boxes,
                     std::string_view allFilledStatus, std::string_view noneFilledStatus) {
    switch (CountFilled(boxes)) {
    case 3:
        outcome.status = allFilledStatus;
        return false;
    case 0:
        outcome.status = noneFilledStatus;
        return false;
    case 1:
        return false;
    }
    if (AnyFilledZero(boxes)) {
        outcome.status = text::kHalfWidthDigits;
        return false;
    }
    return true;
}

void SetResult(SideCalcResult& outcome, SideQuantity quantity, double value,
               std::string_view status) {
    if (std::optional<std::string> text = FormatFixed2Within(value, kResultChars))
        outcome.result = SideCalcResult::Solved{quantity, std::move(*text)};
    else
        outcome.status = status;
}
