// The main window's part in the gear chart: opening it, and handing it the gears of each
// press of 計算.
#include "app/main_dialog.h"
#include "chart/gear_chart_window.h"
#include "platform/modeless_window.h"
#include "settings/chart_settings.h"

void CMainDialog::OpenGearChart() {
    if (!m_gearChart) {
        ShareInputWithModalWindow(*this);
        m_gearChart = new GearChartWindow(this);
        m_gearChart->RestoreSettings(LoadChartSettings());
        if (m_state.chartSetup) m_gearChart->ShowSetup(*m_state.chartSetup);
        // Remembered whenever it closes, as when the main window closes; a settings file
        // that cannot be written costs only what it would have remembered.
        m_gearChart->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            StoreChartSettings(m_gearChart->CurrentSettings());
            event.Skip();
        });
        // The chart closes with the main window.
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            m_gearChart->Close();
            event.Skip();
        });
    }
    m_gearChart->Open();
}

void CMainDialog::HandGearChart(const ChartSetup& setup) {
    m_state.chartSetup = setup;
    if (m_gearChart) m_gearChart->ShowSetup(setup);
}
