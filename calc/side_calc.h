// What the three side calculators share: their outcome, how they read a box and how they
// write a result.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The outcome of one side calculation, for its row of the main window.
struct SideCalcResult {
    struct BoxText {
        int box;           // control id of the box that receives the result
        std::string text;  // the result, with two decimals
    };

    std::string status;                    // for the row's status line, always shown
    std::optional<BoxText> result;         // when a value was worked out
    std::optional<std::string> timeLabel;  // average speed only: the time box's label
};

// A side calculator's box: whether it holds any text, and the number it reads as.
struct SideBox {
    bool filled;
    double value;
};

// The calculators see at most 23 bytes of a box. A box holding only a space is filled and
// reads as 0.
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

// Puts value into the outcome as the text for box; a value that is not finite or whose text
// would not fit the box's 24 characters leaves the result out and sets status instead.
void SetResult(SideCalcResult& outcome, int box, double value, std::string_view status);
