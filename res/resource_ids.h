// Identifiers of the dialog templates, their controls and the system-menu command.
#pragma once

enum : int {
    IDD_ABOUTBOX = 100,
    IDD_MAIN = 102,
    IDD_SETTINGS = 133,

    IDM_ABOUTBOX = 0x0010,  // system-menu command of the About entry
    IDM_GEAR_CHART = 0x0020,  // system-menu command of the gear chart entry

    IDC_STATIC = -1,
    ID_DIALOG_OK = 1,
    ID_DIALOG_CANCEL = 2,

    // Main window (template 102).
    IDC_CRANKSET = 1000,
    IDC_CASSETTE = 1001,
    IDC_TYRE = 1002,
    IDC_CADENCE = 1003,
    IDC_SPROCKET_FIRST = 1013,  // sprocket of column c is 1012 + c
    IDC_SPROCKET_LAST = 1022,
    IDC_CHAINRING_FIRST = 1023,  // chainring of row r is 1022 + r
    IDC_CHAINRING_LAST = 1025,
    IDC_CELL_FIRST = 1026,  // cell (r, c) is 1026 + 10 (r - 1) + (c - 1)
    IDC_CELL_LAST = 1055,
    IDC_CALCULATE = 1056,
    IDC_CIRCUMFERENCE = 1057,
    IDC_AVG_SPEED = 1059,
    IDC_AVG_DISTANCE = 1060,
    IDC_AVG_TIME = 1061,
    IDC_AVG_MINUTES = 1062,
    IDC_AVG_CLEAR = 1063,
    IDC_AVG_TIME_LABEL = 1064,
    IDC_AVG_STATUS = 1065,
    IDC_GRAD_LENGTH = 1066,
    IDC_GRAD_HEIGHT = 1067,
    IDC_GRAD_GRADIENT = 1068,
    IDC_ENERGY_DISTANCE = 1069,
    IDC_GRAD_STATUS = 1070,
    IDC_GRAD_CLEAR = 1071,
    IDC_ENERGY_CLASS = 1073,
    IDC_ENERGY_WEIGHT = 1074,
    IDC_ENERGY_HEIGHT = 1075,
    IDC_ENERGY_GRADIENT = 1076,
    IDC_ENERGY_RESULT = 1077,
    IDC_ENERGY_STATUS = 1078,
    IDC_ENERGY_CLEAR = 1079,
    IDC_CHANGE_VALUES = 1080,
    IDC_UPDATE = 1081,
    IDC_HELP = 1083,

    // Gear chart window.
    IDC_CHART_LIMIT = 1100,
    IDC_CHART_TYPED_LIMIT = 1101,
    IDC_CHART_APPLY_LIMIT = 1102,
    IDC_CHART_MESSAGE = 1103,
    IDC_CHART_SUMMARY = 1104,
    IDC_CHART_LEFT_OUT = 1105,
    IDC_CHART_DRAWING = 1106,
    IDC_CHART_TABLE = 1107,
    IDC_CHART_PIN = 1108,
    IDC_CHART_UNPIN = 1109,
    IDC_CHART_BAND_LOW = 1110,
    IDC_CHART_BAND_HIGH = 1111,
    IDC_CHART_APPLY_BAND = 1112,
    IDC_CHART_SAVE = 1113,

    // Gear-data editor (template 133).
    IDC_EDITOR_TEXT = 1003,
    IDC_EDITOR_SAVE = 1071,
    IDC_EDITOR_STATUS = 1026,
};
