// The gear chart window: the drawing, the limit choice with its summary, and the table
// twin that screen readers read; a pinned comparison, a cadence band, saving and copying;
// the gear check beside the table.
// Modeless beside the main window; closing only hides it, so that the limit chosen, the
// comparison and the band last while the program runs.
#pragma once

#include <optional>

#include <wx/frame.h>
#include <wx/string.h>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"
#include "chart/table_text.h"
#include "settings/chart_settings.h"

class wxButton;
class wxChoice;
class wxDC;
class wxPanel;
class wxDataViewListCtrl;
class GearCheckPanel;
class wxStaticText;
class wxTextCtrl;

class GearChartWindow : public wxFrame {
public:
    explicit GearChartWindow(wxWindow* mainWindow);

    // Shows the gears of a press of 計算.
    void ShowSetup(const ChartSetup& setup);
    // Shows the window beside the main window (or where it was remembered), or brings it
    // to the front.
    void Open();

    // What the chart remembers between runs, and taking it back before the window is first
    // shown: what no longer holds (a limit or band now refused, a place off the screen) is
    // passed over.
    ChartSettings CurrentSettings() const;
    void RestoreSettings(const ChartSettings& settings);

private:
    void OnLimitChosen();
    void PickLimit(std::int64_t millimetres);
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
    // Made once the chart is first drawn, so that the chart shows sooner.
    void MakeCheck();

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
    std::string saveFolder_;        // of the last save, where the next one starts (the file system's bytes); empty before it
    bool placeRemembered_ = false;  // the next Open() shows it where it was

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
    wxSize paintedSize_;  // of the drawing's last paint
    wxDataViewListCtrl* table_;
    wxPanel* checkHolder_;             // the check's place, held before the check is made
    GearCheckPanel* check_ = nullptr;  // until the chart is first drawn
};
