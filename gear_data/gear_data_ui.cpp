// The main window's gear choices: loading the gear-data file into the three lists and
// showing the fields of the chosen entries.
#include <wx/choice.h>

#include "app/main_dialog.h"
#include "gear_data/gear_file.h"
#include "gear_data/gear_tables.h"
#include "gear_data/settings_dialog.h"
#include "platform/text_file.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

int SelectedPosition(wxWindow* combo) { return static_cast<wxChoice*>(combo)->GetSelection(); }

void FillCombo(wxWindow* window, const GearList& list) {
    auto* combo = static_cast<wxChoice*>(window);
    combo->Clear();
    for (int i = 1; i < list.count; ++i) AddComboItem(combo, list.Entry(i));
}

}  // namespace

int CMainDialog::ReadGearFile() {
    TextFileReader file(text::kGearFileName);
    if (!file.IsOpen()) {
        SetItemText(IDC_AVG_STATUS, text::kGearFileOpenFailed);
        return -1;
    }
    ReadGearSections(file, CranksetList, CassetteList, TyreList);
    return 0;
}

void CMainDialog::LoadGearData() {
    ReadGearFile();
    FillCombo(FindWindow(IDC_CRANKSET), CranksetList);
    FillCombo(FindWindow(IDC_CASSETTE), CassetteList);
    FillCombo(FindWindow(IDC_TYRE), TyreList);
    SplitCranksetEntry(1);
    SplitCassetteEntry(1);
    m_cassetteEntry = CassetteList.Entry(1);
    SplitTyreEntry(1);
    SetItemTexts(IDC_SPROCKET_FIRST, CassetteFields.Texts());
    SetItemTexts(IDC_CHAINRING_FIRST, CranksetFields.Texts());
    SetItemText(IDC_CIRCUMFERENCE, TyreFields.Texts()[1]);
    FindWindow(IDC_CADENCE)->SetFocus();
}

void CMainDialog::OnSelChangeCrankset(wxCommandEvent&) {
    SplitCranksetEntry(SelectedPosition(FindWindow(IDC_CRANKSET)) + 1);
    SetItemTexts(IDC_CHAINRING_FIRST, CranksetFields.Texts());
}

void CMainDialog::OnSelChangeCassette(wxCommandEvent&) {
    SplitCassetteEntry(SelectedPosition(FindWindow(IDC_CASSETTE)) + 1);
    m_cassetteEntry = CassetteList.Entry(SelectedPosition(FindWindow(IDC_CASSETTE)) + 1);
    SetItemTexts(IDC_SPROCKET_FIRST, CassetteFields.Texts());
}

void CMainDialog::OnSelChangeTyre(wxCommandEvent&) {
    SplitTyreEntry(SelectedPosition(FindWindow(IDC_TYRE)) + 1);
    SetItemText(IDC_CIRCUMFERENCE, TyreFields.Texts()[1]);
}

// The editor may rewrite the file; the lists show it only after Update.
void CMainDialog::OnChangeValues(wxCommandEvent&) {
    CSettingsDialog editor(this);
    editor.ShowModal();
}

void CMainDialog::OnUpdate(wxCommandEvent&) { LoadGearData(); }

void CMainDialog::SetItemTexts(int firstId, std::span<const std::string_view> texts) {
    for (const std::string_view text : texts) SetItemText(firstId++, text);
}
