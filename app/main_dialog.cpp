#include "app/main_dialog.h"

#include "app/about_dialog.h"
#include "calc/operand_stack.h"
#include "platform/app_icon.h"
#include "platform/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/minimized_icon.h"
#include "platform/system_menu.h"
#include "platform/widget_text.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/strings.h"

// Rows in the order in which the window's events were laid down; each row's handler lives
// with the part of the program it belongs to.
wxBEGIN_EVENT_TABLE(CMainDialog, wxDialog)
    EVT_CHAR_HOOK(CMainDialog::OnCharHook)
    EVT_BUTTON(IDC_CALCULATE, CMainDialog::OnCalculate)
    // Gear choices.
    EVT_CHOICE(IDC_CRANKSET, CMainDialog::OnSelChangeCrankset)
    EVT_CHOICE(IDC_CASSETTE, CMainDialog::OnSelChangeCassette)
    EVT_CHOICE(IDC_TYRE, CMainDialog::OnSelChangeTyre)

    // Clear buttons of the side calculators.
    EVT_BUTTON(IDC_AVG_CLEAR, CMainDialog::OnClearAverageSpeed)
    EVT_BUTTON(IDC_GRAD_CLEAR, CMainDialog::OnClearGradient)
    EVT_BUTTON(IDC_ENERGY_CLEAR, CMainDialog::OnClearEnergy)

    // Gear-data editor and Update.
    EVT_BUTTON(IDC_CHANGE_VALUES, CMainDialog::OnChangeValues)
    EVT_BUTTON(IDC_UPDATE, CMainDialog::OnUpdate)

    // Help.
    EVT_BUTTON(IDC_HELP, CMainDialog::OnHelp)
wxEND_EVENT_TABLE()

CMainDialog::CMainDialog() {
    CreateDialogFromTemplate(*this, nullptr, MainDialogTemplate());
    OnInitDialog();
}

void CMainDialog::OnInitDialog() {
    // The side calculators' stack tells of an overflow or underflow in a box over this window.
    OperandStack::Instance().SetReporter(
        [](std::string_view message) { ShowMessageBox(message, msgbox::kOk); });
    const SystemMenuEntry entries[] = {{text::kAboutMenuEntry, IDM_ABOUTBOX},
                                       {text::kGearChartMenuEntry, IDM_GEAR_CHART}};
    AppendSystemMenuEntries(*this, entries, [this](int nID) { OnSysCommand(nID); });
    SetIcon(AppIcon());
    UseMinimizedIcon(*this, AppIcon());
    LoadGearData();
}

void CMainDialog::OnSysCommand(int nID) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDialog about(this);
        about.ShowModal();
    } else if ((nID & 0xFFF0) == IDM_GEAR_CHART) {
        OpenGearChart();
    } else {
        DefaultSystemCommand(*this, nID);
    }
}

// Esc does nothing here: the window closes only through its frame. Ctrl+G opens the chart.
void CMainDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == 'G' && event.GetModifiers() == wxMOD_CONTROL)
        OpenGearChart();
    else if (event.GetKeyCode() != WXK_ESCAPE)
        event.Skip();
}

std::string CMainDialog::GetItemText(int id, std::size_t maxBytes) const {
    return GetControlText(FindWindow(id), maxBytes);
}

void CMainDialog::SetItemText(int id, std::string_view text) {
    SetControlText(FindWindow(id), text);
}
