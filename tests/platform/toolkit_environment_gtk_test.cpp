// GTK starts without probing OpenGL, and the programs Velmor starts get the user's
// environment back.
#include "platform/toolkit_environment.h"

#include <optional>
#include <string>

#include <glib.h>
#include <gtest/gtest.h>

namespace {

std::optional<std::string> Gl() {
    const char* value = g_getenv("GDK_GL");
    return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(ToolkitEnvironment, NoGlProbeWhileGtkStartsAndTheUsersOwnSettingKept) {
    const std::optional<std::string> before = Gl();
    g_unsetenv("GDK_GL");
    PrepareToolkitStart();
    EXPECT_EQ(Gl(), "disable");
    EndToolkitStart();
    EXPECT_EQ(Gl(), std::nullopt);

    g_setenv("GDK_GL", "always", TRUE);
    PrepareToolkitStart();
    EXPECT_EQ(Gl(), "always");
    EndToolkitStart();
    EXPECT_EQ(Gl(), "always");

    if (before)
        g_setenv("GDK_GL", before->c_str(), TRUE);
    else
        g_unsetenv("GDK_GL");
}

}  // namespace
