#include "gear_data/gear_file.h"

#include <array>

#include "platform/text_file.h"
#include "res/strings.h"

namespace {

struct SectionMarkers {
    std::string_view open;
    std::string_view close;
};

// Crankset, cassette and tyre, in the order in which a line is stored into their lists.
constexpr std::array<SectionMarkers, 3> kSections = {{{"Fr", "fE"}, {"Ca", "cE"}, {"Ti", "tE"}}};

}  // namespace

void ReadGearSections(TextFileReader& file, GearList& crankset, GearList& cassette,
                      GearList& tyre) {
    const std::array<GearList*, 3> lists = {&crankset, &cassette, &tyre};
    std::array<bool, 3> open = {};
    for (GearList* list : lists) list->count = 0;

    for (std::string_view piece; !(piece = file.ReadPiece(kEntryMaxBytes)).empty();) {
        if (piece.starts_with("//")) continue;
        for (std::size_t s = 0; s < kSections.size(); ++s) {
            if (piece.starts_with(kSections[s].open)) open[s] = true;
            if (piece.starts_with(kSections[s].close)) open[s] = false;
        }
        for (std::size_t s = 0; s < lists.size(); ++s)
            if (open[s]) lists[s]->Append(piece);
    }
}

std::string_view WriteDefaultGearFile() {
    if (!ReplaceTextFile(text::kGearFileName, DefaultGearFileText()))
        return text::kGearFileWriteFailed;
    return text::kGearFileCreated;
}
