// Times ComputeSpeedTable and one press of Calculate on the real main window.
// Needs a display (run under xvfb-run).
#include <cstdio>

#include <wx/app.h>
#include <wx/init.h>

#include "bench/median_time.h"
#include "app/main_dialog.h"
#include "calc/speed_table.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "tests/support/worked_example.h"

namespace {

void FillWorkedExample(wxWindow& window) {
    for (const auto& [id, text] : kWorkedExample) SetControlText(window.FindWindow(id), text);
}

}  // namespace

int main(int argc, char** argv) {
    GearInputs inputs{90, {24, 21, 18, 16, 15, 14, 13, 12}, {28, 38, 48}, 2096};
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
        OperandStack stack;
        auto* dialog = new CMainDialog(stack);
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
