#include "res/strings.h"

// Compiled with CP932 as the execution character set.
namespace text {

const char kMinimizeMenuEntry[] = "最小化(&N)";
const char kCloseMenuEntry[] = "閉じる(&C)\tAlt+F4";
const char kAboutMenuEntry[] = "Velmor のﾊﾞｰｼﾞｮﾝ情報(&A)...";
const char kCadenceMissing[] = "Velmor へ回転数を入れます。";
const char kHelpNotFound[] = "ブラウザが見つかりません";
const char kHelpFileName[] = "Velmor.mht";
const char kFigureRatio[] = "\nギア比 ";
const char kFigureDevelopment[] = "\n展開 ";
const char kFigureInches[] = " m\nギアインチ ";
const char kNameCrankset[] = "Front Crankset";
const char kNameCassette[] = "Cassette Sprocket";
const char kNameTyre[] = "Tire surroundings length";
const char kNameCircumference[] = "Tire surroundings length mm";
const char kNameCadence[] = "Velmor rpm";
const char kNameAvgDistance[] = "平均速度 距離 Km";
const char kNameAvgTime[] = "時間";
const char kNameAvgSpeed[] = "平均速度 速度 Km/h";
const char kNameAvgMinutes[] = "分で計算";
const char kNameGradLength[] = "坂の距離 Km";
const char kNameGradHeight[] = "坂の勾配 標高 m";
const char kNameGradGradient[] = "平均勾配 %";
const char kNameEnergyDistance[] = "消費カロリー 距離 Km";
const char kNameEnergyClass[] = "消費カロリー 速度 Km/h";
const char kNameEnergyWeight[] = "体重+自転車重量 Kg";
const char kNameEnergyHeight[] = "消費カロリー 標高 m";
const char kNameEnergyGradient[] = "勾配 %";
const char kNameEnergyResult[] = "カロリー Kcal";
const char kNameGearNumber[] = "速";
const char kNameSprocketBox[] = " スプロケット歯数";
const char kNameChainringBox[] = " チェーンリング歯数";
const char kNameCellChainring[] = " チェーンリング ";
const char kNameCellSprocket[] = " スプロケット Km/h";
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
const char kChartSprocketsSetAside[] =
    "スプロケットの欄が変わったので、欄の 10 枚で表示しています。カセットの全部の歯数を表示するには、リストからカセットを選び直してください。";
const char kLegendSeparator[] = " / ";
const char kLegendMillimetres[] = " mm";
const char kLegendRpm[] = " rpm";
const char kChainringSuffix[] = "T";
const char kDevelopmentAxis[] = "展開 m";
const char kSpeedAxisBefore[] = "速度 km/h (現在の回転数 ";
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
const char kLimitNotNumber[] = "制限は半角の数字 (m) で入れてください。";
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
const char kChartReplaceQuestion[] = "同じ名前のファイルがあります。置き換えますか？";
const char kChartFilePng[] = "チャート PNG 画像 (*.png)";
const char kChartFileSvg[] = "チャート SVG 画像 (*.svg)";
const char kChartFileCsv[] = "表 CSV (*.csv)";
const char kChartFileNameUnusable[] = "ファイル名に使えない文字があるので保存できません。";
const char kChartSaveNotAFile[] =
    "保存先がフォルダー、パイプ、装置などでファイルではないので保存できません。";
const char kChartSaveFailed[] =
    "ファイルに書き込めないので保存できません。書き込みできる場所か空きのある場所を選んでください。元のファイルはそのままです。";
const char kChartRenderFailed[] = "チャートを画像にできないので保存できません。";

const char kSaveLinkRefused[] =
    "だれでも書き込めるフォルダーにあるほかのユーザーのリンクなので、その先には保存しません。";
const char kSaveReadOnly[] = "読み取り専用か書き込みを禁止されたファイルなので保存できません。元のファイルはそのままです。";
const char kSaveFolderRefused[] =
    "このフォルダーには新しいファイルを作れないので保存できません。元のファイルはそのままです。";
const char kSaveNameTooLong[] = "ファイル名が長すぎるので保存できません。";
const char kSaveChangedElsewhere[] =
    "保存の途中でファイルがほかで変更されたので、上書きしませんでした。もう一度保存してください。";
const char kSaveNoSpace[] = "ディスクの空きが足りないので保存できません。元のファイルはそのままです。";

}  // namespace text
