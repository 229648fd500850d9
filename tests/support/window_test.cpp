#include "tests/support/window_test.h"

#include <wx/timer.h>

#include "app/about_dialog.h"
#include "settings/chart_settings.h"

bool ChooseSystemMenuEntry(wxWindow* focus, int key, int modifiers, int fromEnd) {
    bool aboutSeen = false;
    wxTimer openMenu, choose, closeAbout;
    openMenu.Bind(wxEVT_TIMER, [=](wxTimerEvent&) { wxUIActionSimulator().Char(key, modifiers); });
    choose.Bind(wxEVT_TIMER, [fromEnd](wxTimerEvent&) {
        wxUIActionSimulator sim;
        for (int i = 0; i <= fromEnd; ++i) sim.Char(WXK_UP);
        sim.Char(WXK_RETURN);
    });
    closeAbout.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (auto* about = FindShownWindow<CAboutDialog>()) {
            aboutSeen = true;
            about->EndModal(wxID_OK);
        }
    });
    FocusOn(focus);
    openMenu.StartOnce(100);
    choose.StartOnce(700);
    closeAbout.StartOnce(1400);
    Pump(2500);
    return aboutSeen;
}

void MainWindowTest::SetUp() {
    std::error_code none;
    std::filesystem::remove(ChartSettingsFile(), none);
    OpenMainWindow();
}

void MainWindowTest::OpenMainWindow() {
    dialog_ = std::make_unique<CMainDialog>(stack_);
    dialog_->Show();
    Pump(150);
}

void MainWindowTest::TearDown() {
    if (!dialog_) return;
    dialog_->Destroy();
    dialog_.release();
    Pump();
}
