// Identifiers of the gear check panel's controls.
#pragma once

enum : int {
    IDC_CHECK_BIRTH_YEAR = 1200,
    IDC_CHECK_SEASON = 1201,
    IDC_CHECK_CATEGORY = 1202,
    IDC_CHECK_LOCK_OUT = 1203,
    IDC_CHECK_TYRE = 1204,
    IDC_CHECK_ROLL_OUT = 1205,
    IDC_CHECK_ROLL_OUT_GEAR = 1206,
    IDC_CHECK_ROLL_OUT_RESULT = 1207,
};
