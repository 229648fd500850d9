// Which sprockets the gear chart shows for a press of 計算: the ten boxes, or all of a
// longer cassette entry while the boxes still hold it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "gear_data/gear_list.h"

struct ChartSprockets {
    std::vector<double> sprockets;
    // The entry has more sprockets than the boxes, but the boxes no longer hold its first ten.
    bool longerEntrySetAside = false;
};

// boxTexts and boxSprockets: the ten boxes' texts and their values as the speed table read
// them. All of the entry's sprockets (up to 15, each read as a box reads) while the boxes
// hold exactly its first ten fields; else the boxes' values.
ChartSprockets ChooseChartSprockets(const CassetteFields& entry, std::span<const std::string, kSprocketBoxes> boxTexts,
                                    std::span<const double, kSprocketBoxes> boxSprockets);
