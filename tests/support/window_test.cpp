#include "tests/support/window_test.h"

#include <wx/timer.h>

#include "app/about_dialog.h"

bool ChooseLastSystemMenuEntry(wxWindow* focus, int key, int modifiers) {
    bool aboutSeen = false;
    wxTimer openMenu, chooseLast, closeAbout;
    openMenu.Bind(wxEVT_TIMER, [=](wxTimerEvent&) { wxUIActionSimulator().Char(key, modifiers); });
    chooseLast.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        wxUIActionSimulator sim;
        sim.Char(WXK_UP);
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
    chooseLast.StartOnce(700);
    closeAbout.StartOnce(1400);
    Pump(2500);
    return aboutSeen;
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
