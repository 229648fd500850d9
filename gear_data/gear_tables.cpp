#include "gear_data/gear_tables.h"

GearList CranksetList;
GearList CassetteList;
GearList TyreList;

EntryFields<3> CranksetFields;
EntryFields<10> CassetteFields;
EntryFields<2> TyreFields;

int SplitCranksetEntry(int index) {
    SplitEntry(CranksetList.Entry(index), CranksetFields.slots, true);
    return 0;
}

int SplitCassetteEntry(int index) {
    SplitEntry(CassetteList.Entry(index), CassetteFields.slots, true);
    return 0;
}

int SplitTyreEntry(int index) {
    SplitEntry(TyreList.Entry(index), TyreFields.slots, false);
    return 0;
}
