// The gear-data editor: the whole of Velmor.ini as text, saved back on request.
#pragma once

#include <string_view>

#include <wx/dialog.h>

#include "gear_data/editor_text.h"

class wxStaticText;
class wxTextCtrl;

class CSettingsDialog : public wxDialog {
public:
    explicit CSettingsDialog(wxWindow* owner);

    // Creates the file with its default content when it is missing, then shows it.
    void LoadEditorText();
    // Asks, saves and closes; stays open with its message when the file could not be
    // written.
    void SaveAndClose();

private:
    void OnInitDialog();
    // Returns false when the dialog must stay open: nothing could be saved.
    bool Save();
    bool AgreeToOverwrite();
    void OnSave(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void SetStatus(std::string_view text);

    wxStaticText* m_status = nullptr;  // IDC_EDITOR_STATUS
    wxTextCtrl* m_edit = nullptr;      // IDC_EDITOR_TEXT
    EditorText m_file;

    wxDECLARE_EVENT_TABLE();
};
