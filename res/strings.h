// Every text the program shows or writes, as CP932 bytes, each byte for byte in one place.
#pragma once

namespace text {

// The system menu: the platform's own entries where the program adds them, then the program's.
extern const char kMinimizeMenuEntry[];
extern const char kCloseMenuEntry[];
extern const char kAboutMenuEntry[];

// Main window and About box.
extern const char kCadenceMissing[];
extern const char kHelpNotFound[];
extern const char kHelpFileName[];
// A speed cell's figures, each after the gear's name: "53×11", "ギア比 4.82", ...
extern const char kFigureRatio[];
extern const char kFigureDevelopment[];
extern const char kFigureInches[];

// What a screen reader calls the main window's boxes: by their labels, and in the gear table
// by gear number ("1速") and what the box holds.
extern const char kNameCrankset[];
extern const char kNameCassette[];
extern const char kNameTyre[];
extern const char kNameCircumference[];
extern const char kNameCadence[];
extern const char kNameAvgDistance[];
extern const char kNameAvgTime[];
extern const char kNameAvgSpeed[];
extern const char kNameAvgMinutes[];
extern const char kNameGradLength[];
extern const char kNameGradHeight[];
extern const char kNameGradGradient[];
extern const char kNameEnergyDistance[];
extern const char kNameEnergyClass[];
extern const char kNameEnergyWeight[];
extern const char kNameEnergyHeight[];
extern const char kNameEnergyGradient[];
extern const char kNameEnergyResult[];
extern const char kNameGearNumber[];
extern const char kNameSprocketBox[];
extern const char kNameChainringBox[];
extern const char kNameCellChainring[];
extern const char kNameCellSprocket[];

// Gear-data file and editor.
extern const char kGearFileName[];
extern const char kGearFileOpenFailed[];
extern const char kGearFileWriteFailed[];
extern const char kGearFileCreated[];
extern const char kEditorSaving[];
extern const char kEditorConfirmSave[];
extern const char kEditorFileChanged[];
extern const char kEditorFileTooLarge[];
extern const char kEditorFileUnreadable[];

// Operand stack.
extern const char kStackFull[];
extern const char kStackEmpty[];

// Side calculators.
extern const char kEnterTwoValues[];
extern const char kHalfWidthDigits[];
extern const char kAvgLeaveOneEmpty[];
extern const char kAvgFillTwo[];
extern const char kTimeLabelHours[];
extern const char kTimeLabelMinutes[];
extern const char kGradLeaveOneEmpty[];
extern const char kGradFillTwo[];
extern const char kGradNeedHeight[];
extern const char kEnergyClimbHint[];
extern const char kEnergyNeedDistance[];
extern const char kEnergyClimbIncomplete[];
extern const char kEnergySummitHint[];
extern const char kNumbersTooLarge[];
extern const char kGradHeightNotBelowLength[];

// Gear chart.
extern const char kGearChartMenuEntry[];
extern const char kGearChartTitle[];
extern const char kChartBeforeFirstPress[];
extern const char kChartNoGear[];
extern const char kChartLeftOutBefore[];
extern const char kChartLeftOutAfter[];
extern const char kChartSprocketsSetAside[];
extern const char kLegendSeparator[];
extern const char kLegendMillimetres[];
extern const char kLegendRpm[];
extern const char kChainringSuffix[];
extern const char kDevelopmentAxis[];
extern const char kSpeedAxisBefore[];
extern const char kSpeedAxisAfter[];
extern const char kNearGearLegend[];
extern const char kChartDrawingName[];
extern const char kChartTableName[];
extern const char kLimitLabel[];
extern const char kLimitNone[];
extern const char kLimitTyped[];
extern const char kLimitTypedName[];
extern const char kLimitMetres[];
extern const char kLimitApply[];
extern const char kLimitBad[];
extern const char kLimitNotNumber[];
extern const char kLimitSummaryBefore[];
extern const char kLimitSummaryDevelopment[];
extern const char kLimitSummaryMargin[];
extern const char kLimitSummaryAfter[];
extern const char kLimitSummaryNone[];
extern const char kOverLimit[];
extern const char kColumnGear[];
extern const char kColumnRatio[];
extern const char kColumnDevelopment[];
extern const char kColumnInches[];
extern const char kColumnSpeed[];
extern const char kColumnStep[];
extern const char kColumnNearGear[];
extern const char kColumnLimit[];

// Gear chart: comparison, cadence band, saving.
extern const char kChartPin[];
extern const char kChartUnpin[];
extern const char kColumnSet[];
extern const char kSetCurrent[];
extern const char kSetComparison[];
extern const char kBandLabel[];
extern const char kBandLowName[];
extern const char kBandHighName[];
extern const char kBandTo[];
extern const char kBandUnit[];
extern const char kBandApply[];
extern const char kColumnBandLow[];
extern const char kColumnBandHigh[];
extern const char kChartSave[];
extern const char kBandNeedsBoth[];
extern const char kBandNotNumber[];
extern const char kBandNotAboveZero[];
extern const char kBandLowAboveHigh[];
extern const char kChartSaveTitle[];
extern const char kChartReplaceQuestion[];
extern const char kChartFilePng[];
extern const char kChartFileSvg[];
extern const char kChartFileCsv[];
extern const char kChartFileNameUnusable[];
extern const char kChartSaveNotAFile[];
extern const char kChartSaveFailed[];
extern const char kChartRenderFailed[];
extern const char kChartSaveNoName[];
extern const char kChartSaveNoFolder[];
extern const char kChartFileNameStem[];
extern const char kColumnCircumference[];
extern const char kColumnCadence[];
extern const char kCaptionChainrings[];
extern const char kCaptionSprockets[];
extern const char kCaptionTyre[];
extern const char kCaptionCadence[];
extern const char kCaptionLimit[];
extern const char kCaptionComparison[];

// Gear check: the rules' table, the category of a birth year, lock-out, tyre and roll-out.
extern const char kRuleJcf[];
extern const char kRuleJunior[];
extern const char kRuleU17[];
extern const char kRuleU15[];
extern const char kRuleU13[];
extern const char kRuleMetres[];
extern const char kRuleJcfSource[];
extern const char kRuleJcfConfirmed[];
extern const char kCheckTitle[];
extern const char kCheckBirthYear[];
extern const char kCheckSeason[];
extern const char kCategoryYear[];
extern const char kCategoryAge[];
extern const char kBirthNotYear[];
extern const char kBirthTooEarly[];
extern const char kBirthAfterSeason[];
extern const char kSeasonNotYear[];
extern const char kCheckNoLimit[];
extern const char kLockOutAllWithin[];
extern const char kLockOutFrom[];
extern const char kLockOutTo[];
extern const char kLockOutOver[];
extern const char kLockOutNone[];
extern const char kHighLimitNotNeeded[];
extern const char kHighLimitBefore[];
extern const char kHighLimitAfter[];
extern const char kHighLimitNone[];
extern const char kTyreBefore[];
extern const char kTyreGear[];
extern const char kTyreInUse[];
extern const char kTyreMargin[];
extern const char kTyreAfter[];
extern const char kRollOutLabel[];
extern const char kRollOutGear[];
extern const char kRollOutPass[];
extern const char kRollOutPassAfter[];
extern const char kRollOutFail[];
extern const char kRollOutFailAfter[];
extern const char kRollOutImplied[];
extern const char kRollOutListed[];
extern const char kRollOutListedAfter[];
extern const char kRollOutBad[];
extern const char kRollOutNotNumber[];

// Why a save failed (res/save_failure_text.cpp picks one), besides the chart's texts above.
extern const char kSaveLinkRefused[];
extern const char kSaveReadOnly[];
extern const char kSaveFolderRefused[];
extern const char kSaveNameTooLong[];
extern const char kSaveChangedElsewhere[];
extern const char kSaveNoSpace[];

}  // namespace text
