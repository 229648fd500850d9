// The side calculators' rows of the main window: reading their boxes, showing the outcome
// and their Clear buttons.
#include <algorithm>
#include <initializer_list>

#include <wx/checkbox.h>
#include <wx/combobox.h>

#include "app/main_dialog.h"
#include "calc/average_speed.h"
#include "calc/energy.h"
#include "calc/gradient.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"

namespace {

// The box that shows each quantity.
struct ResultBox {
    SideQuantity quantity;
    int id;
};
constexpr ResultBox kResultBoxes[] = {
    {SideQuantity::AverageSpeed, IDC_AVG_SPEED}, {SideQuantity::Distance, IDC_AVG_DISTANCE},
    {SideQuantity::Time, IDC_AVG_TIME},          {SideQuantity::SlopeLength, IDC_GRAD_LENGTH},
    {SideQuantity::Gradient, IDC_GRAD_GRADIENT}, {SideQuantity::Energy, IDC_ENERGY_RESULT},
};

int ResultBoxId(SideQuantity quantity) {
    return std::find_if(std::begin(kResultBoxes), std::end(kResultBoxes),
                        [quantity](const ResultBox& box) { return box.quantity == quantity; })
        ->id;
}

// A box that is not the target keeps its text; a refused computation leaves the old
// result standing.
void ShowOutcome(wxWindow& dialog, int statusId, const SideCalcResult& outcome) {
    if (outcome.result)
        SetControlText(dialog.FindWindow(ResultBoxId(outcome.result->quantity)), outcome.result->text);
    SetControlText(dialog.FindWindow(statusId), outcome.status);
}

void ClearBoxes(wxWindow& dialog, std::initializer_list<int> ids) {
    for (int id : ids) SetControlText(dialog.FindWindow(id), "");
}

}  // namespace

void CMainDialog::CalcAverageSpeed() {
    const bool minutes = static_cast<wxCheckBox*>(FindWindow(IDC_AVG_MINUTES))->IsChecked();
    const SideCalcResult outcome =
        SolveAverageSpeed(m_stack, GetItemText(IDC_AVG_DISTANCE, kSideBoxBytes),
                          GetItemText(IDC_AVG_TIME, kSideBoxBytes),
                          GetItemText(IDC_AVG_SPEED, kSideBoxBytes), minutes);
    SetItemText(IDC_AVG_TIME_LABEL, *outcome.timeLabel);
    ShowOutcome(*this, IDC_AVG_STATUS, outcome);
    m_state.gearFileErrorShown = false;
}

void CMainDialog::CalcGradient() {
    ShowOutcome(*this, IDC_GRAD_STATUS,
                SolveGradient(m_stack, GetItemText(IDC_GRAD_LENGTH, kSideBoxBytes),
                              GetItemText(IDC_GRAD_HEIGHT, kSideBoxBytes),
                              GetItemText(IDC_GRAD_GRADIENT, kSideBoxBytes)));
}

void CMainDialog::CalcEnergy() {
    // Typing into the list's edit field leaves no item selected.
    const int speedClass = static_cast<wxComboBox*>(FindWindow(IDC_ENERGY_CLASS))->GetSelection();
    ShowOutcome(*this, IDC_ENERGY_STATUS,
                SolveEnergy(m_stack, GetItemText(IDC_ENERGY_DISTANCE, kSideBoxBytes),
                            GetItemText(IDC_ENERGY_WEIGHT, kSideBoxBytes),
                            GetItemText(IDC_ENERGY_HEIGHT, kSideBoxBytes),
                            GetItemText(IDC_ENERGY_GRADIENT, kSideBoxBytes), speedClass));
}

void CMainDialog::OnClearAverageSpeed(wxCommandEvent&) {
    ClearBoxes(*this, {IDC_AVG_SPEED, IDC_AVG_DISTANCE, IDC_AVG_TIME});
}

void CMainDialog::OnClearGradient(wxCommandEvent&) {
    ClearBoxes(*this, {IDC_GRAD_LENGTH, IDC_GRAD_HEIGHT, IDC_GRAD_GRADIENT});
}

void CMainDialog::OnClearEnergy(wxCommandEvent&) {
    ClearBoxes(*this, {IDC_ENERGY_DISTANCE, IDC_ENERGY_WEIGHT, IDC_ENERGY_HEIGHT,
                       IDC_ENERGY_GRADIENT, IDC_ENERGY_RESULT});
}
