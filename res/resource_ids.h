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

    // Main window.
    IDC_CRANKSET = 1000,
    IDC_CASSETTE = 1001,
    IDC_TYRE = 1002,
    IDC_CADENCE = 1003,
    // The gear table: a sprocket box over each column, a chainring box before each row,
    // and a speed cell for each pair (IDC_CELL_<row>_<column>); each run numbered on.
    IDC_SPROCKET_1 = 1013,
    IDC_SPROCKET_2 = 1014,
    IDC_SPROCKET_3 = 1015,
    IDC_SPROCKET_4 = 1016,
    IDC_SPROCKET_5 = 1017,
    IDC_SPROCKET_6 = 1018,
    IDC_SPROCKET_7 = 1019,
    IDC_SPROCKET_8 = 1020,
    IDC_SPROCKET_9 = 1021,
    IDC_SPROCKET_10 = 1022,
    IDC_CHAINRING_1 = 1023,
    IDC_CHAINRING_2 = 1024,
    IDC_CHAINRING_3 = 1025,
    IDC_CELL_1_1 = 1026, IDC_CELL_1_2 = 1027, IDC_CELL_1_3 = 1028, IDC_CELL_1_4 = 1029, IDC_CELL_1_5 = 1030,
    IDC_CELL_1_6 = 1031, IDC_CELL_1_7 = 1032, IDC_CELL_1_8 = 1033, IDC_CELL_1_9 = 1034, IDC_CELL_1_10 = 1035,
    IDC_CELL_2_1 = 1036, IDC_CELL_2_2 = 1037, IDC_CELL_2_3 = 1038, IDC_CELL_2_4 = 1039, IDC_CELL_2_5 = 1040,
    IDC_CELL_2_6 = 1041, IDC_CELL_2_7 = 1042, IDC_CELL_2_8 = 1043, IDC_CELL_2_9 = 1044, IDC_CELL_2_10 = 1045,
    IDC_CELL_3_1 = 1046, IDC_CELL_3_2 = 1047, IDC_CELL_3_3 = 1048, IDC_CELL_3_4 = 1049, IDC_CELL_3_5 = 1050,
    IDC_CELL_3_6 = 1051, IDC_CELL_3_7 = 1052, IDC_CELL_3_8 = 1053, IDC_CELL_3_9 = 1054, IDC_CELL_3_10 = 1055,
    IDC_SPROCKET_FIRST = IDC_SPROCKET_1,
    IDC_SPROCKET_LAST = IDC_SPROCKET_10,
    IDC_CHAINRING_FIRST = IDC_CHAINRING_1,
    IDC_CHAINRING_LAST = IDC_CHAINRING_3,
    IDC_CELL_FIRST = IDC_CELL_1_1,  // row by row
    IDC_CELL_LAST = IDC_CELL_3_10,
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

    // Gear-data editor.
    IDC_EDITOR_TEXT = 1003,
    IDC_EDITOR_SAVE = 1071,
    IDC_EDITOR_STATUS = 1026,
};

// The speed cell of chainring row and sprocket column, each counted from 1.
constexpr int CellId(int row, int column) {
    return IDC_CELL_FIRST + (IDC_SPROCKET_LAST - IDC_SPROCKET_FIRST + 1) * (row - 1) + column - 1;
}
