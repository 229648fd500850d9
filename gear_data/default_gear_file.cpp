// The content written when Velmor.ini is missing. Compiled with CP932 as the execution
// character set; "\x81\x40" is the full-width space behind "間に".
#include "gear_data/gear_file.h"

#include <iterator>

namespace {

constexpr const char* kDefaultLines[] = {
    "//",
    "//Velmor.ini",
    "//Front Crankset と Cassette と Tire surroundings の初期値",
    "//一番目の数値は初期値になります。",
    "//Front Crankset と fEnd の間に" "\x81\x40" "34-50 などのように記入します。",
    "//Front Crankset",
    "Front Crankset",
    "28-38-48",
    "fEnd",
    "",
    "//",
    "//Cassette と cEnd の間に" "\x81\x40" "24-21-18-16-15-14-13-12 などのように記入します。",
    "//Cassette",
    "Cassette",
    "24-21-18-16-15-14-13-12",
    "cEnd",
    "",
    "//",
    "//Tire surroundings と tEnd の間に" "\x81\x40" "700x28C-2136(タイヤの種類-周長) などのように記入します。",
    "Tire surroundings",
    "700x28C-2136",
    "700x18C-2070",
    "700x19C-2080",
    "700x20C-2086",
    "700x23C-2096",
    "700x25C-2105",
    "700CTubular-2130",
    "700x28C-2136",
    "700x30C-2146",
    "700x32C-2155",
    "700x35C-2168",
    "700x38C-2180",
    "700x40C-2200",
    "700x44C-2224",
    "tEnd",
};

}  // namespace

std::string DefaultGearFileText() {
    std::string text;
    for (std::size_t i = 0; i < std::size(kDefaultLines); ++i) {
        if (i > 0) text += '\n';
        text += kDefaultLines[i];
    }
    return text;
}
