#include "gear_data/settings_dialog.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gear_data/gear_file.h"
#include "platform/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/widget_text.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/save_failure_text.h"
#include "res/strings.h"

wxBEGIN_EVENT_TABLE(CSettingsDialog, wxDialog)
    EVT_CHAR_HOOK(CSettingsDialog::OnCharHook)
    EVT_BUTTON(IDC_EDITOR_SAVE, CSettingsDialog::OnSave)
wxEND_EVENT_TABLE()

CSettingsDialog::CSettingsDialog(wxWindow* owner) {
    CreateDialogFromTemplate(*this, owner, SettingsDialogTemplate());
    OnInitDialog();
}

void CSettingsDialog::OnInitDialog() {
    m_status = static_cast<wxStaticText*>(FindWindow(IDC_EDITOR_STATUS));
    m_edit = static_cast<wxTextCtrl*>(FindWindow(IDC_EDITOR_TEXT));
    LoadEditorText();
    m_edit->SetFocus();
}

void CSettingsDialog::LoadEditorText() {
    if (!FileExists(text::kGearFileName)) SetStatus(WriteDefaultGearFile());
    switch (m_file.Load()) {
    case EditorLoad::Loaded:
        m_edit->ChangeValue(ToWidgetText(m_file.TakeText()));
        break;
    case EditorLoad::Missing:
    case EditorLoad::OpenFailed:
        SetStatus(text::kGearFileOpenFailed);
        break;
    case EditorLoad::TooLarge:
        SetStatus(text::kEditorFileTooLarge);
        break;
    case EditorLoad::ReadFailed:
        SetStatus(text::kEditorFileUnreadable);
        break;
    }
    m_edit->SetEditable(m_file.Editable());
}

bool CSettingsDialog::Save() {
    if (!m_file.Editable()) return false;  // the status line already says why
    SetStatus(text::kEditorSaving);
    if (m_file.ChangedOnDisk()) {
        if (!AgreeToOverwrite()) return false;
    } else if (FileExists(text::kGearFileName)) {
        // No closes without saving; a question closed unanswered saves nothing and keeps
        // the editor open with its text.
        const int answer = ShowMessageBox(text::kEditorConfirmSave, wxYES_NO | wxICON_QUESTION);
        if (answer != wxID_YES) return answer == wxID_NO;
    }
    // Another save may come while a question is up: the file is looked at again just before
    // it is replaced, and the user asked about that save.
    for (;;) {
        const SaveResult saved = m_file.Save(FromWidgetText(m_edit->GetValue()));
        if (saved) return true;
        if (saved.failure != SaveFailure::ChangedElsewhere) {
            SetStatus(saved.failure == SaveFailure::Failed ? text::kGearFileWriteFailed
                                                           : SaveFailureText(saved.failure));
            return false;
        }
        if (!AgreeToOverwrite()) return false;
    }
}

// Another save since the load is kept unless the user says otherwise; anything but Yes
// keeps the editor open with its text.
bool CSettingsDialog::AgreeToOverwrite() {
    if (ShowMessageBox(text::kEditorFileChanged, wxYES_NO | wxICON_QUESTION | wxNO_DEFAULT) != wxID_YES)
        return false;
    m_file.TakeOverDiskVersion();
    return true;
}

void CSettingsDialog::SaveAndClose() {
    if (Save()) EndModal(wxID_CANCEL);
}

void CSettingsDialog::OnSave(wxCommandEvent&) { SaveAndClose(); }

// Esc saves and closes as the button does, but a text that cannot be saved stays on screen
// with its message. A file the editor refused has nothing to lose, so Esc closes it.
void CSettingsDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_ESCAPE) {
        event.Skip();
        return;
    }
    if (Save() || !m_file.Editable()) EndModal(wxID_CANCEL);
}

void CSettingsDialog::SetStatus(std::string_view text) { SetControlText(m_status, text); }
