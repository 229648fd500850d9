// Saving never destroys what the user cannot read or has protected, nor another save. The
// tests run as root; for the cases of an ordinary user, the editor runs with the effective
// ids of the user nobody, so that the kernel itself checks each access as for that user.
#include <filesystem>
#include <functional>
#include <optional>
#include <set>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/gear_data/gear_data_ui_test.h"

namespace {

namespace fs = std::filesystem;

const passwd& Nobody() {
    static const passwd nobody = *getpwnam("nobody");
    return nobody;
}

// Nobody's effective ids for its lifetime.
class AsNobody {
public:
    AsNobody() {
        EXPECT_EQ(setegid(Nobody().pw_gid), 0);
        EXPECT_EQ(seteuid(Nobody().pw_uid), 0);
    }
    ~AsNobody() {
        EXPECT_EQ(seteuid(0), 0);
        EXPECT_EQ(setegid(0), 0);
    }
};

const char* const kName = text::kGearFileName;

void Lay(const std::string& bytes, mode_t mode, uid_t owner) {
    WriteBytes(kName, bytes);
    EXPECT_EQ(chmod(kName, mode), 0);
    EXPECT_EQ(chown(kName, owner, owner == 0 ? 0 : Nobody().pw_gid), 0);
}

std::set<std::string> Listing() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
    return names;
}

void EditAndSave(CSettingsDialog& editor) {
    SetBoxText(editor, "Fr\n1-2\nfE");
    wxTEST_DIALOG(ClickSave(editor), ExpectSaveQuestion(wxID_YES));
}

ExpectMessageBox ExpectChangedQuestion(int answer) {
    return ExpectMessageBox(answer, text::kEditorFileChanged, kQuestionDefaultNo);
}

constexpr char kMine[] = "Fr\r\n28-38\r\nfE\r\n";
constexpr char kOthers[] = "Fr\r\n30-39\r\nfE\r\n";
constexpr char kEdited[] = "Fr\r\n1-2\r\nfE";

struct Case {
    const char* what;
    bool asNobody;  // else as root
    uid_t owner;    // of the file as laid
    mode_t mode;
    std::set<std::string> leftovers;  // laid beside the file
    std::function<void(CSettingsDialog&)> act;
    const char* status;  // the editor's afterwards, nullptr once it has closed
    const char* saved;   // the file's bytes afterwards
    std::set<std::string> listing;
};

TEST_F(GearDataTest, SavingKeepsWhatTheUserCannotReadOrHasProtectedAndAsksBeforeOverwritingAnotherSave) {
    const uid_t nobody = Nobody().pw_uid;
    const Case cases[] = {
        {"another user's file the user cannot read", true, 0, 0600, {},
         [](CSettingsDialog& editor) {
             GTestModalHook noBox(__FILE__, __LINE__, __func__);
             EXPECT_EQ(Status(editor), text::kGearFileOpenFailed);
             EXPECT_EQ(BoxText(editor), "");
             EXPECT_FALSE(EditBox(editor)->IsEditable());
             ClickSave(editor);
             PressEsc(editor);  // a refused file has nothing to lose: Esc closes
         },
         nullptr, kMine, {kName}},
        {"the user's write-protected file", true, nobody, 0444, {}, EditAndSave,
         text::kGearFileWriteFailed, kMine, {kName}},
        {"root's write-protected file, as root", false, 0, 0444, {}, EditAndSave, nullptr, kEdited, {kName}},
        {"another save in between: No, then Yes", false, 0, 0640, {},
         [](CSettingsDialog& editor) {
             WriteBytes(kName, kOthers);
             SetBoxText(editor, "Fr\n1-2\nfE");
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_NO));
             EXPECT_TRUE(editor.IsShown());
             EXPECT_EQ(BoxText(editor), "Fr\n1-2\nfE");
             EXPECT_EQ(ReadBytes(kName), kOthers);
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_YES));
         },
         nullptr, kEdited, {kName}},
        {"another save of the same size and time", false, 0, 0640, {},
         [](CSettingsDialog& editor) {
             const auto time = fs::last_write_time(kName);
             WriteBytes(kName, kOthers);
             fs::last_write_time(kName, time);
             wxTEST_DIALOG(ClickSave(editor), ExpectChangedQuestion(wxID_NO));
         },
         text::kEditorSaving, kOthers, {kName}},
        {"what killed saves left", false, 0, 0640, {".Velmor.ini.k1lLed", ".Velmor.ini.notes"}, EditAndSave,
         nullptr, kEdited, {kName, ".Velmor.ini.notes"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry);
        EXPECT_EQ(chown(".", nobody, Nobody().pw_gid), 0);
        Lay(kMine, c.mode, c.owner);
        for (const std::string& leftover : c.leftovers) WriteBytes(leftover, "x");
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
        EXPECT_EQ(Listing(), c.listing);
    }
}

}  // namespace
