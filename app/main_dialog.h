// The main window: the gear speed table, the three side calculators and the gear choices.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <wx/dialog.h>

#include "calc/speed_table.h"
#include "chart/chart_model.h"

class GearChartWindow;

class CMainDialog : public wxDialog {
public:
    CMainDialog();

    // The window's operations, each of them reading and writing its controls.

    // Gear speed table.
    void ReadGearInputs();
    void CalcSpeedTable();

    // Gear data.
    int ReadGearFile();
    void LoadGearData();

    // Side calculators.
    void CalcAverageSpeed();
    void CalcGradient();
    void CalcEnergy();

    // Gear chart: opened on demand, handed what each press of 計算 read.
    void OpenGearChart();
    void HandGearChartReading();

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
    // Sets the texts of the boxes firstId, firstId + 1, ...
    void SetItemTexts(int firstId, std::span<const std::string_view> texts);

    // Handlers of the side calculators' Clear buttons.
    void OnClearAverageSpeed(wxCommandEvent& event);
    void OnClearGradient(wxCommandEvent& event);
    void OnClearEnergy(wxCommandEvent& event);

    // A control's text, as at most maxBytes bytes; and setting it.
    std::string GetItemText(int id, std::size_t maxBytes) const;
    void SetItemText(int id, std::string_view text);

    GearInputs m_gearInputs;
    std::string m_cassetteEntry;  // the entry last split into the sprocket boxes
    std::optional<ChartReading> m_chartReading;  // of the last press of 計算
    GearChartWindow* m_gearChart = nullptr;      // a child window: built when first opened

    wxDECLARE_EVENT_TABLE();
};
