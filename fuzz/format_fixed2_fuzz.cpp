// FormatFixed2 on arbitrary doubles (the first eight bytes of the input, zero-padded):
// its text equals the exact decimal reference, and FormatFixed2Within gives that text
// exactly when it is finite and fits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <string>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/decimal_reference.h"

namespace {

std::string Expected(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    return ReferenceFixed2(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    const std::string text = FormatFixed2(value);
    const std::string expected = Expected(value);
    if (text != expected) {
        std::fprintf(stderr, "%a: wrote %s, expected %s\n", value, text.c_str(), expected.c_str());
        FuzzFailure("FormatFixed2 differs from the exact reference");
    }
    constexpr std::size_t kCellRoom = 19;
    const bool fits = std::isfinite(value) && text.size() <= kCellRoom;
    if (FormatFixed2Within(value, kCellRoom) != (fits ? std::optional(text) : std::nullopt))
        FuzzFailure("FormatFixed2Within disagrees with FormatFixed2");
    return 0;
}
