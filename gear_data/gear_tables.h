// The process-wide gear lists and the fields of their chosen entries.
#pragma once

#include "gear_data/gear_list.h"

extern GearList CranksetList;
extern GearList CassetteList;
extern GearList TyreList;

extern EntryFields<3> CranksetFields;   // chainrings 1 to 3
extern EntryFields<10> CassetteFields;  // sprockets 1 to 10
extern EntryFields<2> TyreFields;       // name, circumference in mm

// Split entry `index` (1 for the first choice) of a list into its fields; they return 0.
// A tyre line without "-" replaces only the name and keeps the previous circumference.
int SplitCranksetEntry(int index);
int SplitCassetteEntry(int index);
int SplitTyreEntry(int index);
