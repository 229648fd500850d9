// The gear chart window: the drawing, the limit choice with its summary, and the table
// twin that screen readers read; a pinned comparison, a cadence band, saving and copying.
// Modeless beside the main window; closing only hides it, so that the limit chosen, the
// comparison and the band last while the program runs.
#pragma once

#include <optional>

#include <wx/frame.h>
#include <wx/string.h>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"
#include "chart/table_text.h"

class wxButton;
class wxChoice;
class wxDC;
class wxDataViewListCtrl;
class wxStaticText;
class wxTextCtrl;

class GearChartWindow : public wxFrame {
public:
    explicit GearChartWindow(wxWindow* mainWindow);

    // Shows the gears of a press of 計算.
    void ShowSetup(const ChartSetup& setup);
    // Shows the window beside the main window, or brings it to the front.
    void Open();

private:
    void OnLimitChosen();
    void ApplyTypedLimit();
    void Refill();
    void FillTable();
    void Pin();
    void Unpin();
    void ApplyBand();
    void Save();
    void CopyRows();
    bool TableHasFocus() const;
    void PaintChart(wxDC& dc, const wxSize& size) const;

    // A setup shown and its gears, worked with the limit in force.
    struct Side {
        ChartSetup setup;
        GearSet gears;
    };

    static const GearSet* GearsOf(const std::optional<Side>& side) { return side ? &side->gears : nullptr; }

    std::optional<Side> current_;     // nothing before the first press of 計算
    std::optional<Side> comparison_;  // while one is pinned
    std::optional<DevelopmentLimit> limit_;
    int limitSelection_ = 0;
    std::optional<CadenceBand> band_;
    TextTable shown_;  // what the table lists
    wxString lastFolder_;  // of the last save, where the next one starts; empty before it

    wxChoice* limitChoice_;
    wxTextCtrl* typedLimit_;
    wxStaticText* message_;
    wxStaticText* summary_;
    wxStaticText* note_;
    wxButton* pin_;
    wxButton* unpin_;
    wxTextCtrl* bandLow_;
    wxTextCtrl* bandHigh_;
    wxWindow* drawing_;
    wxDataViewListCtrl* table_;
};
