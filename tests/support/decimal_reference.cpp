#include "tests/support/decimal_reference.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {

// Adds one at the last digit; true when the carry runs off the front.
bool Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

}  // namespace

std::string ReferenceFixed2(double value) {
    // Every digit of the value: a double has at most 1074 of them behind the point.
    char buffer[1500];
    char* end =
        std::to_chars(buffer, std::end(buffer), std::fabs(value), std::chars_format::fixed, 1100).ptr;
    std::string digits(buffer, end);
    int intDigits = static_cast<int>(digits.find('.'));
    digits.erase(static_cast<std::size_t>(intDigits), 1);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::signbit(value) ? "-0.00" : "0.00";
    digits.erase(0, first);
    intDigits -= static_cast<int>(first);

    // 17 significant digits, to nearest and ties to even, as printf gives them.
    const bool tail = digits.find_first_not_of('0', 18) != std::string::npos;
    bool up = digits[17] > '5' || (digits[17] == '5' && (tail || (digits[16] - '0') % 2));
    digits.resize(17);
    if (up && Increment(digits)) digits.insert(0, "1"), ++intDigits;

    // Then two decimals, half up.
    if (intDigits < 0) digits.insert(0, static_cast<std::size_t>(-intDigits), '0'), intDigits = 0;
    digits.append(static_cast<std::size_t>(intDigits + 3), '0');
    up = digits[intDigits + 2] >= '5';
    digits.resize(static_cast<std::size_t>(intDigits + 2));
    if (up && Increment(digits)) digits.insert(0, "1"), ++intDigits;
    std::string whole = digits.substr(0, intDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    return (std::signbit(value) ? "-" : "") + whole + "." + digits.substr(intDigits);
}
