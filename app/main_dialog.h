// The main window: the gear speed table, the three side calculators and the gear choices.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <wx/dialog.h>

#include "calc/operand_stack.h"
#include "calc/speed_table.h"
#include "chart/chart_model.h"
#include "gear_data/gear_file.h"

// What the main window's operations read back, as values.
struct MainWindowState {
    GearLists lists;          // of the last read that could open the gear-data file
    CassetteFields cassette;  // the entry last split into the sprocket boxes, whole
    TyreFields tyre;          // the entry last split into the circumference box
    // The average speed's status line tells that the gear-data file could not be read.
    bool gearFileErrorShown = false;
    std::optional<ChartSetup> chartSetup;  // of the last press of 計算
};

class GearChartWindow;

class CMainDialog : public wxDialog {
public:
    // The side calculators work on stack, which tells of its misuse over this window.
    explicit CMainDialog(OperandStack& stack);

    const MainWindowState& State() const { return m_state; }

    // The window's operations, each of them reading and writing its controls.

    // Gear speed table.
    GearInputs ReadGearInputs() const;
    void CalcSpeedTable(const GearInputs& inputs);

    // Gear data.
    void LoadGearData();

    // Side calculators.
    void CalcAverageSpeed();
    void CalcGradient();
    void CalcEnergy();

    // Gear chart: opened on demand, handed the gears of each press of 計算, which the gear
    // choices decide.
    ChartSetup ChartSetupOf(const GearInputs& inputs) const;
    void OpenGearChart();
    void HandGearChart(const ChartSetup& setup);

    // Help.
    void ShowHelpFile();
    void OnHelp(wxCommandEvent& event);  // the Help button, handed on to ShowHelpFile

    // The system command nID, from the window's system menu.
    void OnSysCommand(int nID);

private:
    void OnInitDialog();
    void OnCharHook(wxKeyEvent& event);
    void OnCalculate(wxCommandEvent& event);

    // Handlers of the gear choices and buttons.
    void OnSelChangeCrankset(wxCommandEvent& event);
    void OnSelChangeCassette(wxCommandEvent& event);
    void OnSelChangeTyre(wxCommandEvent& event);
    void OnChangeValues(wxCommandEvent& event);
    void OnUpdate(wxCommandEvent& event);
    // Split entry `index` of a list into the state and show it in the list's boxes.
    void ShowCranksetEntry(int index);
    void ShowCassetteEntry(int index);
    void ShowTyreEntry(int index);
    // Sets the texts of the boxes firstId, firstId + 1, ...
    void SetItemTexts(int firstId, std::span<const std::string_view> texts);

    // Handlers of the side calculators' Clear buttons.
    void OnClearAverageSpeed(wxCommandEvent& event);
    void OnClearGradient(wxCommandEvent& event);
    void OnClearEnergy(wxCommandEvent& event);

    // A control's text, as at most maxBytes bytes; and setting it.
    std::string GetItemText(int id, std::size_t maxBytes) const;
    void SetItemText(int id, std::string_view text);

    OperandStack& m_stack;
    MainWindowState m_state;
    GearChartWindow* m_gearChart = nullptr;  // a child window: built when first opened

    wxDECLARE_EVENT_TABLE();
};
