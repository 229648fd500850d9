// Odd things standing at Velmor.ini: the main window still appears and says that it
// cannot open the file, Update keeps the choices it had, the editor says so and refuses
// to save, and the thing is left as it was. A named pipe is never waited for.
#include <filesystem>

#include "tests/gear_data/gear_data_ui_test.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

TEST_F(GearDataTest, AnythingButAFileAtItsNameIsReportedRefusedAndLeftAsItWas) {
    const char* const name = text::kGearFileName;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        special.make(name);
        const std::string before = Describe(name);
        PipeWatchdog watchdog(name);
        OpenMainWindow();
        EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);

        // Choices from a regular file, then the odd thing back in its place.
        fs::rename(name, "odd");
        WriteDefaultGearFile();
        Press(IDC_UPDATE);
        fs::remove(name);
        fs::rename("odd", name);
        Set(IDC_AVG_STATUS, "");
        Press(IDC_UPDATE);
        EXPECT_EQ(Text(IDC_AVG_STATUS), text::kGearFileOpenFailed);
        EXPECT_EQ(Combo(IDC_TYRE)->GetCount(), 14u);
        EXPECT_EQ(Text(IDC_CIRCUMFERENCE), "2136");

        RunEditor([](CSettingsDialog& editor) {
            EXPECT_EQ(Status(editor), text::kGearFileOpenFailed);
            SetBoxText(editor, "Fr");
            wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_YES));
            EXPECT_TRUE(editor.IsShown());
            EXPECT_EQ(Status(editor), text::kGearFileWriteFailed);
            editor.Close();
        });
        TearDown();
        EXPECT_FALSE(watchdog.Released()) << "waited for a writer";
        EXPECT_EQ(Describe(name), before);
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
        fs::remove(name);
    }
}

// A file that opens but cannot be read (here the process's own memory from address 0): the
// editor says so, offers nothing to edit, and neither its button nor Esc saves over it.
TEST_F(GearDataTest, AFileThatCannotBeReadIsShownAsSuchAndNeverSaved) {
    fs::create_symlink("/proc/self/mem", text::kGearFileName);
    OpenMainWindow();
    ExpectEditorRefuses(text::kEditorFileUnreadable);
    EXPECT_EQ(fs::read_symlink(text::kGearFileName), "/proc/self/mem");
}

}  // namespace
