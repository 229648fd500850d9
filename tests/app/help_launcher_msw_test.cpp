// The Help button on Windows: FindExecutableA finds the program associated with .mht, and
// ShellExecuteA starts it with the help page as one argument, even in a folder with spaces.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/help_test_support.h"
#include "platform/associated_program.h"

namespace {

namespace fs = std::filesystem;

// Associates .mht with the recorder, for the test's lifetime (in the test run's own wine
// prefix: it drops any association .mht had).
class RecorderAssociation {
public:
    RecorderAssociation() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        recorder_ = fs::path(self).parent_path() / "velmor_help_recorder.exe";
        SetValue(L".mht", L"VelmorTest.mht");
        SetValue(L"VelmorTest.mht\\shell\\open\\command",
                 L"\"" + recorder_.wstring() + L"\" \"%1\"");
    }
    ~RecorderAssociation() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"VelmorTest.mht");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".mht");
    }
    const fs::path& Recorder() const { return recorder_; }

private:
    static void SetValue(const wchar_t* key, const std::wstring& value) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    fs::path recorder_;
};

class HelpButtonMswTest : public HelpButtonTest {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("velmor help " + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        HelpButtonTest::SetUp();
    }
    void TearDown() override {
        HelpButtonTest::TearDown();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    std::string Recorded() {
        std::ifstream in(folder_ / "help-recorded.txt", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(HelpButtonMswTest, OpensTheHelpPageWithTheAssociatedProgramAsOneArgument) {
    RecorderAssociation association;
    EnterFolderWithHelpPage(folder_);
    const fs::path page = fs::current_path() / "Velmor.mht";
    EXPECT_FALSE(AssociatedProgram::For(page.string()).Path().empty());

    PressHelp();
    wxStopWatch watch;
    while (!fs::exists(folder_ / "help-recorded.txt") && watch.Time() < 20000) Pump(100);
    const std::u8string expected = page.u8string() + u8"\n";
    EXPECT_EQ(Recorded(), std::string(expected.begin(), expected.end()));
}

TEST_F(HelpButtonMswTest, WithoutAHelpPageSaysThatNoBrowserWasFound) {
    RecorderAssociation association;
    fs::current_path(folder_);
    wxTEST_DIALOG(PressHelp(), ExpectHelpNotFound());
    EXPECT_FALSE(fs::exists(folder_ / "help-recorded.txt"));
}

}  // namespace
