// The Help button on a desktop where no program takes the help page.
#include <gtest/gtest.h>

#include "res/strings.h"
#include "tests/app/fake_desktop.h"
#include "tests/support/window_test.h"

namespace {

const FakeDesktop desktop(FakeDesktop::Browser::None);

TEST_F(MainWindowTest, HelpSaysNoBrowserWasFoundEachTimeAndLeavesTheWindowUsable) {
    WriteBytes("Velmor.mht", "MIME-Version: 1.0\r\n");
    for (int press = 0; press < 2; ++press) {
        wxTEST_DIALOG(Press(IDC_HELP), ExpectMessageBox(wxID_OK, text::kHelpNotFound, kWarning));
        EXPECT_TRUE(dialog_->IsEnabled());
    }
}

}  // namespace
