// The main window's part in the gear chart: opening it, and handing it each press of 計算.
#include "app/main_dialog.h"
#include "chart/gear_chart_window.h"
#include "platform/modeless_window.h"
#include "res/resource_ids.h"

void CMainDialog::OpenGearChart() {
    if (!m_gearChart) {
        ShareInputWithModalWindow(*this);
        m_gearChart = new GearChartWindow(this);
        if (m_chartReading) m_gearChart->ShowReading(*m_chartReading);
        // The chart closes with the main window.
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            m_gearChart->Close();
            event.Skip();
        });
    }
    m_gearChart->Open();
}

void CMainDialog::HandGearChartReading() {
    ChartReading reading{m_gearInputs, {}, m_cassetteEntry};
    for (std::size_t c = 0; c < reading.sprocketTexts.size(); ++c)
        reading.sprocketTexts[c] = GetItemText(IDC_SPROCKET_FIRST + static_cast<int>(c), kGearInputBytes);
    m_chartReading = reading;
    if (m_gearChart) m_gearChart->ShowReading(reading);
}
