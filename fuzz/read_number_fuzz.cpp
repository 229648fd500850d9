// ReadNumber on arbitrary bytes, read with the room of the speed table (18 bytes) and of
// the side calculators (23 bytes): never crashes, and gives what the C library's strtod
// gives in the "C" locale (the process never changes it) wherever strtod reads a plain
// decimal number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"

namespace {

// strtod also reads hexadecimal numbers, "inf" and "nan", which a box does not.
bool IsPlainDecimal(std::string_view accepted) {
    return accepted.find_first_of("xXiInN") == std::string_view::npos;
}

void Check(std::string_view bytes, std::size_t maxBytes) {
    const double value = ReadNumber(bytes, maxBytes);
    // A box's text ends at its first NUL, where strtod stops too.
    const std::string seen(bytes.substr(0, maxBytes));
    char* end = nullptr;
    const double expected = std::strtod(seen.c_str(), &end);
    if (!IsPlainDecimal(std::string_view(seen.c_str(), end))) return;
    if (std::memcmp(&value, &expected, sizeof value) != 0) {
        std::fprintf(stderr, "room %zu: read %a, strtod %a\n", maxBytes, value, expected);
        FuzzFailure("ReadNumber differs from strtod");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, 18);
    Check(bytes, 23);
    return 0;
}
