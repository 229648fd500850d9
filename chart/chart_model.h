// The gear chart as values: which gears the last press of 計算 gives, their figures, rows,
// steps, near-duplicates and limit flags. The drawing and the table both come from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/speed_table.h"
#include "chart/development_limits.h"

// What one press of 計算 read, as the chart takes it.
struct ChartReading {
    GearInputs inputs;
    std::array<std::string, 10> sprocketTexts;  // the sprocket boxes' texts at the press
    std::string cassetteEntry;                  // the entry last split into those boxes
};

// The ten sprockets read; or, when the cassette entry has more than ten and the boxes held
// exactly its first ten fields, all of its sprockets up to 15, each read as a box reads.
std::vector<double> ChartSprockets(const ChartReading& reading);

// The table's columns, in order.
enum ChartColumn : std::size_t {
    kGearColumn, kRatioColumn, kDevelopmentColumn, kInchesColumn, kSpeedColumn, kStepColumn,
    kNearColumn, kLimitColumn, kChartColumns
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
    double cadence = 0;
    std::vector<ChartRow> rows;      // one per chainring read above 0, in box order
    std::vector<ChartGear> gears;    // lightest development first; ties in row, then column order
    int leftOut = 0;                 // gears whose figures have no finite text in their room
};

GearSet BuildGearSet(const ChartReading& reading, const std::optional<DevelopmentLimit>& limit);

// With a limit: the heaviest gear within it and its margin, or that there is none; else empty.
std::string LimitSummary(const GearSet& set, const std::optional<DevelopmentLimit>& limit);

// How many gears were left out, or empty when none was.
std::string LeftOutText(const GearSet& set);
