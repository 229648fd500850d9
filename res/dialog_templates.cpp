// Templates 100 (About box), 102 (main window) and 133 (gear-data editor).
#include "res/dialog_template.h"

#include "res/resource_ids.h"

namespace {

constexpr const char* kSpeedClassItems[] = {"20Km/h 60W", "25Km/h 100W", "30Km/h 170W"};

// Template order is tab order: the inputs and buttons first, labels, cells and status
// lines after them, then the result box and the remaining buttons.
constexpr ControlTemplate kMainControls[] = {
    {1003, ControlKind::Edit, nullptr, 250, 22, 40, 12},
    {1060, ControlKind::Edit, nullptr, 7, 137, 36, 12},
    {1061, ControlKind::Edit, nullptr, 55, 137, 35, 12},
    {1059, ControlKind::Edit, nullptr, 107, 137, 35, 12},
    {1063, ControlKind::PushButton, "Clear", 200, 128, 40, 12},
    {1066, ControlKind::Edit, nullptr, 10, 161, 33, 12},
    {1067, ControlKind::Edit, nullptr, 53, 161, 33, 12},
    {1068, ControlKind::Edit, nullptr, 99, 161, 33, 12},
    {1071, ControlKind::PushButton, "Clear", 201, 153, 40, 12},
    {1069, ControlKind::Edit, nullptr, 7, 188, 29, 12},
    {1073, ControlKind::DropDown, nullptr, 37, 188, 61, 63, kNoStyle, kSpeedClassItems},
    {1074, ControlKind::Edit, nullptr, 99, 188, 40, 12},
    {1075, ControlKind::Edit, nullptr, 168, 188, 28, 12},
    {1076, ControlKind::Edit, nullptr, 202, 188, 26, 12},
    {1079, ControlKind::PushButton, "Clear", 143, 188, 21, 12},
    {1023, ControlKind::Edit, nullptr, 18, 79, 15, 12},
    {1024, ControlKind::Edit, nullptr, 18, 95, 15, 12},
    {1025, ControlKind::Edit, nullptr, 18, 111, 15, 12},
    {1013, ControlKind::Edit, nullptr, 44, 60, 13, 12},
    {1014, ControlKind::Edit, nullptr, 73, 60, 13, 12},
    {1015, ControlKind::Edit, nullptr, 102, 60, 13, 12},
    {1016, ControlKind::Edit, nullptr, 131, 60, 13, 12},
    {1017, ControlKind::Edit, nullptr, 160, 60, 13, 12},
    {1018, ControlKind::Edit, nullptr, 189, 60, 13, 12},
    {1019, ControlKind::Edit, nullptr, 218, 60, 13, 12},
    {1020, ControlKind::Edit, nullptr, 247, 60, 13, 12},
    {1021, ControlKind::Edit, nullptr, 276, 60, 13, 12},
    {1022, ControlKind::Edit, nullptr, 305, 60, 13, 12},
    {1000, ControlKind::DropList, nullptr, 64, 7, 92, 171},
    {1001, ControlKind::DropList, nullptr, 196, 7, 153, 170},
    {1002, ControlKind::DropList, nullptr, 69, 22, 101, 154},
    {1057, ControlKind::Edit, nullptr, 170, 22, 26, 12},
    {1056, ControlKind::DefPushButton, "計算", 307, 20, 42, 12},
    {1062, ControlKind::CheckBox, "分で計算", 150, 128, 40, 8},
    {-1, ControlKind::Static, "Front Crankset", 7, 8, 50, 8},
    {-1, ControlKind::Static, "Cassette Sprocket", 165, 7, 31, 8},
    {-1, ControlKind::Static, "Tire surroundings length", 7, 24, 61, 8},
    {-1, ControlKind::Static, "mm", 197, 26, 11, 8},
    {-1, ControlKind::Static, "Velmor", 225, 23, 23, 8},
    {-1, ControlKind::Static, "rpm", 290, 26, 11, 8},
    {-1, ControlKind::Static, "  1速       2速       3速       4速       5速       6速       7速       8速       9速      10速", 40, 47, 285, 8},
    {-1, ControlKind::Static, "歯数", 18, 63, 15, 8},
    {-1, ControlKind::Static, "1速       2速       3速", 7, 80, 13, 44},
    {-1, ControlKind::Static, "Km/h", 330, 77, 19, 12},
    {-1, ControlKind::Static, "Km/h", 330, 95, 19, 12},
    {-1, ControlKind::Static, "Km/h", 330, 112, 19, 12},
    {-1, ControlKind::Frame, nullptr, 7, 126, 342, 1},
    {-1, ControlKind::Static, "距離 Km", 13, 128, 35, 8},
    {-1, ControlKind::Static, "÷", 45, 138, 10, 8},
    {-1, ControlKind::Static, "=", 94, 138, 10, 8},
    {-1, ControlKind::Static, "速度 Km/h", 106, 128, 39, 8},
    {-1, ControlKind::Frame, nullptr, 7, 151, 342, 1},
    {-1, ControlKind::Static, "坂の距離 Km", 7, 153, 44, 8},
    {-1, ControlKind::Static, "標高 m", 62, 153, 24, 8},
    {-1, ControlKind::Static, "平均勾配 %", 97, 153, 38, 8},
    {-1, ControlKind::Frame, nullptr, 7, 175, 342, 1},
    {-1, ControlKind::Static, "距離 Km", 8, 178, 29, 8},
    {-1, ControlKind::Static, "速度 Km/h", 46, 178, 37, 8},
    {-1, ControlKind::Static, "体重+自転車重量 Kg", 92, 178, 69, 8},
    {-1, ControlKind::Static, "標高 m", 170, 178, 24, 8},
    {-1, ControlKind::Static, "勾配 %", 203, 178, 23, 8},
    {-1, ControlKind::Static, "カロリー Kcal", 235, 178, 42, 8},
    {1026, ControlKind::Static, nullptr, 43, 77, 19, 12},
    {1027, ControlKind::Static, nullptr, 72, 77, 19, 12},
    {1028, ControlKind::Static, nullptr, 101, 77, 19, 12},
    {1029, ControlKind::Static, nullptr, 130, 77, 19, 12},
    {1030, ControlKind::Static, nullptr, 159, 77, 19, 12},
    {1031, ControlKind::Static, nullptr, 188, 77, 19, 12},
    {1032, ControlKind::Static, nullptr, 217, 77, 19, 12},
    {1033, ControlKind::Static, nullptr, 246, 77, 19, 12},
    {1034, ControlKind::Static, nullptr, 275, 77, 19, 12},
    {1035, ControlKind::Static, nullptr, 304, 77, 19, 12},
    {1036, ControlKind::Static, nullptr, 43, 95, 19, 12},
    {1037, ControlKind::Static, nullptr, 72, 95, 19, 12},
    {1038, ControlKind::Static, nullptr, 101, 95, 19, 12},
    {1039, ControlKind::Static, nullptr, 130, 95, 19, 12},
    {1040, ControlKind::Static, nullptr, 159, 95, 19, 12},
    {1041, ControlKind::Static, nullptr, 188, 95, 19, 12},
    {1042, ControlKind::Static, nullptr, 217, 95, 19, 12},
    {1043, ControlKind::Static, nullptr, 246, 95, 19, 12},
    {1044, ControlKind::Static, nullptr, 275, 95, 19, 12},
    {1045, ControlKind::Static, nullptr, 304, 95, 19, 12},
    {1046, ControlKind::Static, nullptr, 43, 112, 19, 12},
    {1047, ControlKind::Static, nullptr, 72, 112, 19, 12},
    {1048, ControlKind::Static, nullptr, 101, 112, 19, 12},
    {1049, ControlKind::Static, nullptr, 130, 112, 19, 12},
    {1050, ControlKind::Static, nullptr, 159, 112, 19, 12},
    {1051, ControlKind::Static, nullptr, 188, 112, 19, 12},
    {1052, ControlKind::Static, nullptr, 217, 112, 19, 12},
    {1053, ControlKind::Static, nullptr, 246, 112, 19, 12},
    {1054, ControlKind::Static, nullptr, 275, 112, 19, 12},
    {1055, ControlKind::Static, nullptr, 304, 112, 19, 12},
    {1064, ControlKind::Static, "時間 h", 63, 128, 24, 8},
    {1065, ControlKind::Static, nullptr, 247, 128, 102, 20},
    {1070, ControlKind::Static, nullptr, 247, 153, 102, 20},
    {1078, ControlKind::Static, nullptr, 277, 178, 70, 20},
    {1077, ControlKind::Edit, nullptr, 236, 188, 40, 12, kReadOnly},
    {1080, ControlKind::PushButton, "数値変更", 307, 33, 42, 12},
    {1081, ControlKind::PushButton, "更新", 329, 47, 20, 12, kTextLeft},
    {1083, ControlKind::PushButton, "ヘルプ", 7, 36, 27, 11},
};

constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, ControlKind::Icon, nullptr, 11, 17, 20, 20},
    {IDC_STATIC, ControlKind::Static, "Velmor Version 1.3", 40, 10, 119, 8, kNoPrefix},
    {ID_DIALOG_OK, ControlKind::DefPushButton, "OK", 178, 7, 50, 14},
};

constexpr ControlTemplate kSettingsControls[] = {
    {IDC_EDITOR_TEXT, ControlKind::Edit, nullptr, 0, 14, 354, 207, kMultiline},
    {IDC_EDITOR_SAVE, ControlKind::PushButton, "設定の保存・終了", 1, 0, 63, 14},
    {IDC_EDITOR_STATUS, ControlKind::Static, nullptr, 127, 0, 227, 14},
};

constexpr DialogTemplate kMain = {IDD_MAIN, "Velmor Ver1.3 by Quelt", 0, 0, 356, 205,
                                  "ＭＳ Ｐ明朝", 11, kMinimizeBox, kMainControls};
constexpr DialogTemplate kAbout = {IDD_ABOUTBOX, "Velmorのﾊﾞｰｼﾞｮﾝ情報", 0, 0, 235, 55,
                                   "ＭＳ Ｐゴシック", 9, kFixedSize, kAboutControls};
constexpr DialogTemplate kSettings = {IDD_SETTINGS, "Velmor設定変更", 0, 0, 354, 228,
                                      "ＭＳ Ｐ明朝", 11, kResizable | kMinimizeBox,
                                      kSettingsControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() { return kMain; }
const DialogTemplate& AboutDialogTemplate() { return kAbout; }
const DialogTemplate& SettingsDialogTemplate() { return kSettings; }
