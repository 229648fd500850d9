// A roll-out measured on the floor in a chosen gear, checked against a limit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct RollOut {
    std::int64_t measured = 0;       // mm
    std::int64_t margin = 0;         // mm: the limit less the measurement; below 0 it fails
    std::int64_t circumference = 0;  // mm: what the measurement implies in that gear
};

// A checked measurement, or the message that refuses the text.
struct RollOutReading {
    std::optional<RollOut> rollOut;
    const char* refusal = nullptr;
};

// The measurement in metres, read as a typed limit is (above 0, at most 100, rounded half
// up to millimetres); chainring and sprocket above 0. A measurement exactly on the limit
// passes.
RollOutReading CheckRollOut(std::string_view metres, double chainring, double sprocket, std::int64_t limit);

// "合格: 制限まで 20 mm の余裕。" and a second line, "この実測の周長 2099 mm (一覧では 2105 mm)"
std::string RollOutText(const RollOut& rollOut, double listedCircumference);
