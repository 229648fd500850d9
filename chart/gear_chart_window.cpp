#include "chart/gear_chart_window.h"

#include <algorithm>
#include <utility>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataview.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "chart/chart_caption.h"
#include "chart/chart_control_ids.h"
#include "chart/chart_export.h"
#include "chart/chart_file.h"
#include "chart/chart_placement.h"
#include "chart/chart_table.h"
#include "chart/gear_chart_drawing.h"
#include "chart/setup_text.h"
#include "platform/accessibility.h"
#include "platform/file_name.h"
#include "platform/message_box.h"
#include "platform/modeless_window.h"
#include "platform/native_look.h"
#include "platform/widget_text.h"
#include "res/strings.h"
#include "rules/gear_check_panel.h"

namespace {

constexpr int kGap = 8;  // between the windows and around controls, in DIP
// Of the height below the lines of text. A sizer gives each share at least its minimum, so
// the table's minimum follows the drawing's in the same proportion; the window's minimum then
// adds no height beyond the two, and fits a 1000-pixel screen with its title bar.
constexpr int kDrawingShare = 4;
constexpr int kTableShare = 1;
const wxSize kTableMinSize(-1, kMinChartHeight * kTableShare / kDrawingShare);  // in DIP: a few rows
const wxSize kCheckMinSize(360, kTableMinSize.y);  // in DIP: beside the table, within the drawing's width

// Room of a cadence box: "120.5" and a little; of the typed limit: "7.930" and a little.
constexpr char kBandBoxSample[] = "0000.0";
constexpr char kTypedLimitSample[] = "000.0000";

wxStaticText* TextLine(wxWindow* parent, int id) {
    auto* line = new wxStaticText(parent, id, wxString(), wxDefaultPosition, wxDefaultSize,
                                  wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    line->Hide();
    return line;
}

// A line of text shows only while it has something to say.
void SetLine(wxStaticText* line, std::string_view text) {
    SetControlText(line, text);
    if (line->IsShown() != !text.empty()) {
        line->Show(!text.empty());
        line->GetParent()->Layout();
    }
}

wxTextCtrl* CadenceBox(wxWindow* parent, int id, const char* name) {
    auto* box = new wxTextCtrl(parent, id, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER);
    box->SetInitialSize(box->GetSizeFromTextSize(box->GetTextExtent(kBandBoxSample)));
    SetAccessibleName(*box, name);
    return box;
}

wxString FileDialogWildcard() {
    wxString wildcard;
    for (const ChartFileFormat& format : kChartFileFormats) {
        if (!wildcard.empty()) wildcard += '|';
        wildcard += ToWidgetText(format.description) + "|*." + format.extension;
    }
    return wildcard;
}

}  // namespace

GearChartWindow::GearChartWindow(wxWindow* mainWindow)
    : wxFrame(mainWindow, wxID_ANY, ToWidgetText(text::kGearChartTitle), wxDefaultPosition,
              wxDefaultSize, wxDEFAULT_FRAME_STYLE) {
    UseFiguresFont(*this);
    auto* panel = new wxPanel(this);
    const int gap = FromDIP(kGap);

    limitChoice_ = new wxChoice(panel, IDC_CHART_LIMIT);
    for (const LimitChoice& choice : LimitChoices()) AddComboItem(limitChoice_, choice.text);
    limitChoice_->SetSelection(limitSelection_);
    // Its items never change: measured once, not at every layout.
    limitChoice_->SetInitialSize(limitChoice_->GetBestSize());
    typedLimit_ = new wxTextCtrl(panel, IDC_CHART_TYPED_LIMIT, wxString(), wxDefaultPosition,
                                 wxDefaultSize, wxTE_PROCESS_ENTER);
    typedLimit_->SetInitialSize(typedLimit_->GetSizeFromTextSize(typedLimit_->GetTextExtent(kTypedLimitSample)));
    auto* apply = new wxButton(panel, IDC_CHART_APPLY_LIMIT, ToWidgetText(text::kLimitApply));
    auto* limitLabel = new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kLimitLabel));
    SetAccessibleName(*limitChoice_, text::kLimitLabel);
    SetAccessibleName(*typedLimit_, text::kLimitTyped);
    message_ = TextLine(panel, IDC_CHART_MESSAGE);
    summary_ = TextLine(panel, IDC_CHART_SUMMARY);
    note_ = TextLine(panel, IDC_CHART_NOTE);
    pin_ = new wxButton(panel, IDC_CHART_PIN, ToWidgetText(text::kChartPin));
    unpin_ = new wxButton(panel, IDC_CHART_UNPIN, ToWidgetText(text::kChartUnpin));
    bandLow_ = CadenceBox(panel, IDC_CHART_BAND_LOW, text::kBandLowName);
    bandHigh_ = CadenceBox(panel, IDC_CHART_BAND_HIGH, text::kBandHighName);
    auto* applyBand = new wxButton(panel, IDC_CHART_APPLY_BAND, ToWidgetText(text::kBandApply));
    auto* save = new wxButton(panel, IDC_CHART_SAVE, ToWidgetText(text::kChartSave));

    drawing_ = new wxWindow(panel, IDC_CHART_DRAWING);
    drawing_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetAccessibleName(*drawing_, text::kChartDrawingName);
    table_ = new wxDataViewListCtrl(panel, IDC_CHART_TABLE, wxDefaultPosition, wxDefaultSize,
                                    wxDV_ROW_LINES | wxDV_MULTIPLE);
    SetAccessibleName(*table_, text::kChartTableName);

    auto* limitRow = new wxBoxSizer(wxHORIZONTAL);
    limitRow->Add(limitLabel, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    limitRow->Add(limitChoice_, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    limitRow->Add(typedLimit_, wxSizerFlags().CentreVertical());
    limitRow->Add(new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kLimitMetres)),
                  wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap / 2));
    limitRow->Add(apply, wxSizerFlags().CentreVertical());
    auto* shareRow = new wxBoxSizer(wxHORIZONTAL);
    shareRow->Add(pin_, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    shareRow->Add(unpin_, wxSizerFlags().CentreVertical().Border(wxRIGHT, 2 * gap));
    shareRow->Add(new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kBandLabel)),
                  wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
    shareRow->Add(bandLow_, wxSizerFlags().CentreVertical());
    shareRow->Add(new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kBandTo)),
                  wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap / 2));
    shareRow->Add(bandHigh_, wxSizerFlags().CentreVertical());
    shareRow->Add(new wxStaticText(panel, wxID_ANY, ToWidgetText(text::kBandUnit)),
                  wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap / 2));
    shareRow->Add(applyBand, wxSizerFlags().CentreVertical());
    shareRow->AddStretchSpacer();
    shareRow->Add(save, wxSizerFlags().CentreVertical());
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(limitRow, wxSizerFlags().Border(wxALL, gap));
    column->Add(shareRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    for (wxStaticText* line : {message_, summary_, note_})
        column->Add(line, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
    column->Add(drawing_, wxSizerFlags(kDrawingShare).Expand().Border(wxALL, gap));
    // The check beside the table, scrolling within the table's height, so that the window
    // grows no taller. Its place is a window of its own until it is made, so that making it
    // redraws that place only, not the chart.
    auto* tableRow = new wxBoxSizer(wxHORIZONTAL);
    tableRow->Add(table_, wxSizerFlags(1).Expand().Border(wxRIGHT, gap));
    checkHolder_ = new wxPanel(panel);
    checkHolder_->SetMinSize(FromDIP(kCheckMinSize));
    tableRow->Add(checkHolder_, wxSizerFlags().Expand());
    column->Add(tableRow, wxSizerFlags(kTableShare).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    drawing_->SetMinSize(FromDIP(wxSize(kMinChartWidth, kMinChartHeight)));
    table_->SetMinSize(FromDIP(kTableMinSize));
    panel->SetSizer(column);
    message_->SetForegroundColour(ChartWarningColour());

    limitChoice_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnLimitChosen(); });
    typedLimit_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { ApplyTypedLimit(); });
    apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyTypedLimit(); });
    pin_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Pin(); });
    unpin_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Unpin(); });
    for (wxTextCtrl* box : {bandLow_, bandHigh_})
        box->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { ApplyBand(); });
    applyBand->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyBand(); });
    save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Save(); });
    drawing_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(drawing_);
        paintedSize_ = drawing_->GetClientSize();
        PaintChart(dc, paintedSize_);
        if (!check_) CallAfter(&GearChartWindow::MakeCheck);
    });
    drawing_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        // A layout that leaves the drawing as it was sends one too: that needs no new drawing.
        if (event.GetSize() != paintedSize_) drawing_->Refresh();
        event.Skip();
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            Close();
        else if (event.GetKeyCode() == 'C' && event.GetModifiers() == wxMOD_CONTROL && TableHasFocus())
            CopyRows();
        else
            event.Skip();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto())
            Hide();
        else
            event.Skip();
    });
    // Every control on screen and every row readable, as far as the screen allows.
    const wxRect screen = wxDisplay(mainWindow).GetClientArea();
    const wxSize fits = ClientToWindowSize(column->GetMinSize());
    SetMinSize(wxSize(std::min(fits.x, screen.width), std::min(fits.y, screen.height)));
    SetSize(GetMinSize());
    Refill();
}

void GearChartWindow::MakeCheck() {
    if (check_) return;  // more than one paint came before it
    check_ = new GearCheckPanel(checkHolder_, [this](std::int64_t millimetres) { PickLimit(millimetres); });
    auto* fill = new wxBoxSizer(wxVERTICAL);
    fill->Add(check_, wxSizerFlags(1).Expand());
    checkHolder_->SetSizer(fill);
    checkHolder_->Layout();
    check_->ShowCheck(GearsOf(current_), limit_);
}

void GearChartWindow::Open() {
    const wxRect main = GetParent()->GetScreenRect();
    // A remembered place holds unless the main window now stands there.
    const bool remembered = std::exchange(placeRemembered_, false) && !GetScreenRect().Intersects(main);
    if (!IsShown() && !remembered) {
        const wxRect screen = wxDisplay(GetParent()).GetClientArea();
        // The chart's frame will be as tall as the main window's.
        const int height = GetClientSize().y + FrameAddedHeight(*GetParent());
        const WindowPlaces places = PlaceBeside({main.x, main.y, main.width, main.height}, GetSize().x, height,
                                                {screen.x, screen.y, screen.width, screen.height}, FromDIP(kGap));
        if (places.main.x != main.x || places.main.y != main.y) GetParent()->Move(places.main.x, places.main.y);
        Move(places.chart.x, places.chart.y);
    }
    Show();
    Raise();
}

ChartSettings GearChartWindow::CurrentSettings() const {
    ChartSettings settings;
    settings.limitChoice = LimitChoices()[static_cast<std::size_t>(limitSelection_)].millimetres;
    if (const LimitReading typed = ReadTypedLimit(FromWidgetText(typedLimit_->GetValue())); typed.limit)
        settings.typedLimit = typed.limit->millimetres;
    settings.band = band_;
    settings.saveFolder = saveFolder_;
    const wxRect rect = GetRect();
    settings.window = WindowPlace{rect.x, rect.y, rect.width, rect.height};
    return settings;
}

void GearChartWindow::RestoreSettings(const ChartSettings& settings) {
    if (settings.typedLimit > 0) typedLimit_->SetValue(MetresText(settings.typedLimit));
    if (settings.limitChoice == kTypedLimit && settings.typedLimit > 0) ApplyTypedLimit();
    if (settings.limitChoice != kTypedLimit) {
        limitChoice_->SetSelection(LimitChoicePosition(settings.limitChoice));
        OnLimitChosen();
    }
    if (settings.band) {
        bandLow_->SetValue(wxString::FromCDouble(settings.band->low));
        bandHigh_->SetValue(wxString::FromCDouble(settings.band->high));
        ApplyBand();
    }
    saveFolder_ = settings.saveFolder;
    if (const std::optional<WindowPlace>& window = settings.window) {
        const wxPoint centre(window->x + window->width / 2, window->y + window->height / 2);
        const int display = wxDisplay::GetFromPoint(centre);
        const wxRect screen = wxDisplay(display == wxNOT_FOUND ? wxDisplay::GetFromWindow(GetParent()) : display)
                                  .GetClientArea();
        const RestoredPlace restored = RestorePlace(*window, GetMinSize().x, GetMinSize().y,
                                                    {screen.x, screen.y, screen.width, screen.height});
        SetSize(restored.box.width, restored.box.height);
        if (restored.placed) Move(restored.box.x, restored.box.y);
        placeRemembered_ = restored.placed;
    }
}

void GearChartWindow::ShowSetup(const ChartSetup& setup) {
    current_ = Side{setup, {}};
    Refill();
}

void GearChartWindow::OnLimitChosen() {
    const int selection = limitChoice_->GetSelection();
    const LimitChoice& choice = LimitChoices()[static_cast<std::size_t>(selection)];
    if (choice.millimetres == kTypedLimit) {
        // The caret in the box; the limit in force stays until a typed one is applied.
        if (typedLimit_->IsEmpty()) return typedLimit_->SetFocus();
        return ApplyTypedLimit();
    }
    limit_.reset();
    if (choice.millimetres != kNoLimit) limit_ = NamedLimit(choice);
    limitSelection_ = selection;
    SetLine(message_, {});
    Refill();
}

void GearChartWindow::PickLimit(std::int64_t millimetres) {
    limitChoice_->SetSelection(LimitChoicePosition(millimetres));
    OnLimitChosen();
}

void GearChartWindow::ApplyTypedLimit() {
    const LimitReading typed = ReadTypedLimit(FromWidgetText(typedLimit_->GetValue()));
    if (typed.refusal) {
        // The limit in force stays, and the choice says which it is.
        limitChoice_->SetSelection(limitSelection_);
        SetLine(message_, typed.refusal);
        typedLimit_->SetFocus();
        return;
    }
    limit_ = typed.limit;
    limitSelection_ = LimitChoicePosition(kTypedLimit);
    limitChoice_->SetSelection(limitSelection_);
    SetLine(message_, {});
    Refill();
}

void GearChartWindow::Refill() {
    for (std::optional<Side>* side : {&current_, &comparison_})
        if (*side) (*side)->gears = BuildGearSet((*side)->setup, limit_);
    SetLine(summary_, current_ ? LimitSummary(current_->gears, limit_) : std::string());
    SetLine(note_, current_ ? ChartNote(current_->gears) : std::string());
    FillTable();
    if (check_) check_->ShowCheck(GearsOf(current_), limit_);
    pin_->Enable(current_.has_value());
    unpin_->Enable(comparison_.has_value());
    drawing_->Refresh();
}

void GearChartWindow::FillTable() {
    TextTable table = BuildChartTable(GearsOf(current_), GearsOf(comparison_), band_);
    table_->DeleteAllItems();
    if (table.header != shown_.header) {
        table_->ClearColumns();
        for (const std::string& title : table.header) table_->AppendTextColumn(ToWidgetText(title));
    }
    shown_ = std::move(table);
    for (const std::vector<std::string>& cells : shown_.rows) {
        wxVector<wxVariant> row;
        for (const std::string& cell : cells) row.push_back(ToWidgetText(cell));
        table_->AppendItem(row);
    }
}

void GearChartWindow::PaintChart(wxDC& dc, const wxSize& size) const {
    dc.SetFont(drawing_->GetFont());
    DrawGearChart(dc, size, {GearsOf(current_), limit_, GearsOf(comparison_), band_});
}

void GearChartWindow::Pin() {
    comparison_ = current_;
    Refill();
}

void GearChartWindow::Unpin() {
    comparison_.reset();
    Refill();
}

void GearChartWindow::ApplyBand() {
    const BandReading typed = ReadCadenceBand(FromWidgetText(bandLow_->GetValue()),
                                              FromWidgetText(bandHigh_->GetValue()));
    if (typed.refusal) {
        SetLine(message_, typed.refusal);  // the band shown stays
        return;
    }
    band_ = typed.band;
    SetLine(message_, {});
    Refill();
}

void GearChartWindow::Save() {
    const ChartSetup* setup = current_ ? &current_->setup : nullptr;
    const wxString folder = saveFolder_.empty() ? wxGetCwd() : FromFileSystemName(saveFolder_);
    wxFileDialog dialog(this, ToWidgetText(text::kChartSaveTitle), folder,
                        ToWidgetText(ChartFileName(setup, kChartFileFormats.front().extension)),
                        FileDialogWildcard(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return;
    // The whole path, as a folder typed into the name is part of it. GTK's chooser tells it
    // only once shown; a dialog answered unshown holds the folder and name set on it.
    wxString chosen = dialog.GetPath();
    if (chosen.empty()) chosen = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    const ChartSavePath target = ResolveChartSavePath(chosen, folder, dialog.GetFilterIndex());
    if (target.refusal) {
        ShowMessageBox(this, target.refusal, wxOK);
        return;
    }
    // The dialog asked about the path as it was typed, not as made whole; what is no file
    // is refused below.
    if (target.path != chosen && wxFileName::FileExists(target.path) &&
        ShowMessageBox(this, text::kChartReplaceQuestion, wxYES_NO | wxICON_QUESTION) != wxID_YES)
        return;
    ChartContent content;
    if (target.type == ChartFileType::Csv) {
        content.table = shown_;
    } else {
        const ChartScene scene{GearsOf(current_), limit_, GearsOf(comparison_), band_};
        content = ExportedChart(scene, drawing_->GetFont(), ChartTitle(setup),
                                current_ ? ChartCaption(current_->setup, current_->gears, limit_,
                                                        comparison_ ? &comparison_->setup : nullptr)
                                         : std::vector<std::string>());
    }
    if (const char* failure = SaveChartFile(target.path, target.type, content))
        ShowMessageBox(this, failure, wxOK);
    else
        saveFolder_ = FileSystemName(wxFileName(target.path).GetPath());
}

bool GearChartWindow::TableHasFocus() const {
    for (const wxWindow* window = wxWindow::FindFocus(); window; window = window->GetParent())
        if (window == table_) return true;
    return false;
}

void GearChartWindow::CopyRows() {
    wxDataViewItemArray items;
    table_->GetSelections(items);
    std::vector<std::size_t> rows;
    for (const wxDataViewItem& item : items)
        if (const int row = table_->ItemToRow(item); row >= 0) rows.push_back(static_cast<std::size_t>(row));
    if (!wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(ToWidgetText(TableAsTsv(shown_, rows))));
    wxTheClipboard->Close();
}
