#include "gear_data/gear_list.h"

#include <algorithm>

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

void SplitEntry(std::string_view entry, std::span<FieldSlot> slots, bool emptyOthers) {
    if (emptyOthers)
        for (FieldSlot& slot : slots) slot[0] = '\0';
    if (slots.empty()) return;
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
