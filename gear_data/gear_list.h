// A gear list (the lines of one section of the gear-data file) and the fields of one of
// its entries, in the fixed sizes of the gear-data model.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr int kGearListCapacity = 100;       // the title line and 99 choices
inline constexpr std::size_t kEntryMaxBytes = 99;
inline constexpr std::size_t kFieldMaxBytes = 9;

struct GearList {
    // Zero-terminated lines, each with the line feed that ended it.
    std::array<std::array<char, kEntryMaxBytes + 1>, kGearListCapacity> entries{};
    int count = 0;

    // Entry index (0 is the title line), or an empty one when the list has no such entry.
    std::string_view Entry(int index) const;
    // Stores a line as entry `count`; a full list takes no more.
    void Append(std::string_view line);
};

using FieldSlot = std::array<char, kFieldMaxBytes + 1>;

template <std::size_t N>
struct EntryFields {
    std::array<FieldSlot, N> slots{};

    std::array<std::string_view, N> Texts() const {
        std::array<std::string_view, N> texts;
        for (std::size_t i = 0; i < N; ++i) texts[i] = slots[i].data();
        return texts;
    }
};

using CranksetFields = EntryFields<3>;   // chainrings 1 to 3
using TyreFields = EntryFields<2>;       // name, circumference in mm

// The sprocket boxes of the speed table, and the most sprockets the gear chart takes of a
// longer cassette entry.
inline constexpr std::size_t kSprocketBoxes = 10;
inline constexpr std::size_t kCassetteMaxSprockets = 15;

// A cassette entry, split once: sprockets 1 to 15 and how many fields the entry has, those
// beyond the slots included.
struct CassetteFields : EntryFields<kCassetteMaxSprockets> {
    std::size_t count = 0;

    // The first ten fields: what the sprocket boxes show.
    std::array<std::string_view, kSprocketBoxes> BoxTexts() const;
};

// An entry's fields: split at each "-", a field into each slot, cut to 9 bytes; fields
// beyond the last slot are dropped and slots that no field reaches stay empty.
CranksetFields SplitCranksetEntry(std::string_view entry);
CassetteFields SplitCassetteEntry(std::string_view entry);
// The same, but a tyre line without "-" replaces only the name and keeps the circumference
// of the previous tyre.
TyreFields SplitTyreEntry(std::string_view entry, const TyreFields& previous);
