// The gear choices of the main window and the gear-data editor, driven as a user would,
// each test in a fresh empty current directory.
#include <filesystem>
#include <string>

#include "gear_data/editor_text.h"
#include "platform/text_file.h"
#include "tests/gear_data/gear_data_ui_test.h"

namespace {

const int kGearBoxes[] = {
    IDC_SPROCKET_1,  IDC_SPROCKET_2,  IDC_SPROCKET_3, IDC_SPROCKET_4,  IDC_SPROCKET_5,
    IDC_SPROCKET_6,  IDC_SPROCKET_7,  IDC_SPROCKET_8, IDC_SPROCKET_9,  IDC_SPROCKET_10,
    IDC_CHAINRING_1, IDC_CHAINRING_2, IDC_CHAINRING_3, IDC_CIRCUMFERENCE};

// Without a file the window starts empty and says so; it is the editor that makes one, and
// only Yes to its question saves.
TEST_F(GearDataTest, TheEditorCreatesTheDefaultFileAndUpdateBringsItsChoices) {
    OpenMainWindow();
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);
    for (int id : kGearBoxes) EXPECT_EQ(Text(id), "") << id;
    EXPECT_FALSE(FileExists(text::kGearFileName));
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), text::kGearFileCreated);
        EXPECT_EQ(BoxText(editor), DefaultGearFileText());
        // Resizable, its controls keeping their place and size.
        const wxRect box = EditBox(editor)->GetRect();
        const wxRect save = editor.FindWindow(IDC_EDITOR_SAVE)->GetRect();
        editor.SetSize(editor.GetSize() + wxSize(120, 80));
        Pump();
        EXPECT_EQ(EditBox(editor)->GetRect(), box);
        EXPECT_EQ(editor.FindWindow(IDC_EDITOR_SAVE)->GetRect(), save);

        std::string text = BoxText(editor);
        text.replace(text.find("28-38-48"), 8, "30-39-53");
        SetBoxText(editor, text);
        wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_YES));
    });
    EXPECT_NE(ReadBytes(text::kGearFileName).find("\r\n30-39-53\r\nfEnd\r\n"), std::string::npos);
    EXPECT_EQ(Combo(IDC_CRANKSET)->GetCount(), 0u);  // not before Update

    Press(IDC_UPDATE);
    Press(IDC_UPDATE);  // a second press replaces the choices, adding none
    ASSERT_EQ(Combo(IDC_CRANKSET)->GetCount(), 1u);
    EXPECT_EQ(FromWidgetText(Combo(IDC_CRANKSET)->GetString(0)), "30-39-53");  // no line feed shown
    EXPECT_EQ(Combo(IDC_CASSETTE)->GetCount(), 1u);
    ASSERT_EQ(Combo(IDC_TYRE)->GetCount(), 14u);
    EXPECT_EQ(FromWidgetText(Combo(IDC_TYRE)->GetString(6)), "700CTubular-2130");
    for (int id : {IDC_CRANKSET, IDC_CASSETTE, IDC_TYRE}) EXPECT_EQ(Combo(id)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Text(IDC_AVG_STATUS), "");  // the open-failed message taken back
    const char* shown[] = {"24", "21", "18", "16", "15", "14", "13", "12", "", "", "30", "39", "53", "2136"};
    for (std::size_t i = 0; i < std::size(kGearBoxes); ++i) EXPECT_EQ(Text(kGearBoxes[i]), shown[i]) << kGearBoxes[i];
    EXPECT_EQ(wxWindow::FindFocus(), Control(IDC_CADENCE));

    // Answering No, or the close box, closes the editor and leaves the file.
    const std::string before = ReadBytes(text::kGearFileName);
    RunEditor([](CSettingsDialog& editor) {
        EXPECT_EQ(Status(editor), "");
        SetBoxText(editor, "changed");
        wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_NO));
    });
    RunEditor([](CSettingsDialog& editor) {
        GTestModalHook noBox(__FILE__, __LINE__, __func__);
        SetBoxText(editor, "changed");
        editor.Close();
    });
    EXPECT_EQ(ReadBytes(text::kGearFileName), before);
}

// A load that cannot open the file keeps the lists and says so; one that can takes back
// that message only.
TEST_F(GearDataTest, ALoadKeepsTheListsWhenItFailsAndTakesBackOnlyItsOwnMessage) {
    OpenMainWindow();
    Press(IDC_CALCULATE);  // no cadence: its hint replaces the open-failed message
    ASSERT_EQ(Text(IDC_AVG_STATUS), text::kCadenceMissing);
    WriteDefaultGearFile();
    Press(IDC_UPDATE);
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kCadenceMissing);

    std::filesystem::remove(text::kGearFileName);
    Set(IDC_CIRCUMFERENCE, "");
    Press(IDC_UPDATE);
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);
    EXPECT_EQ(Combo(IDC_TYRE)->GetCount(), 14u);
    EXPECT_EQ(Text(IDC_CIRCUMFERENCE), "2136");
}

TEST_F(GearDataTest, AFileTooLargeToEditIsRefusedAndLeftAlone) {
    const std::string big = "Fr\r\n28-38\r\nfE\r\n" + std::string(kEditorMaxFileBytes, '/');
    WriteBytes(text::kGearFileName, big);
    OpenMainWindow();
    EXPECT_EQ(Combo(IDC_CRANKSET)->GetCount(), 1u);  // the main window reads it all the same
    // The editor says so, offers nothing to edit, and neither its button nor Esc saves.
    RunEditor([](CSettingsDialog& editor) {
        GTestModalHook noBox(__FILE__, __LINE__, __func__);
        EXPECT_EQ(Status(editor), text::kEditorFileTooLarge);
        EXPECT_EQ(BoxText(editor), "");
        EXPECT_FALSE(EditBox(editor)->IsEditable());
        ClickSave(editor);
        EXPECT_TRUE(editor.IsShown());
        FocusOn(EditBox(editor));
        PressKey(WXK_ESCAPE);
    });
    EXPECT_EQ(ReadBytes(text::kGearFileName), big);
}

TEST_F(GearDataTest, UnusualBytesSurviveTheEditorsBox) {
    constexpr char kBytes[] = "Fr\r\n\x80\xA0\xFD\xFE\xFF-\x82\r\nnul\0x\r\nlone\rCR\r\n"
                              "\xED\x40\x87\x90\r\nutf-8 \xE3\x82\xBF\xE3\x82\xA4\xE3\x83\xA4\r\nfE\r\n";
    const std::string file(kBytes, sizeof kBytes - 1);
    WriteBytes(text::kGearFileName, file);
    OpenMainWindow();
    RunEditor([](CSettingsDialog& editor) {
        wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_YES));
    });
    EXPECT_EQ(ReadBytes(text::kGearFileName), file.substr(0, file.size() - 2));
}

}  // namespace
