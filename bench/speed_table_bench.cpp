// Times ComputeSpeedTable and one press of Calculate on the real main window.
// Needs a display (run under xvfb-run).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>

#include "app/main_dialog.h"
#include "calc/speed_table.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median time of one call of f, in microseconds, over rounds of `batch` calls.
template <class F>
double MedianMicros(int rounds, int batch, F&& f) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i) f();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        batch);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2];
}

void FillWorkedExample(wxWindow& window) {
    const char* sprockets[] = {"24", "21", "18", "16", "15", "14", "13", "12", "11", "10"};
    for (int c = 0; c < 10; ++c) SetControlText(window.FindWindow(IDC_SPROCKET_FIRST + c), sprockets[c]);
    const char* chainrings[] = {"28", "38", "48"};
    for (int r = 0; r < 3; ++r) SetControlText(window.FindWindow(IDC_CHAINRING_FIRST + r), chainrings[r]);
    SetControlText(window.FindWindow(IDC_CIRCUMFERENCE), "2096");
    SetControlText(window.FindWindow(IDC_CADENCE), "90");
}

}  // namespace

int main(int argc, char** argv) {
    GearInputs inputs{90, {24, 21, 18, 16, 15, 14, 13, 12, 11, 10}, {28, 38, 48}, 2096};
    std::size_t sink = 0;
    const double table = MedianMicros(21, 2000, [&] { sink += ComputeSpeedTable(inputs)[2][9].size(); });
    std::printf("ComputeSpeedTable: %.2f us (%zu)\n", table, sink % 10);

    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "needs a display: run under xvfb-run -a\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    {
        auto* dialog = new CMainDialog();
        dialog->Show();
        wxYield();
        FillWorkedExample(*dialog);
        wxCommandEvent press(wxEVT_BUTTON, IDC_CALCULATE);
        press.SetEventObject(dialog->FindWindow(IDC_CALCULATE));
        const double calculate = MedianMicros(21, 50, [&] {
            dialog->GetEventHandler()->ProcessEvent(press);
            wxYield();  // let the toolkit lay out the new texts
        });
        std::printf("Calculate press (whole OnCalculate on the real window): %.1f us\n", calculate);
        dialog->Destroy();
    }
    wxEntryCleanup();
    return 0;
}
