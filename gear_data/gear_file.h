// The gear-data file Velmor.ini: its reader and its default content.
#pragma once

#include <string>
#include <string_view>

#include "gear_data/gear_list.h"

class TextFileReader;

// Reads an open gear-data file into the three lists, which it empties first. Each piece
// of at most 99 bytes is a line of its own: "//" lines are comments, "Fr"/"fE", "Ca"/"cE"
// and "Ti"/"tE" open and close the sections, and every other line is stored in each
// list whose section is open.
void ReadGearSections(TextFileReader& file, GearList& crankset, GearList& cassette,
                      GearList& tyre);

// The default content: 35 lines, a line feed between them and none at the end.
std::string DefaultGearFileText();

// Writes the default content to Velmor.ini and returns the editor's status text for it.
std::string_view WriteDefaultGearFile();
