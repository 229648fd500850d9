// The main window's gear choices and the gear-data editor, driven as a user would: the
// fixture and the editor's controls.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "gear_data/gear_file.h"
#include "gear_data/settings_dialog.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

// Runs `act` in the editor's modal run once the editor has opened.
class EditorSession : public wxModalDialogHook {
public:
    explicit EditorSession(std::function<void(CSettingsDialog&)> act) : act_(std::move(act)) {
        Register();
    }
    ~EditorSession() override { Unregister(); }
    bool ran = false;

protected:
    int Enter(wxDialog* dialog) override {
        if (auto* editor = dynamic_cast<CSettingsDialog*>(dialog)) {
            wxTheApp->CallAfter([this, editor] {
                PumpUntil([editor] { return editor->IsShown(); });
                ran = editor->IsModal();
                act_(*editor);
            });
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    std::function<void(CSettingsDialog&)> act_;
};

class GearDataTest : public MainWindowTest {
protected:
    // The window opens once the test has laid its files.
    void SetUp() override {}
    wxChoice* Combo(int id) { return static_cast<wxChoice*>(Control(id)); }

    // Presses "数値変更"; `act` runs in the open editor and must close it.
    void RunEditor(const std::function<void(CSettingsDialog&)>& act) {
        EditorSession session(act);
        Press(IDC_CHANGE_VALUES);
        PumpUntil([] { return FindShownWindow<CSettingsDialog>() == nullptr; });
        EXPECT_TRUE(session.ran);
    }
};

inline wxTextCtrl* EditBox(CSettingsDialog& editor) {
    return static_cast<wxTextCtrl*>(editor.FindWindow(IDC_EDITOR_TEXT));
}

// As typed: a line break at the end stays.
inline void SetBoxText(CSettingsDialog& editor, const std::string& cp932) {
    EditBox(editor)->ChangeValue(ToWidgetText(cp932));
}

inline std::string BoxText(CSettingsDialog& editor) { return TextOf(&editor, IDC_EDITOR_TEXT); }
inline std::string Status(CSettingsDialog& editor) { return TextOf(&editor, IDC_EDITOR_STATUS); }

inline ExpectMessageBox ExpectSaveQuestion(int answer) {
    return ExpectMessageBox(answer, text::kEditorConfirmSave, kQuestion);
}

inline void ClickSave(CSettingsDialog& editor) { ClickOn(editor.FindWindow(IDC_EDITOR_SAVE)); }
