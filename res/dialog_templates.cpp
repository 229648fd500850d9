// The templates of the About box, the main window and the gear-data editor.
#include "res/dialog_template.h"

#include "res/resource_ids.h"

namespace {

constexpr const char* kSpeedClassItems[] = {"20Km/h 60W", "25Km/h 100W", "30Km/h 170W"};

// Template order is tab order: the inputs and buttons first, labels, cells and status
// lines after them, then the result box and the remaining buttons.
constexpr ControlTemplate kMainControls[] = {
    {IDC_CADENCE, ControlKind::Edit, nullptr, 250, 22, 40, 12},
    {IDC_AVG_DISTANCE, ControlKind::Edit, nullptr, 7, 137, 36, 12},
    {IDC_AVG_TIME, ControlKind::Edit, nullptr, 55, 137, 35, 12},
    {IDC_AVG_SPEED, ControlKind::Edit, nullptr, 107, 137, 35, 12},
    {IDC_AVG_CLEAR, ControlKind::PushButton, "Clear", 200, 128, 40, 12},
    {IDC_GRAD_LENGTH, ControlKind::Edit, nullptr, 10, 161, 33, 12},
    {IDC_GRAD_HEIGHT, ControlKind::Edit, nullptr, 53, 161, 33, 12},
    {IDC_GRAD_GRADIENT, ControlKind::Edit, nullptr, 99, 161, 33, 12},
    {IDC_GRAD_CLEAR, ControlKind::PushButton, "Clear", 201, 153, 40, 12},
    {IDC_ENERGY_DISTANCE, ControlKind::Edit, nullptr, 7, 188, 29, 12},
    {IDC_ENERGY_CLASS, ControlKind::DropDown, nullptr, 37, 188, 61, 63, kNoStyle, kSpeedClassItems},
    {IDC_ENERGY_WEIGHT, ControlKind::Edit, nullptr, 99, 188, 40, 12},
    {IDC_ENERGY_HEIGHT, ControlKind::Edit, nullptr, 168, 188, 28, 12},
    {IDC_ENERGY_GRADIENT, ControlKind::Edit, nullptr, 202, 188, 26, 12},
    {IDC_ENERGY_CLEAR, ControlKind::PushButton, "Clear", 143, 188, 21, 12},
    {IDC_CHAINRING_1, ControlKind::Edit, nullptr, 18, 79, 15, 12},
    {IDC_CHAINRING_2, ControlKind::Edit, nullptr, 18, 95, 15, 12},
    {IDC_CHAINRING_3, ControlKind::Edit, nullptr, 18, 111, 15, 12},
    {IDC_SPROCKET_1, ControlKind::Edit, nullptr, 44, 60, 13, 12},
    {IDC_SPROCKET_2, ControlKind::Edit, nullptr, 73, 60, 13, 12},
    {IDC_SPROCKET_3, ControlKind::Edit, nullptr, 102, 60, 13, 12},
    {IDC_SPROCKET_4, ControlKind::Edit, nullptr, 131, 60, 13, 12},
    {IDC_SPROCKET_5, ControlKind::Edit, nullptr, 160, 60, 13, 12},
    {IDC_SPROCKET_6, ControlKind::Edit, nullptr, 189, 60, 13, 12},
    {IDC_SPROCKET_7, ControlKind::Edit, nullptr, 218, 60, 13, 12},
    {IDC_SPROCKET_8, ControlKind::Edit, nullptr, 247, 60, 13, 12},
    {IDC_SPROCKET_9, ControlKind::Edit, nullptr, 276, 60, 13, 12},
    {IDC_SPROCKET_10, ControlKind::Edit, nullptr, 305, 60, 13, 12},
    {IDC_CRANKSET, ControlKind::DropList, nullptr, 64, 7, 92, 171},
    {IDC_CASSETTE, ControlKind::DropList, nullptr, 196, 7, 153, 170},
    {IDC_TYRE, ControlKind::DropList, nullptr, 69, 22, 101, 154},
    {IDC_CIRCUMFERENCE, ControlKind::Edit, nullptr, 170, 22, 26, 12},
    {IDC_CALCULATE, ControlKind::DefPushButton, "計算", 307, 20, 42, 12},
    {IDC_AVG_MINUTES, ControlKind::CheckBox, "分で計算", 150, 128, 40, 8},
    {IDC_STATIC, ControlKind::Static, "Front Crankset", 7, 8, 50, 8},
    {IDC_STATIC, ControlKind::Static, "Cassette Sprocket", 165, 7, 31, 8},
    {IDC_STATIC, ControlKind::Static, "Tire surroundings length", 7, 24, 61, 8},
    {IDC_STATIC, ControlKind::Static, "mm", 197, 26, 11, 8},
    {IDC_STATIC, ControlKind::Static, "Velmor", 225, 23, 23, 8},
    {IDC_STATIC, ControlKind::Static, "rpm", 290, 26, 11, 8},
    {IDC_STATIC, ControlKind::Static, "  1速       2速       3速       4速       5速       6速       7速       8速       9速      10速", 40, 47, 285, 8, kColumnHeadings},
    {IDC_STATIC, ControlKind::Static, "歯数", 18, 63, 15, 8},
    {IDC_STATIC, ControlKind::Static, "1速       2速       3速", 7, 80, 13, 44, kRowHeadings},
    {IDC_STATIC, ControlKind::Static, "Km/h", 330, 77, 19, 12},
    {IDC_STATIC, ControlKind::Static, "Km/h", 330, 95, 19, 12},
    {IDC_STATIC, ControlKind::Static, "Km/h", 330, 112, 19, 12},
    {IDC_STATIC, ControlKind::Frame, nullptr, 7, 126, 342, 1},
    {IDC_STATIC, ControlKind::Static, "距離 Km", 13, 128, 35, 8},
    {IDC_STATIC, ControlKind::Static, "÷", 45, 138, 10, 8},
    {IDC_STATIC, ControlKind::Static, "=", 94, 138, 10, 8},
    {IDC_STATIC, ControlKind::Static, "速度 Km/h", 106, 128, 39, 8},
    {IDC_STATIC, ControlKind::Frame, nullptr, 7, 151, 342, 1},
    {IDC_STATIC, ControlKind::Static, "坂の距離 Km", 7, 153, 44, 8},
    {IDC_STATIC, ControlKind::Static, "標高 m", 62, 153, 24, 8},
    {IDC_STATIC, ControlKind::Static, "平均勾配 %", 97, 153, 38, 8},
    {IDC_STATIC, ControlKind::Frame, nullptr, 7, 175, 342, 1},
    {IDC_STATIC, ControlKind::Static, "距離 Km", 8, 178, 29, 8},
    {IDC_STATIC, ControlKind::Static, "速度 Km/h", 46, 178, 37, 8},
    {IDC_STATIC, ControlKind::Static, "体重+自転車重量 Kg", 92, 178, 69, 8},
    {IDC_STATIC, ControlKind::Static, "標高 m", 170, 178, 24, 8},
    {IDC_STATIC, ControlKind::Static, "勾配 %", 203, 178, 23, 8},
    {IDC_STATIC, ControlKind::Static, "カロリー Kcal", 235, 178, 42, 8},
    {IDC_CELL_1_1, ControlKind::Static, nullptr, 43, 77, 19, 12},
    {IDC_CELL_1_2, ControlKind::Static, nullptr, 72, 77, 19, 12},
    {IDC_CELL_1_3, ControlKind::Static, nullptr, 101, 77, 19, 12},
    {IDC_CELL_1_4, ControlKind::Static, nullptr, 130, 77, 19, 12},
    {IDC_CELL_1_5, ControlKind::Static, nullptr, 159, 77, 19, 12},
    {IDC_CELL_1_6, ControlKind::Static, nullptr, 188, 77, 19, 12},
    {IDC_CELL_1_7, ControlKind::Static, nullptr, 217, 77, 19, 12},
    {IDC_CELL_1_8, ControlKind::Static, nullptr, 246, 77, 19, 12},
    {IDC_CELL_1_9, ControlKind::Static, nullptr, 275, 77, 19, 12},
    {IDC_CELL_1_10, ControlKind::Static, nullptr, 304, 77, 19, 12},
    {IDC_CELL_2_1, ControlKind::Static, nullptr, 43, 95, 19, 12},
    {IDC_CELL_2_2, ControlKind::Static, nullptr, 72, 95, 19, 12},
    {IDC_CELL_2_3, ControlKind::Static, nullptr, 101, 95, 19, 12},
    {IDC_CELL_2_4, ControlKind::Static, nullptr, 130, 95, 19, 12},
    {IDC_CELL_2_5, ControlKind::Static, nullptr, 159, 95, 19, 12},
    {IDC_CELL_2_6, ControlKind::Static, nullptr, 188, 95, 19, 12},
    {IDC_CELL_2_7, ControlKind::Static, nullptr, 217, 95, 19, 12},
    {IDC_CELL_2_8, ControlKind::Static, nullptr, 246, 95, 19, 12},
    {IDC_CELL_2_9, ControlKind::Static, nullptr, 275, 95, 19, 12},
    {IDC_CELL_2_10, ControlKind::Static, nullptr, 304, 95, 19, 12},
    {IDC_CELL_3_1, ControlKind::Static, nullptr, 43, 112, 19, 12},
    {IDC_CELL_3_2, ControlKind::Static, nullptr, 72, 112, 19, 12},
    {IDC_CELL_3_3, ControlKind::Static, nullptr, 101, 112, 19, 12},
    {IDC_CELL_3_4, ControlKind::Static, nullptr, 130, 112, 19, 12},
    {IDC_CELL_3_5, ControlKind::Static, nullptr, 159, 112, 19, 12},
    {IDC_CELL_3_6, ControlKind::Static, nullptr, 188, 112, 19, 12},
    {IDC_CELL_3_7, ControlKind::Static, nullptr, 217, 112, 19, 12},
    {IDC_CELL_3_8, ControlKind::Static, nullptr, 246, 112, 19, 12},
    {IDC_CELL_3_9, ControlKind::Static, nullptr, 275, 112, 19, 12},
    {IDC_CELL_3_10, ControlKind::Static, nullptr, 304, 112, 19, 12},
    {IDC_AVG_TIME_LABEL, ControlKind::Static, "時間 h", 63, 128, 24, 8},
    {IDC_AVG_STATUS, ControlKind::Static, nullptr, 247, 128, 102, 20},
    {IDC_GRAD_STATUS, ControlKind::Static, nullptr, 247, 153, 102, 20},
    {IDC_ENERGY_STATUS, ControlKind::Static, nullptr, 277, 178, 70, 20},
    {IDC_ENERGY_RESULT, ControlKind::Edit, nullptr, 236, 188, 40, 12, kReadOnly},
    {IDC_CHANGE_VALUES, ControlKind::PushButton, "数値変更", 307, 33, 42, 12},
    {IDC_UPDATE, ControlKind::PushButton, "更新", 329, 47, 20, 12, kTextLeft},
    {IDC_HELP, ControlKind::PushButton, "ヘルプ", 7, 36, 27, 11},
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
