// The gear choices of the main window and the gear-data editor, driven as a user would,
// each test in a fresh empty current directory.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "app/gui_test_support.h"
#include "app/main_dialog.h"
#include "gear_data/editor_text.h"
#include "gear_data/gear_file.h"
#include "gear_data/gear_tables.h"
#include "gear_data/settings_dialog.h"
#include "platform/text_file.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "tests/gear_data/scratch_folder.h"

namespace {

// Answers every message box with one button and keeps its text.
class MessageBoxLog : public wxModalDialogHook {
public:
    explicit MessageBoxLog(int answer) : answer_(answer) { Register(); }
    ~MessageBoxLog() override { Unregister(); }
    std::vector<std::string> texts;

protected:
    int Enter(wxDialog* dialog) override {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box) return wxID_NONE;
        texts.push_back(FromWidgetText(box->GetMessage()));
        return answer_;
    }
    void Exit(wxDialog*) override {}

private:
    int answer_;
};

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

class GearDataTest : public testing::Test {
protected:
    void SetUp() override {
        // The lists as at program start.
        CranksetList = CassetteList = TyreList = GearList{};
        CranksetFields = {};
        CassetteFields = {};
        TyreFields = {};
    }
    void TearDown() override {
        if (dialog_) {
            dialog_->Destroy();
            dialog_.release();
            Pump();
        }
    }

    void OpenMainWindow() {
        dialog_ = std::make_unique<CMainDialog>();
        dialog_->Show();
        Pump(150);
    }
    wxWindow* Control(int id) { return dialog_->FindWindow(id); }
    wxChoice* Combo(int id) { return static_cast<wxChoice*>(Control(id)); }
    std::string Text(int id) { return TextOf(dialog_.get(), id); }

    // Presses "数値変更"; `act` runs in the open editor and must close it.
    void RunEditor(const std::function<void(CSettingsDialog&)>& act) {
        EditorSession session(act);
        ClickOn(Control(IDC_CHANGE_VALUES));
        PumpUntil([] { return FindShownWindow<CSettingsDialog>() == nullptr; });
        EXPECT_TRUE(session.ran);
    }

    ScratchFolder folder_;
    std::unique_ptr<CMainDialog> dialog_;
};

wxTextCtrl* EditBox(CSettingsDialog& editor) {
    return static_cast<wxTextCtrl*>(editor.FindWindow(IDC_EDITOR_TEXT));
}

// As typed: a line break at the end stays.
void SetBoxText(CSettingsDialog& editor, const std::string& cp932) {
    EditBox(editor)->ChangeValue(ToWidgetText(cp932));
}

std::string BoxText(CSettingsDialog& editor) { return TextOf(&editor, IDC_EDITOR_TEXT); }
std::string Status(CSettingsDialog& editor) { return TextOf(&editor, IDC_EDITOR_STATUS); }

void PressEsc(CSettingsDialog& editor) {
    FocusOn(EditBox(editor));
    PressKey(WXK_ESCAPE);
}

void ClickSave(CSettingsDialog& editor) { ClickOn(editor.FindWindow(IDC_EDITOR_SAVE)); }

void Choose(wxChoice* combo, int position) {
    combo->SetSelection(position);
    wxCommandEvent event(wxEVT_CHOICE, combo->GetId());
    event.SetEventObject(combo);
    event.SetInt(position);
    combo->ProcessWindowEvent(event);
}

const int kGearBoxes[] = {1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1057};

TEST_F(GearDataTest, StartsWithoutAFileAndSaysSo) {
    OpenMainWindow();
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);
    for (int id : {IDC_CRANKSET, IDC_CASSETTE, IDC_TYRE}) EXPECT_EQ(Combo(id)->GetCount(), 0u);
    for (int id : kGearBoxes) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(wxWindow::FindFocus(), Control(IDC_CADENCE));
    EXPECT_FALSE(FileExists(text::kGearFileName));
}

TEST_F(GearDataTest, TheEditorCreatesTheDefaultFileAndUpdateBringsItsChoices) {
    OpenMainWindow();
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), text::kGearFileCreated);
        EXPECT_EQ(BoxText(editor), DefaultGearFileText());
        EXPECT_TRUE(editor.HasFlag(wxRESIZE_BORDER));
        std::string text = BoxText(editor);
        text.replace(text.find("28-38-48"), 8, "30-39-53");
        SetBoxText(editor, text);
        wxTEST_DIALOG(ClickSave(editor), wxExpectModal<wxMessageDialog>(wxID_YES));
    });
    EXPECT_NE(ReadBytes(text::kGearFileName).find("\r\n30-39-53\r\nfEnd\r\n"), std::string::npos);
    EXPECT_EQ(Combo(IDC_CRANKSET)->GetCount(), 0u);  // not before Update

    ClickOn(Control(IDC_UPDATE));
    ASSERT_EQ(Combo(IDC_CRANKSET)->GetCount(), 1u);
    EXPECT_EQ(FromWidgetText(Combo(IDC_CRANKSET)->GetString(0)), "30-39-53");  // no line feed shown
    EXPECT_EQ(Combo(IDC_CASSETTE)->GetCount(), 1u);
    ASSERT_EQ(Combo(IDC_TYRE)->GetCount(), 14u);
    EXPECT_EQ(FromWidgetText(Combo(IDC_TYRE)->GetString(6)), "700CTubular-2130");
    for (int id : {IDC_CRANKSET, IDC_CASSETTE, IDC_TYRE}) EXPECT_EQ(Combo(id)->GetSelection(), wxNOT_FOUND);
    const char* shown[] = {"24", "21", "18", "16", "15", "14", "13", "12", "", "", "30", "39", "53", "2136"};
    for (std::size_t i = 0; i < std::size(kGearBoxes); ++i) EXPECT_EQ(Text(kGearBoxes[i]), shown[i]) << kGearBoxes[i];
    EXPECT_EQ(wxWindow::FindFocus(), Control(IDC_CADENCE));
}

TEST_F(GearDataTest, AnsweringNoClosesTheEditorAndLeavesTheFile) {
    WriteDefaultGearFile();
    const std::string before = ReadBytes(text::kGearFileName);
    OpenMainWindow();
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), "");
        SetBoxText(editor, "changed");
        wxTEST_DIALOG(ClickSave(editor), wxExpectModal<wxMessageDialog>(wxID_NO));
    });
    EXPECT_EQ(ReadBytes(text::kGearFileName), before);
}

TEST_F(GearDataTest, EscAsksSavesAndCloses) {
    WriteDefaultGearFile();
    OpenMainWindow();
    MessageBoxLog answers(wxID_YES);
    RunEditor([](CSettingsDialog& editor) {
        SetBoxText(editor, "Fr\n1-2\nfE\n");
        PressEsc(editor);
    });
    EXPECT_EQ(answers.texts, std::vector<std::string>{text::kEditorConfirmSave});
    EXPECT_EQ(ReadBytes(text::kGearFileName), "Fr\r\n1-2\r\nfE\r\n");
}

TEST_F(GearDataTest, TheCloseBoxClosesWithoutAskingOrSaving) {
    WriteDefaultGearFile();
    const std::string before = ReadBytes(text::kGearFileName);
    OpenMainWindow();
    MessageBoxLog answers(wxID_YES);
    RunEditor([](CSettingsDialog& editor) {
        SetBoxText(editor, "changed");
        editor.Close();
    });
    EXPECT_TRUE(answers.texts.empty());
    EXPECT_EQ(ReadBytes(text::kGearFileName), before);
}

TEST_F(GearDataTest, AFailedSaveKeepsTheEditorOpenWithItsMessageEvenAfterEsc) {
    WriteDefaultGearFile();
    const std::string before = ReadBytes(text::kGearFileName);
    OpenMainWindow();
    MessageBoxLog answers(wxID_YES);
    RunEditor([&](CSettingsDialog& editor) {
        SetBoxText(editor, "edited");
        FailNextTextFileReplaceForTesting();
        PressEsc(editor);
        EXPECT_TRUE(editor.IsShown());
        EXPECT_EQ(Status(editor), text::kGearFileWriteFailed);
        EXPECT_EQ(BoxText(editor), "edited");
        EXPECT_EQ(ReadBytes(text::kGearFileName), before);
        ClickSave(editor);  // the next try goes through
    });
    EXPECT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(ReadBytes(text::kGearFileName), "edited");
}

TEST_F(GearDataTest, PressingUpdateTwiceKeepsExactlyTheCurrentChoices) {
    WriteDefaultGearFile();
    OpenMainWindow();
    ClickOn(Control(IDC_UPDATE));
    ClickOn(Control(IDC_UPDATE));
    EXPECT_EQ(Combo(IDC_CRANKSET)->GetCount(), 1u);
    EXPECT_EQ(Combo(IDC_CASSETTE)->GetCount(), 1u);
    EXPECT_EQ(Combo(IDC_TYRE)->GetCount(), 14u);
}

TEST_F(GearDataTest, PickingTheSeventhTyreSetsOnlyTheCircumference) {
    WriteDefaultGearFile();
    OpenMainWindow();
    SetTextOf(dialog_.get(), IDC_SPROCKET_FIRST, "11");
    Choose(Combo(IDC_TYRE), 6);
    EXPECT_EQ(Text(IDC_CIRCUMFERENCE), "2130");
    EXPECT_EQ(TyreFields.Texts()[1], "2130\n");  // the line feed stays in the data
    EXPECT_EQ(Text(IDC_SPROCKET_FIRST), "11");
    EXPECT_EQ(Text(IDC_CHAINRING_FIRST + 2), "48");

    Choose(Combo(IDC_CRANKSET), 0);
    EXPECT_EQ(Text(IDC_SPROCKET_FIRST), "11");
    EXPECT_EQ(Text(IDC_CIRCUMFERENCE), "2130");
}

TEST_F(GearDataTest, AFileTooLargeToEditIsRefusedAndLeftAlone) {
    const std::string big = "Fr\r\n28-38\r\nfE\r\n" + std::string(kEditorMaxFileBytes, '/');
    WriteBytes(text::kGearFileName, big);
    OpenMainWindow();
    EXPECT_EQ(Combo(IDC_CRANKSET)->GetCount(), 1u);  // the main window reads it all the same
    MessageBoxLog answers(wxID_YES);
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), text::kEditorFileTooLarge);
        EXPECT_EQ(BoxText(editor), "");
        EXPECT_FALSE(EditBox(editor)->IsEditable());
        ClickSave(editor);
        EXPECT_TRUE(editor.IsShown());
        PressEsc(editor);
    });
    EXPECT_TRUE(answers.texts.empty());
    EXPECT_EQ(ReadBytes(text::kGearFileName), big);
}

TEST_F(GearDataTest, UnusualBytesSurviveTheEditorsBox) {
    constexpr char kBytes[] = "Fr\r\n\x80\xA0\xFD\xFE\xFF-\x82\r\nnul\0x\r\nlone\rCR\r\n"
                              "\xED\x40\x87\x90\r\nutf-8 \xE3\x82\xBF\xE3\x82\xA4\xE3\x83\xA4\r\nfE\r\n";
    const std::string file(kBytes, sizeof kBytes - 1);
    WriteBytes(text::kGearFileName, file);
    OpenMainWindow();
    RunEditor([](CSettingsDialog& editor) {
        wxTEST_DIALOG(ClickSave(editor), wxExpectModal<wxMessageDialog>(wxID_YES));
    });
    EXPECT_EQ(ReadBytes(text::kGearFileName), file.substr(0, file.size() - 2));
}

TEST_F(GearDataTest, AFolderNamedLikeTheFileIsReportedAndKept) {
    std::filesystem::create_directory(text::kGearFileName);
    OpenMainWindow();
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);
    MessageBoxLog answers(wxID_YES);
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), text::kGearFileOpenFailed);
        SetBoxText(editor, "Fr");
        ClickSave(editor);
        EXPECT_TRUE(editor.IsShown());
        EXPECT_EQ(Status(editor), text::kGearFileWriteFailed);
        editor.Close();
    });
    EXPECT_TRUE(std::filesystem::is_directory(text::kGearFileName));
}

TEST_F(GearDataTest, TheEditorsControlsKeepTheirPlaceWhenItIsResized) {
    OpenMainWindow();
    RunEditor([](CSettingsDialog& editor) {
        const wxRect box = EditBox(editor)->GetRect();
        const wxRect save = editor.FindWindow(IDC_EDITOR_SAVE)->GetRect();
        editor.SetSize(editor.GetSize() + wxSize(120, 80));
        Pump();
        EXPECT_EQ(EditBox(editor)->GetRect(), box);
        EXPECT_EQ(editor.FindWindow(IDC_EDITOR_SAVE)->GetRect(), save);
        editor.Close();
    });
}

}  // namespace
