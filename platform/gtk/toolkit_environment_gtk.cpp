#include "platform/toolkit_environment.h"

#include <glib.h>

namespace {

// GDK reads it once, when GTK starts.
constexpr char kGlVariable[] = "GDK_GL";
constexpr char kNoGl[] = "disable";

bool setHere = false;

}  // namespace

void PrepareToolkitStart() {
    if (g_getenv(kGlVariable)) return;
    setHere = g_setenv(kGlVariable, kNoGl, FALSE);
}

void EndToolkitStart() {
    if (setHere) g_unsetenv(kGlVariable);
    setHere = false;
}
