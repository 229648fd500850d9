// The main window: the gear speed table, the three side calculators and the gear choices.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <wx/dialog.h>

#include "calc/speed_table.h"

class CMainDialog : public wxDialog {
public:
    CMainDialog();

    // The window's operations, each of them reading and writing its controls.

    // Gear speed table.
    void ReadGearInputs();
    void CalcSpeedTable();

    // Gear data.

    // Side calculators.

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

    // Handlers of the side calculators' Clear buttons.

    // A control's text, as at most maxBytes bytes; and setting it.
    std::string GetItemText(int id, std::size_t maxBytes) const;
    void SetItemText(int id, std::string_view text);

    GearInputs m_gearInputs;

    wxDECLARE_EVENT_TABLE();
};
