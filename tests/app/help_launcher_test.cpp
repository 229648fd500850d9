// The Help button with a browser registered for the help page.
#include <gtest/gtest.h>

#include "res/strings.h"
#include "tests/app/fake_desktop.h"
#include "tests/support/window_test.h"

namespace fs = std::filesystem;

namespace {

const FakeDesktop desktop;

class HelpWithBrowser : public MainWindowTest {
protected:
    void SetUp() override {
        desktop.Forget();
        MainWindowTest::SetUp();
    }
    // Makes a folder with a help page in it the current directory; gives the page's path.
    static fs::path EnterFolderWithHelpPage(const fs::path& folder) {
        fs::create_directories(folder);
        WriteBytes(folder / "Velmor.mht", "MIME-Version: 1.0\r\n");
        fs::current_path(folder);
        return folder / "Velmor.mht";
    }
    // Presses Help, which must show no message box, and waits for the launch it makes.
    void PressHelpAndAwaitLaunch() {
        const std::size_t before = desktop.Launches().size();
        {
            GTestModalHook noBox(__FILE__, __LINE__, __func__);
            Press(IDC_HELP);
        }
        ASSERT_TRUE(PumpUntil([&] { return desktop.Launches().size() > before; }));
    }
    void PressHelpExpectingNotFound() {
        wxTEST_DIALOG(Press(IDC_HELP), ExpectMessageBox(wxID_OK, text::kHelpNotFound, kWarning));
        Pump(300);
        EXPECT_TRUE(desktop.Launches().empty());
    }
};

TEST_F(HelpWithBrowser, SaysNoBrowserWasFoundWhenTheHelpPageOrTheCurrentDirectoryIsMissing) {
    PressHelpExpectingNotFound();
    const fs::path folder = folder_.Path() / "gone";
    EnterFolderWithHelpPage(folder);
    fs::remove_all(folder);
    PressHelpExpectingNotFound();
}

// Folder names that a shell, a word splitter or a field-code expander would get wrong, and a
// path longer than any fixed buffer. Each press starts the browser once.
class HelpInAwkwardFolder : public HelpWithBrowser,
                            public testing::WithParamInterface<std::string> {};

TEST_P(HelpInAwkwardFolder, HandsTheExactPathOverAsOneArgumentAndRunsNothingElse) {
    const fs::path page = EnterFolderWithHelpPage(folder_.Path() / GetParam());
    PressHelpAndAwaitLaunch();
    PressHelpAndAwaitLaunch();
    Pump(300);
    EXPECT_EQ(desktop.Launches(), (std::vector<std::vector<std::string>>(2, {page.string()})));
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Path()))
        EXPECT_NE(entry.path().filename(), "ran") << "a command in the folder name ran";
}

INSTANTIATE_TEST_SUITE_P(Names, HelpInAwkwardFolder,
                         testing::Values("plain", "two  spaces and a tab\there", "it's \"quoted\"",
                                         "semi;colon && touch ran", "$(touch ran)",
                                         "`touch ran`", "new\nline", "%f %u %% ${HOME}",
                                         reinterpret_cast<const char*>(u8"自転車 ヘルプ"), "-dash first",
                                         std::string(200, 'a') + "/" + std::string(200, 'b') +
                                             "/" + std::string(200, 'c')));

}  // namespace
