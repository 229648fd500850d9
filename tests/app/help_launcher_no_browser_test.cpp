// The Help button on a desktop where no program takes the help page.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/fake_desktop.h"
#include "app/help_test_support.h"
#include "app/modal_hook.h"

namespace {

const FakeDesktop desktop(FakeDesktop::Browser::None);

class HelpWithoutBrowser : public HelpButtonTest {};

TEST_F(HelpWithoutBrowser, SaysNoBrowserWasFoundAndLeavesTheWindowUsable) {
    EnterFolderWithHelpPage(desktop.StartOver());
    wxTEST_DIALOG(PressHelp(), ExpectHelpNotFound());
    EXPECT_TRUE(dialog_->IsEnabled());
    // Pressing again asks again: nothing was remembered.
    wxTEST_DIALOG(PressHelp(), ExpectHelpNotFound());
}

}  // namespace
