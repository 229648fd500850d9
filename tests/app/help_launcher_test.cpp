// The Help button with a browser registered for the help page.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/fake_desktop.h"
#include "app/help_test_support.h"
#include "app/modal_hook.h"

namespace fs = std::filesystem;

namespace {

const FakeDesktop desktop(FakeDesktop::Browser::Registered);

class HelpWithBrowser : public HelpButtonTest {};

TEST_F(HelpWithBrowser, StartsTheBrowserOncePerPressWithTheHelpPage) {
    const fs::path folder = desktop.StartOver();
    EnterFolderWithHelpPage(folder);
    for (int press = 1; press <= 3; ++press) {
        {
            GTestModalHook noBox(__FILE__, __LINE__, __func__);
            PressHelp();
        }
        ASSERT_TRUE(PumpUntil([&] { return desktop.Launches().size() == std::size_t(press); }));
    }
    Pump(300);
    const auto launches = desktop.Launches();
    ASSERT_EQ(launches.size(), 3u);
    for (const auto& arguments : launches)
        EXPECT_EQ(arguments, std::vector<std::string>{(folder / "Velmor.mht").string()});
}

TEST_F(HelpWithBrowser, SaysNoBrowserWasFoundWhenTheHelpPageIsMissing) {
    fs::current_path(desktop.StartOver());
    wxTEST_DIALOG(PressHelp(), ExpectHelpNotFound());
    Pump(300);
    EXPECT_TRUE(desktop.Launches().empty());
}

TEST_F(HelpWithBrowser, SaysNoBrowserWasFoundWhenTheCurrentDirectoryIsGone) {
    const fs::path folder = desktop.StartOver() / "gone";
    fs::create_directory(folder);
    EnterFolderWithHelpPage(folder);
    fs::remove_all(folder);
    wxTEST_DIALOG(PressHelp(), ExpectHelpNotFound());
    Pump(300);
    EXPECT_TRUE(desktop.Launches().empty());
}

// Folder names that a shell, a word splitter or a field-code expander would get wrong, and a
// path longer than any fixed buffer.
class HelpInAwkwardFolder : public HelpButtonTest,
                            public testing::WithParamInterface<std::string> {};

TEST_P(HelpInAwkwardFolder, HandsTheExactPathOverAsOneArgumentAndRunsNothingElse) {
    const fs::path work = desktop.StartOver();
    const fs::path folder = work / GetParam();
    fs::create_directories(folder);
    EnterFolderWithHelpPage(folder);
    {
        GTestModalHook noBox(__FILE__, __LINE__, __func__);
        PressHelp();
    }
    ASSERT_TRUE(PumpUntil([&] { return !desktop.Launches().empty(); }));
    Pump(300);
    const auto launches = desktop.Launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], std::vector<std::string>{(folder / "Velmor.mht").string()});
    for (const auto& entry : fs::recursive_directory_iterator(work))
        EXPECT_NE(entry.path().filename(), "ran") << "a command in the folder name ran";
}

INSTANTIATE_TEST_SUITE_P(Names, HelpInAwkwardFolder,
                         testing::Values("two  spaces and a tab\there", "it's \"quoted\"",
                                         "semi;colon && touch ran", "$(touch ran)",
                                         "`touch ran`", "new\nline", "%f %u %% ${HOME}",
                                         "自転車 ヘルプ", "-dash first",
                                         std::string(200, 'a') + "/" + std::string(200, 'b') +
                                             "/" + std::string(200, 'c')));

}  // namespace
