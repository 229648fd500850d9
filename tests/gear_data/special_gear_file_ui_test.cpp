// Odd things standing at Velmor.ini: the main window still appears and says that it
// cannot open the file, Update keeps the choices it had, the editor says so and stays
// read-only, and the thing is left as it was. A named pipe is never waited for.
#include <cstdio>
#include <filesystem>

#include "tests/gear_data/gear_data_ui_test.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

TEST_F(GearDataTest, AnythingButAFileAtItsNameIsReportedRefusedAndLeftAsItWas) {
    const char* const name = text::kGearFileName;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        if (!special.make(name)) {
            std::printf("skipped %s: this system does not let the test make one\n", special.kind);
            continue;
        }
        const std::string before = DescribeFolder();
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

        ExpectEditorRefuses(text::kGearFileOpenFailed);
        TearDown();
        EXPECT_FALSE(watchdog.Released()) << "waited for a writer";
        EXPECT_EQ(DescribeFolder(), before);
        for (const auto& entry : fs::directory_iterator(".")) fs::remove(entry);
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
