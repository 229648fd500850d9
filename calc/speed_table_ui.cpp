// The Calculate command and the speed table's controls.
#include "app/main_dialog.h"
#include "calc/gear_figures.h"
#include "calc/number_text.h"
#include "platform/accessibility.h"
#include "res/resource_ids.h"
#include "res/strings.h"

void CMainDialog::OnCalculate(wxCommandEvent&) {
    ReadGearInputs();
    CalcSpeedTable();
    HandGearChartReading();
    CalcAverageSpeed();
    if (m_gearInputs.cadence == 0) SetItemText(IDC_AVG_STATUS, text::kCadenceMissing);
    CalcGradient();
    CalcEnergy();
}

void CMainDialog::ReadGearInputs() {
    auto read = [this](int id) { return ReadNumber(GetItemText(id, kGearInputBytes), kGearInputBytes); };
    m_gearInputs.cadence = read(IDC_CADENCE);
    for (std::size_t c = 0; c < m_gearInputs.sprocket.size(); ++c)
        m_gearInputs.sprocket[c] = read(IDC_SPROCKET_FIRST + static_cast<int>(c));
    for (std::size_t r = 0; r < m_gearInputs.chainring.size(); ++r)
        m_gearInputs.chainring[r] = read(IDC_CHAINRING_FIRST + static_cast<int>(r));
    m_gearInputs.circumference = read(IDC_CIRCUMFERENCE);
}

void CMainDialog::CalcSpeedTable() {
    const SpeedTable table = ComputeSpeedTable(m_gearInputs);
    const GearFigures figures = ComputeGearFigures(m_gearInputs, table);
    int id = IDC_CELL_FIRST;
    for (std::size_t r = 0; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size(); ++c, ++id) {
            SetItemText(id, table[r][c]);
            SetDescription(*FindWindow(id), figures[r][c]);
        }
}
