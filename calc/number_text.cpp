#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "util/white_space.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of s (digits, point, exponent), 0 if none.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// For a number out of the range of double: whether it is too large (not too small).
bool IsOverflow(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long magnitude = 0;  // decimal position of the first significant digit
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    magnitude = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    if (e != std::string_view::npos) {
        long exponent = 0;
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

// "%.Nf" of a finite value for `decimals` decimals, rounded half up on the 17-digit string.
std::string FixedDigits(double value, int decimals) {
    // 17 significant digits, d.dddddddddddddddde±x, correctly rounded.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (IsDigit(*p)) digits += *p;
    const int exponent = std::atoi(p + 1);

    // Place digits[0] at decimal position `exponent`; keep down to position -decimals.
    // `integerDigits` is how many digits stand before the point.
    int integerDigits = exponent + 1;
    if (integerDigits < 0) {
        digits.insert(0, static_cast<std::size_t>(-integerDigits), '0');
        integerDigits = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(integerDigits + decimals);
    if (digits.size() < keep) digits.append(keep - digits.size(), '0');
    const bool roundUp = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, 1, '1');
            ++integerDigits;
        } else {
            ++digits[i - 1];
        }
    }
    std::string result = std::signbit(value) ? "-" : "";
    result += integerDigits == 0 ? std::string("0") : digits.substr(0, integerDigits);
    result += '.';
    result += digits.substr(integerDigits);
    return result;
}

}  // namespace

std::optional<double> ReadWholeNumber(std::string_view text) {
    const std::string trimmed = TrimWhiteSpace(text);
    std::string_view number = trimmed;
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ReadNumber(std::string_view text, std::size_t maxBytes) {
    std::string_view s = text.substr(0, maxBytes);
    std::size_t i = 0;
    while (i < s.size() && IsWhiteSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    s.remove_prefix(i);
    const std::size_t length = NumberLength(s);
    if (length == 0) return 0.0;

    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + length, value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone where atof gives infinity or zero.
        value = IsOverflow(s.substr(0, length)) ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::optional<std::string> FormatFixed(double value, int decimals, std::size_t maxChars) {
    if (!std::isfinite(value)) return std::nullopt;
    std::string text = FixedDigits(value, decimals);
    if (text.size() > maxChars) return std::nullopt;
    return text;
}
