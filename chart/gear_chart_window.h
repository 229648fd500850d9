// The gear chart window: the drawing, the limit choice with its summary, and the table
// twin that screen readers read. Modeless beside the main window; closing only hides it,
// so that the limit chosen lasts while the program runs.
#pragma once

#include <optional>

#include <wx/frame.h>

#include "chart/chart_model.h"

class wxChoice;
class wxDataViewListCtrl;
class wxStaticText;
class wxTextCtrl;

class GearChartWindow : public wxFrame {
public:
    explicit GearChartWindow(wxWindow* mainWindow);

    // Shows what a press of 計算 read.
    void ShowReading(const ChartReading& reading);
    // Shows the window beside the main window, or brings it to the front.
    void Open();

private:
    void OnLimitChosen();
    void ApplyTypedLimit();
    void Refill();

    std::optional<ChartReading> reading_;
    std::optional<DevelopmentLimit> limit_;
    int limitSelection_ = 0;
    GearSet set_;

    wxChoice* limitChoice_;
    wxTextCtrl* typedLimit_;
    wxStaticText* message_;
    wxStaticText* summary_;
    wxStaticText* leftOut_;
    wxWindow* drawing_;
    wxDataViewListCtrl* table_;
};
