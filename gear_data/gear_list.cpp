#include "gear_data/gear_list.h"

#include <algorithm>
#include <span>

namespace {

// Splits entry into slots: every slot that a field reaches starts empty, the others keep
// their text.
void SplitEntry(std::string_view entry, std::span<FieldSlot> slots) {
    slots[0][0] = '\0';
    std::size_t slot = 0;
    std::size_t length = 0;
    for (const char c : entry) {
        if (c == '-') {
            length = 0;
            if (++slot < slots.size()) slots[slot][0] = '\0';
        } else if (slot < slots.size() && length < kFieldMaxBytes) {
            slots[slot][length++] = c;
            slots[slot][length] = '\0';
        }
    }
}

template <std::size_t N>
EntryFields<N> Split(std::string_view entry, EntryFields<N> fields) {
    SplitEntry(entry, fields.slots);
    return fields;
}

}  // namespace

std::string_view GearList::Entry(int index) const {
    if (index < 0 || index >= count) return {};
    return entries[static_cast<std::size_t>(index)].data();
}

void GearList::Append(std::string_view line) {
    if (count >= kGearListCapacity) return;
    auto& entry = entries[static_cast<std::size_t>(count++)];
    line = line.substr(0, kEntryMaxBytes);
    std::copy(line.begin(), line.end(), entry.begin());
    entry[line.size()] = '\0';
}

CranksetFields SplitCranksetEntry(std::string_view entry) { return Split(entry, CranksetFields{}); }

CassetteFields SplitCassetteEntry(std::string_view entry) {
    CassetteFields fields;
    SplitEntry(entry, fields.slots);
    fields.count = static_cast<std::size_t>(std::count(entry.begin(), entry.end(), '-')) + 1;
    return fields;
}

std::array<std::string_view, kSprocketBoxes> CassetteFields::BoxTexts() const {
    std::array<std::string_view, kSprocketBoxes> texts;
    for (std::size_t i = 0; i < kSprocketBoxes; ++i) texts[i] = slots[i].data();
    return texts;
}

TyreFields SplitTyreEntry(std::string_view entry, const TyreFields& previous) {
    return Split(entry, previous);
}
