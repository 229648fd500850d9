#include "chart/gear_chart_window.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "chart/gear_chart_drawing.h"
#include "platform/accessibility.h"
#include "platform/modeless_window.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

const wxSize kInitialSize(760, 640);  // in DIP
constexpr int kGap = 8;                   // between the windows and around controls, in DIP
constexpr int kDrawingShare = 3;          // of the height below the lines of text
constexpr int kTableShare = 2;

constexpr const char* kColumnTitles[kChartColumns] = {
    text::kColumnGear,  text::kColumnRatio, text::kColumnDevelopment, text::kColumnInches,
    text::kColumnSpeed, text::kColumnStep,  text::kColumnNearGear,    text::kColumnLimit,
};

wxStaticText* TextLine(wxWindow* parent, int id) {
    return new wxStaticText(parent, id, wxString(), wxDefaultPosition, wxDefaultSize,
                            wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
}

}  // namespace

GearChartWindow::GearChartWindow(wxWindow* mainWindow)
    : wxFrame(mainWindow, wxID_ANY, ToWidgetText(text::kGearChartTitle), wxDefaultPosition,
              wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT) {
    WorkBesideModalWindow(*this);
    auto* panel = new wxPanel(this);
    const int gap = FromDIP(kGap);

    limitChoice_ = new wxChoice(panel, IDC_CHART_LIMIT);
    for (const LimitChoice& choice : LimitChoices()) AddComboItem(limitChoice_, choice.text);
    limitChoice_->SetSelection(limitSelection_);
    typedLimit_ = new wxTextCtrl(panel, IDC_CHART_TYPED_LIMIT, wxString(), wxDefaultPosition,
                                 wxDefaultSize, wxTE_PROCESS_ENTER);
    auto* apply = new wxButton(panel, IDC_CHART_APPLY_LIMIT, ToWidgetText(text::kLimitApply));
    auto* limitLabel = new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kLimitLabel));
    SetAccessibleName(*limitChoice_, text::kLimitLabel);
    SetAccessibleName(*typedLimit_, text::kLimitTyped);
    message_ = TextLine(panel, IDC_CHART_MESSAGE);
    summary_ = TextLine(panel, IDC_CHART_SUMMARY);
    leftOut_ = TextLine(panel, IDC_CHART_LEFT_OUT);

    drawing_ = new wxWindow(panel, IDC_CHART_DRAWING);
    drawing_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetAccessibleName(*drawing_, text::kChartDrawingName);
    table_ = new wxDataViewListCtrl(panel, IDC_CHART_TABLE, wxDefaultPosition, wxDefaultSize,
                                    wxDV_ROW_LINES | wxDV_SINGLE);
    for (const char* title : kColumnTitles) table_->AppendTextColumn(ToWidgetText(title));
    SetAccessibleName(*table_, text::kChartTableName);

    auto* limitRow = new wxBoxSizer(wxHORIZONTAL);
    limitRow->Add(limitLabel, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    limitRow->Add(limitChoice_, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    limitRow->Add(typedLimit_, wxSizerFlags().CentreVertical());
    limitRow->Add(new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kLimitMetres)),
                  wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap / 2));
    limitRow->Add(apply, wxSizerFlags().CentreVertical());
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(limitRow, wxSizerFlags().Border(wxALL, gap));
    for (wxStaticText* line : {message_, summary_, leftOut_})
        column->Add(line, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
    column->Add(drawing_, wxSizerFlags(kDrawingShare).Expand().Border(wxALL, gap));
    column->Add(table_, wxSizerFlags(kTableShare).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    panel->SetSizer(column);
    message_->SetForegroundColour(ChartWarningColour());

    limitChoice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnLimitChosen(); });
    typedLimit_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { ApplyTypedLimit(); });
    apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyTypedLimit(); });
    drawing_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(drawing_);
        dc.SetFont(drawing_->GetFont());
        DrawGearChart(dc, drawing_->GetClientSize(), {reading_ ? &set_ : nullptr, limit_});
    });
    drawing_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        drawing_->Refresh();
        event.Skip();
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            Close();
        else
            event.Skip();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto()) Hide(); else event.Skip();
    });
    SetSize(FromDIP(kInitialSize));
    Refill();
}

void GearChartWindow::Open() {
    if (!IsShown()) {
        // Beside the main window, on the side of its display that has room.
        const wxRect main = GetParent()->GetScreenRect();
        const wxRect screen = wxDisplay(GetParent()).GetClientArea();
        const int gap = FromDIP(kGap);
        int x = main.GetRight() + gap;
        if (x + GetSize().x > screen.GetRight()) x = std::max(screen.x, main.x - gap - GetSize().x);
        Move(x, std::clamp(main.y, screen.y, std::max(screen.y, screen.GetBottom() - GetSize().y)));
        Show();
    }
    Raise();
}

void GearChartWindow::ShowReading(const ChartReading& reading) {
    reading_ = reading;
    Refill();
}

void GearChartWindow::OnLimitChosen() {
    const int selection = limitChoice_->GetSelection();
    const LimitChoice& choice = LimitChoices()[static_cast<std::size_t>(selection)];
    if (choice.millimetres == kTypedLimit) return ApplyTypedLimit();
    limit_.reset();
    if (choice.millimetres != kNoLimit) limit_ = NamedLimit(choice);
    limitSelection_ = selection;
    message_->SetLabel(wxString());
    Refill();
}

void GearChartWindow::ApplyTypedLimit() {
    const std::optional<DevelopmentLimit> typed = ReadTypedLimit(FromWidgetText(typedLimit_->GetValue()));
    if (!typed) {
        // The limit in force stays, and the choice says which it is.
        limitChoice_->SetSelection(limitSelection_);
        SetControlText(message_, text::kLimitBad);
        typedLimit_->SetFocus();
        return;
    }
    limit_ = typed;
    limitSelection_ = static_cast<int>(LimitChoices().size()) - 1;
    limitChoice_->SetSelection(limitSelection_);
    message_->SetLabel(wxString());
    Refill();
}

void GearChartWindow::Refill() {
    if (reading_) set_ = BuildGearSet(*reading_, limit_);
    SetControlText(summary_, reading_ ? LimitSummary(set_, limit_) : std::string());
    SetControlText(leftOut_, reading_ ? LeftOutText(set_) : std::string());
    table_->DeleteAllItems();
    if (reading_)
        for (const ChartGear& gear : set_.gears) {
            wxVector<wxVariant> row;
            for (const std::string& cell : gear.cells) row.push_back(ToWidgetText(cell));
            table_->AppendItem(row);
        }
    drawing_->Refresh();
}
