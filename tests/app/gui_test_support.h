// Helpers for driving the real windows as a user would.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "app/about_dialog.h"
#include "app/main_dialog.h"
#include "platform/widget_text.h"

// Lets the toolkit handle what is pending, for about ms milliseconds.
inline void Pump(int ms = 50) {
    const wxStopWatch watch;
    do {
        wxYield();
        wxMilliSleep(5);
    } while (watch.Time() < ms);
}

// Pumps until done() holds or about two seconds have passed.
inline bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) Pump(10);
    return done();
}

inline std::string TextOf(const wxWindow* window, int id) {
    return GetControlText(window->FindWindow(id), 1 << 20);
}

inline void SetTextOf(wxWindow* window, int id, const std::string& cp932) {
    SetControlText(window->FindWindow(id), cp932);
}

// The shown top-level window of type T, if there is one.
template <class T>
T* FindShownWindow() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found && found->IsShown()) return found;
    return nullptr;
}

// Moves the pointer onto a control and clicks it.
inline void ClickOn(wxWindow* control) {
    wxUIActionSimulator sim;
    sim.MouseMove(control->GetScreenRect().GetPosition() + wxPoint(4, 4));
    Pump();
    sim.MouseClick();
    Pump();
}

// Puts the keyboard focus into a control (pointer over its window, as there is no window
// manager to give the window the focus).
inline void FocusOn(wxWindow* control) {
    wxUIActionSimulator sim;
    sim.MouseMove(control->GetScreenRect().GetPosition() + wxPoint(4, 4));
    control->SetFocus();
    Pump();
}

inline void PressKey(int key, int modifiers = wxMOD_NONE) {
    wxUIActionSimulator sim;
    sim.Char(key, modifiers);
    Pump();
}

// With the focus in `focus`, presses the key that opens the system menu, picks its last
// entry and closes the About box that it opens; says whether the About box was seen.
// Timers fire in whichever loop runs: the window's, the menu's, the About box's.
inline bool ChooseLastSystemMenuEntry(wxWindow* focus, int key, int modifiers) {
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

// The main window, shown for the length of one test.
class MainDialogFixture : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = std::make_unique<CMainDialog>();
        dialog_->Show();
        Pump(150);
    }
    void TearDown() override {
        dialog_->Destroy();
        dialog_.release();
        Pump();
    }

    std::unique_ptr<CMainDialog> dialog_;
};
