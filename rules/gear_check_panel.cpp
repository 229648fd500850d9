#include "rules/gear_check_panel.h"

#include <wx/choice.h>
#include <wx/datetime.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/accessibility.h"
#include "platform/widget_text.h"
#include "res/strings.h"
#include "rules/gear_check_control_ids.h"
#include "rules/lock_out.h"
#include "rules/roll_out.h"
#include "rules/season_category.h"
#include "rules/tyre_margin.h"

namespace {

constexpr int kGap = 8;  // between controls, in DIP
constexpr int kScrollStep = 8;
// Room of a year box: "2026" and a little; of the measured roll-out: "7.010" and a little.
constexpr char kYearSample[] = "00000";
constexpr char kRollOutSample[] = "000.0000";
// Room of a gear in the roll-out's list, which is refilled with every press: its width set
// once, as measuring every item at each layout costs more than the rest of the check.
constexpr char kGearSample[] = "000×000";

wxTextCtrl* Box(wxWindow* parent, int id, const char* name, const char* sample) {
    auto* box = new wxTextCtrl(parent, id);
    box->SetInitialSize(box->GetSizeFromTextSize(box->GetTextExtent(sample)));
    SetAccessibleName(*box, name);
    return box;
}

void AddLabelled(wxWindow* parent, wxSizer* row, const char* label, wxWindow* control) {
    const int gap = parent->FromDIP(kGap);
    row->Add(new wxStaticText(parent, wxID_ANY, ToWidgetText(label)), wxSizerFlags().CentreVertical().Border(wxRIGHT, gap / 2));
    row->Add(control, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
}

}  // namespace

GearCheckPanel::GearCheckPanel(wxWindow* parent, std::function<void(std::int64_t)> pickLimit)
    : wxScrolledWindow(parent, wxID_ANY), pickLimit_(std::move(pickLimit)) {
    const int gap = FromDIP(kGap);
    SetAccessibleName(*this, text::kCheckTitle);
    birthYear_ = Box(this, IDC_CHECK_BIRTH_YEAR, text::kCheckBirthYear, kYearSample);
    season_ = Box(this, IDC_CHECK_SEASON, text::kCheckSeason, kYearSample);
    season_->ChangeValue(wxString::Format("%d", wxDateTime::Now().GetYear()));
    category_ = new wxStaticText(this, IDC_CHECK_CATEGORY, wxString());
    lockOut_ = new wxStaticText(this, IDC_CHECK_LOCK_OUT, wxString());
    tyre_ = new wxStaticText(this, IDC_CHECK_TYRE, wxString());
    rollOut_ = Box(this, IDC_CHECK_ROLL_OUT, text::kRollOutLabel, kRollOutSample);
    rollOutGear_ = new wxChoice(this, IDC_CHECK_ROLL_OUT_GEAR);
    rollOutGear_->SetInitialSize(rollOutGear_->GetSizeFromTextSize(GetTextExtent(ToWidgetText(kGearSample))));
    SetAccessibleName(*rollOutGear_, text::kRollOutGear);
    rollOutResult_ = new wxStaticText(this, IDC_CHECK_ROLL_OUT_RESULT, wxString());

    auto* yearRow = new wxBoxSizer(wxHORIZONTAL);
    AddLabelled(this, yearRow, text::kCheckBirthYear, birthYear_);
    AddLabelled(this, yearRow, text::kCheckSeason, season_);
    auto* rollOutRow = new wxBoxSizer(wxHORIZONTAL);
    AddLabelled(this, rollOutRow, text::kRollOutLabel, rollOut_);
    rollOutRow->Add(new wxStaticText(this, wxID_ANY, ToWidgetText(text::kLimitMetres)),
                    wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    AddLabelled(this, rollOutRow, text::kRollOutGear, rollOutGear_);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, ToWidgetText(text::kCheckTitle)), wxSizerFlags().Border(wxBOTTOM, gap / 2));
    column->Add(yearRow, wxSizerFlags().Border(wxBOTTOM, gap / 2));
    for (wxStaticText* line : {category_, lockOut_, tyre_})
        column->Add(line, wxSizerFlags().Border(wxBOTTOM, gap / 2));
    column->Add(rollOutRow, wxSizerFlags().Border(wxBOTTOM, gap / 2));
    column->Add(rollOutResult_);
    SetSizer(column);
    SetScrollRate(FromDIP(kScrollStep), FromDIP(kScrollStep));

    for (wxTextCtrl* box : {birthYear_, season_}) box->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ReadCategory(); });
    rollOut_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowRollOut(); });
    rollOutGear_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        gearPicked_ = true;
        ShowRollOut();
    });
    ShowCheck(nullptr, std::nullopt);
}

void GearCheckPanel::SetResult(wxStaticText* line, std::string_view text) {
    SetControlText(line, text);
    FitInside();
}

void GearCheckPanel::ReadCategory() {
    // Nothing typed yet is no mistake.
    if (birthYear_->IsEmpty()) return SetResult(category_, {});
    const CategoryReading reading = ReadSeasonCategory(FromWidgetText(birthYear_->GetValue()),
                                                       FromWidgetText(season_->GetValue()));
    if (reading.refusal) return SetResult(category_, reading.refusal);  // the limit in force stays
    SetResult(category_, CategoryText(*reading.category));
    pickLimit_(reading.category->rule ? reading.category->rule->millimetres : kNoLimit);
}

void GearCheckPanel::ShowCheck(const GearSet* gears, const std::optional<DevelopmentLimit>& limit) {
    gears_ = gears;
    limit_ = limit;
    std::string lockOutLines;
    std::string tyreLine;
    std::optional<std::size_t> heaviestLeft;
    if (!gears || gears->gears.empty()) {
        // The chart says that there is nothing to show.
    } else if (!limit) {
        lockOutLines = text::kCheckNoLimit;
    } else {
        const LockOut plan = PlanLockOut(*gears, limit->millimetres);
        for (const RingLockOut& ring : plan.rings) lockOutLines += RingLockOutText(ring) + '\n';
        lockOutLines += HighLimitText(plan);
        heaviestLeft = plan.heaviestLeft;
        if (heaviestLeft) {
            const ChartGear& heaviest = gears->gears[*heaviestLeft];
            if (const auto margin = ComputeTyreMargin(heaviest, gears->circumference, limit->millimetres))
                tyreLine = TyreMarginText(heaviest, *margin, gears->circumference);
        }
    }
    SetResult(lockOut_, lockOutLines);
    SetResult(tyre_, tyreLine);

    // The gears heaviest first, the heaviest left after the lock-out chosen.
    // The gear a user picked stays picked while it is there.
    const wxString picked = gearPicked_ ? rollOutGear_->GetStringSelection() : wxString();
    rollOutGear_->Clear();
    if (gears)
        for (auto gear = gears->gears.rbegin(); gear != gears->gears.rend(); ++gear)
            AddComboItem(rollOutGear_, gear->cells[kGearColumn]);
    if (!rollOutGear_->IsEmpty()) {
        int selection = picked.empty() ? wxNOT_FOUND : rollOutGear_->FindString(picked, true);
        if (selection == wxNOT_FOUND) {
            gearPicked_ = false;
            selection = heaviestLeft ? static_cast<int>(gears->gears.size() - 1 - *heaviestLeft) : 0;
        }
        rollOutGear_->SetSelection(selection);
    }
    ShowRollOut();
}

void GearCheckPanel::ShowRollOut() {
    const int selection = rollOutGear_->GetSelection();
    if (rollOut_->IsEmpty() || !limit_ || !gears_ || selection == wxNOT_FOUND) return SetResult(rollOutResult_, {});
    const ChartGear& gear = gears_->gears[gears_->gears.size() - 1 - static_cast<std::size_t>(selection)];
    const RollOutReading reading =
        CheckRollOut(FromWidgetText(rollOut_->GetValue()), gear.chainring, gear.sprocket, limit_->millimetres);
    SetResult(rollOutResult_, reading.refusal ? std::string(reading.refusal)
                                              : RollOutText(*reading.rollOut, gears_->circumference));
}
