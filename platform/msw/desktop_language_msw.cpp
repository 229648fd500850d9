#include "platform/desktop_language.h"

// Windows' message boxes and file dialogs are its own, already in the user's language, and
// the C library's locale stays "C", so figures keep their point.
void UseDesktopLanguage() {}
