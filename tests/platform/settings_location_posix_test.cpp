// The settings folder by the XDG base directory rules.
#include "platform/settings_location.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/scratch_folder.h"

namespace {

// Sets or unsets a variable for one test, restoring it after.
class Variable {
public:
    explicit Variable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) old_ = value;
    }
    ~Variable() { Set(old_ ? old_->c_str() : nullptr); }
    void Set(const char* value) {
        if (value)
            setenv(name_, value, 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsLocation, TheXdgConfigurationHomeOrElseDotConfigInTheHome) {
    Variable config("XDG_CONFIG_HOME");
    Variable home("HOME");
    struct Case {
        const char* config;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/x/conf", "/home/r", "/x/conf/velmor"},
        {nullptr, "/home/r", "/home/r/.config/velmor"},
        {"", "/home/r", "/home/r/.config/velmor"},          // empty: ignored
        {"conf", "/home/r", "/home/r/.config/velmor"},      // relative: ignored
        {nullptr, nullptr, ""},
        {nullptr, "home", ""},
        {"/x/conf", nullptr, "/x/conf/velmor"},
    };
    for (const Case& c : cases) {
        config.Set(c.config);
        home.Set(c.home);
        EXPECT_EQ(SettingsFolder(), c.folder) << (c.config ? c.config : "(unset)") << " "
                                              << (c.home ? c.home : "(unset)");
    }
}

TEST(SettingsLocation, TheFolderIsMadeWithTheFoldersAboveItForTheUserAlone) {
    const TempFolder scratch;
    const std::string folder = (scratch.Path() / "a" / "b" / "velmor").string();
    ASSERT_TRUE(MakeSettingsFolder(folder));
    struct stat st;
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(MakeSettingsFolder(folder));  // already there
    WriteBytes(scratch.Path() / "file", "");
    EXPECT_FALSE(MakeSettingsFolder((scratch.Path() / "file").string()));
    EXPECT_FALSE(MakeSettingsFolder((scratch.Path() / "file" / "velmor").string()));
}

}  // namespace
