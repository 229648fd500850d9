#include "settings/chart_settings.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <vector>

#include "platform/save_file.h"
#include "platform/settings_location.h"
#include "platform/text_file.h"

namespace {

constexpr char kFileName[] = "/chart.conf";
constexpr std::size_t kMostBytes = 1 << 16;  // far above any real settings
constexpr std::int64_t kMostTypedLimit = 100000;  // mm, as the typed box allows

constexpr char kLimitName[] = "limit";
constexpr char kTypedLimitName[] = "typed_limit";
constexpr char kBandName[] = "band";
constexpr char kSaveFolderName[] = "save_folder";
constexpr char kWindowName[] = "window";
constexpr char kNoLimitText[] = "none";
constexpr char kTypedLimitText[] = "typed";

std::string NumberText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

template <class Integer>
std::optional<Integer> WholeInteger(std::string_view text) {
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::optional<std::int64_t> ReadLimitChoice(std::string_view value) {
    if (value == kNoLimitText) return kNoLimit;
    if (value == kTypedLimitText) return kTypedLimit;
    const std::optional<std::int64_t> mm = WholeInteger<std::int64_t>(value);
    if (!mm || *mm <= 0 || LimitChoicePosition(*mm) == static_cast<int>(LimitChoices().size())) return std::nullopt;
    return mm;
}

std::optional<WindowPlace> ReadWindow(std::string_view value) {
    const std::vector<std::string_view> fields = Fields(value);
    if (fields.size() != 4) return std::nullopt;
    int numbers[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<int> number = WholeInteger<int>(fields[i]);
        if (!number) return std::nullopt;
        numbers[i] = *number;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
    return WindowPlace{numbers[0], numbers[1], numbers[2], numbers[3]};
}

// Takes one line's value into the settings; false when it is damaged.
bool Take(std::string_view name, std::string_view value, ChartSettings& settings) {
    if (name == kLimitName) {
        const std::optional<std::int64_t> choice = ReadLimitChoice(value);
        settings.limitChoice = choice.value_or(kNoLimit);
        return choice.has_value();
    }
    if (name == kTypedLimitName) {
        const std::optional<std::int64_t> mm = WholeInteger<std::int64_t>(value);
        if (!mm || *mm <= 0 || *mm > kMostTypedLimit) return false;
        settings.typedLimit = *mm;
        return true;
    }
    if (name == kBandName) {
        const std::vector<std::string_view> fields = Fields(value);
        if (fields.size() != 2) return false;
        settings.band = ReadCadenceBand(fields[0], fields[1]).band;
        return settings.band.has_value();
    }
    if (name == kSaveFolderName) {
        settings.saveFolder = value;
        return true;
    }
    if (name == kWindowName) {
        settings.window = ReadWindow(value);
        return settings.window.has_value();
    }
    return true;
}

}  // namespace

std::string ChartSettingsFile() {
    const std::string folder = SettingsFolder();
    return folder.empty() ? folder : folder + kFileName;
}

std::string FormatChartSettings(const ChartSettings& settings) {
    std::string text = std::string(kLimitName) + "=";
    if (settings.limitChoice == kNoLimit)
        text += kNoLimitText;
    else if (settings.limitChoice == kTypedLimit)
        text += kTypedLimitText;
    else
        text += std::to_string(settings.limitChoice);
    text += "\n";
    if (settings.typedLimit > 0) text += std::string(kTypedLimitName) + "=" + std::to_string(settings.typedLimit) + "\n";
    if (settings.band)
        text += std::string(kBandName) + "=" + NumberText(settings.band->low) + " " + NumberText(settings.band->high) + "\n";
    if (!settings.saveFolder.empty()) text += std::string(kSaveFolderName) + "=" + settings.saveFolder + "\n";
    if (const std::optional<WindowPlace>& w = settings.window)
        text += std::string(kWindowName) + "=" + std::to_string(w->x) + " " + std::to_string(w->y) + " " +
                std::to_string(w->width) + " " + std::to_string(w->height) + "\n";
    return text;
}

std::optional<ChartSettings> ParseChartSettings(std::string_view text) {
    ChartSettings settings;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || !Take(line.substr(0, equals), line.substr(equals + 1), settings))
            return std::nullopt;
    }
    return settings;
}

ChartSettings LoadChartSettings() {
    const std::string file = ChartSettingsFile();
    std::string text;
    if (file.empty() || ReadTextFile(file.c_str(), kMostBytes, text) != TextReadResult::Read) return {};
    return ParseChartSettings(text).value_or(ChartSettings{});
}

bool StoreChartSettings(const ChartSettings& settings) {
    const std::string folder = SettingsFolder();
    return !folder.empty() && MakeSettingsFolder(folder) &&
           SaveFileBytes((folder + kFileName).c_str(), FormatChartSettings(settings));
}

RestoredPlace RestorePlace(const WindowPlace& remembered, int leastWidth, int leastHeight,
                           const WindowPlace& screen) {
    WindowPlace box = remembered;
    box.width = std::clamp(remembered.width, std::min(leastWidth, screen.width), screen.width);
    box.height = std::clamp(remembered.height, std::min(leastHeight, screen.height), screen.height);
    const bool placed = box.x >= screen.x && box.y >= screen.y && box.x + box.width <= screen.x + screen.width &&
                        box.y + box.height <= screen.y + screen.height;
    return {box, placed};
}
