// Driving the real windows as a user would: pumping events, pointer and keys, the main
// window as a fixture, and message boxes answered through wx's dialog testing hooks.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/testing.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "app/main_dialog.h"
#include "platform/message_box.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worked_example.h"

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

// The shown top-level window of type T, if there is one.
template <class T>
T* FindShownWindow() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found && found->IsShown()) return found;
    return nullptr;
}

// Puts the keyboard focus into a control with the pointer over its window, as there is no
// window manager to give the window the focus.
inline void PointAt(wxWindow* control) {
    wxUIActionSimulator().MouseMove(control->GetScreenRect().GetPosition() + wxPoint(4, 4));
}

inline void FocusOn(wxWindow* control) {
    PointAt(control);
    control->SetFocus();
    Pump();
}

inline void ClickOn(wxWindow* control) {
    PointAt(control);
    Pump();
    wxUIActionSimulator().MouseClick();
    Pump();
}

inline void PressKey(int key, int modifiers = wxMOD_NONE) {
    wxUIActionSimulator().Char(key, modifiers);
    Pump();
}

// Picks a list's item as the user does: the selection and the event it sends.
inline void Choose(wxWindow* list, int position) {
    auto* choice = static_cast<wxChoice*>(list);
    choice->SetSelection(position);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(position);
    choice->ProcessWindowEvent(event);
}

// With the focus in `focus`, presses the key that opens the system menu, picks its entry
// `fromEnd` places before the last (0: the last) and closes the About box if that opens;
// says whether the About box was seen. Timers fire in whichever loop runs: the window's,
// the menu's, the About box's.
bool ChooseSystemMenuEntry(wxWindow* focus, int key, int modifiers, int fromEnd);

// The main window, shown in a scratch current directory for the length of one test.
class MainWindowTest : public testing::Test {
protected:
    // Each test starts as a first run: nothing remembered.
    void SetUp() override;
    void TearDown() override;
    void OpenMainWindow();

    wxWindow* Control(int id) const { return dialog_->FindWindow(id); }
    std::string Text(int id) const { return TextOf(dialog_.get(), id); }
    void Set(int id, const std::string& cp932) { SetControlText(Control(id), cp932); }
    void Press(int id) { ClickOn(Control(id)); }
    // Row and column from 1, as the window's headings count them.
    std::string Cell(int row, int column) const { return Text(CellId(row, column)); }
    void FillWorkedExample() { for (const auto& [id, text] : kWorkedExample) Set(id, text); }

    ScratchFolder folder_;
    OperandStack stack_;  // handed to the window
    std::unique_ptr<CMainDialog> dialog_;
};

// wx's dialog testing hook, reporting to GoogleTest. A dialog that no expectation answers
// is a failure and is dismissed at once, so that a test never waits for a hidden box.
class GTestModalHook : public wxTestingModalHook {
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    int Enter(wxDialog* dialog) override {
        const int answer = wxTestingModalHook::Enter(dialog);
        return answer == wxID_NONE ? wxID_CANCEL : answer;
    }
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message; }
};
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook

inline constexpr long kWarning = wxOK | wxICON_EXCLAMATION;
inline constexpr long kQuestion = wxYES_NO | wxICON_QUESTION;
inline constexpr long kQuestionDefaultNo = kQuestion | wxNO_DEFAULT;

// Checks a message box (its text, the program's name as caption, buttons and icon) and
// answers it:  wxTEST_DIALOG(code, ExpectMessageBox(wxID_OK, text::kHelpNotFound, kWarning));
// `meanwhile` runs while the box is up, before the answer.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    // `owner`, when given, is the window the box must stand over.
    ExpectMessageBox(int answer, std::string_view text, long style, std::function<void()> meanwhile = {},
                     wxWindow* owner = nullptr)
        : answer_(answer), text_(text), style_(style), meanwhile_(std::move(meanwhile)), owner_(owner) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override {
        EXPECT_EQ(FromWidgetText(box->GetMessage()), text_);
        EXPECT_EQ(FromWidgetText(box->GetTitle()), ApplicationTitle());
        EXPECT_EQ(box->GetMessageDialogStyle() & (wxICON_MASK | wxOK | wxYES_NO | wxCANCEL | wxNO_DEFAULT),
                  style_);
        if (owner_) {
            EXPECT_EQ(box->GetParent(), owner_);
        }
        if (meanwhile_) meanwhile_();
        return answer_;
    }

private:
    int answer_;
    std::string text_;
    long style_;
    std::function<void()> meanwhile_;
    wxWindow* owner_;
};
