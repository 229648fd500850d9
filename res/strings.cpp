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
const char kEditorFileChanged[] = "Velmor.iniはほかで変更されています。上書きしますか？";
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
const char kGearChartMenuEntry[] = "ギアチャート(&G)...";
const char kGearChartTitle[] = "Velmor ギアチャート";
const char kChartBeforeFirstPress[] = "計算ボタンを押すとギアが表示されます。";
const char kChartNoGear[] = "表示するギアがありません。歯数と周長を入れて計算ボタンを押してください。";
const char kChartLeftOutBefore[] = "数値が表せないギア ";
const char kChartLeftOutAfter[] = " 個を省きました。";
const char kChainringSuffix[] = "T";
const char kDevelopmentAxis[] = "展開 m";
const char kSpeedAxisBefore[] = "速度 km/h (";
const char kSpeedAxisAfter[] = " rpm)";
const char kNearGearLegend[] = "◇ 別のチェーンリングに展開 3 % 以内のギアあり";
const char kChartDrawingName[] = "ギアチャートの図";
const char kChartTableName[] = "ギアチャートの表";
const char kLimitLabel[] = "展開の制限";
const char kLimitNone[] = "制限なし";
const char kLimitJunior[] = "JCF ジュニア 7.93 m";
const char kLimitU17[] = "JCF U17 7.01 m";
const char kLimitU15[] = "JCF U15 6.10 m";
const char kLimitU13[] = "JCF U13 5.66 m";
const char kLimitTyped[] = "指定...";
const char kLimitTypedName[] = "指定 ";
const char kLimitMetres[] = "m";
const char kLimitApply[] = "適用";
const char kLimitBad[] = "制限は 0 より大きく 100 以下の数 (m) で入れてください。";
const char kLimitSummaryBefore[] = "制限内の最大ギア ";
const char kLimitSummaryDevelopment[] = " 展開 ";
const char kLimitSummaryMargin[] = " m (余裕 ";
const char kLimitSummaryAfter[] = " m)";
const char kLimitSummaryNone[] = "制限内のギアがありません。";
const char kOverLimit[] = "超過";
const char kColumnGear[] = "ギア";
const char kColumnRatio[] = "ギア比";
const char kColumnDevelopment[] = "展開 m";
const char kColumnInches[] = "ギアインチ";
const char kColumnSpeed[] = "速度 km/h";
const char kColumnStep[] = "段差 %";
const char kColumnNearGear[] = "近いギア";
const char kColumnLimit[] = "制限";

}  // namespace text
