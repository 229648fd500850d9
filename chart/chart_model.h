// The gear chart as values: which gears the last press of 計算 gives, their figures, rows,
// steps, near-duplicates and limit flags. The drawing and the table both come from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/development_limits.h"
#include "res/strings.h"

// What the main window hands the chart at each press of 計算: the gears it decided on.
struct ChartSetup {
    std::vector<double> chainrings;  // in box order; one not above 0 has no row
    std::vector<double> sprockets;   // one not above 0 has no gear
    double circumference = 0;        // mm
    double cadence = 0;              // rpm
    // A cassette entry of more sprockets than the boxes was chosen, but the boxes no longer
    // hold its first ten: the boxes' sprockets are shown.
    bool longerEntrySetAside = false;
};

// The table's columns, in order, and their titles.
enum ChartColumn : std::size_t {
    kGearColumn, kRatioColumn, kDevelopmentColumn, kInchesColumn, kSpeedColumn, kStepColumn,
    kNearColumn, kLimitColumn, kChartColumns
};
inline constexpr const char* kChartColumnTitles[kChartColumns] = {
    text::kColumnGear,  text::kColumnRatio, text::kColumnDevelopment, text::kColumnInches,
    text::kColumnSpeed, text::kColumnStep,  text::kColumnNearGear,    text::kColumnLimit,
};

struct ChartGear {
    std::size_t row = 0;      // into GearSet::rows
    std::size_t column = 0;   // sprocket, from 0
    double chainring = 0;
    double sprocket = 0;
    double development = 0;   // m
    std::int64_t millimetres = 0;
    std::optional<double> step;       // % over the next lighter gear of its row
    std::optional<std::size_t> nearest;  // into GearSet::gears: the near-duplicate
    bool overLimit = false;
    std::array<std::string, kChartColumns> cells;  // the table's texts
};

struct ChartRow {
    double chainring = 0;
    std::string label;                // "50T"
    std::vector<std::size_t> gears;   // into GearSet::gears, lightest first
};

// One set of gears with its own circumference and cadence.
struct GearSet {
    double circumference = 0;  // mm
    double cadence = 0;        // rpm
    std::vector<ChartRow> rows;      // one per chainring read above 0, in box order
    std::vector<ChartGear> gears;    // lightest development first; ties in row, then column order
    int leftOut = 0;                 // gears whose figures have no finite text in their room
    bool longerEntrySetAside = false;  // as the setup says
};

GearSet BuildGearSet(const ChartSetup& setup, const std::optional<DevelopmentLimit>& limit);

// With a limit: the heaviest gear within it and its margin, or that there is none; else empty.
std::string LimitSummary(const GearSet& set, const std::optional<DevelopmentLimit>& limit);

// What the chart notes about the set: how many gears were left out, and that a longer
// cassette entry was set aside with what to do about it; empty when neither.
std::string ChartNote(const GearSet& set);
