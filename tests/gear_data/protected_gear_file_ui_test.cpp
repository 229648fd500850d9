// Saving never destroys what the user cannot read or has protected, nor another save. The
// tests run as root; for an ordinary user the editor runs with the effective ids of the user
// nobody, so that the kernel itself checks each access as it would for that user.
#include <filesystem>
#include <functional>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/gear_data/gear_data_ui_test.h"

namespace {

namespace fs = std::filesystem;

const passwd kNobody = *getpwnam("nobody");

class AsNobody {
public:
    AsNobody() { EXPECT_TRUE(setegid(kNobody.pw_gid) == 0 && seteuid(kNobody.pw_uid) == 0); }
    ~AsNobody() { EXPECT_TRUE(seteuid(0) == 0 && setegid(0) == 0); }
};

const char* const kName = text::kGearFileName;
constexpr char kMine[] = "Fr\r\n28-38\r\nfE\r\n";
constexpr char kOthers[] = "Fr\r\n30-39\r\nfE\r\n";  // the same size
constexpr char kEdited[] = "Fr\r\n1-2\r\nfE";

// Edits and presses Esc, which saves as the button does.
void EditAndSave(CSettingsDialog& editor) {
    SetBoxText(editor, "Fr\n1-2\nfE");
    FocusOn(EditBox(editor));
    wxTEST_DIALOG(PressKey(WXK_ESCAPE), ExpectSaveQuestion(wxID_YES));
    EXPECT_EQ(BoxText(editor), "Fr\n1-2\nfE");  // a save that failed keeps the edits
}

ExpectMessageBox ExpectChangedQuestion(int answer) {
    return ExpectMessageBox(answer, text::kEditorFileChanged, kQuestionDefaultNo);
}

// Edits and saves, and another save comes while the save question is up: `answer` to the
// question about it; on No the edit stays in the box.
std::function<void(CSettingsDialog&)> SaveWhileAsked(int answer) {
    return [answer](CSettingsDialog& editor) {
        SetBoxText(editor, "Fr\n1-2\nfE");
        wxTEST_DIALOG(ClickSave(editor),
                      ExpectMessageBox(wxID_YES, text::kEditorConfirmSave, kQuestion, [] { WriteBytes(kName, kOthers); }),
                      ExpectChangedQuestion(answer));
        if (answer == wxID_NO) {
            EXPECT_EQ(BoxText(editor), "Fr\n1-2\nfE");
        }
    };
}

TEST_F(GearDataTest, SavingKeepsWhatTheUserCannotReadOrHasProtectedAndAsksBeforeOverwritingAnotherSave) {
    const struct {
        const char* what;
        bool asNobody;  // else as root
        uid_t owner;
        mode_t mode;
        const char* leftover;  // laid beside the file, or nullptr
        std::function<void(CSettingsDialog&)> act;
        const char* status;  // the editor's, still open, afterwards; nullptr once it has closed
        const char* saved;
    } cases[] = {
        {"another user's file that the user cannot read", true, 0, 0600, nullptr,
         [](CSettingsDialog& editor) {
             GTestModalHook noBox(__FILE__, __LINE__, __func__);
             EXPECT_EQ(BoxText(editor), "");
             EXPECT_FALSE(EditBox(editor)->IsEditable());
             ClickSave(editor);
         },
         text::kGearFileOpenFailed, kMine},
        {"the user's write-protected file", true, kNobody.pw_uid, 0444, nullptr, EditAndSave, text::kSaveReadOnly,
         kMine},
        // As the Windows build refuses a read-only file for everyone.
        {"root's write-protected file, as root", false, 0, 0444, nullptr, EditAndSave, text::kSaveReadOnly, kMine},
        {"another save in between: No, then Yes", false, 0, 0640, nullptr,
         [](CSettingsDialog& editor) {
             WriteBytes(kName, kOthers);
             SetBoxText(editor, "Fr\n1-2\nfE");
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_NO));
             EXPECT_TRUE(editor.IsShown());
             EXPECT_EQ(BoxText(editor), "Fr\n1-2\nfE");
             EXPECT_EQ(ReadBytes(kName), kOthers);
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_YES));
         },
         nullptr, kEdited},
        {"another save of the same size and time", false, 0, 0640, nullptr,
         [](CSettingsDialog& editor) {
             const auto time = fs::last_write_time(kName);
             WriteBytes(kName, kOthers);
             fs::last_write_time(kName, time);
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_NO));
         },
         text::kEditorSaving, kOthers},
        {"another save while the question is up: asked about it after Yes, then No", false, 0, 0640, nullptr,
         SaveWhileAsked(wxID_NO), text::kEditorSaving, kOthers},
        {"another save while the question is up: Yes twice", false, 0, 0640, nullptr, SaveWhileAsked(wxID_YES),
         nullptr, kEdited},
        {"the question closed unanswered", false, 0, 0640, nullptr,
         [](CSettingsDialog& editor) {
             SetBoxText(editor, "Fr\n1-2\nfE");
             wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_CANCEL));
             EXPECT_EQ(BoxText(editor), "Fr\n1-2\nfE");
         },
         text::kEditorSaving, kMine},
        {"the changed question closed unanswered", false, 0, 0640, nullptr,
         [](CSettingsDialog& editor) {
             WriteBytes(kName, kOthers);
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_CANCEL));
         },
         text::kEditorSaving, kOthers},
        {"what a killed save left", false, 0, 0640, ".velmor-save-K1lLedK1lLed.tmp", EditAndSave, nullptr, kEdited},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry);
        WriteBytes(kName, kMine);
        if (c.leftover) WriteBytes(c.leftover, "x");
        EXPECT_TRUE(chown(".", kNobody.pw_uid, kNobody.pw_gid) == 0 && chmod(kName, c.mode) == 0 &&
                    chown(kName, c.owner, c.owner ? kNobody.pw_gid : 0) == 0);
        OpenMainWindow();
        {
            std::optional<AsNobody> user;
            if (c.asNobody) user.emplace();
            RunEditor([&c](CSettingsDialog& editor) {
                c.act(editor);
                if (!c.status) return;
                EXPECT_TRUE(editor.IsShown());
                EXPECT_EQ(Status(editor), c.status);
                editor.Close();
            });
        }
        TearDown();
        struct stat st;
        ASSERT_EQ(stat(kName, &st), 0);
        EXPECT_EQ(ReadBytes(kName), c.saved);
        EXPECT_EQ(st.st_uid, c.owner);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(FilesIn(), 1u);  // no leftovers
    }
}

}  // namespace
