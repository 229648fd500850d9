// The gear check beside the chart's table: the category of a birth year in a season, what to
// lock out for the limit in force, the tyre's margin and a measured roll-out. Every result is
// a line of text that screen readers read. It scrolls, so that the chart window keeps its
// height.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include <wx/scrolwin.h>

#include "chart/chart_model.h"

class wxChoice;
class wxStaticText;
class wxTextCtrl;

class GearCheckPanel : public wxScrolledWindow {
public:
    // pickLimit: called with the limit of the category a birth year gives (kNoLimit for none).
    GearCheckPanel(wxWindow* parent, std::function<void(std::int64_t)> pickLimit);

    // Checks the gears shown (nullptr: none yet) against the limit in force.
    void ShowCheck(const GearSet* gears, const std::optional<DevelopmentLimit>& limit);

private:
    void ReadCategory();
    void ShowRollOut();
    void SetResult(wxStaticText* line, std::string_view text);

    std::function<void(std::int64_t)> pickLimit_;
    const GearSet* gears_ = nullptr;
    std::optional<DevelopmentLimit> limit_;
    bool gearPicked_ = false;               // by the user, not the heaviest left

    wxTextCtrl* birthYear_;
    wxTextCtrl* season_;
    wxStaticText* category_;
    wxStaticText* lockOut_;
    wxStaticText* tyre_;
    wxTextCtrl* rollOut_;
    wxChoice* rollOutGear_;  // the gears shown, heaviest first
    wxStaticText* rollOutResult_;
};
