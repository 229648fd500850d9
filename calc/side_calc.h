// What the three side calculators share: their outcome, how they read a box and how they
// write a result.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The quantities a side calculator can work out, one for each box that shows a result.
enum class SideQuantity { AverageSpeed, Distance, Time, SlopeLength, Gradient, Energy };

// The outcome of one side calculation, for its row of the main window.
struct SideCalcResult {
    struct Solved {
        SideQuantity quantity;
        std::string text;  // the result, with two decimals
    };

    std::string status;                    // for the row's status line, always shown
    std::optional<Solved> result;          // when a value was worked out
    std::optional<std::string> timeLabel;  // average speed only: the time box's label
};

// A side calculator's box: whether it holds any text, and the number it reads as.
struct SideBox {
    bool filled;
    double value;
};

// The room the calculators read of a box.
inline constexpr std::size_t kSideBoxBytes = 23;

// A box as far as the calculators see it. A box holding only a space is filled and reads as 0.
SideBox ReadSideBox(std::string_view text);

int CountFilled(std::initializer_list<SideBox> boxes);

// Whether a filled box reads as 0: such a value is refused, as it is what a box of letters
// or full-width digits reads as.
bool AnyFilledZero(std::initializer_list<SideBox> boxes);

// The checks of a row of three boxes, one of which is to be worked out from the other two:
// exactly two filled, neither reading 0. Otherwise sets the row's status (which stays as it
// is when only one box is filled) and returns false.
bool TwoOfThreeGiven(SideCalcResult& outcome, std::initializer_list<SideBox> boxes,
                     std::string_view allFilledStatus, std::string_view noneFilledStatus);

// Puts value into the outcome as the text of quantity; a value that is not finite or whose
// text would not fit a result's 24 characters leaves the result out and sets status instead.
void SetResult(SideCalcResult& outcome, SideQuantity quantity, double value,
               std::string_view status);
