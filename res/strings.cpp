#include "res/strings.h"

// Compiled with CP932 as the execution character set.
namespace text {

const char kAboutMenuEntry[] = "Velmor のﾊﾞｰｼﾞｮﾝ情報(&A)...";
const char kCadenceMissing[] = "Velmor へ回転数を入れます。";
const char kHelpNotFound[] = "ブラウザが見つかりません";
const char kHelpFileName[] = "Velmor.mht";
const char kGearFileName[] = "Velmor.ini";
const char kGearFileOpenFailed[] = "Velmor.iniファイルのオープンができません。";
const char kGearFileWriteFailed[] = "書き込みファイルをオープンできません。";
const char kGearFileCreated[] = "Velmor.iniがないので作成します。";
const char kEditorSaving[] = "設定の保存・終了ボタンをクリックします。";
const char kEditorConfirmSave[] = "データを更新します。";
const char kEditorFileTooLarge[] = "Velmor.iniが大きすぎるので編集・保存できません。";
const char kEditorFileUnreadable[] = "Velmor.iniを読み込めないので編集・保存できません。";
const char kStackFull[] = "error: stack full";
const char kStackEmpty[] = "error: stack empty";
const char kEnterTwoValues[] = "2ヶ所に数字を入れてEnter";
const char kHalfWidthDigits[] = "半角の数字を入れてください。";
const char kAvgLeaveOneEmpty[] = "１ヵ所を空白にしてください。";
const char kAvgFillTwo[] = "2ヵ所に書込みしてください。";
const char kTimeLabelHours[] = "時間 h";
const char kTimeLabelMinutes[] = "時間 m";
const char kGradLeaveOneEmpty[] = "坂の距離か勾配を空白にしてください。";
const char kGradFillTwo[] = "坂の距離と標高に書込みしてください。";
const char kGradNeedHeight[] = "標高を記入してください。";
const char kEnergyClimbHint[] = "坂があるときは重量、標高、勾配を入れる";
const char kEnergyNeedDistance[] = "距離と速度を決めてください。";
const char kEnergyClimbIncomplete[] = "坂があるときは重量、標高、勾配を記入する";
const char kEnergySummitHint[] = "ゴールが頂上のときは下り坂分＋αが必要";
const char kNumbersTooLarge[] = "数字が大きすぎます。";
const char kGradHeightNotBelowLength[] = "標高を坂の距離より小さくしてください。";
const char kChartPin[] = "比較に固定";
const char kChartUnpin[] = "比較を解除";
const char kColumnSet[] = "組";
const char kSetCurrent[] = "現在";
const char kSetComparison[] = "比較";
const char kBandLabel[] = "回転数の帯";
const char kBandLowName[] = "低い方の回転数 rpm";
const char kBandHighName[] = "高い方の回転数 rpm";
const char kBandTo[] = "～";
const char kBandUnit[] = "rpm";
const char kBandApply[] = "帯を表示";
const char kColumnBandLow[] = "最低速度 km/h";
const char kColumnBandHigh[] = "最高速度 km/h";
const char kChartSave[] = "保存...";
const char kBandNeedsBoth[] = "回転数の帯には低い方と高い方の両方を入れてください。";
const char kBandNotNumber[] = "回転数は半角の数字で入れてください。";
const char kBandNotAboveZero[] = "回転数には 0 より大きい数を入れてください。";
const char kBandLowAboveHigh[] = "低い方の回転数を高い方の回転数以下にしてください。";
const char kChartSaveTitle[] = "ギアチャートの保存";
const char kChartFilePng[] = "チャート PNG 画像 (*.png)";
const char kChartFileSvg[] = "チャート SVG 画像 (*.svg)";
const char kChartFileCsv[] = "表 CSV (*.csv)";
const char kChartFileNameUnusable[] = "ファイル名に使えない文字があるので保存できません。";
const char kChartSaveNotAFile[] =
    "保存先がフォルダー、パイプ、装置などでファイルではないので保存できません。";
const char kChartSaveFailed[] =
    "ファイルに書き込めないので保存できません。書き込みできる場所か空きのある場所を選んでください。元のファイルはそのままです。";
const char kChartRenderFailed[] = "チャートを画像にできないので保存できません。";

}  // namespace text
