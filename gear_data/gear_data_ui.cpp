// The main window's gear choices: loading the gear-data file into the three lists and
// showing the fields of the chosen entries.
#include <wx/choice.h>

#include "app/main_dialog.h"
#include "gear_data/chart_sprockets.h"
#include "gear_data/settings_dialog.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

// Entry 0 of a list is its section's title line.
constexpr int kFirstChoice = 1;

// The combo box shows the choices only: its item p holds entry p + 1.
int SelectedEntry(wxWindow* combo) { return static_cast<wxChoice*>(combo)->GetSelection() + kFirstChoice; }

void FillCombo(wxWindow* window, const GearList& list) {
    auto* combo = static_cast<wxChoice*>(window);
    combo->Clear();
    for (int i = kFirstChoice; i < list.count; ++i) AddComboItem(combo, list.Entry(i));
}

}  // namespace

// A file that cannot be opened leaves the lists as they were and says so; one that can
// takes back that message, and only that one.
void CMainDialog::LoadGearData() {
    if (std::optional<GearLists> lists = ReadGearFile()) {
        m_state.lists = std::move(*lists);
        if (m_state.gearFileErrorShown) SetItemText(IDC_AVG_STATUS, "");
        m_state.gearFileErrorShown = false;
    } else {
        SetItemText(IDC_AVG_STATUS, text::kGearFileOpenFailed);
        m_state.gearFileErrorShown = true;
    }
    FillCombo(FindWindow(IDC_CRANKSET), m_state.lists.crankset);
    FillCombo(FindWindow(IDC_CASSETTE), m_state.lists.cassette);
    FillCombo(FindWindow(IDC_TYRE), m_state.lists.tyre);
    ShowCranksetEntry(kFirstChoice);
    ShowCassetteEntry(kFirstChoice);
    ShowTyreEntry(kFirstChoice);
    FindWindow(IDC_CADENCE)->SetFocus();
}

void CMainDialog::ShowCranksetEntry(int index) {
    SetItemTexts(IDC_CHAINRING_FIRST, SplitCranksetEntry(m_state.lists.crankset.Entry(index)).Texts());
}

void CMainDialog::ShowCassetteEntry(int index) {
    m_state.cassette = SplitCassetteEntry(m_state.lists.cassette.Entry(index));
    SetItemTexts(IDC_SPROCKET_FIRST, m_state.cassette.BoxTexts());
}

void CMainDialog::ShowTyreEntry(int index) {
    m_state.tyre = SplitTyreEntry(m_state.lists.tyre.Entry(index), m_state.tyre);
    SetItemText(IDC_CIRCUMFERENCE, m_state.tyre.Texts()[1]);
}

void CMainDialog::OnSelChangeCrankset(wxCommandEvent&) { ShowCranksetEntry(SelectedEntry(FindWindow(IDC_CRANKSET))); }

void CMainDialog::OnSelChangeCassette(wxCommandEvent&) { ShowCassetteEntry(SelectedEntry(FindWindow(IDC_CASSETTE))); }

void CMainDialog::OnSelChangeTyre(wxCommandEvent&) { ShowTyreEntry(SelectedEntry(FindWindow(IDC_TYRE))); }

// The editor may rewrite the file; the lists show it only after Update.
void CMainDialog::OnChangeValues(wxCommandEvent&) {
    CSettingsDialog editor(this);
    editor.ShowModal();
}

void CMainDialog::OnUpdate(wxCommandEvent&) { LoadGearData(); }

// The chart takes a longer cassette entry whole while the sprocket boxes still hold it.
ChartSetup CMainDialog::ChartSetupOf(const GearInputs& inputs) const {
    std::array<std::string, kSprocketBoxes> boxTexts;
    for (std::size_t c = 0; c < boxTexts.size(); ++c)
        boxTexts[c] = GetItemText(IDC_SPROCKET_FIRST + static_cast<int>(c), kGearInputBytes);
    ChartSprockets chosen = ChooseChartSprockets(m_state.cassette, boxTexts, inputs.sprocket);
    return {{inputs.chainring.begin(), inputs.chainring.end()}, std::move(chosen.sprockets),
            inputs.circumference, inputs.cadence, chosen.longerEntrySetAside};
}

void CMainDialog::SetItemTexts(int firstId, std::span<const std::string_view> texts) {
    for (const std::string_view text : texts) SetItemText(firstId++, text);
}
