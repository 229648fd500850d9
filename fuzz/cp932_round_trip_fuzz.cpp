// CP932 text through the widgets' Unicode and back, on arbitrary bytes: the round trip
// keeps every byte string, bar characters with two byte forms, which come back in their
// one canonical form (same length, same text). Encoding arbitrary bytes never fails.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string decoded = Cp932ToUtf8(bytes);
    const std::string once = Utf8ToCp932(decoded);
    if (once.size() != bytes.size()) FuzzFailure("the round trip changed the length");
    if (Cp932ToUtf8(once) != decoded) FuzzFailure("the round trip changed the text");
    if (Utf8ToCp932(Cp932ToUtf8(once)) != once) FuzzFailure("the canonical form is not stable");
    Utf8ToCp932(bytes);
    return 0;
}
