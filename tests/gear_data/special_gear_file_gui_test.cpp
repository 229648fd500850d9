// Odd things standing at Velmor.ini: the main window still appears and says that it
// cannot open the file, Update keeps the choices it had, the editor says so and refuses
// to save, and the thing is left as it was. A named pipe is never waited for.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "app/gui_test_support.h"
#include "app/main_dialog.h"
#include "app/modal_hook.h"
#include "gear_data/gear_file.h"
#include "gear_data/settings_dialog.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "tests/gear_data/scratch_folder.h"
#include "tests/platform/pipe_watchdog.h"
#include "tests/platform/special_files.h"

namespace {

namespace fs = std::filesystem;

TEST(SpecialGearFile, IsReportedRefusedAndLeftAsItWas) {
    ScratchFolder folder;
    const char* const name = text::kGearFileName;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        special.make(name);
        const std::string before = Describe(name);
        PipeWatchdog watchdog(name);

        auto* window = new CMainDialog();  // destroyed below, as top-level windows are
        window->Show();
        Pump(150);
        EXPECT_TRUE(window->IsShown());
        EXPECT_EQ(TextOf(window, IDC_AVG_STATUS), text::kGearFileOpenFailed);

        // Choices from a regular file, then the odd thing back in its place.
        fs::rename(name, "odd");
        WriteDefaultGearFile();
        ClickOn(window->FindWindow(IDC_UPDATE));
        fs::remove(name);
        fs::rename("odd", name);
        SetTextOf(window, IDC_AVG_STATUS, "");
        ClickOn(window->FindWindow(IDC_UPDATE));
        EXPECT_EQ(TextOf(window, IDC_AVG_STATUS), text::kGearFileOpenFailed);
        EXPECT_EQ(static_cast<wxChoice*>(window->FindWindow(IDC_TYRE))->GetCount(), 14u);
        EXPECT_EQ(TextOf(window, IDC_CIRCUMFERENCE), "2136");

        {
            CSettingsDialog editor(window);
            editor.Show();
            Pump();
            EXPECT_EQ(TextOf(&editor, IDC_EDITOR_STATUS), text::kGearFileOpenFailed);
            SetTextOf(&editor, IDC_EDITOR_TEXT, "Fr");
            wxTEST_DIALOG(ClickOn(editor.FindWindow(IDC_EDITOR_SAVE)),
                          wxExpectModal<wxMessageDialog>(wxID_YES));
            EXPECT_TRUE(editor.IsShown());
            EXPECT_EQ(TextOf(&editor, IDC_EDITOR_STATUS), text::kGearFileWriteFailed);
        }
        window->Destroy();
        Pump();
        EXPECT_FALSE(watchdog.Stop()) << "waited for a writer";
        EXPECT_EQ(Describe(name), before);
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
        fs::remove(name);
    }
}

}  // namespace
