// The gear-data file Velmor.ini: its reader and its default content.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gear_data/gear_list.h"

// The three sections of the gear-data file.
struct GearLists {
    GearList crankset, cassette, tyre;
};

// Reads Velmor.ini, or gives nothing when it cannot be opened. Each piece of at most 99
// bytes is a line of its own: "//" lines are comments, "Fr"/"fE", "Ca"/"cE" and "Ti"/"tE"
// open and close the sections, and every other line is stored in each list whose section
// is open.
[[nodiscard]] std::optional<GearLists> ReadGearFile();

// The default content: 35 lines, a line feed between them and none at the end.
std::string DefaultGearFileText();

// Writes the default content to Velmor.ini and returns the editor's status text for it.
std::string_view WriteDefaultGearFile();
