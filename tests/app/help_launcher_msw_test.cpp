// The Help button on Windows: FindExecutableA finds the program associated with .mht, and
// ShellExecuteA starts it with the help page as one argument, even in a folder with spaces.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/associated_program.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

namespace fs = std::filesystem;

// Associates .mht with the recorder, for the test's lifetime (in the test run's own wine
// prefix: it drops any association .mht had).
class RecorderAssociation {
public:
    RecorderAssociation() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const fs::path recorder = fs::path(self).parent_path() / "velmor_help_recorder.exe";
        SetValue(L".mht", L"VelmorTest.mht");
        SetValue(L"VelmorTest.mht\\shell\\open\\command", L"\"" + recorder.wstring() + L"\" \"%1\"");
    }
    ~RecorderAssociation() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"VelmorTest.mht");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".mht");
    }

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
};

class HelpButtonMswTest : public MainWindowTest {
protected:
    void SetUp() override {
        fs::create_directory(folder_.Path() / "velmor help");
        fs::current_path(folder_.Path() / "velmor help");
        MainWindowTest::SetUp();
    }
    RecorderAssociation association_;
};

TEST_F(HelpButtonMswTest, OpensTheHelpPageWithTheAssociatedProgramAsOneArgument) {
    WriteBytes("Velmor.mht", "MIME-Version: 1.0\r\n");
    const fs::path page = fs::current_path() / "Velmor.mht";
    EXPECT_FALSE(AssociatedProgram::For(page.string()).Path().empty());

    Press(IDC_HELP);
    wxStopWatch watch;
    while (!fs::exists("help-recorded.txt") && watch.Time() < 20000) Pump(100);
    const std::u8string expected = page.u8string() + u8"\n";
    EXPECT_EQ(ReadBytes("help-recorded.txt"), std::string(expected.begin(), expected.end()));
}

TEST_F(HelpButtonMswTest, WithoutAHelpPageSaysThatNoBrowserWasFound) {
    wxTEST_DIALOG(Press(IDC_HELP), ExpectMessageBox(wxID_OK, text::kHelpNotFound, kWarning));
    EXPECT_FALSE(fs::exists("help-recorded.txt"));
}

}  // namespace
