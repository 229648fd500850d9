// What the gear chart remembers between runs (its limit, cadence band, save folder and
// window), as text in a file of the settings folder (platform/settings_location.h), apart
// from the gear data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/cadence_band.h"
#include "chart/development_limits.h"

// A window's place and size on the screen, in pixels.
struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct ChartSettings {
    std::int64_t limitChoice = kNoLimit;  // the limit chosen, as LimitChoice::millimetres
    std::int64_t typedLimit = 0;          // the last typed limit applied, mm; 0: none
    std::optional<CadenceBand> band;
    std::string saveFolder;               // of the last chart saved, the file system's bytes
    std::optional<WindowPlace> window;
};

// The settings as lines of "name=value", one each, in a fixed order.
std::string FormatChartSettings(const ChartSettings& settings);

// The settings that text holds; what it does not name keeps its default, and a name it
// does not know (a later version's) is passed over. Nothing when any line is damaged: no
// "=", a limit that is no choice's, a typed limit outside 1 mm to 100 m, a band that the
// cadence boxes would refuse, a window without a size.
std::optional<ChartSettings> ParseChartSettings(std::string_view text);

// The settings file's path, in the settings folder; empty when the system names none.
std::string ChartSettingsFile();

// The settings of the settings file; the defaults when there is none, or it cannot be
// read, or it is damaged.
ChartSettings LoadChartSettings();

// Replaces the settings file with these, never leaving it half written (platform/
// save_file.h), making its folder where missing; false when that failed.
bool StoreChartSettings(const ChartSettings& settings);

// The window's remembered size, within the least it may take and the screen's free area,
// and its remembered place where the screen still has room for it there; `placed` false
// when it has not (the window is then placed as for a first start).
struct RestoredPlace {
    WindowPlace box;
    bool placed = false;
};
RestoredPlace RestorePlace(const WindowPlace& remembered, int leastWidth, int leastHeight,
                           const WindowPlace& screen);
