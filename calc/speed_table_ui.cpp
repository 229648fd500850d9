// The Calculate command and the speed table's controls.
#include "app/main_dialog.h"
#include "calc/gear_figures.h"
#include "calc/number_text.h"
#include "platform/accessibility.h"
#include "res/resource_ids.h"
#include "res/strings.h"

void CMainDialog::OnCalculate(wxCommandEvent&) {
    const GearInputs inputs = ReadGearInputs();
    CalcSpeedTable(inputs);
    HandGearChart(ChartSetupOf(inputs));
    CalcAverageSpeed();
    if (inputs.cadence == 0) SetItemText(IDC_AVG_STATUS, text::kCadenceMissing);
    CalcGradient();
    CalcEnergy();
}

GearInputs CMainDialog::ReadGearInputs() const {
    auto read = [this](int id) { return ReadNumber(GetItemText(id, kGearInputBytes), kGearInputBytes); };
    GearInputs inputs;
    inputs.cadence = read(IDC_CADENCE);
    for (std::size_t c = 0; c < inputs.sprocket.size(); ++c)
        inputs.sprocket[c] = read(IDC_SPROCKET_FIRST + static_cast<int>(c));
    for (std::size_t r = 0; r < inputs.chainring.size(); ++r)
        inputs.chainring[r] = read(IDC_CHAINRING_FIRST + static_cast<int>(r));
    inputs.circumference = read(IDC_CIRCUMFERENCE);
    return inputs;
}

void CMainDialog::CalcSpeedTable(const GearInputs& inputs) {
    const SpeedTable table = ComputeSpeedTable(inputs);
    const GearFigures figures = ComputeGearFigures(inputs, table);
    int id = IDC_CELL_FIRST;
    for (std::size_t r = 0; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size(); ++c, ++id) {
            SetItemText(id, table[r][c]);
            SetDescription(*FindWindow(id), figures[r][c]);
        }
}
