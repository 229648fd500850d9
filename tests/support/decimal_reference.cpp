#include "tests/support/decimal_reference.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Exact decimal digits of a finite non-negative double: (digits, position of the point).
std::pair<std::string, int> ExactDecimal(double value) {
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    auto m = static_cast<unsigned long long>(std::ldexp(mantissa, 53));
    exponent -= 53;
    std::string digits = std::to_string(m);  // most significant first
    auto multiply = [&digits](long long factor) {
        long long carry = 0;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            const long long d = (*it - '0') * factor + carry;
            *it = static_cast<char>('0' + d % 10);
            carry = d / 10;
        }
        while (carry) {
            digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
            carry /= 10;
        }
    };
    // By up to 2^20 and 5^13 at a time, so that extreme values stay quick.
    int point = 0;  // digits to the right of the point
    for (int step; exponent > 0; exponent -= step) {
        step = std::min(exponent, 20);
        multiply(1LL << step);
    }
    for (int step; exponent < 0; exponent += step, point += step) {
        step = std::min(-exponent, 13);
        long long power = 1;
        for (int i = 0; i < step; ++i) power *= 5;
        multiply(power);
    }
    return {digits, static_cast<int>(digits.size()) - point};
}

}  // namespace

std::string ReferenceFixed2(double value) {
    auto [digits, intDigits] = ExactDecimal(std::fabs(value));
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::signbit(value) ? "-0.00" : "0.00";
    digits.erase(0, first);
    intDigits -= static_cast<int>(first);
    if (digits.size() > 17) {
        const bool tail = digits.find_first_not_of('0', 18) != std::string::npos;
        bool up = digits[17] > '5' || (digits[17] == '5' && (tail || (digits[16] - '0') % 2));
        digits.resize(17);
        for (std::size_t i = 17; up && i-- > 0;) {
            up = digits[i] == '9';
            digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
        }
        if (up) digits.insert(digits.begin(), '1'), ++intDigits;
    }
    if (intDigits < 0) digits.insert(0, static_cast<std::size_t>(-intDigits), '0'), intDigits = 0;
    digits.append(static_cast<std::size_t>(intDigits + 3), '0');
    bool up = digits[intDigits + 2] >= '5';
    digits.resize(static_cast<std::size_t>(intDigits + 2));
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        up = digits[i] == '9';
        digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
    }
    if (up) digits.insert(digits.begin(), '1'), ++intDigits;
    std::string whole = digits.substr(0, intDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    return (std::signbit(value) ? "-" : "") + whole + "." + digits.substr(intDigits);
}
