#include "gear_data/gear_file.h"

#include <array>

#include "platform/save_file.h"
#include "platform/text_file.h"
#include "res/strings.h"

namespace {

struct SectionMarkers {
    char open[3];
    char close[3];
};

// Crankset, cassette and tyre, in the order in which a line is stored into their lists.
constexpr std::array<SectionMarkers, 3> kSections = {{{"Fr", "fE"}, {"Ca", "cE"}, {"Ti", "tE"}}};

// A line is classified by its first two bytes alone (compared inline: this runs for
// every line of the file).
bool Begins(std::string_view piece, const char (&marker)[3]) {
    return piece.size() >= 2 && piece[0] == marker[0] && piece[1] == marker[1];
}

// Whether a line beginning with c may be a comment or a section marker: most lines are
// not, and this one test spares them the seven comparisons.
bool IsMarkerStart(char c) {
    static constexpr auto kStarts = [] {
        std::array<bool, 256> starts{};
        starts['/'] = true;
        for (const SectionMarkers& s : kSections)
            for (const char* marker : {s.open, s.close}) starts[static_cast<unsigned char>(marker[0])] = true;
        return starts;
    }();
    return kStarts[static_cast<unsigned char>(c)];
}

}  // namespace

std::optional<GearLists> ReadGearFile() {
    TextFileReader file(text::kGearFileName);
    if (!file.IsOpen()) return std::nullopt;
    std::optional<GearLists> read(std::in_place);
    const std::array<GearList*, 3> lists = {&read->crankset, &read->cassette, &read->tyre};
    std::array<bool, 3> open = {};

    for (std::string_view piece; !(piece = file.ReadPiece(kEntryMaxBytes)).empty();) {
        if (IsMarkerStart(piece[0])) {
            if (Begins(piece, "//")) continue;
            for (std::size_t s = 0; s < kSections.size(); ++s) {
                if (Begins(piece, kSections[s].open)) open[s] = true;
                if (Begins(piece, kSections[s].close)) open[s] = false;
            }
        }
        for (std::size_t s = 0; s < lists.size(); ++s)
            if (open[s]) lists[s]->Append(piece);
    }
    return read;
}

std::string_view WriteDefaultGearFile() {
    if (!SaveTextFile(text::kGearFileName, DefaultGearFileText()))
        return text::kGearFileWriteFailed;
    return text::kGearFileCreated;
}
